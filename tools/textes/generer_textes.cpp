// Draws the 26 fill-in text pictures and writes the design places of their blanks.
//
// Each picture has one source, tools/textes/sources/<list>/<n>.txt: a few settings, a line
// "---", then the text. Each source line starts a new drawn line at the left margin and goes on
// over the next lines as far as it needs, cut at spaces (never before ":", ";", "!", "?", "»",
// nor after "«", nor on either side of a calculation's "=", "+", "−", "×", "÷" (nor before one
// followed by its punctuation, as in "la borne +,"), nor between a
// number or a blank and its unit, and never leaving a blank to begin right of 566 pixels); an empty source line
// leaves an empty line. A blank is written with its expected answer between brackets, then the
// other answers a teacher accepts, each in braces, then optionally settings separated by '|':
//   [conducteurs]                  a blank as wide as its answer needs
//   [liquéfiée{condensée}]         a blank as wide as the widest of its answers needs
//   [générateur|@3585,465|w1020]   a fixed place (Left, Top in twips) and a fixed width (twips)
//   [g|@8490|w240]                 a fixed Left only
//   [fermé|#19]                    a fixed row number (the others take the free rows in reading order)
// Settings: "haut" (top of the first line in pixels), "pas" (line pitch in pixels, at least 20),
// "hauteur" (picture height in pixels), "trous" (number of blanks), and optionally "marge" (the
// left margin of every line in pixels, 11 unless given: a text whose fixed first box begins a line
// further right takes that box's left edge, so that the box lines up with the text).
// Every gap, fixed or not, must hold the widest answer its blank accepts; the widest answer's own
// width must fill at least 60 % of a fixed gap (choose a fuller answer), except in the few gaps
// listed below that no natural answer fills; a free gap is not widened by one long synonym until
// its expected answer fills less than 40 % of it; the spaces before a blank at a fixed place are
// stretched only a little.
// No blank's expected answer, nor any of its accepted answers of four letters or more, may be
// printed elsewhere in its own text (compared without case or accents, as whole words), except for
// the few blanks listed below, each with its reason.
//
// Every line is drawn with the committed font, its words on the baseline of the text typed in the
// entry boxes. Each blank is a gap as wide as its box, marked by a dotted line in a colour of its
// own on the bottom row of the box. The answers stay in the sources: the outputs hold none.
//
// Usage: generer_textes [--apercu DOSSIER [--plus-larges]]
// Writes assets/textes/<list>/<n>.png and texts/positions_trous_donnees.cpp under the source tree;
// with --apercu, also writes into DOSSIER each picture with its answers typed in its boxes (the
// expected ones, or with --plus-larges the widest accepted ones).
// Exit code 1 when anything is reported.
#include "tools/textes/source_texte.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace {

// The picture: every text picture is 641 pixels wide; the text window shows its top-left
// 616 x 412, and the boxes stay within 612 x 408. The button "Valider les réponses" covers
// x 488..608, y 5..24 of it.
constexpr int LARGEUR_IMAGE = 641;
constexpr int LARGEUR_UTILE = 612, HAUTEUR_UTILE = 408;
const QRect ZONE_BOUTON(488, 5, 121, 20);
// The text begins 11 pixels from the left edge unless its source says otherwise; no box begins
// further right than 566 pixels (8490 twips).
constexpr int MARGE_GAUCHE = 11, GAUCHE_MAX = 566;
// A box is 16 pixels high; the text typed in it stands on a baseline 12 pixels below its top.
// The picture's text is 14 pixels high.
constexpr int HAUTEUR_BOITE = 16, LIGNE_DE_BASE = 12, TAILLE_TEXTE_PX = 14;
// A blank whose source gives no width gets its widest answer's, its margins and some room.
constexpr int JEU_TROU = 14, LARGEUR_MIN_TROU = 34;
// A gap at a fixed width looks empty when its widest answer's own width (without the box's
// margins) fills less than this share of it.
constexpr double REMPLISSAGE_MIN = 0.6;
// The fixed gaps that no natural answer fills: picture and expected answer.
const std::pair<const char*, const char*> TROUS_LARGES_ADMIS[] = {
    {"chimie6", "0"},         // a one-digit box, the narrowest of all
    {"chimie13", "gaz"},      // 36 pixels: « un gaz » does not fit, and nothing else names it
    {"optique4", "planète"},  // 62 pixels: « une planète » does not fit, and nothing else names it
};
// A free gap is as wide as its widest answer: one long synonym must not widen it until its
// expected answer fills less than this share of it (the smallest gap aside).
constexpr double REMPLISSAGE_LIBRE_MIN = 0.4;
// An accepted answer is looked for in the text only from this many letters on: shorter ones
// ("+", "3", "CO2", "eau") are signs or words that any sentence may hold.
constexpr int LETTRES_REPONSE_CHERCHEE = 4;
// The blanks whose answers the text cannot help printing elsewhere: picture, expected answer,
// and why.
struct ReponseImprimeeAdmise {
    const char* image;
    const char* reponse;
    const char* raison;
};
const ReponseImprimeeAdmise REPONSES_IMPRIMEES_ADMISES[] = {
    {"optique4", "Lune", "the three bodies are the topic: each sentence names them"},
    {"optique4", "Terre", "the three bodies are the topic: each sentence names them"},
    {"optique4", "Soleil", "the three bodies are the topic: each sentence names them"},
};
// Stretch allowed to the spaces before a blank at a fixed place, and gap allowed before a blank
// that begins its line.
constexpr double ETIREMENT_MAX = 1.8;
constexpr int RETRAIT_MAX = 8;
const QRgb ENCRE = qRgb(0, 0, 0);
const QRgb MARQUEUR = qRgb(0, 112, 224);

