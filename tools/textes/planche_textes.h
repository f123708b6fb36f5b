#pragma once
// Contact sheet of the fill-in text pictures: each picture of the chosen lists with its list and
// number, the part of it that the text window shows (616 x 412, red) and every blank's entry box
// outlined (blue), in one PNG to be looked at by eye.
#include "texts/positions_trous_donnees.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

// `choix` holds "textes" (all three lists) or "textes_elec", "textes_chimie", "textes_optique".
inline bool planche_textes(const QString& sortie, const QStringList& choix) {
    QList<const TableTrous*> tables;
    for (const TableTrous& t : tables_trous)
        if (choix.contains(QLatin1String("textes")) || choix.contains(QLatin1String("textes_") + QLatin1String(t.liste)))
            tables.append(&t);
    const int colonnes = 2, marge = 8, titre = 18, largeur = 641, hauteur = 424;
    const int l = largeur + 2 * marge, h = hauteur + titre + 2 * marge;
    const int lignes = (int(tables.size()) + colonnes - 1) / colonnes;
    QImage planche(colonnes * l, qMax(1, lignes) * h, QImage::Format_RGB32);
    planche.fill(QColor(200, 200, 200));
    QPainter p(&planche);
    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < tables.size(); ++i) {
        const TableTrous& t = *tables[i];
        const int x = (i % colonnes) * l + marge, y = (i / colonnes) * h + marge;
        const QImage image(QStringLiteral(":/assets/textes/%1/%2.png").arg(QLatin1String(t.liste)).arg(t.image));
        p.setPen(Qt::black);
        p.drawText(x, y + 12, QStringLiteral("%1 n°%2 (%3, %4 × %5)").arg(QLatin1String(t.liste)).arg(t.image)
                                  .arg(QLatin1String(t.nom)).arg(image.width()).arg(image.height()));
        p.drawImage(QPoint(x, y + titre), image, QRect(0, 0, largeur, hauteur));
        p.setPen(QColor(255, 0, 0));
        p.drawRect(x, y + titre, 616, 412);
        p.setPen(QColor(0, 0, 255));
        for (int r = 0; r < t.nombre_lignes; ++r) {
            const LigneTrou& b = t.lignes[r];
            p.drawRect(QRectF(x + b.Left / 15.0, y + titre + b.Top / 15.0, qRound(b.Width / 15.0) - 1, 15));
        }
    }
    p.end();
    return planche.save(sortie);
}
