#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

class FenetreActivite;

// The canvas window "Form2": no border, never shown. Its picture box zone_impression receives
// the copy of a window that goes to the printer; it is empty between prints.
class impression : public Fenetre {
    Q_OBJECT
public:
    impression();
    BoitePicture* zone_impression;

protected:
    void Form_Load() override;
};

// One print of a window's working area, shared by every window that prints:
// 1. the print-settings dialog, shown modeless, and the wait until it is validated (a dialog
//    closed without "Valider" abandons the print: no page, no message);
// 2. a 10 ms pause, so that the window repaints what the dialog covered;
// 3. the canvas, W x facteur_echelle + marge_largeur by H x facteur_echelle + marge_hauteur
//    pixels, where W x H is the size of the area box read after the wait;
// 4. the window's client area from (0, 0), (W + marge_largeur) x (H + marge_hauteur) pixels,
//    stretched into the canvas;
// 5. the canvas printed at (0, 0) at its own size as one page, then the canvas emptied.
// With no printer installed a message says so and nothing is shown or printed. A window
// unloaded during the wait prints nothing.
void imprimer_zone(Fenetre* fenetre, QWidget* zone, int marge_largeur, int marge_hauteur);

// An activity window's print: its area box Savoir, a width margin of 60 pixels.
void imprimer_fenetre_activite(FenetreActivite* fenetre, int marge_hauteur);
