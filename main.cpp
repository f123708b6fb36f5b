#include "frame/demarrage.h"
#include "modules.h"
#include "platform/langue.h"
#include "platform/polices.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    preparer_langue_systeme();
    lancer_lecture_polices();
    QApplication application(argc, argv);
    preparer_application(application);
    enregistrer_modules();
    demarrer();
    return application.exec();
}
