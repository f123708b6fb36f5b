#pragma once

class QWidget;

// The program's help: French HTML pages built in, one per topic, shown in a help window.
// F1 pressed in a window opens the topic of that window (Fenetre::HelpContextID).
namespace aide {
// The topics of the frame's windows; each activity window has its own, shared by its dialogs.
inline constexpr int sujet_fenetre_principale = 2, sujet_options = 7, sujet_impression = 8, sujet_resultats = 10;
// Whether a topic has a page of its own.
bool sujet_a_sa_page(int sujet);
// Makes F1 open the help of the window that receives it (once, at start-up).
void installer_touche_f1();
// Opens the help window at a topic (a topic without a page of its own shows the contents).
void ouvrir(int sujet);
// Sends one F1 key press to the window that has the focus, as a key typed by the user;
// the fallback receives it when no window has the focus.
void envoyer_f1(QWidget* repli);
// The topic the help window shows, 0 when it was never opened (tests).
int sujet_affiche();
// The help window, or nullptr when it was never opened.
QWidget* fenetre_aide();
void fermer();
}
