// Time from the click on a text button of the main window to the text window shown, for the
// first opening (pictures rendered) and the later ones, and from a theme click to its text
// shown with its boxes.
#include "frame/demarrage.h"
#include "frame/form1.h"
#include "modules.h"
#include "platform/messages.h"
#include "texts/fenetre_texte.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    preparer_application(application);
    enregistrer_modules();
    demarrer();
    installer_crochet_messages([](const QString&, int, const QString&) { return int(vb::vbYes); });
    const int essais = 20;
    double total = 0, meilleur = 1e9, premier = 0, theme_total = 0, theme_premier = 0;
    for (int i = 0; i < essais; ++i) {
        Form1* f = Fenetre::obtenir<Form1>();
        QElapsedTimer chrono;
        chrono.start();
        f->Picture15_Click();
        fenetre_texte* t = Fenetre::si_chargee<fenetre_texte>();
        QCoreApplication::processEvents();
        const double ms = chrono.nsecsElapsed() / 1e6;
        if (!t || !t->isVisible()) return 1;
        if (i == 0) premier = ms;
        total += ms;
        meilleur = std::min(meilleur, ms);
        // A theme: the panel's 36-step slide, then the picture and the 20 boxes.
        chrono.restart();
        t->Label_theme_Click(*fenetre_texte::theme(QStringLiteral("Label_chimie10")));
        QCoreApplication::processEvents();
        const double theme_ms = chrono.nsecsElapsed() / 1e6;
        if (t->Text.Count() != 20) return 1;
        if (i == 0) theme_premier = theme_ms;
        theme_total += theme_ms;
        t->Unload();  // answered Yes: back to the main window, a fresh load next time
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("text button -> text window shown: first %.1f ms (pictures rendered), mean %.1f ms, best %.1f ms "
                "over %d openings (each includes the 10 ms pause)\n",
                premier, total / essais, meilleur, essais);
    std::printf("theme click -> text and boxes shown: first %.1f ms (picture decoded), mean %.1f ms "
                "(each includes the 36 pauses of the slide)\n",
                theme_premier, theme_total / essais);
    Fenetre::tout_detruire();
    return 0;
}
