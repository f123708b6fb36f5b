#pragma once

#include "frame/fenetre_activite.h"
#include "platform/controles.h"
#include "platform/fenetre.h"

#include <QCalendarWidget>
#include <QRegion>

// The pupil identification dialogs. They all have the same controls and the same handlers:
// "Valider" stores the four boxes into the shared identity and checks them, "Aucun" stores
// "Aucun" in all four, a calendar click writes the picked date into the date box. They are
// only hidden by their buttons, so their boxes keep what was last typed.
class DialogueIdentification : public Fenetre {
    Q_OBJECT
public:
    Etiquette* Label5;
    Etiquette* Label1;
    Etiquette* Label2;
    Etiquette* Label3;
    Etiquette* Label4;
    ZoneTexte* Nom;
    ZoneTexte* Prenom;
    ZoneTexte* Classe;
    ZoneTexte* Temps;
    QCalendarWidget* MonthView1;
    BoutonCommande* Command1;
    BoutonCommande* Command3;
    BoitePicture* Picture1;
    BoitePicture* Picture2;
    BoitePicture* Picture3;
    BoitePicture* Picture4;
    BoitePicture* Picture5;
    BoitePicture* Image1;

    void MonthView1_DateClick();
    void Command1_Click();
    void Command3_Click();

protected:
    // fond: the background picture, drawn at the client size.
    DialogueIdentification(double largeur_twips, double hauteur_twips, Qt::WindowFlags drapeaux,
                           const QString& legende_command3, const QString& fond);

    // Writes the shared identity into the boxes of the window served (activity dialogs only).
    virtual void copier_vers_cible() {}
    // Gives the hand back to the window served once the identity is settled.
    virtual void rendre_la_main() = 0;
    // Today's date in the locale's short format, into the date box.
    void dater_aujourd_hui();
};

// The main window's dialog: no border, a rounded window region, centred on the screen.
// Its first load on a screen of other than 15 twips per pixel runs the adaptation pass.
class Identification : public DialogueIdentification {
    Q_OBJECT
public:
    Identification();
    // Shows the dialog; it is centred on the screen the first time.
    void Show();

protected:
    void Form_Load() override;
    void rendre_la_main() override;
    // There is no close box: a close request from the window system is refused, so that the
    // main window, which the dialog keeps disabled, is never left without a way back.
    void closeEvent(QCloseEvent* e) override;

private:
    bool deja_montree_ = false;
};

// The dialog of an activity window: a fixed frame with a title bar and a close box. It also
// writes the identity into the activity window's boxes, and enables that window again when it
// hands back or when it is closed.
class IdentificationActivite : public DialogueIdentification {
    Q_OBJECT
public:
    // The activity window served (loaded when it is not).
    virtual FenetreActivite* cible() = 0;
    // Shows the dialog in front of the window served.
    void Show();

protected:
    IdentificationActivite(double largeur_twips, double hauteur_twips, const QString& titre,
                           const QString& legende_command3);
    void Form_Load() override;
    void Form_Unload(bool& annuler) override;
    void copier_vers_cible() override;
    void rendre_la_main() override;
};

// The activity dialog serving the window class Cible.
template <class Cible>
class IdentificationPour : public IdentificationActivite {
public:
    FenetreActivite* cible() override { return Fenetre::obtenir<Cible>(); }

protected:
    // The dialog's help is its window's topic.
    IdentificationPour(double largeur_twips, double hauteur_twips, const QString& titre, const QString& legende_command3)
        : IdentificationActivite(largeur_twips, hauteur_twips, titre, legende_command3) {
        HelpContextID = Cible::sujet_aide;
    }
};

// The region of a rectangle from (x1, y1) to (x2, y2) in pixels, right and bottom excluded,
// whose corners are quarters of an ellipse of the given width and height.
QRegion region_rectangle_arrondi(int x1, int y1, int x2, int y2, int largeur_coin, int hauteur_coin);

// The first-load adaptation pass of the main identification dialog, behind a notice, on
// screens of other than 15 twips per pixel only. The registered windows (the frame's and the
// activities') are taken in the pass's two orders: each window that was not loaded before the
// pass is loaded (its 15-twips rule runs), rescaled, and unloaded again without its unload
// handler, so that no question is asked and nothing it would touch changes; a window loaded
// before the pass, Form1 above all, is left as it was, neither rescaled again nor unloaded.
// Windows that a load brought in on its own are unloaded as well.
void passe_adaptation(Identification& dialogue);
