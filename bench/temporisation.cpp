// The pause: the processor time a 1-second temporisation uses in the running program, and the
// slide of the quiz window's electricity panel (its steps and their pace).
#include "bench/vantarel.h"
#include "platform/temporisation.h"

namespace {

// Counts the width changes of a panel.
class CompteurLargeurs : public QObject {
public:
    int pas = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) ++pas;
        return false;
    }
};
}

int main(int argc, char* argv[]) {
    preparer_processus();
    QApplication application(argc, argv);
    banc::preparer_vantarel(application);
    banc::demarrer_jusqu_a_la_peinture();

    const double processeur = banc::processeur_ms();
    const long long debut = banc::horloge_us();
    temporisation(1000);
    banc::afficher("pause_ms", (banc::horloge_us() - debut) / 1000.0);
    banc::afficher("processeur_ms", banc::processeur_ms() - processeur);

    banc::jusqu_a_la_peinture(banc::est_le_qcm, [] { Fenetre::obtenir<Form1>()->Picture8_Click(); });
    fenetre_QCM* q = Fenetre::si_chargee<fenetre_QCM>();
    CompteurLargeurs compteur;
    q->themes_electricite->installEventFilter(&compteur);
    const long long ouverture = banc::horloge_us();
    q->Command1_Click();
    banc::afficher("glissement_ms", (banc::horloge_us() - ouverture) / 1000.0);
    banc::afficher("glissement_pas", compteur.pas);
    terminer_application();
    Fenetre::tout_detruire();
    return 0;
}
