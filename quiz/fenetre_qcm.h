#pragma once

#include "frame/fenetre_activite.h"
#include "frame/identification.h"
#include "platform/images.h"
#include "quiz/banques.h"

#include <QMap>
#include <array>
#include <cstdint>

// One topic of the quiz window: its label on a panel, its code, its loader key and its title.
struct ThemeQCM {
    const char* etiquette;  // name of the label, "Label_elec1"
    const char* legende;    // the label's caption on its panel
    const DefinitionFeuille* feuille;
    double haut_twips;      // top of the label in its panel
    int taille_titre;       // base font size B of the title, in points
};

// The window in which a pupil takes the multiple-choice quiz.
class fenetre_QCM : public FenetreActivite {
    Q_OBJECT
public:
    fenetre_QCM();
    // Its help topic, which its dialogs share.
    static constexpr int sujet_aide = 3;

    BoitePicture* Command1;
    BoitePicture* Command2;
    BoitePicture* Command3;
    BoitePicture* themes_electricite;
    BoitePicture* Themes_chimie;
    BoitePicture* Themes_optique;
    BoitePicture* Picture1;
    BoitePicture* Picture2;
    BoitePicture* Picture21;
    Ligne* Line1;
    Ligne* Line37;
    CadreGroupe* Titre;
    Etiquette* Label_titre;
    CadreGroupe* Frame_QCM;
    CadreGroupe* Exercice;
    Etiquette* Numeroquestion;
    Etiquette* label_question;
    BoitePicture* Picture_QCM;
    CadreGroupe* Reponses;
    std::array<BoutonOption*, 6> Option_rep{};  // elements 1 to 5
    std::array<Etiquette*, 6> Reponse{};        // elements 1 to 5
    CadreGroupe* Reponse_juste;
    BoitePicture* Picture_Juste_Faux;
    Etiquette* Reponse_juste_faux;
    Etiquette* texte_reponse;
    BoutonCommande* Valid_reponse;
    BoutonCommande* Continuer;

    ListeImages ImageList_command1;
    ListeImages ImageList_command2;
    ListeImages ImageList_command3;
    ListeImages QCM_oui_non;
    // The statement-picture list of each sheet, by its name ("Elec1", "chimie6", ...).
    QMap<QString, ListeImages> listes_images;

    // The topic labels by name ("Label_elec1" ... "Label_optique4").
    QMap<QString, Etiquette*> etiquettes_themes;
    static const QList<ThemeQCM>& themes();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Savoir_MouseMove();
    void Form_MouseMove();
    // The 23 topic clicks share one topic start.
    void Label_theme_Click(const ThemeQCM& theme);
    void Option_rep_Click(int index);
    void Valid_reponse_Click();
    void Continuer_Click();

    // True while the end of a sheet runs (results window, report, "Exercice terminé").
    bool fin_de_feuille_en_cours() const { return fin_en_cours_; }

protected:
    void charger_activite() override;
    void montrer_identification() override;

private:
    bool fin_en_cours_ = false;
    void afficher_retour(bool juste);
};

class Identification_QCM final : public IdentificationPour<fenetre_QCM> {
public:
    Identification_QCM() : IdentificationPour(7485, 2955, QStringLiteral("Identification"), QStringLiteral("Aucun")) {}
};

// Prints the quiz window's working area (height margin 45).
void imprimer_fenetre_QCM();

// Gives the frame what it reaches of the quiz: the three quiz buttons of the main window, the
// quiz window and its dialog in the adaptation pass, the quiz state's start values and reset.
void enregistrer_qcm();
