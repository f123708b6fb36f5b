#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"
#include "platform/images.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// The main window: the eight activity buttons in three groups and the menus.
// Its load is the start-up sequence of the program; its unload ends the program.
class Form1 : public Fenetre {
    Q_OBJECT
public:
    Form1();

    BoitePicture* Picture7;
    Etiquette* Evaluations;
    Etiquette* Label6;
    Etiquette* Label1;
    BoitePicture* Picture2;
    BoitePicture* Picture1;
    BoitePicture* Picture3;
    Etiquette* Label2;
    Etiquette* Label3;
    Etiquette* Label4;
    BoitePicture* Picture4;
    BoitePicture* Picture8;
    BoitePicture* Picture9;
    BoitePicture* Picture10;
    BoitePicture* Picture5;
    BoitePicture* Picture11;
    BoitePicture* Picture12;
    BoitePicture* Picture6;
    BoitePicture* Picture13;
    BoitePicture* Picture14;
    BoitePicture* Picture15;
    BoitePicture* Picture16;
    Etiquette* Label_patientez;
    ListeImages ImageList_bouton;
    ListeImages icone_menu;

    QMenuBar* barre_menus;
    QMenu* mnufichiers;
    QAction* mnuidentifier;
    QAction* mnuquitter;
    QMenu* mnuoptions;
    QMenu* mnuoptionsSCHEMA;
    QAction* mnuoptionsDESSIN;
    QMenu* mnuoptionQCM;
    QAction* mnuoptionsQCM;
    QMenu* mnuoptiontexte;
    QAction* mnuoptionstexte;
    QMenu* mnuaffichage;
    QAction* mnuaffichefenetrenote;
    QMenu* mnuquoi;
    QAction* mnuaide;
    QAction* mnuapropos;

    void mnuidentifier_Click();
    void mnuquitter_Click();
    void mnuoptionsDESSIN_Click();
    void mnuoptionsQCM_Click();
    void mnuoptionstexte_Click();
    void mnuaffichefenetrenote_Click();
    void mnuaide_Click();
    void mnuapropos_Click();

    void Picture8_Click();
    void Picture9_Click();
    void Picture10_Click();
    void Picture11_Click();
    void Picture12_Click();
    void Picture13_Click();
    void Picture14_Click();
    void Picture15_Click();

    void Picture4_MouseMove();
    void Picture5_MouseMove();
    void Picture6_MouseMove();

    // The picture (1..6 of ImageList_bouton) an activity button shows (tests).
    int image_bouton(const BoitePicture* bouton) const;

protected:
    void Form_Load() override;
    void Form_Unload(bool& annuler) override;

private:
    void montrer_image(BoitePicture* bouton, int index);
    // Opens the activity of a button by its row of the registered table.
    void ouvrir_activite(BoitePicture* bouton);
    // Gives every button of the clicked button's group its plain picture back.
    void remettre_groupe(BoitePicture* bouton);
    void construire_menus();
    void poser_bitmaps_menus();
};

// Ends the program at once: every window closes without its own question.
void terminer_application();
// True once terminer_application has run (tests).
bool application_terminee();
void reinitialiser_application_terminee();
