#include "frame/rapport_cadre.h"

#include "frame/etat.h"
#include "platform/ecriture_sure.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QTextBoundaryFinder>
#include <climits>
#include <new>

using namespace traitement_texte;

namespace {
// Characters that a file name must not hold: the separators and the characters that some
// systems refuse, and every character that shows nothing or changes the direction of what
// follows (controls, format characters such as U+202E or U+200B, byte-order marks, line and
// paragraph separators, a surrogate that is not half of a pair), which could make a name read
// as another in a file manager.
bool caractere_refuse(char32_t c) {
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    if (c < 0x80) return c < 0x20 || c == 0x7F || interdits.contains(QChar(c));
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

int octets(const QString& texte) { return int(texte.toUtf8().size()); }

// The longest start of a text, cut between two characters as the reader sees them (an accent
// stays on its letter, an emoji stays whole), that holds in that many bytes of UTF-8.
QString debut_tenant_en(const QString& texte, int maximum) {
    if (octets(texte) <= maximum) return texte;
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texte);
    qsizetype fin = 0;
    int pris = 0;
    for (qsizetype p = limites.toNextBoundary(); p > 0; p = limites.toNextBoundary()) {
        pris += octets(texte.mid(fin, p - fin));
        if (pris > maximum) break;
        fin = p;
    }
    return texte.left(fin);
}

// Shortens the parts so that together they hold in that many bytes: the longest are cut first,
// to one common length, so a short part is kept whole whenever it can be.
void raccourcir(QList<QString*> parties, int budget) {
    auto total_sous = [&](int plafond) {
        int t = 0;
        for (const QString* p : parties) t += std::min(octets(*p), plafond);
        return t;
    };
    if (total_sous(INT_MAX) <= budget) return;
    int bas = 0, haut = budget;  // the largest common cap that fits
    while (bas < haut) {
        const int milieu = (bas + haut + 1) / 2;
        if (total_sous(milieu) <= budget)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    for (QString* p : parties) *p = debut_tenant_en(*p, bas);
}
}

QString partie_nom_fichier(const QString& texte) {
    QString s;
    s.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c.isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate()) {
            const char32_t u = QChar::surrogateToUcs4(c, texte.at(i + 1));
            if (caractere_refuse(u))
                s += QLatin1Char('_');
            else
                s += texte.mid(i, 2);
            ++i;
            continue;
        }
        s += caractere_refuse(c.unicode()) ? QChar('_') : c;
    }
    if (s == QLatin1String(".") || s == QLatin1String("..")) s = QStringLiteral("_");
    return s;
}

QString dossier_rapports(const QString& chemin) {
    const QString programme = chemin_appli.isEmpty() ? QCoreApplication::applicationDirPath() : chemin_appli;
    QString dossier = chemin;
    if (dossier.trimmed().isEmpty()) return programme;
    if (dossier == QLatin1String("~") || dossier.startsWith(QLatin1String("~/")) ||
        dossier.startsWith(QLatin1String("~\\")))
        dossier = QDir::homePath() + dossier.mid(1);
    if (QDir::isRelativePath(dossier)) dossier = programme + QLatin1Char('/') + dossier;
    return dossier;
}

QString partie_date(const QString& date) {
    const QString texte = date.trimmed();
    // Day first as the calendar writes it, then the locale's short format, then day first with
    // a two-digit year. Two-digit years: 00 to 29 are this century's, 30 to 99 the last one's.
    auto siecle = [](QDate d) { return d.isValid() && d.year() < 1930 ? d.addYears(100) : d; };
    QDate d = QDate::fromString(texte, QStringLiteral("d/M/yyyy"));
    if (!d.isValid()) {
        const QString format = QLocale().dateFormat(QLocale::ShortFormat);
        d = QLocale().toDate(texte, format);
        if (!format.contains(QLatin1String("yyyy"))) d = siecle(d);
    }
    if (!d.isValid()) d = siecle(QDate::fromString(texte, QStringLiteral("d/M/yy")));
    if (d.isValid()) return d.toString(QStringLiteral("dd_MM_yyyy"));
    return partie_nom_fichier(date);
}

QString nom_fichier_rapport(const QString& dossier, const QString& prefixe) {
    QString nom = partie_nom_fichier(nom_eleve);
    QString prenom = partie_nom_fichier(prenom_eleve);
    QString date = partie_date(date_evaluation);
    const QString extension = QStringLiteral(".doc");
    const int fixe = octets(prefixe + QStringLiteral("__") + extension) + longueur_numero_rapport;
    raccourcir({&nom, &prenom, &date}, longueur_nom_fichier_maximale - fixe);
    return dossier_rapports(dossier) + QLatin1Char('/') + prefixe + nom + QLatin1Char('_') + prenom +
           QLatin1Char('_') + date + extension;
}

void formater_paragraphe(Paragraph paragraphe, const FormatLigne& format) {
    Police police = paragraphe.Range().Font();
    police.Name(QStringLiteral("Times New Roman"));
    police.Size(format.taille);
    police.Color(format.couleur);
    police.Bold(format.gras);
    police.AllCaps(format.majuscules);
    paragraphe.Range().ParagraphFormat().LeftIndent(0);
}

void ecrire_identite(Document& document, int premier) {
    const struct {
        QString texte;
        const FormatLigne& format;
    } lignes[3] = {
        {nom_eleve + QStringLiteral("  ") + prenom_eleve, lignes_rapport::nom},
        {classe_eleve, lignes_rapport::classe},
        {date_evaluation, lignes_rapport::date},
    };
    for (int i = 0; i < 3; ++i) {
        document.Range().InsertAfter(lignes[i].texte);
        formater_paragraphe(document.Paragraphs(premier + i), lignes[i].format);
        document.Range().InsertParagraphAfter();
    }
    document.Range().InsertParagraphAfter();
}

void ecrire_entete(Application& word, const QString& texte) {
    word.SeekView(wdSeekCurrentPageHeader);
    Police police = word.selection().Font();
    police.Size(9);
    police.Name(QStringLiteral("Times New Roman"));
    word.selection().TypeText(texte);
    word.SeekView(wdSeekMainDocument);
}

DocumentsRapport::DocumentsRapport(Application& word) : propre_(word.Documents_Add()) {
    propre_->application().Visible = false;
    try {
        rapport_ = word.Documents_Add();
    } catch (...) {
        propre_->Close();  // a constructor that fails runs no destructor
        throw;
    }
}

DocumentsRapport::~DocumentsRapport() {
    if (reussi_) return;
    for (const std::shared_ptr<Document>& d : {rapport_, propre_})
        if (d && !d->ferme()) d->Close();
}

QString DocumentsRapport::enregistrer_et_fermer(const QString& fichier, bool fermer_document_propre) {
    const QString ecrit = rapport_->enregistrer_nouveau(fichier);
    rapport_->Close();
    if (fermer_document_propre) propre_->Close();
    reussi_ = true;
    return ecrit;
}

QString message_echec_rapport(const QString& message, const std::exception& erreur) {
    QString cause;
    if (const auto* refus = dynamic_cast<const Erreur*>(&erreur))
        cause = refus->cause();
    else if (dynamic_cast<const std::bad_alloc*>(&erreur))
        cause = QStringLiteral("la mémoire est insuffisante");
    else
        cause = QStringLiteral("erreur inattendue");
    return ecriture_sure::message_avec_cause(message, cause);
}
