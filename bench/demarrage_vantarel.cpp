// Starts Vantarel exactly as its main() does and quits as soon as the main window has been
// painted for the first time. Prints the moment of the paint, the processor time used until
// then and the peak memory.
#include "bench/vantarel.h"

int main(int argc, char* argv[]) {
    preparer_processus();
    QApplication application(argc, argv);
    banc::preparer_vantarel(application);
    banc::apres_premiere_peinture(Fenetre::obtenir<Form1>(), [] {
        banc::afficher("peint_us", double(banc::horloge_us()));
        banc::afficher("processeur_ms", banc::processeur_ms());
        banc::afficher("memoire_kio", double(banc::memoire_crete_kio()));
        // Quitting as the program does: no window asks its question.
        terminer_application();
    });
    demarrer();
    const int code = application.exec();
    Fenetre::tout_detruire();
    return code;
}
