// Openings of the quiz window in one process: from the click on the main window's quiz button to
// the quiz window painted, the first opening and then several later ones (each unloads the
// window, so every opening builds it afresh). Prints one "premiere_ms" and several "suivante_ms",
// and the processor time of each.
#include "bench/vantarel.h"
#include "platform/messages.h"

int main(int argc, char* argv[]) {
    preparer_processus();
    QApplication application(argc, argv);
    banc::preparer_vantarel(application);
    installer_crochet_messages([](const QString&, int, const QString&) { return int(vb::vbYes); });
    banc::demarrer_jusqu_a_la_peinture();
    const int suivantes = argc > 1 ? std::atoi(argv[1]) : 5;
    for (int i = 0; i <= suivantes; ++i) {
        const double processeur = banc::processeur_ms();
        const double ms = banc::jusqu_a_la_peinture(banc::est_le_qcm, [] { Fenetre::obtenir<Form1>()->Picture8_Click(); });
        banc::afficher(i == 0 ? "premiere_ms" : "suivante_ms", ms);
        banc::afficher(i == 0 ? "premiere_processeur_ms" : "suivante_processeur_ms", banc::processeur_ms() - processeur);
        // Answered Yes: the main window comes back, painted, before the next click.
        banc::jusqu_a_la_peinture(banc::est_form1, [] { Fenetre::si_chargee<fenetre_QCM>()->Unload(); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    terminer_application();
    Fenetre::tout_detruire();
    return 0;
}