struct Source {
    QString liste;
    int numero;
};

const Source SOURCES[] = {
    {"elec", 1},    {"elec", 2},    {"elec", 3},    {"elec", 4},     {"elec", 5},     {"elec", 6},
    {"elec", 7},    {"elec", 8},    {"elec", 9},    {"chimie", 1},   {"chimie", 2},   {"chimie", 3},
    {"chimie", 4},  {"chimie", 5},  {"chimie", 6},  {"chimie", 7},   {"chimie", 8},   {"chimie", 9},
    {"chimie", 10}, {"chimie", 11}, {"chimie", 12}, {"chimie", 13},  {"optique", 1},  {"optique", 2},
    {"optique", 3}, {"optique", 4},
};

struct Trou : TrouSource {
    // Laid out:
    int x = 0, y = 0, l = 0;  // pixels
};

struct Element {
    enum Genre { Mot, Espace, Blanc } genre;
    QString texte;
    int trou = -1;  // index in the picture's blanks
    double etirement = 0;
    double x = 0;
};

class Generateur {
public:
    Generateur(QString racine, QString famille) : racine_(std::move(racine)) {
        texte_ = QFont(famille);
        texte_.setPixelSize(TAILLE_TEXTE_PX);
        texte_.setStyleStrategy(QFont::NoSubpixelAntialias);
        texte_.setHintingPreference(QFont::PreferNoHinting);
        boite_ = texte_;
        boite_.setPixelSize(TAILLE_BOITE_PX);
    }

    int erreurs() const { return erreurs_; }

    void signaler(const QString& ou, const QString& quoi) {
        QTextStream(stderr) << ou << ": " << quoi << "\n";
        ++erreurs_;
    }

