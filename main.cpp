#include "frame/demarrage.h"
#include "modules.h"
#include "platform/langue.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    preparer_langue_systeme();
    QApplication application(argc, argv);
    preparer_application(application);
    enregistrer_modules();
    demarrer();
    return application.exec();
}
