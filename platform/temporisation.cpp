#include "platform/temporisation.h"

#include "platform/attente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

void temporisation(int ms) {
    // A monotonic elapsed timer: no wrap point of a tick counter can lengthen the wait.
    const AttenteEvenements attente;
    QElapsedTimer chrono;
    chrono.start();
    const qint64 fin = qint64(ms) * 1000000;
    // The alarm wakes the event loop near the end of the pause; until then the loop sleeps until
    // an event comes, handles it and every other pending one, and sleeps again.
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    for (qint64 reste = fin - chrono.nsecsElapsed(); reste > 0; reste = fin - chrono.nsecsElapsed()) {
        if (reste < 1000000) {
            // The event loop sleeps by whole milliseconds: the last fraction of one (all of a
            // 1-millisecond pause) is waited handling events without sleeping, so that the pause
            // ends on time, as the panel slides need.
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            continue;
        }
        // The alarm may have rung inside a pause run by a handler meanwhile: set it again.
        if (!reveil.isActive()) reveil.start(int(reste / 1000000));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}