    // Lays out and draws one picture; fills its rows. False when its source cannot be read.
    bool traiter(const Source& s, QList<std::array<int, 3>>& rangs, const QString& apercu, bool plus_larges) {
        const QString nom = QStringLiteral("%1%2").arg(s.liste).arg(s.numero);
        SourceTexte source_texte;
        if (!lire_source(racine_, s.liste, s.numero, source_texte)) {
            signaler(nom, "source illisible");
            return false;
        }
        std::map<QString, int>& reglages = source_texte.reglages;
        for (const char* cle : {"haut", "pas", "hauteur", "trous"})
            if (!reglages.count(cle)) {
                signaler(nom, QStringLiteral("réglage « %1 » absent").arg(cle));
                return false;
            }
        const QStringList& texte = source_texte.texte;
        const int haut = reglages["haut"], pas = reglages["pas"];
        if (pas < 20) signaler(nom, QStringLiteral("interligne de %1 pixels, moins de 20").arg(pas));
        marge_ = reglages.count("marge") ? reglages["marge"] : MARGE_GAUCHE;
        if (marge_ < MARGE_GAUCHE) signaler(nom, QStringLiteral("marge de %1 pixels, moins de %2").arg(marge_).arg(MARGE_GAUCHE));

        QImage image(LARGEUR_IMAGE, reglages["hauteur"], QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(texte_);
        p.setPen(QColor::fromRgb(ENCRE));
        const QFontMetricsF m(texte_);
        const QFontMetricsF mb(boite_);

        QList<Trou> trous;
        // A source line longer than the picture's width goes on over the next lines, cut at a
        // space; an empty source line leaves an empty line.
        int n = 0;
        for (const QString& source : texte) {
            QList<Element> reste = decouper(source, trous, QStringLiteral("%1 ligne %2").arg(nom).arg(n + 1));
            do {
                QList<Element> elements = couper(reste, trous, m, mb);
                const QString ou = QStringLiteral("%1 ligne %2").arg(nom).arg(n + 1);
                const int y = haut + n * pas;
                disposer(elements, trous, m, mb, y, ou);
                for (const Element& e : elements) {
                    if (e.genre == Element::Mot) {
                        p.drawText(QPointF(e.x, y + LIGNE_DE_BASE), e.texte);
                        const double fin = e.x + m.horizontalAdvance(e.texte);
                        if (fin > LARGEUR_UTILE)
                            signaler(ou, QStringLiteral("le texte dépasse de %1 pixels").arg(std::ceil(fin - LARGEUR_UTILE)));
                    }
                }
                ++n;
            } while (!reste.isEmpty());
        }
        if (haut + (n - 1) * pas + HAUTEUR_BOITE > HAUTEUR_UTILE)
            signaler(nom, QStringLiteral("%1 lignes : le texte descend trop bas").arg(n));
        p.end();
        for (const Trou& t : trous)
            for (int x = 0; x < t.l; ++x)
                if ((x % 2 == 0 || x == t.l - 1) && image.rect().contains(t.x + x, t.y + HAUTEUR_BOITE - 1))
                    image.setPixel(t.x + x, t.y + HAUTEUR_BOITE - 1, MARQUEUR);

        // Rows: the fixed ones first, then the others in reading order.
        const int nombre = reglages["trous"];
        if (trous.size() != nombre)
            signaler(nom, QStringLiteral("%1 trous au lieu de %2").arg(trous.size()).arg(nombre));
        QList<std::optional<int>> rangs_fixes;
        for (const Trou& t : trous) rangs_fixes.append(t.rang);
        QStringList erreurs;
        const QList<int> ordre = rangs_des_trous(rangs_fixes, nombre, erreurs);
        for (const QString& e : erreurs) signaler(nom, e);
        rangs.clear();
        for (int r = 0; r < nombre; ++r) {
            if (ordre[r] < 0) {
                signaler(nom, QStringLiteral("rang %1 sans trou").arg(r));
                rangs.append({0, 0, 0});
                continue;
            }
            const Trou& t = trous[ordre[r]];
            rangs.append({t.gauche.value_or(t.x * 15), t.haut.value_or(t.y * 15), t.largeur.value_or(t.l * 15)});
        }
        verifier_encre(image, trous, nom);
        verifier_remplissage_libre(trous, nom, mb);
        verifier_reponses_imprimees(texte, trous, nom);

        const QString dossier = QStringLiteral("%1/assets/textes/%2").arg(racine_, s.liste);
        QDir().mkpath(dossier);
        // Quality 0: the strongest compression (the pixels are the same at any quality).
        if (!image.save(QStringLiteral("%1/%2.png").arg(dossier).arg(s.numero), "PNG", 0))
            signaler(nom, "image non écrite");
        if (!apercu.isEmpty()) ecrire_apercu(image, trous, QStringLiteral("%1/%2.png").arg(apercu, nom), plus_larges);
        return true;
    }

private:
    // Splits a source line into words, spaces and blanks; records the blanks.
    QList<Element> decouper(const QString& ligne, QList<Trou>& trous, const QString& ou) {
        QList<Element> elements;
        QString mot;
        auto finir_mot = [&] {
            if (!mot.isEmpty()) elements.append({Element::Mot, mot});
            mot.clear();
        };
        for (int k = 0; k < ligne.size(); ++k) {
            const QChar c = ligne[k];
            if (c == ' ') {
                finir_mot();
                elements.append({Element::Espace, QStringLiteral(" ")});
            } else if (c == '[') {
                finir_mot();
                const int fin = ligne.indexOf(']', k);
                if (fin < 0) {
                    signaler(ou, "crochet non fermé");
                    break;
                }
                QStringList erreurs;
                Trou t;
                static_cast<TrouSource&>(t) = lire_trou(ligne.mid(k + 1, fin - k - 1), erreurs);
                for (const QString& e : erreurs) signaler(ou, e);
                elements.append({Element::Blanc, QString(), int(trous.size())});
                trous.append(t);
                k = fin;
            } else {
                if (c == '{' || c == '}' || c == ']') signaler(ou, QStringLiteral("« %1 » hors d'un trou").arg(c));
                mot += c;
            }
        }
        finir_mot();
        return elements;
    }

    // Whether a fixed gap is one of those that no natural answer fills; `ou` begins with the
    // picture's name.
    static bool large_admis(const QString& ou, const Trou& t) {
        for (const auto& [image, reponse] : TROUS_LARGES_ADMIS)
            if (ou.section(' ', 0, 0) == QLatin1String(image) && t.reponse == QString::fromUtf8(reponse)) return true;
        return false;
    }

    // The width of a blank: the one its source gives, or its widest answer's with some room.
    static int largeur_trou(const Trou& t, const QFontMetricsF& mb) {
        return t.largeur ? int(std::ceil(*t.largeur / 15.0)) : std::max(LARGEUR_MIN_TROU, t.besoin(mb) + JEU_TROU);
    }

    // Takes from the front of `reste` the elements that fit on one line (cut at a space, which
    // is dropped) and returns them.
    QList<Element> couper(QList<Element>& reste, const QList<Trou>& trous, const QFontMetricsF& m,
                          const QFontMetricsF& mb) {
        double x = marge_;
        int coupure = -1;
        for (int k = 0; k < reste.size(); ++k) {
            const Element& e = reste[k];
            if (e.genre == Element::Espace) {
                // French spacing: no line begins with ":", ";", "!", "?" or "»", and none ends with "«";
                // a calculation is never cut at its signs, nor a number (or a blank) from its unit.
                static const QStringList signes = {QStringLiteral("="), QStringLiteral("+"), QStringLiteral("−"),
                                                   QStringLiteral("×"), QStringLiteral("÷")};
                static const QStringList unites = {"g", "kg", "mg", "L", "mL", "V", "°C", "%", "cm", "cm³", "dm³"};
                const bool suivant_mot = k + 1 < reste.size() && reste[k + 1].genre == Element::Mot;
                const bool precedent_mot = k > 0 && reste[k - 1].genre == Element::Mot;
                const bool apres_nombre =
                    k > 0 && (reste[k - 1].genre == Element::Blanc || (precedent_mot && reste[k - 1].texte.back().isDigit()));
                // The next word without the punctuation that may close it ("+," "mL.").
                const QString suivant_nu = suivant_mot ? QString(reste[k + 1].texte).remove(QRegularExpression("[.,;:]$")) : QString();
                const bool insecable =
                    (suivant_mot && (QStringLiteral(":;!?»").contains(reste[k + 1].texte.front()) || signes.contains(suivant_nu) ||
                                     (apres_nombre && unites.contains(suivant_nu)))) ||
                    (precedent_mot && (reste[k - 1].texte == QStringLiteral("«") || signes.contains(reste[k - 1].texte)));
                if (!insecable) coupure = k;
                x += m.horizontalAdvance(' ');
            } else if (e.genre == Element::Mot) {
                x += m.horizontalAdvance(e.texte);
            } else {
                const Trou& t = trous[e.trou];
                const double gauche_max = t.gauche ? *t.gauche / 15.0 : GAUCHE_MAX;
                const bool colle = k > 0 && reste[k - 1].genre == Element::Mot;
                const double gauche = std::ceil(x - 1e-6) + (colle ? 1 : 0);
                if (gauche > gauche_max) {
                    x = LARGEUR_UTILE + 1;  // cut before it
                } else {
                    x = (t.gauche ? gauche_max : gauche) + largeur_trou(t, mb) + 2;
                }
            }
            if (x > LARGEUR_UTILE && coupure > 0) {
                QList<Element> ligne = reste.mid(0, coupure);
                reste = reste.mid(coupure + 1);
                return ligne;
            }
        }
        QList<Element> ligne = reste;
        reste.clear();
        return ligne;
    }

    // Places the words and blanks of one line starting at the picture's left margin.
    void disposer(QList<Element>& elements, QList<Trou>& trous, const QFontMetricsF& m, const QFontMetricsF& mb,
                  int y, const QString& ou) {
        const double espace = m.horizontalAdvance(' ');
        QStringList signaler_plus_tard;
        // A first pass stretches the spaces before the blanks at fixed places; the second lays
        // out and reports.
        for (int passe = 0; passe < 2; ++passe) {
            const bool rapporter = passe == 1;
            double x = marge_;
            int debut_segment = 0;  // first element after the previous blank
            for (int k = 0; k < elements.size(); ++k) {
                Element& e = elements[k];
                e.x = x;
                if (e.genre == Element::Mot) {
                    x += m.horizontalAdvance(e.texte);
                } else if (e.genre == Element::Espace) {
                    x += espace + e.etirement;
                } else {
                    Trou& t = trous[e.trou];
                    const bool colle = k > 0 && elements[k - 1].genre == Element::Mot;
                    int gauche = int(std::ceil(x - 1e-6)) + (colle ? 1 : 0);
                    if (t.gauche) {
                        const int voulu = *t.gauche / 15;
                        if (gauche > voulu && rapporter) {
                            signaler(ou, QStringLiteral("le texte déborde de %1 pixels sur le trou « %2 »")
                                             .arg(gauche - voulu).arg(t.reponse));
                        } else if (gauche < voulu && !rapporter) {
                            int espaces = 0;
                            for (int j = debut_segment; j < k; ++j) espaces += elements[j].genre == Element::Espace;
                            const double ecart = voulu - gauche;
                            if (espaces == 0 ? ecart > RETRAIT_MAX : ecart / espaces > ETIREMENT_MAX)
                                signaler_plus_tard.append(QStringLiteral("écart de %1 pixels avant le trou « %2 » (%3 par espace)")
                                                 .arg(ecart).arg(t.reponse).arg(espaces ? ecart / espaces : ecart, 0, 'f', 1));
                            for (int j = debut_segment; j < k; ++j)
                                if (elements[j].genre == Element::Espace) elements[j].etirement += ecart / espaces;
                        }
                        gauche = voulu;
                    }
                    const int besoin = t.besoin(mb);
                    t.x = gauche;
                    t.y = y;
                    t.l = largeur_trou(t, mb);
                    const bool suivi_colle = k + 1 < elements.size() && elements[k + 1].genre == Element::Mot;
                    x = t.x + t.l + (suivi_colle ? 2 : 0);
                    debut_segment = k + 1;
                    if (!rapporter) continue;
                    if (t.haut && *t.haut != y * 15)
                        signaler(ou, QStringLiteral("le trou « %1 » est à %2 twips au lieu de %3")
                                         .arg(t.reponse).arg(y * 15).arg(*t.haut));
                    if (t.l < besoin + JEU_BOITE)
                        signaler(ou, QStringLiteral("le trou « %1 » (%2 px) est plus étroit que « %3 » (%4 px)")
                                         .arg(t.reponse).arg(t.l).arg(t.plus_large(mb)).arg(besoin + JEU_BOITE));
                    else if (t.largeur && besoin < REMPLISSAGE_MIN * t.l && !large_admis(ou, t))
                        signaler(ou, QStringLiteral("le trou « %1 » (%2 px) semble trop large pour « %3 » (%4 px)")
                                         .arg(t.reponse).arg(t.l).arg(t.plus_large(mb)).arg(besoin));
                    if (t.x > GAUCHE_MAX)
                        signaler(ou, QStringLiteral("le trou « %1 » commence après %2 pixels").arg(t.reponse).arg(GAUCHE_MAX));
                    if (t.x + t.l > LARGEUR_UTILE)
                        signaler(ou, QStringLiteral("le trou « %1 » dépasse de %2 pixels").arg(t.reponse).arg(t.x + t.l - LARGEUR_UTILE));
                }
            }
        }
        for (const QString& s : signaler_plus_tard) signaler(ou, s);
    }

    // A free gap whose expected answer fills less than 40 % of it hints at a longer word.
    void verifier_remplissage_libre(const QList<Trou>& trous, const QString& nom, const QFontMetricsF& mb) {
        for (const Trou& t : trous) {
            if (t.largeur || t.l <= LARGEUR_MIN_TROU) continue;
            const double attendue = std::ceil(mb.horizontalAdvance(t.reponse));
            if (attendue < REMPLISSAGE_LIBRE_MIN * t.l)
                signaler(nom, QStringLiteral("« %1 » ne remplit que %2 % de son trou (%3 px), élargi par « %4 »")
                                  .arg(t.reponse).arg(int(100 * attendue / t.l)).arg(t.l).arg(t.plus_large(mb)));
        }
    }

    // No blank's expected answer, nor any accepted answer of four letters or more, is printed
    // elsewhere in its text: a pupil scans the whole sheet. Compared without case or accents,
    // as whole words.
    void verifier_reponses_imprimees(const QStringList& lignes, const QList<Trou>& trous, const QString& nom) {
        // The printed text: each blank becomes a line break, so that no word runs across it.
        static const QRegularExpression blanc(QStringLiteral("\\[[^\\]]*\\]"));
        const QString texte = sans_accents(QString(lignes.join('\n')).replace(blanc, QStringLiteral("\n")));
        for (const Trou& t : trous) {
            if (reponse_imprimee_admise(nom, t)) continue;
            for (const QString& r : t.reponses()) {
                if (r != t.reponse && std::count_if(r.begin(), r.end(), [](QChar c) { return c.isLetter(); }) <
                                          LETTRES_REPONSE_CHERCHEE)
                    continue;
                const qsizetype k = position_mot(texte, sans_accents(r));
                if (k >= 0)
                    signaler(nom, QStringLiteral("la réponse « %1 » du trou « %2 » est écrite dans le texte : « %3 »")
                                      .arg(r, t.reponse, texte.mid(std::max<qsizetype>(0, k - 30), r.size() + 60)
                                                             .simplified()));
            }
        }
        for (const auto& a : REPONSES_IMPRIMEES_ADMISES)
            if (nom == QLatin1String(a.image) &&
                std::none_of(trous.begin(), trous.end(), [&](const Trou& t) { return t.reponse == QString::fromUtf8(a.reponse); }))
                signaler(nom, QStringLiteral("exception sans trou « %1 »").arg(QString::fromUtf8(a.reponse)));
    }

    static bool reponse_imprimee_admise(const QString& nom, const Trou& t) {
        for (const auto& a : REPONSES_IMPRIMEES_ADMISES)
            if (nom == QLatin1String(a.image) && t.reponse == QString::fromUtf8(a.reponse)) return true;
        return false;
    }

    // Lower case, without accents, "œ" as "oe", one kind of apostrophe and space.
    static QString sans_accents(const QString& s) {
        QString d = s.toLower().replace(QChar(0x0153), QLatin1String("oe")).replace(QChar(0x00E6), QLatin1String("ae"));
        d.replace(QChar(0x2019), '\'').replace(QChar(0x00A0), ' ').replace(QChar(0x202F), ' ');
        d = d.normalized(QString::NormalizationForm_D);
        d.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
        return d;
    }

    // Where `mot` stands in `texte` as a whole word (a number as a whole number: "5" is not
    // found in "4,5"), or -1.
    static qsizetype position_mot(const QString& texte, const QString& mot) {
        auto colle = [&](qsizetype i, qsizetype voisin) {
            if (voisin < 0 || voisin >= texte.size()) return false;
            const QChar c = texte[voisin];
            if (c.isLetterOrNumber()) return true;
            // A decimal comma or point between two digits.
            const qsizetype au_dela = voisin + (voisin - i);
            return (c == ',' || c == '.') && texte[i].isDigit() && au_dela >= 0 && au_dela < texte.size() &&
                   texte[au_dela].isDigit();
        };
        for (qsizetype k = texte.indexOf(mot); k >= 0 && !mot.isEmpty(); k = texte.indexOf(mot, k + 1)) {
            const qsizetype fin = k + mot.size() - 1;
            if (!colle(k, k - 1) && !colle(fin, fin + 1)) return k;
        }
        return -1;
    }

    // Everything inside 612 x 408, nothing under the button, nothing but its marker in a box.
    void verifier_encre(const QImage& image, const QList<Trou>& trous, const QString& nom) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y) | 0xFF000000u;
                if (c == qRgb(255, 255, 255)) continue;
                if (x >= LARGEUR_UTILE || y >= HAUTEUR_UTILE) {
                    signaler(nom, QStringLiteral("encre hors de la zone utile en (%1, %2)").arg(x).arg(y));
                    return;
                }
                if (ZONE_BOUTON.contains(x, y)) {
                    signaler(nom, QStringLiteral("encre sous le bouton en (%1, %2)").arg(x).arg(y));
                    return;
                }
                for (const Trou& t : trous) {
                    const QRect boite(t.x, t.y, t.l, HAUTEUR_BOITE);
                    const bool marqueur = y == t.y + HAUTEUR_BOITE - 1 && c == MARQUEUR;
                    if (boite.contains(x, y) && !marqueur) {
                        signaler(nom, QStringLiteral("encre dans le trou « %1 » en (%2, %3)").arg(t.reponse).arg(x).arg(y));
                        return;
                    }
                }
            }
    }

    // The picture as a teacher sees the filled sheet: each answer typed in its box.
    void ecrire_apercu(const QImage& image, const QList<Trou>& trous, const QString& chemin, bool plus_larges) {
        QImage a = image.copy(0, 0, 616, 412);
        QPainter p(&a);
        p.setFont(boite_);
        for (const Trou& t : trous) {
            p.fillRect(QRect(t.x, t.y, t.l, HAUTEUR_BOITE), QColor(255, 255, 192));
            p.setPen(QColor(160, 160, 160));
            p.drawRect(QRect(t.x, t.y, t.l - 1, HAUTEUR_BOITE - 1));
            p.setPen(QColor(128, 128, 0));
            p.drawText(QPointF(t.x + 3, t.y + LIGNE_DE_BASE), plus_larges ? t.plus_large(QFontMetricsF(boite_)) : t.reponse);
        }
        p.end();
        a.save(chemin);
    }

    QString racine_;
    QFont texte_, boite_;
    int marge_ = MARGE_GAUCHE;  // of the picture being drawn
    int erreurs_ = 0;
};

