// Time from the click on the main window's quiz button to the quiz window shown with its
// question sheets filled, over several openings.
#include "bench/ouverture.h"
#include "quiz/fenetre_qcm.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int essais = 20;
    const MesureOuverture m = mesurer_ouvertures(
        application, essais,
        [](Form1* f) -> FenetreActivite* {
            f->Picture8_Click();
            return Fenetre::si_chargee<fenetre_QCM>();
        },
        [](FenetreActivite*) { return feuille_Optique4.size() == 11; });
    if (!m.reussie) return 1;
    std::printf("quiz button -> quiz window shown: first %.1f ms (pictures rendered), mean %.1f ms, best %.1f ms "
                "over %d openings (each includes the 10 ms pause)\n",
                m.premier, m.moyenne, m.meilleur, essais);
    return 0;
}
