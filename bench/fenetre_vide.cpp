// A bare Qt program that shows an empty window and quits once it is shown: the reference
// against which the start-up of Vantarel is measured.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.resize(423, 259);
    fenetre.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}
