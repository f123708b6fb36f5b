#pragma once

// Times the opening of an activity window from its main-window button, over several openings:
// the program is started once, then each opening goes from the button's click to the window
// shown, its events handled; the window is closed (answered Yes) before the next one, so that
// each opening loads it afresh.
#include "frame/demarrage.h"
#include "frame/fenetre_activite.h"
#include "frame/form1.h"
#include "modules.h"
#include "platform/messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <functional>

struct MesureOuverture {
    double premier = 0, moyenne = 0, meilleur = 1e9;  // milliseconds
    bool reussie = true;
};

// ouvrir clicks the button and returns the window; verifier tells whether it shows what it
// should; pendant_l_ouverture runs on the shown window before it closes (its own timing).
inline MesureOuverture mesurer_ouvertures(QApplication& application, int essais,
                                          const std::function<FenetreActivite*(Form1*)>& ouvrir,
                                          const std::function<bool(FenetreActivite*)>& verifier,
                                          const std::function<void(FenetreActivite*, int)>& pendant_l_ouverture = {}) {
    preparer_application(application, enregistrer_modules);
    demarrer();
    installer_crochet_messages([](const QString&, int, const QString&) { return int(vb::vbYes); });
    MesureOuverture m;
    double total = 0;
    for (int i = 0; i < essais && m.reussie; ++i) {
        Form1* f = Fenetre::obtenir<Form1>();
        QElapsedTimer chrono;
        chrono.start();
        FenetreActivite* fenetre = ouvrir(f);
        QCoreApplication::processEvents();
        const double ms = chrono.nsecsElapsed() / 1e6;
        m.reussie = fenetre && fenetre->isVisible() && verifier(fenetre);
        if (i == 0) m.premier = ms;
        total += ms;
        m.meilleur = std::min(m.meilleur, ms);
        if (pendant_l_ouverture) pendant_l_ouverture(fenetre, i);
        fenetre->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    m.moyenne = total / essais;
    Fenetre::tout_detruire();
    return m;
}
