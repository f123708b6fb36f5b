#pragma once
// Contact sheet of the fill-in text pictures: one column per list (elec, chimie, optique), each
// picture under its list and number, with the part of it that the text window shows (616 x 412,
// red) and every blank's entry box outlined (blue), in one PNG to be looked at by eye.
#include "texts/positions_trous_donnees.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

// `choix` holds "textes" (all three lists) or some of "textes_elec", "textes_chimie", "textes_optique".
inline bool planche_textes(const QString& sortie, const QStringList& choix) {
    const QStringList listes = {"elec", "chimie", "optique"};
    QStringList colonnes;
    for (const QString& liste : listes)
        if (choix.contains(QLatin1String("textes")) || choix.contains(QLatin1String("textes_") + liste)) colonnes << liste;
    // A cell: a title strip, then the picture cut below the shown part.
    const QSize cellule(641 + 16, 18 + 424 + 16);
    int rangs = 1;
    for (const TableTrous& t : tables_trous)
        if (colonnes.contains(QLatin1String(t.liste))) rangs = qMax(rangs, t.image);
    QImage planche(qMax(1, int(colonnes.size())) * cellule.width(), rangs * cellule.height(), QImage::Format_RGB32);
    planche.fill(QColor(190, 190, 190));
    QPainter p(&planche);
    QFont police_titre("DejaVu Sans");
    police_titre.setPixelSize(12);
    p.setFont(police_titre);
    for (const TableTrous& t : tables_trous) {
        const int colonne = int(colonnes.indexOf(QLatin1String(t.liste)));
        if (colonne < 0) continue;
        const QPoint coin(colonne * cellule.width() + 8, (t.image - 1) * cellule.height() + 8);
        const QImage image(QStringLiteral(":/assets/textes/%1/%2.png").arg(QLatin1String(t.liste)).arg(t.image));
        p.setPen(Qt::black);
        p.drawText(coin + QPoint(0, 12), QStringLiteral("%1 n°%2 — %3, %4 × %5").arg(QLatin1String(t.liste)).arg(t.image)
                                              .arg(QLatin1String(t.nom)).arg(image.width()).arg(image.height()));
        const QPoint origine = coin + QPoint(0, 18);
        p.drawImage(origine, image, QRect(0, 0, 641, 424));
        p.setPen(Qt::red);
        p.drawRect(QRect(origine, QSize(616, 412)));
        p.setPen(Qt::blue);
        for (int r = 0; r < t.nombre_lignes; ++r) {
            const LigneTrou& b = t.lignes[r];
            p.drawRect(QRectF(origine.x() + b.Left / 15.0, origine.y() + b.Top / 15.0, qRound(b.Width / 15.0) - 1, 15));
        }
    }
    p.end();
    return planche.save(sortie);
}
