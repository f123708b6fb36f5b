#pragma once

#include <functional>

class Fenetre;

// The 15-twips rule, first step of a window's load: on a screen of other than 15 twips per
// pixel (either axis) the window's size is scaled by the twips per pixel / 15, then its
// controls by adapter_resolution. On a 15-twips screen nothing is done.
void regle_15_twips(Fenetre& fenetre);

// Rescales the font, position and size of every control of a window by the screen's twips
// per pixel / 15. Statements that do not apply to a control are skipped.
void adapter_resolution(Fenetre& fenetre);

// How many times adapter_resolution has run since the last reset (tests).
int nombre_adaptations();
void remettre_compteur_adaptations();
// Told of each window as its rescale begins, so that tests can follow which window is rescaled
// when; an empty function stops it.
void observer_adaptations(std::function<void(Fenetre&)> observateur);
