// Starts Vantarel exactly as its main() does and quits as soon as the main window is shown.
#include "frame/demarrage.h"
#include "frame/form1.h"
#include "modules.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    preparer_application(application);
    enregistrer_modules();
    demarrer();
    // Quitting as the program does: no window asks its question.
    QTimer::singleShot(0, &application, &terminer_application);
    const int code = application.exec();
    Fenetre::tout_detruire();
    return code;
}
