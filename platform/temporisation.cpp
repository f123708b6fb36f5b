#include "platform/temporisation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

void temporisation(int ms) {
    // A monotonic elapsed timer: no wrap point of a tick counter can lengthen the wait.
    QElapsedTimer chrono;
    chrono.start();
    // The alarm wakes the event loop at the end of the pause; until then the loop sleeps until an
    // event comes, handles it and every other pending one, and sleeps again.
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    for (qint64 passe = chrono.elapsed(); passe < ms; passe = chrono.elapsed()) {
        // A pause run inside this one may have used up the alarm: set it again for what remains.
        if (!reveil.isActive()) reveil.start(int(ms - passe));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}
