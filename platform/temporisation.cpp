#include "platform/temporisation.h"

#include <QCoreApplication>
#include <QElapsedTimer>

void temporisation(int ms) {
    // A monotonic elapsed timer: no wrap point of a tick counter can lengthen the wait.
    QElapsedTimer chrono;
    chrono.start();
    while (chrono.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
