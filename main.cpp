#include "frame/demarrage.h"
#include "modules.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    preparer_application(application);
    enregistrer_modules();
    demarrer();
    return application.exec();
}
