// Contact sheet of the built-in pictures: every picture of the chosen lists with its list and
// number, in one PNG, to be looked at by eye.
// Usage: planche_contact OUT.png elec|chimie|optique|circuit|LIST...
//        planche_contact OUT.png images_optique   (the optics window's pictures)
//        planche_contact OUT.png images_circuit   (the circuit window's pictures)
//        planche_contact OUT.png textes|textes_elec|textes_chimie|textes_optique...
#include "quiz/banques.h"
#include "tools/planche_enonces_circuit.h"
#include "tools/textes/planche_textes.h"

#include <QApplication>
#include <QPainter>

int planche_contact_optique(const QString& sortie);
int planche_contact_circuit(const QString& sortie);

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        qWarning("usage: planche_contact OUT.png elec|chimie|optique|circuit|LIST...");
        return 2;
    }
    if (argc == 3 && QLatin1String(argv[2]) == QLatin1String("images_optique"))
        return planche_contact_optique(QString::fromLocal8Bit(argv[1]));
    if (argc == 3 && QLatin1String(argv[2]) == QLatin1String("images_circuit"))
        return planche_contact_circuit(QString::fromLocal8Bit(argv[1]));
    QStringList choix;
    for (int i = 2; i < argc; ++i) choix << QString::fromLocal8Bit(argv[i]);
    if (choix.first().startsWith(QLatin1String("textes"))) return planche_textes(QString::fromLocal8Bit(argv[1]), choix) ? 0 : 1;
    struct Vignette {
        QString titre;
        QImage image;
        QRect montre;  // the part of the picture that its box shows, when not the whole
    };
    QList<Vignette> vignettes;
    for (const DefinitionFeuille& d : table_feuilles()) {
        const QString matiere = d.matiere == Matiere::electricite ? "elec" : d.matiere == Matiere::chimie ? "chimie" : "optique";
        if (!choix.contains(matiere) && !choix.contains(QLatin1String(d.liste_images))) continue;
        const ListeImages liste = liste_images_qcm(d);
        for (int i = 1; i <= liste.Count(); ++i)
            vignettes.append({QStringLiteral("%1 n°%2").arg(QLatin1String(d.liste_images)).arg(i), liste.image(i),
                              QRect(0, 0, 339, 152)});
    }
    for (const auto& [titre, image] : enonces_circuit(choix)) vignettes.append({titre, image, QRect()});
    QSize cellule;
    for (const Vignette& v : vignettes) cellule = cellule.expandedTo(v.image.size());
    const int colonnes = 4, marge = 8, titre = 18;
    const int l = cellule.width() + 2 * marge, h = cellule.height() + titre + 2 * marge;
    const int lignes = (int(vignettes.size()) + colonnes - 1) / colonnes;
    QImage planche(colonnes * l, qMax(1, lignes) * h, QImage::Format_RGB32);
    planche.fill(QColor(200, 200, 200));
    QPainter p(&planche);
    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < vignettes.size(); ++i) {
        const int x = (i % colonnes) * l + marge, y = (i / colonnes) * h + marge;
        p.drawText(x, y + 12, vignettes[i].titre);
        p.drawImage(x, y + titre, vignettes[i].image);
        if (vignettes[i].montre.isEmpty()) continue;
        // The part of the picture that the question's picture box shows (339 x 152).
        p.setPen(QColor(255, 0, 0));
        p.drawRect(vignettes[i].montre.translated(x, y + titre));
        p.setPen(Qt::black);
    }
    p.end();
    return planche.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
