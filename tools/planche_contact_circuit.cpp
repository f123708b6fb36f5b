// Contact sheet of the circuit window's pictures: the 17 black and 17 red symbols at their size
// and enlarged, the symbols cut out and laid on the grid with their leads as the sheet lays them,
// the drag icon and the cursors enlarged with their hot spot, the tool bar images, the theme tab
// and the text dialog's pictures.
#include "platform/images.h"

#include <QPainter>

namespace {

const char* const symboles[] = {"Pile1",  "Pile2",  "Pile3",       "Pile4",         "Resistance1",   "Resistance2",
                                "diode1", "diode2", "diode3",      "diode4",        "Lampe1",        "Interrupteur1",
                                "Interrupteur2", "Interrupteur3", "Interrupteur4", "Moteur1",      "Moteur2"};

// Kinds whose leads run up and down the sheet (the lamp's picture serves both ways).
bool vertical(const QString& nom) {
    return nom == "Pile3" || nom == "Pile4" || nom == "Resistance2" || nom == "diode3" || nom == "diode4" ||
           nom == "Interrupteur3" || nom == "Interrupteur4" || nom == "Moteur2";
}

QImage symbole(const QString& dossier, const QString& nom) {
    return image_integree(QStringLiteral(":/assets/circuit/%1/%2.svg").arg(dossier, nom), QSize(32, 32));
}

QImage grossie(const QImage& image, int facteur) {
    return image.scaled(image.size() * facteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A picture enlarged four times, with a red square round its hot spot.
QImage avec_point_actif(const QImage& image, QPoint point) {
    QImage grand = grossie(image, 4);
    QPainter p(&grand);
    p.setPen(QColor(255, 0, 0));
    p.drawRect(point.x() * 4 - 1, point.y() * 4 - 1, 5, 5);
    return grand;
}

// The grid with every symbol placed on it at a node, white cut out, with its two leads; the
// lamp twice, its leads across and up and down, since one picture serves both lamps.
QImage feuille_garnie() {
    QImage feuille = image_integree(":/assets/circuit/grille.svg", QSize(432, 368));
    QPainter p(&feuille);
    QList<std::pair<QString, bool>> poses;
    for (const char* nom : symboles) poses.append({QLatin1String(nom), vertical(QLatin1String(nom))});
    poses.append({QStringLiteral("Lampe1"), true});
    int rang = 0;
    for (const auto& [nom, v] : poses) {
        const bool rouge = rang % 5 == 4;
        const QImage image = symbole(rouge ? "symboles_rouges" : "symboles", nom);
        const int gauche = 40 + (rang % 5) * 80, haut = 40 + (rang / 5) * 88;
        ++rang;
        p.setPen(rouge ? QColor(255, 0, 0) : Qt::black);
        if (v) {
            p.drawLine(gauche + 16, haut - 32, gauche + 16, haut);
            p.drawLine(gauche + 16, haut + 32, gauche + 16, haut + 63);
        } else {
            p.drawLine(gauche - 33, haut + 16, gauche, haut + 16);
            p.drawLine(gauche + 32, haut + 16, gauche + 64, haut + 16);
        }
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) feuille.setPixel(gauche + x, haut + y, image.pixel(x, y));
    }
    return feuille;
}

// The sheet under construction: rows of captioned pictures, each row under its heading.
class Planche {
public:
    void rangee(const QString& titre) {
        rangees_.append({titre, {}});
    }
    void ajouter(const QString& legende, const QImage& image) { rangees_.last().vignettes.append({legende, image}); }

    QImage rendre() const {
        const int largeur = 1180, marge = 10, ligne = 16;
        QFont police("DejaVu Sans");
        police.setPixelSize(11);
        // First pass measures, second pass draws: the same walk over the rows.
        QImage planche;
        QPainter p;
        for (int passe = 0; passe < 2; ++passe) {
            int y = marge;
            for (const Rangee& r : rangees_) {
                if (passe) {
                    QFont gras = police;
                    gras.setBold(true);
                    p.setFont(gras);
                    p.drawText(marge, y + 12, r.titre);
                    p.setFont(police);
                }
                y += ligne + 4;
                int x = marge, hauteur = 0;
                for (const auto& [legende, image] : r.vignettes) {
                    const int l = qMax(image.width(), QFontMetrics(police).horizontalAdvance(legende));
                    if (x > marge && x + l > largeur - marge) {
                        x = marge;
                        y += hauteur + ligne + marge;
                        hauteur = 0;
                    }
                    if (passe) {
                        p.drawText(x, y + 11, legende);
                        p.drawImage(x, y + ligne, image);
                    }
                    x += l + marge;
                    hauteur = qMax(hauteur, image.height());
                }
                y += hauteur + ligne + 2 * marge;
            }
            if (passe) break;
            planche = QImage(largeur, y, QImage::Format_RGB32);
            planche.fill(QColor(200, 200, 200));
            p.begin(&planche);
        }
        p.end();
        return planche;
    }

private:
    struct Rangee {
        QString titre;
        QList<QPair<QString, QImage>> vignettes;
    };
    QList<Rangee> rangees_;
};

}  // namespace

int planche_contact_circuit(const QString& sortie) {
    Planche planche;
    for (const QString& dossier : {QStringLiteral("symboles"), QStringLiteral("symboles_rouges")}) {
        planche.rangee(dossier + " (32 x 32)");
        for (const char* nom : symboles) planche.ajouter(QLatin1String(nom), symbole(dossier, QLatin1String(nom)));
        planche.rangee(dossier + " x3");
        for (const char* nom : symboles)
            planche.ajouter(QLatin1String(nom), grossie(symbole(dossier, QLatin1String(nom)), 3));
    }
    planche.rangee("Sur la feuille quadrillée, blanc découpé, avec les deux fils de liaison");
    planche.ajouter("grille 432 x 368", feuille_garnie());
    planche.ajouter("grille x3 (coin)", grossie(image_integree(":/assets/circuit/grille.svg", QSize(432, 368)).copy(0, 0, 40, 40), 3));

    planche.rangee("Icône de glissement et curseurs (x4, point actif des curseurs en rouge)");
    planche.ajouter("icone (x4)", grossie(image_integree(":/assets/circuit/icone.svg", QSize(32, 32)), 4));
    const ListeImages curseurs = ListeImages::depuis_dossier("circuit/curseurs", 2, QSize(32, 32));
    planche.ajouter("curseur_list n°1 (fil)", avec_point_actif(curseurs.image(1), {15, 15}));
    planche.ajouter("curseur_list n°2 (sélection)", avec_point_actif(curseurs.image(2), {1, 1}));
    planche.ajouter("quatre_fleches (textes)",
                    avec_point_actif(image_integree(":/assets/circuit/curseurs/quatre_fleches.svg", QSize(32, 32)), {15, 15}));

    const ListeImages outils = ListeImages::depuis_dossier("circuit/ImageList2", 11, QSize(24, 24));
    planche.rangee("ImageList2 (Toolbar2), 24 x 24 et x2");
    for (int i = 1; i <= outils.Count(); ++i) planche.ajouter(QStringLiteral("n°%1").arg(i), outils.image(i));
    for (int i = 1; i <= outils.Count(); ++i) planche.ajouter(QStringLiteral("n°%1 x2").arg(i), grossie(outils.image(i), 2));

    planche.rangee("ImageList1 (Toolbar1), 24 x 24 et x2");
    for (const int i : {1, 2, 7, 8, 11, 12}) {
        const QImage image = image_integree(QStringLiteral(":/assets/circuit/ImageList1/%1.svg").arg(i), QSize(24, 24));
        planche.ajouter(QStringLiteral("n°%1").arg(i), image);
        planche.ajouter(QStringLiteral("n°%1 x2").arg(i), grossie(image, 2));
    }

    planche.rangee("ImageList_command1 (61 x 160) et fenêtre Ajouter du texte");
    const ListeImages onglet = ListeImages::depuis_dossier("circuit/ImageList_command1", 2, QSize(61, 160));
    planche.ajouter("n°1 fermé", onglet.image(1));
    planche.ajouter("n°2 ouvert", onglet.image(2));
    planche.ajouter("fond 339 x 120", image_integree(":/assets/circuit/ajout_texte/fond.svg", QSize(339, 120)));
    // A picture button shows the middle of its face: 249 x 19 and 89 x 19 pixels, framed in red.
    for (const auto& [nom, taille, montre] : {std::tuple{"Command1", QSize(454, 50), QSize(249, 19)},
                                              std::tuple{"Command2", QSize(397, 50), QSize(89, 19)}}) {
        QImage face = image_integree(QStringLiteral(":/assets/circuit/ajout_texte/%1.svg").arg(QLatin1String(nom)), taille);
        QPainter p(&face);
        p.setPen(QColor(255, 0, 0));
        const QRect cadre(QPoint((taille.width() - montre.width()) / 2, (taille.height() - montre.height()) / 2), montre);
        p.drawRect(cadre.adjusted(-1, -1, 0, 0));
        p.end();
        planche.ajouter(QStringLiteral("%1 %2 x %3").arg(QLatin1String(nom)).arg(taille.width()).arg(taille.height()), face);
    }
    return planche.rendre().save(sortie) ? 0 : 1;
}
