#include "tests/support/textes_svg.h"

#include <QFile>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QXmlStreamReader>

TextesSvg lire_textes_svg(const QString& chemin) {
    TextesSvg r;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        r.erreur = "cannot read " + chemin;
        return r;
    }
    static const QRegularExpression transformation(
        R"(^\s*(?:translate\(\s*([-\d.]+)[\s,]+([-\d.]+)\s*\))?\s*(?:scale\(\s*([\d.]+)\s*\))?\s*$)");
    // What a group passes on to the texts inside it.
    struct Repere {
        double dx = 0, dy = 0, k = 1;
        QString famille, taille, graisse, ancre;
    };
    QList<Repere> reperes;
    QXmlStreamReader xml(&fichier);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            reperes.removeLast();
            continue;
        }
        if (!xml.isStartElement()) continue;
        const QXmlStreamAttributes a = xml.attributes();
        Repere p = reperes.isEmpty() ? Repere() : reperes.last();
        if (xml.name() == u"svg") {
            r.largeur = a.value("width").toString();
            r.hauteur = a.value("height").toString();
            r.viewbox = a.value("viewBox").toString();
        }
        // Only groups and texts place texts; shapes may be turned at will.
        if (a.hasAttribute("transform") && (xml.name() == u"g" || xml.name() == u"text")) {
            const auto m = transformation.match(a.value("transform").toString());
            if (!m.hasMatch()) {
                r.erreur = "transform " + a.value("transform").toString();
                return r;
            }
            p.dx += p.k * m.captured(1).toDouble();
            p.dy += p.k * m.captured(2).toDouble();
            if (!m.captured(3).isEmpty()) p.k *= m.captured(3).toDouble();
        }
        for (auto [nom, valeur] : {std::pair{"font-family", &p.famille}, {"font-size", &p.taille},
                                   {"font-weight", &p.graisse}, {"text-anchor", &p.ancre}})
            if (a.hasAttribute(nom)) *valeur = a.value(nom).toString();
        if (xml.name() != u"text") {
            reperes << p;
            continue;
        }
        LigneSvg l;
        l.famille = p.famille;
        l.taille = p.taille.toDouble() * p.k;
        l.police = QFont(l.famille);
        l.police.setPixelSize(qRound(l.taille));
        l.police.setBold(p.graisse == u"bold");
        const double x = p.dx + p.k * a.value("x").toDouble();
        l.base = p.dy + p.k * a.value("y").toDouble();
        l.texte = xml.readElementText();  // stops on the text's end
        l.largeur = QFontMetricsF(l.police).horizontalAdvance(l.texte);
        l.gauche = p.ancre == u"middle" ? x - l.largeur / 2 : p.ancre == u"end" ? x - l.largeur : x;
        r.lignes << l;
    }
    if (xml.hasError()) r.erreur = xml.errorString();
    return r;
}

QString ligne_hors_marge(const LigneSvg& ligne, int largeur_image) {
    const double droite = largeur_image - ligne.gauche - ligne.largeur;
    if (ligne.gauche >= MARGE_DES_LIGNES && droite >= MARGE_DES_LIGNES) return {};
    return QStringLiteral("margins %1 and %2 px: %3").arg(ligne.gauche, 0, 'f', 1).arg(droite, 0, 'f', 1).arg(ligne.texte);
}
