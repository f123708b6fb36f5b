#include "platform/document.h"

#include "platform/ecriture_sure.h"

#include <QBuffer>
#include <QImage>
#include <cmath>

namespace traitement_texte {

namespace {
CrochetEnregistrement crochet_enregistrement;
std::function<bool()> crochet_ajout;

// A text as it goes into a paragraph: "\r\n", "\r" and "\n" become manual line breaks.
QString normaliser(const QString& texte) {
    QString s = texte;
    s.replace(QStringLiteral("\r\n"), QString(QChar(saut_de_ligne)));
    s.replace(QChar('\r'), QChar(saut_de_ligne));
    s.replace(QChar('\n'), QChar(saut_de_ligne));
    return s;
}

// Appends a text to a paragraph, joining it to the last piece when that has the same format.
void ajouter_texte(Paragraphe& p, const QString& texte, const FormatCaracteres& format) {
    if (texte.isEmpty()) return;
    if (!p.morceaux.isEmpty() && !p.morceaux.last().est_image() && p.morceaux.last().format == format) {
        p.morceaux.last().texte += texte;
        return;
    }
    Morceau m;
    m.texte = texte;
    m.format = format;
    p.morceaux.append(m);
}

// Splits a paragraph's pieces at a position: the pieces before it stay, those after it are returned.
QList<Morceau> couper(Paragraphe& p, int position) {
    QList<Morceau> avant, apres;
    int debut = 0;
    for (const Morceau& m : p.morceaux) {
        const int fin = debut + m.longueur();
        if (fin <= position) {
            avant.append(m);
        } else if (debut >= position) {
            apres.append(m);
        } else {
            Morceau a = m, b = m;
            a.texte = m.texte.left(position - debut);
            b.texte = m.texte.mid(position - debut);
            avant.append(a);
            apres.append(b);
        }
        debut = fin;
    }
    p.morceaux = avant;
    return apres;
}

Paragraphe paragraphe_neuf_apres(const Paragraphe& precedent) {
    Paragraphe p;
    p.marque = precedent.marque;
    p.retrait_gauche = precedent.retrait_gauche;
    p.alignement = precedent.alignement;
    return p;
}
}

// --- Paragraphe

QString Paragraphe::texte() const {
    QString s;
    for (const Morceau& m : morceaux) s += m.est_image() ? QString(QChar(0xFFFC)) : m.texte;
    return s;
}

int Paragraphe::longueur() const {
    int n = 0;
    for (const Morceau& m : morceaux) n += m.longueur();
    return n;
}

int Paragraphe::nombre_images() const {
    int n = 0;
    for (const Morceau& m : morceaux) n += m.est_image() ? 1 : 0;
    return n;
}

// --- Police, FormatParagraphe

template <class F>
void Police::changer(F&& modifier) {
    Document* d = document_->verifie();
    auto tout = [&](Paragraphe& p) {
        for (Morceau& m : p.morceaux) modifier(m.format);
        modifier(p.marque);
    };
    if (paragraphe_ > 0) {
        tout(d->paragraphe_du_corps(paragraphe_));
    } else if (paragraphe_ < 0) {
        for (Paragraphe& p : d->corps_) tout(p);
    } else {
        FormatCaracteres f = d->format_au_curseur();
        modifier(f);
        d->format_saisie_ = f;
        Paragraphe& p = d->paragraphe_au_curseur();
        if (p.morceaux.isEmpty()) modifier(p.marque);
    }
}

void Police::Name(const QString& nom) {
    if (nom.trimmed().isEmpty()) throw Erreur(QStringLiteral("nom de police vide"));
    changer([&](FormatCaracteres& f) { f.nom = nom; });
}
void Police::Size(double points) {
    if (!(points >= 1.0 && points <= 1638.0)) throw Erreur(QStringLiteral("taille de police hors des limites"));
    // Sizes go by half points.
    const double demi = std::nearbyint(points * 2.0) / 2.0;
    changer([&](FormatCaracteres& f) { f.taille = demi; });
}
void Police::Color(std::uint32_t bgr) {
    if (bgr > 0xFFFFFF) throw Erreur(QStringLiteral("couleur hors des limites"));
    changer([&](FormatCaracteres& f) { f.couleur = bgr; });
}
void Police::Bold(bool oui) {
    changer([&](FormatCaracteres& f) { f.gras = oui; });
}
void Police::AllCaps(bool oui) {
    changer([&](FormatCaracteres& f) { f.majuscules = oui; });
}

Paragraphe& FormatParagraphe::cible() const {
    Document* d = document_->verifie();
    return paragraphe_ > 0 ? d->paragraphe_du_corps(paragraphe_) : d->paragraphe_au_curseur();
}

void FormatParagraphe::LeftIndent(double points) {
    if (!(points >= -1584.0 && points <= 1584.0)) throw Erreur(QStringLiteral("retrait hors des limites"));
    if (paragraphe_ < 0) {
        for (Paragraphe& p : document_->verifie()->corps_) p.retrait_gauche = points;
        return;
    }
    cible().retrait_gauche = points;
}

void FormatParagraphe::Alignment(int alignement) {
    if (alignement < wdAlignParagraphLeft || alignement > wdAlignParagraphJustify) throw Erreur(QStringLiteral("alignement inconnu"));
    if (paragraphe_ < 0) {
        for (Paragraphe& p : document_->verifie()->corps_) p.alignement = alignement;
        return;
    }
    cible().alignement = alignement;
}

// --- Plage, Paragraph

void Plage::InsertAfter(const QString& texte) {
    Document* d = document_->verifie();
    Paragraphe& p = paragraphe_ > 0 ? d->paragraphe_du_corps(paragraphe_) : d->corps_.last();
    ajouter_texte(p, normaliser(texte), p.marque);
}

void Plage::InsertParagraphAfter() {
    Document* d = document_->verifie();
    const int apres = paragraphe_ > 0 ? paragraphe_ : d->nombre_paragraphes();
    d->paragraphe_du_corps(apres);
    d->corps_.insert(apres, paragraphe_neuf_apres(d->corps_.at(apres - 1)));
    // A cursor in a later paragraph stays before the same text.
    if (d->curseur_corps_.paragraphe >= apres) ++d->curseur_corps_.paragraphe;
}

Plage Paragraph::Range() const {
    document_->verifie()->paragraphe_du_corps(index_);
    return Plage(document_, index_);
}

// --- Selection

Police Selection::Font() const { return Police(document_->verifie(), 0); }

FormatParagraphe Selection::ParagraphFormat() const { return FormatParagraphe(document_->verifie(), 0); }

void Selection::TypeText(const QString& texte) {
    Document* d = document_->verifie();
    Morceau m;
    m.texte = normaliser(texte);
    m.format = d->format_au_curseur();
    if (m.texte.isEmpty()) return;
    d->inserer_au_curseur(m);
}

void Selection::TypeParagraph() {
    Document* d = document_->verifie();
    QList<Paragraphe>& h = d->histoire();
    Document::Curseur& c = d->curseur();
    const FormatCaracteres format = d->format_au_curseur();
    Paragraphe& p = h[c.paragraphe];
    Paragraphe suite = paragraphe_neuf_apres(p);
    suite.morceaux = couper(p, c.position);
    p.marque = format;
    h.insert(c.paragraphe + 1, suite);
    c.paragraphe += 1;
    c.position = 0;
    d->format_saisie_.reset();
}

void Selection::MoveUp(int unite, int nombre) {
    if (unite != wdLine && unite != wdParagraph) throw Erreur(QStringLiteral("unité de déplacement inconnue"));
    if (nombre < 0) throw Erreur(QStringLiteral("déplacement négatif"));
    Document* d = document_->verifie();
    Document::Curseur& c = d->curseur();
    c.paragraphe = std::max(0, c.paragraphe - nombre);
    const int longueur = d->histoire().at(c.paragraphe).longueur();
    c.position = unite == wdParagraph ? 0 : std::min(c.position, longueur);
    d->format_saisie_.reset();
}

// --- Document

Document::Document(Application* application) : application_(application) {
    corps_.append(Paragraphe());
    entete_.append(Paragraphe());
}

Document* Document::verifie() {
    if (ferme_) throw Erreur(QStringLiteral("le document est déjà fermé"));
    return this;
}

QList<Paragraphe>& Document::histoire() { return vue_ == Histoire::corps ? corps_ : entete_; }
Document::Curseur& Document::curseur() { return vue_ == Histoire::corps ? curseur_corps_ : curseur_entete_; }

int Document::paragraphe_curseur() const {
    return vue_ == Histoire::corps ? curseur_corps_.paragraphe : curseur_entete_.paragraphe;
}
int Document::position_curseur() const {
    return vue_ == Histoire::corps ? curseur_corps_.position : curseur_entete_.position;
}

Paragraphe& Document::paragraphe_du_corps(int index) {
    if (index < 1 || index > corps_.size()) throw Erreur(QStringLiteral("paragraphe hors du document"));
    return corps_[index - 1];
}

Paragraphe& Document::paragraphe_au_curseur() { return histoire()[curseur().paragraphe]; }

FormatCaracteres Document::format_au_curseur() {
    if (format_saisie_) return *format_saisie_;
    const Paragraphe& p = paragraphe_au_curseur();
    const int position = curseur().position;
    // The format of the character before the cursor, else of the one after it, else the mark's.
    int debut = 0;
    const Morceau* avant = nullptr;
    const Morceau* apres = nullptr;
    for (const Morceau& m : p.morceaux) {
        const int fin = debut + m.longueur();
        if (debut < position) avant = &m;
        if (!apres && fin > position) apres = &m;
        debut = fin;
    }
    if (avant && !avant->est_image()) return avant->format;
    if (apres && !apres->est_image()) return apres->format;
    return p.marque;
}

void Document::inserer_au_curseur(const Morceau& morceau) {
    Curseur& c = curseur();
    Paragraphe& p = histoire()[c.paragraphe];
    QList<Morceau> suite = couper(p, c.position);
    if (morceau.est_image())
        p.morceaux.append(morceau);
    else
        ajouter_texte(p, morceau.texte, morceau.format);
    for (const Morceau& m : suite) {
        if (m.est_image())
            p.morceaux.append(m);
        else
            ajouter_texte(p, m.texte, m.format);
    }
    c.position += morceau.longueur();
}

void Document::changer_vue(Histoire vue) {
    vue_ = vue;
    format_saisie_.reset();
}

Paragraph Document::Paragraphs(int index) {
    paragraphe_du_corps(index);
    return Paragraph(verifie(), index);
}

void Document::AddPicture(const QString& fichier) {
    verifie();
    QImage image(fichier);
    if (image.isNull()) throw Erreur(QStringLiteral("l'image à insérer est illisible"));
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "PNG")) throw Erreur(QStringLiteral("l'image ne peut pas être mise dans le document"));
    Morceau m;
    m.png = png;
    m.taille = image.size();
    // The picture goes into the body, even while the cursor is in the header.
    const Histoire vue = vue_;
    vue_ = Histoire::corps;
    m.format = format_au_curseur();
    inserer_au_curseur(m);
    vue_ = vue;
}

