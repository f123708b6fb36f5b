#include "frame/demarrage.h"
#include "platform/langue.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    preparer_langue_systeme();
    QApplication application(argc, argv);
    preparer_application(application);
    demarrer();
    return application.exec();
}
