#pragma once

class QObject;

// The program's waits that handle events while handlers are on the stack: the pauses, the wait
// for the print settings, the modal dialogs and the pop-up menus. An object (a window, a control
// loaded at run time) unloaded during such a wait may still be in use below it: by the handler
// that waits, and by the toolkit's delivery of the event that started that handler. So it is
// destroyed only once every wait has returned, when control is back in the event loop. Every
// loop of the program that handles events while a handler waits holds one for its duration.
class AttenteEvenements {
public:
    AttenteEvenements();
    ~AttenteEvenements();
    AttenteEvenements(const AttenteEvenements&) = delete;
    AttenteEvenements& operator=(const AttenteEvenements&) = delete;
};

// True while at least one wait is under way.
bool attente_en_cours();

// Destroys the object once no wait is under way and control is back in the event loop (at
// once deferred when no wait runs, as deleteLater; otherwise when the outermost wait returns).
void detruire_plus_tard(QObject* objet);