QString ligne_cpp(const std::array<int, 3>& r) {
    return QStringLiteral("{%1, %2, %3}").arg(r[0]).arg(r[1]).arg(r[2]);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QString racine = QStringLiteral(RACINE_SOURCES);
    QString apercu;
    bool plus_larges = false;
    for (int i = 1; i < argc; ++i) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        if (option == QLatin1String("--apercu") && i + 1 < argc) apercu = QString::fromLocal8Bit(argv[i + 1]);
        plus_larges = plus_larges || option == QLatin1String("--plus-larges");
    }
    if (!apercu.isEmpty()) QDir().mkpath(apercu);

    const int id = QFontDatabase::addApplicationFont(racine + "/tools/textes/police/ComicNeue-Regular.otf");
    const QStringList familles = QFontDatabase::applicationFontFamilies(id);
    if (familles.isEmpty()) {
        QTextStream(stderr) << "police introuvable\n";
        return 1;
    }
    Generateur g(racine, familles.first());

    QString cpp;
    QTextStream out(&cpp);
    out << "// Generated by tools/textes/generer_textes from tools/textes/sources: do not edit by hand.\n"
           "// Design places of the blanks of the 26 text pictures, in twips at 15 twips per pixel.\n"
           "#include \"texts/positions_trous_donnees.h\"\n\n"
           "namespace {\n\n";
    QStringList entrees;
    for (const Source& s : SOURCES) {
        QList<std::array<int, 3>> rangs;
        if (!g.traiter(s, rangs, apercu, plus_larges)) continue;
        const QString nom = QStringLiteral("trous_%1%2").arg(s.liste).arg(s.numero);
        out << "const LigneTrou " << nom << "[] = {\n";
        for (const auto& r : rangs) out << "    " << ligne_cpp(r) << ",\n";
        out << "};\n\n";
        entrees << QStringLiteral("    {\"%1\", \"%2\", %3, %1, %4},\n").arg(nom, s.liste).arg(s.numero).arg(rangs.size());
    }
    out << "}  // namespace\n\n"
           "const TableTrous tables_trous[NOMBRE_TABLES_TROUS] = {\n"
        << entrees.join(QString()) << "};\n";
    out.flush();

    QSaveFile sortie(racine + "/texts/positions_trous_donnees.cpp");
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(cpp.toUtf8()) < 0 || !sortie.commit()) {
        QTextStream(stderr) << "texts/positions_trous_donnees.cpp non écrit\n";
        return 1;
    }
    if (g.erreurs()) QTextStream(stderr) << g.erreurs() << " problème(s)\n";
    return g.erreurs() ? 1 : 0;
}
