// The reference of the start-up benchmark: a bare Qt program that shows a window of the main
// window's size holding one text label (any window with text pays the font set-up), and quits
// once that window is painted. Prints the moment of the paint, the processor time used until
// then and the peak memory.
#include "bench/mesure.h"

#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.resize(427, 281);  // the main window's size, menu bar included
    auto* etiquette = new QLabel(QStringLiteral("Physique-Chimie"), &fenetre);
    etiquette->move(140, 6);
    banc::apres_premiere_peinture(&fenetre, [] {
        banc::afficher("peint_us", double(banc::horloge_us()));
        banc::afficher("processeur_ms", banc::processeur_ms());
        banc::afficher("memoire_kio", double(banc::memoire_crete_kio()));
        QCoreApplication::quit();
    });
    fenetre.show();
    return application.exec();
}