void Document::SaveAs(const QString& fichier) {
    verifie();
    QString raison;
    if (!ecriture_sure::ecrire(fichier, rtf(), &raison)) throw Erreur(raison);
    if (crochet_enregistrement) crochet_enregistrement(*this, fichier);
}

QString Document::enregistrer_nouveau(const QString& fichier) {
    verifie();
    QString raison;
    const QString ecrit = ecriture_sure::ecrire_nouveau(fichier, rtf(), &raison);
    if (ecrit.isEmpty()) throw Erreur(raison);
    if (crochet_enregistrement) crochet_enregistrement(*this, ecrit);
    return ecrit;
}

void installer_crochet_enregistrement(CrochetEnregistrement crochet) { crochet_enregistrement = std::move(crochet); }

void Document::Close() {
    verifie();
    ferme_ = true;
    application_->documents_.removeIf([this](const std::shared_ptr<Document>& d) { return d.get() == this; });
}

// --- Application

void installer_crochet_ajout(std::function<bool()> crochet) { crochet_ajout = std::move(crochet); }

std::shared_ptr<Document> Application::Documents_Add() {
    if (crochet_ajout && !crochet_ajout()) throw Erreur(QStringLiteral("le document ne peut pas être créé"));
    std::shared_ptr<Document> d(new Document(this));
    documents_.append(d);
    return d;
}

