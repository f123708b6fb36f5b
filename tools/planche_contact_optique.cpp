// Contact sheet of the optics window's pictures: each image list with its numbers, the sun, the
// earth and the moon at 20, 40 and 160 pixels (nearest neighbour) and cut out over dark and light
// grounds, the cursors enlarged with their hot spot marked.
#include "platform/images.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

struct Vignette {
    QString titre;
    QImage image;
};

// White pixels become see-through, as the program's cut-out does.
QImage decoupee(const QImage& image, QColor fond) {
    QImage sortie(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sortie.setPixel(x, y, (p & 0xFFFFFF) == 0xFFFFFF ? fond.rgb() : p);
        }
    return sortie;
}

QImage agrandie(const QImage& image, int facteur) {
    return image.scaled(image.size() * facteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// An enlarged cursor with its hot spot (15, 15) circled in red.
QImage curseur_agrandi(const QImage& image) {
    QImage grand = agrandie(image, 4);
    QPainter p(&grand);
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.drawRect(15 * 4 - 1, 15 * 4 - 1, 5, 5);
    return grand;
}

void liste(QList<Vignette>& v, const QString& dossier, const QString& nom, int nombre, QSize taille) {
    const ListeImages l = ListeImages::depuis_dossier(dossier, nombre, taille);
    for (int i = 1; i <= l.Count(); ++i) v.append({QStringLiteral("%1 n°%2").arg(nom).arg(i), l.image(i)});
}

}  // namespace

int planche_contact_optique(const QString& sortie) {
    QList<QList<Vignette>> rangees;
    QList<Vignette> astres;
    for (const char* nom : {"soleil", "terre", "lune"}) {
        const QImage image = image_integree(QStringLiteral(":/assets/optique/%1.svg").arg(QLatin1String(nom)), QSize(40, 40));
        astres.append({QLatin1String(nom), image});
        astres.append({QStringLiteral("%1 20").arg(QLatin1String(nom)), image.scaled(20, 20, Qt::IgnoreAspectRatio, Qt::FastTransformation)});
        astres.append({QStringLiteral("%1 160, découpé").arg(QLatin1String(nom)), decoupee(agrandie(image, 4), QColor(40, 40, 40))});
        astres.append({QStringLiteral("%1 découpé").arg(QLatin1String(nom)), decoupee(image, QColor(150, 220, 150))});
    }
    rangees.append(astres);
    for (const auto& [nom, nombre] : {std::pair{"List_sources", 5}, {"List_faisceau", 3}, {"List_ombre", 1}, {"List_STL", 5}}) {
        QList<Vignette> r;
        liste(r, QStringLiteral("optique/%1").arg(QLatin1String(nom)), QLatin1String(nom), nombre, QSize(213, 203));
        rangees.append(r);
    }
    QList<Vignette> outils;
    liste(outils, "optique/ImageList_toolbar_optique", "toolbar", 6, QSize(20, 20));
    for (int i = 0, n = int(outils.size()); i < n; ++i) outils.append({outils[i].titre + " x3", agrandie(outils[i].image, 3)});
    rangees.append(outils);
    QList<Vignette> curseurs;
    liste(curseurs, "optique/ImageList_icone_optique", "icone_optique", 3, QSize(32, 32));
    for (const char* nom : {"texte", "ergot", "ergots"})
        curseurs.append({QLatin1String(nom), image_integree(QStringLiteral(":/assets/optique/curseurs/%1.svg").arg(QLatin1String(nom)), QSize(32, 32))});
    for (Vignette& c : curseurs) c.image = curseur_agrandi(c.image);
    rangees.append(curseurs);
    QList<Vignette> menus;
    liste(menus, "optique/icone_menu", "icone_menu", 15, QSize(21, 21));
    for (Vignette& m : menus) m.image = agrandie(m.image, 3);
    rangees.append(menus);
    QList<Vignette> fenetre;
    liste(fenetre, "qcm/onglet_optique", "ImageList_command3", 2, QSize(58, 123));
    fenetre.append({"Picture7", image_integree(":/assets/optique/Picture7.svg", QSize(801, 41))});
    rangees.append(fenetre);

    // Each row of the sheet wraps at a fixed width; a vignette is its title above its picture.
    const int largeur = 1160, marge = 8, titre = 16;
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    const QFontMetrics mesure(f);
    struct Place {
        int x, y;
    };
    QList<QPair<Place, const Vignette*>> places;
    int y = marge;
    for (const QList<Vignette>& r : rangees) {
        int x = marge, hauteur = 0;
        for (const Vignette& v : r) {
            const int l = qMax(v.image.width(), mesure.horizontalAdvance(v.titre));
            if (x + l > largeur - marge && x > marge) {
                x = marge;
                y += hauteur + titre + marge;
                hauteur = 0;
            }
            places.append({{x, y}, &v});
            x += l + marge;
            hauteur = qMax(hauteur, v.image.height());
        }
        y += hauteur + titre + 2 * marge;
    }
    QImage planche(largeur, y, QImage::Format_RGB32);
    planche.fill(QColor(200, 200, 200));
    QPainter p(&planche);
    p.setFont(f);
    for (const auto& [place, v] : places) {
        p.drawText(place.x, place.y + 11, v->titre);
        p.drawImage(place.x, place.y + titre, v->image);
    }
    p.end();
    return planche.save(sortie) ? 0 : 1;
}
