#pragma once

#include <QList>
#include <QString>

class Fenetre;
class FenetreActivite;

// What the activities (quiz, texts, circuits, optics) give the frame. Each activity fills it
// from its own folder through one registration function, so that the frame reaches their
// windows and state without knowing their classes. Registering again under the same name
// replaces the earlier entry, so a registration function may run more than once.

// One of the main window's eight activity buttons: the window it opens and how.
struct OuvreurActivite {
    enum class Resultats { decharger, cacher };
    QString bouton;                  // "Picture8" ... "Picture15"
    FenetreActivite* (*fenetre)();   // the activity window, loaded when it is not
    int sujet;                       // tab kept visible: 1 electricity, 2 chemistry, 3 optics; 0 none touched
    int haut_onglet;                 // Top in pixels of a chemistry or optics tab and its panel; 0 none
    bool patienter;                  // "Veuillez patienter" and the 10 ms pause first
    Resultats resultats;             // what happens to the results window
};
void enregistrer_ouvreur(const OuvreurActivite& ouvreur);
// The opener of a button, or nullptr when no activity took it.
const OuvreurActivite* ouvreur_du_bouton(const QString& bouton);

// A window of the adaptation pass, with its places in the pass's two orders (rescale first,
// unload second), each counted from 1.
struct FenetreDeLaPasse {
    QString nom;
    int rang_adaptation;
    int rang_dechargement;
    Fenetre* (*si_chargee)();  // the window when loaded, else nullptr
    Fenetre* (*charger)();     // the window, loaded (its load runs) when it is not
};
void enregistrer_fenetre_passe(const FenetreDeLaPasse& fenetre);
template <class T>
FenetreDeLaPasse fenetre_de_la_passe(const QString& nom, int rang_adaptation, int rang_dechargement);
// The registered windows in the rescale order, or in the unload order.
QList<FenetreDeLaPasse> fenetres_par_adaptation();
QList<FenetreDeLaPasse> fenetres_par_dechargement();

// The shared state of an activity: its start values (set by the main window's load) and its
// reset to the values of a fresh program (tests).
struct EtatActivite {
    QString nom;
    void (*valeurs_de_depart)();
    void (*reinitialiser)();
};
void enregistrer_etat(const EtatActivite& etat);
void appliquer_valeurs_de_depart();
void reinitialiser_etats_activites();

// Forgets every registration (a fresh program, before the activities register again).
void vider_registre_activites();

#include "platform/fenetre.h"

template <class T>
FenetreDeLaPasse fenetre_de_la_passe(const QString& nom, int rang_adaptation, int rang_dechargement) {
    return {nom, rang_adaptation, rang_dechargement, [] { return static_cast<Fenetre*>(Fenetre::si_chargee<T>()); },
            [] { return static_cast<Fenetre*>(Fenetre::obtenir<T>()); }};
}