Document& Application::ActiveDocument() {
    if (documents_.isEmpty()) throw Erreur(QStringLiteral("aucun document ouvert"));
    return *documents_.last();
}

void Application::SeekView(int vue) {
    Document& d = ActiveDocument();
    if (vue == wdSeekMainDocument)
        d.changer_vue(Histoire::corps);
    else if (vue == wdSeekCurrentPageHeader)
        d.changer_vue(Histoire::entete);
    else
        throw Erreur(QStringLiteral("vue inconnue"));
}

void Application::tout_fermer() {
    for (const std::shared_ptr<Document>& d : documents_) d->ferme_ = true;
    documents_.clear();
    Visible = true;
}

Application& Word() {
    static Application application;
    return application;
}

// --- RTF

namespace {
// The byte of a character in Windows-1252 (the document's code page), or -1.
int octet_windows_1252(char16_t u) {
    if (u >= 0xA0 && u <= 0xFF) return u;
    // 0x80 to 0x9F: the code page's own characters there.
    static const char16_t haut[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
                                      0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (haut[i] == u) return 0x80 + i;
    return -1;
}
}

QByteArray texte_rtf(const QString& texte) {
    QByteArray r;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            r += '\\';
            r += char(u);
        } else if (u == '\t') {
            r += "\\tab ";
        } else if (u == saut_de_ligne) {
            r += "\\line ";
        } else if (u == 0xA0) {
            r += "\\~";
        } else if (u < 0x20) {
            continue;
        } else if (u < 0x80) {
            r += char(u);
        } else {
            // A surrogate that is not half of a pair stands for no character.
            const bool paire = c.isHighSurrogate() ? i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate()
                               : c.isLowSurrogate() ? i > 0 && texte.at(i - 1).isHighSurrogate()
                                                    : true;
            const char16_t v = paire ? u : char16_t(0xFFFD);
            // Signed 16 bits, one code unit at a time (a surrogate pair as two escapes), each
            // followed by what the readers that know no Unicode show: the Windows-1252 byte of
            // the character, or "?".
            r += "\\u" + QByteArray::number(int(std::int16_t(v)));
            const int octet = octet_windows_1252(v);
            r += octet < 0 ? QByteArray("?") : "\\'" + QByteArray::number(octet, 16).rightJustified(2, '0');
        }
    }
    return r;
}

