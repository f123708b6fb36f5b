#include "frame/demarrage.h"
#include "modules.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    preparer_processus();
    QApplication application(argc, argv);
    preparer_application(application, enregistrer_modules);
    demarrer();
    return application.exec();
}
