#include "quiz/chargeurs.h"

#include "frame/etat.h"
#include "frame/options.h"
#include "frame/rapport_word.h"
#include "frame/result_eval.h"
#include "quiz/banques.h"
#include "quiz/etat_qcm.h"
#include "quiz/fenetre_qcm.h"

#include <QPointer>

namespace {
void afficher_question(Matiere matiere, const QString& feuille, std::int16_t& numero) {
    QPointer<fenetre_QCM> f = Fenetre::obtenir<fenetre_QCM>();
    f->Frame_QCM->show();
    for (int i = 1; i <= 5; ++i) f->Reponse[i]->show();

    // A sheet key of this subject copies its sheet into the working table.
    const DefinitionFeuille* d = feuille_de_cle(feuille);
    if (d && d->matiere == matiere) {
        tableau_QCM.clear();
        tableau_QCM.resize(d->nb_lignes + 1);
        for (int r = 1; r <= d->nb_lignes; ++r)
            for (int c = 1; c <= 11; ++c) tableau_QCM[r][c] = (*d->feuille)[r][c];
        nb_questions_QCM = std::int16_t(d->nb_lignes);
    }

    const int q = numero;
    if (q > nb_questions_QCM) {
        if (option_note_fin) Fenetre::obtenir<Result_eval>()->Show();
        if (case_word_qcm_cochee()) sauvegarder_QCM_word();
        // The report pauses: the window may have been closed meanwhile.
        if (!f || !f->vivante()) return;
        f->Valid_reponse->setEnabled(false);
        f->Continuer->setEnabled(false);
        return;
    }

    const LigneQCM& ligne = tableau_QCM[q];
    f->Exercice->setTitle(QStringLiteral("Exercice n°") + ligne[1] + "/" + tableau_QCM[nb_questions_QCM][1]);
    f->Numeroquestion->setText(QStringLiteral("Question n°") + ligne[2]);
    f->label_question->setText(ligne[3]);

    const DefinitionFeuille* theme = feuille_de_code(theme_courant);
    if (theme && theme->matiere == matiere) {
        if (!ligne[11].isEmpty()) {
            f->Picture_QCM->show();
            f->Picture_QCM->definir_image(f->listes_images.value(theme->liste_images).image(ligne[11].toInt()));
        } else {
            f->Picture_QCM->hide();
        }
    }

    for (int i = 1; i <= 5; ++i) {
        const QString& texte = ligne[i + 3];
        if (texte.isEmpty()) {
            f->Option_rep[i]->hide();
        } else {
            f->Option_rep[i]->show();
            f->Reponse[i]->setText(texte);
        }
    }
    bonne_reponse = ligne[9];
    texte_correction = ligne[10];
}
}

void afficher_question_elec(const QString& feuille, std::int16_t& numero) {
    afficher_question(Matiere::electricite, feuille, numero);
}
void afficher_question_chimie(const QString& feuille, std::int16_t& numero) {
    afficher_question(Matiere::chimie, feuille, numero);
}
void afficher_question_optique(const QString& feuille, std::int16_t& numero) {
    afficher_question(Matiere::optique, feuille, numero);
}