namespace {
class EcrivainRtf {
public:
    explicit EcrivainRtf(const Document& d) : d_(d) {
        polices_.append(QStringLiteral("Times New Roman"));
        auto relever = [this](const QList<Paragraphe>& h) {
            for (const Paragraphe& p : h) {
                relever_format(p.marque);
                for (const Morceau& m : p.morceaux) relever_format(m.format);
            }
        };
        relever(d.paragraphes());
        relever(d.entete());
    }

    QByteArray ecrire() const {
        QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\\deflang1036\n";
        r += "{\\fonttbl";
        for (int i = 0; i < polices_.size(); ++i) {
            const QString& nom = polices_.at(i);
            const bool serif = nom.contains(QStringLiteral("Times"), Qt::CaseInsensitive);
            r += "{\\f" + QByteArray::number(i) + (serif ? "\\froman" : "\\fnil") + "\\fcharset0 " + texte_rtf(nom) +
                 ";}";
        }
        r += "}\n{\\colortbl;";
        for (const std::uint32_t c : couleurs_)
            r += "\\red" + QByteArray::number(c & 0xFF) + "\\green" + QByteArray::number((c >> 8) & 0xFF) + "\\blue" +
                 QByteArray::number((c >> 16) & 0xFF) + ';';
        r += "}\n";
        // A4, margins of 2 cm, the header 1.25 cm from the top.
        r += "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\n\\sectd\\headery709\n";
        r += "{\\header\n";
        for (const Paragraphe& p : d_.entete()) r += paragraphe(p, true);
        r += "}\n";
        const QList<Paragraphe>& corps = d_.paragraphes();
        for (int i = 0; i < corps.size(); ++i) r += paragraphe(corps.at(i), i + 1 < corps.size());
        r += "}\n";
        return r;
    }

private:
    void relever_format(const FormatCaracteres& f) {
        if (!polices_.contains(f.nom)) polices_.append(f.nom);
        if (f.couleur && !couleurs_.contains(*f.couleur)) couleurs_.append(*f.couleur);
    }

