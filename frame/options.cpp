#include "frame/options.h"

#include "frame/options_dialogues.h"

#include <QCoreApplication>
#include <QDir>

namespace {
ActionBoutonValiderTexte action_valider_texte;
}

bool case_word_qcm_cochee() { return Fenetre::obtenir<Options_QCM>()->Check3->isChecked(); }
bool case_word_dessin_cochee() { return Fenetre::obtenir<Options_DESSIN>()->Check1->isChecked(); }
bool case_word_textes_cochee() { return Fenetre::obtenir<Options_TEXTES>()->Check1->isChecked(); }

QString dossier_programme() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); }

void definir_action_valider_texte(ActionBoutonValiderTexte action) { action_valider_texte = std::move(action); }

void montrer_bouton_valider_texte(bool visible) {
    if (action_valider_texte) action_valider_texte(visible);
}
