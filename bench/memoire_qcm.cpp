// Peak memory after a whole quiz sheet: Vantarel starts, opens the quiz, takes the sheet with the
// most pictures (every question answered, the right answers shown) to its results window, and
// prints its peak resident memory.
#include "bench/vantarel.h"
#include "frame/etat.h"
#include "frame/result_eval.h"
#include "platform/messages.h"
#include "quiz/etat_qcm.h"

namespace {
bool est_result_eval(QWidget* w) { return qobject_cast<Result_eval*>(w) != nullptr; }
}

int main(int argc, char* argv[]) {
    preparer_processus();
    QApplication application(argc, argv);
    banc::preparer_vantarel(application);
    installer_crochet_messages([](const QString&, int style, const QString&) {
        return int(style % 16 == vb::vbYesNo ? vb::vbYes : vb::vbOK);
    });
    banc::demarrer_jusqu_a_la_peinture();
    option_afficher_reponses = true;
    banc::jusqu_a_la_peinture(banc::est_le_qcm, [] { Fenetre::obtenir<Form1>()->Picture8_Click(); });
    fenetre_QCM* q = Fenetre::si_chargee<fenetre_QCM>();
    for (const ThemeQCM& t : fenetre_QCM::themes())
        if (t.etiquette == QLatin1String("Label_elec4")) q->Label_theme_Click(t);
    QCoreApplication::processEvents();
    const int questions = nb_questions_QCM;
    for (int i = 1; i <= questions; ++i) {
        q->Option_rep[1]->click();
        q->Valid_reponse_Click();
        QCoreApplication::processEvents();
        if (i < questions) {
            q->Continuer_Click();
            QCoreApplication::processEvents();
        }
    }
    banc::jusqu_a_la_peinture(est_result_eval, [q] { q->Continuer_Click(); });
    banc::afficher("questions", questions);
    banc::afficher("memoire_kio", double(banc::memoire_crete_kio()));
    terminer_application();
    Fenetre::tout_detruire();
    return 0;
}