    QByteArray format(const FormatCaracteres& f) const {
        QByteArray r = "\\plain\\f" + QByteArray::number(polices_.indexOf(f.nom)) + "\\fs" +
                       QByteArray::number(int(std::lround(f.taille * 2.0)));
        if (f.couleur) r += "\\cf" + QByteArray::number(couleurs_.indexOf(*f.couleur) + 1);
        r += f.gras ? "\\b" : "\\b0";
        r += f.majuscules ? "\\caps" : "\\caps0";
        return r;
    }

    // The width between the page's margins, in twips (A4 less two margins of 2 cm).
    static constexpr int largeur_texte = 11906 - 2 * 1134;

    static QByteArray image(const Morceau& m) {
        // A pixel is shown at 1/96 inch; a picture wider than the text is shown at the text's
        // width, its height in proportion.
        qint64 largeur = qint64(m.taille.width()) * 15;
        qint64 hauteur = qint64(m.taille.height()) * 15;
        if (largeur > largeur_texte) {
            hauteur = (hauteur * largeur_texte + largeur / 2) / largeur;
            largeur = largeur_texte;
        }
        QByteArray r = "{\\pict\\pngblip\\picw" + QByteArray::number(m.taille.width()) + "\\pich" +
                       QByteArray::number(m.taille.height()) + "\\picwgoal" + QByteArray::number(largeur) +
                       "\\pichgoal" + QByteArray::number(hauteur) + "\n";
        const QByteArray hex = m.png.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128) r += hex.mid(i, 128) + '\n';
        r += "}";
        return r;
    }

    QByteArray paragraphe(const Paragraphe& p, bool marque) const {
        static const char* const alignements[4] = {"\\ql", "\\qc", "\\qr", "\\qj"};
        QByteArray r = "\\pard\\plain\\li" + QByteArray::number(int(std::lround(p.retrait_gauche * 20.0))) +
                       alignements[std::clamp(p.alignement, 0, 3)];
        for (const Morceau& m : p.morceaux) {
            r += "{" + format(m.format) + ' ';
            r += m.est_image() ? image(m) : texte_rtf(m.texte);
            r += "}";
        }
        // The paragraph mark carries its own format; the last paragraph of the body has none.
        if (marque) r += format(p.marque) + "\\par";
        return r + '\n';
    }

    const Document& d_;
    QStringList polices_;
    QList<std::uint32_t> couleurs_;
};
}

QByteArray Document::rtf() const { return EcrivainRtf(*this).ecrire(); }

}
