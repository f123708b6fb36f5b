// Time from the click on the main window's chemistry text button to the text window shown,
// over several openings, and from a theme click to its text shown with its boxes.
#include "bench/ouverture.h"
#include "texts/fenetre_texte.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    preparer_processus();
    QApplication application(argc, argv);
    const int essais = 20;
    double theme_premier = 0, theme_total = 0;
    bool boites = true;
    const MesureOuverture m = mesurer_ouvertures(
        application, essais,
        [](Form1* f) -> FenetreActivite* {
            f->Picture15_Click();
            return Fenetre::si_chargee<fenetre_texte>();
        },
        [](FenetreActivite* f) { return !static_cast<fenetre_texte*>(f)->Command2->isHidden(); },
        [&](FenetreActivite* f, int i) {
            // A theme: the panel's 36-step slide, then the picture and its 20 boxes.
            auto* t = static_cast<fenetre_texte*>(f);
            QElapsedTimer chrono;
            chrono.start();
            t->Label_theme_Click(*fenetre_texte::theme(QStringLiteral("Label_chimie10")));
            QCoreApplication::processEvents();
            const double ms = chrono.nsecsElapsed() / 1e6;
            boites = boites && t->Text.Count() == 20;
            if (i == 0) theme_premier = ms;
            theme_total += ms;
        });
    if (!m.reussie || !boites) return 1;
    std::printf("text button -> text window shown: first %.1f ms (pictures rendered), mean %.1f ms, best %.1f ms "
                "over %d openings (each includes the 10 ms pause)\n",
                m.premier, m.moyenne, m.meilleur, essais);
    std::printf("theme click -> text and boxes shown: first %.1f ms (picture decoded), mean %.1f ms "
                "(each includes the 36 pauses of at least 1 ms of the slide)\n",
                theme_premier, theme_total / essais);
    return 0;
}
