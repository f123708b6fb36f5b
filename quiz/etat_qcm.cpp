#include "quiz/etat_qcm.h"

void vider_releve_QCM() {
    nb_reponses_QCM = 0;
    for (QString& t : questions_posees) t.clear();
    for (QString& t : corrections) t.clear();
    for (QString& t : reponses_eleve) t.clear();
}

void reinitialiser_etat_qcm() {
    vider_releve_QCM();
    tableau_QCM.clear();
    nb_questions_QCM = 0;
    question_courante_QCM = 0;
    nb_justes = 0.0f;
    bonne_reponse.clear();
    texte_correction.clear();
    choix_eleve = 0;
}
