#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

// "Résultats de l'évaluation": identity, topic, counts and the mark of the quiz sheet last
// worked on. It can save a picture of itself as BMP, print itself, and close.
class Result_eval : public Fenetre {
    Q_OBJECT
public:
    Result_eval();

    BoitePicture* Picture1;
    CadreGroupe* Titre;
    ZoneTexte* Nom_eval;
    ZoneTexte* Prenom_eval;
    ZoneTexte* Classe_eval;
    ZoneTexte* Temps_eval;
    Etiquette* Label_titre2;
    Etiquette* Label1;
    Etiquette* Label2;
    Etiquette* Label3;
    Etiquette* Label4;
    Etiquette* Label5;
    Etiquette* Label6;
    Etiquette* Label7;
    Etiquette* Label8;
    BoutonCommande* Command1;
    BoutonCommande* Command2;
    BoutonCommande* Command3;
    BoitePicture* copie_fenetre;

    // Shows the window modeless; a window already loaded first fills its labels again.
    void Show();
    // The results fill: identity, title, then (when a sheet was loaded) mark and counts.
    void remplir();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool& annuler) override;
};

// The mark text: right answers x 20 / questions to the nearest tenth (halves away from zero),
// at least two digits before the locale's decimal separator, then " / 20" ("07,5 / 20").
QString texte_note(float justes, int questions);
