#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

#include <QCheckBox>

// A check box whose caption wraps within the box's width, beside an indicator centred
// vertically; the whole box takes the click.
class CaseACocher : public QCheckBox {
    Q_OBJECT
public:
    CaseACocher(QWidget* parent, const QString& texte);
    // 1 ticked, 0 unticked.
    int Value() const { return isChecked() ? 1 : 0; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool hitButton(const QPoint& position) const override;
};

// Shows a dialog in front of the window that opened it and keeps it there.
void montrer_devant(Fenetre* dialogue, QWidget* ouvreur);

// What the options dialogs share: the folder box with its label, "Valider" (Command2) and
// "Annuler" (Command1), a background picture, and the main window disabled while they show.
// Their buttons only hide them, so their boxes keep what the teacher last set.
class DialogueOptions : public Fenetre {
    Q_OBJECT
public:
    Etiquette* Label1 = nullptr;
    ZoneTexte* repertoire_instal = nullptr;
    BoutonCommande* Command2 = nullptr;
    BoutonCommande* Command1 = nullptr;

    // Shows the dialog in front of the main window.
    void Show();
    void Command1_Click();

protected:
    DialogueOptions(double largeur_twips, double hauteur_twips, const QString& titre, const QString& fond);

    CaseACocher* nouvelle_case(const QString& texte, double gauche, double haut, double largeur, double hauteur,
                               bool cochee);
    // The label, the folder box and the two buttons, in that order, at these places.
    void poser_dossier_et_boutons(const QRectF& label, const QRectF& dossier, const QRectF& valider,
                                  const QRectF& annuler, bool dossier_actif);
    // The Word box decides whether the folder can be typed.
    void suivre_case_word(bool cochee);
    // Enables the main window again and hides the dialog.
    void rendre_la_main();
    virtual void Command2_Click() = 0;

    void Form_Load() override;
    void Form_Unload(bool& annuler) override;
};

// The quiz options: right answers after each question (behind the password), mark at the
// end, Word report and its folder.
class Options_QCM : public DialogueOptions {
    Q_OBJECT
public:
    Options_QCM();
    CaseACocher* Check1;
    CaseACocher* Check2;
    CaseACocher* Check3;

    void Check1_Click();
    void Check3_Click();
    void Command2_Click() override;
};

// The drawing options (circuits and optics): Word report and its folder.
class Options_DESSIN : public DialogueOptions {
    Q_OBJECT
public:
    Options_DESSIN();
    CaseACocher* Check1;

    void Check1_Click();
    void Command2_Click() override;
};

// The text options: Word report, which also shows the text window's validation button, and
// its folder.
class Options_TEXTES : public DialogueOptions {
    Q_OBJECT
public:
    Options_TEXTES();
    CaseACocher* Check1;

    void Check1_Click();
    void Command2_Click() override;
};

// Calls the registered action on the text window's "Valider les réponses" button.
void montrer_bouton_valider_texte(bool visible);
