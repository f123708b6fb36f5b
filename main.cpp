#include "frame/demarrage.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    preparer_application(application);
    demarrer();
    return application.exec();
}
