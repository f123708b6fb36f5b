#include "frame/rapport_cadre.h"

#include "frame/etat.h"

#include <QDate>
#include <QLocale>

using namespace traitement_texte;

QString partie_nom_fichier(const QString& texte) {
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    QString s = texte;
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || interdits.contains(c)) c = QChar('_');
    if (s == QLatin1String(".") || s == QLatin1String("..")) s = QStringLiteral("_");
    return s;
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
    return dossier + QLatin1Char('/') + prefixe + partie_nom_fichier(nom_eleve) + QLatin1Char('_') +
           partie_nom_fichier(prenom_eleve) + QLatin1Char('_') + partie_date(date_evaluation) +
           QStringLiteral(".doc");
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
