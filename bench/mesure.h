#pragma once

// What the benchmark programs share: the end of a window's first paint, the clocks and the peak
// resident memory, printed as "name value" lines that the scripts under bench/ read.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>

namespace banc {

// Wall clock in microseconds, comparable with the shell's $EPOCHREALTIME.
inline long long horloge_us() {
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

// Processor time used by the process, in milliseconds.
inline double processeur_ms() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Peak resident memory of the process (VmHWM), in KiB.
inline long memoire_crete_kio() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmHWM:")) return ligne.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

inline void afficher(const char* nom, double valeur) { std::printf("%s %.3f\n", nom, valeur); }

// Runs suite once the first paint of a window that est_la_fenetre accepts is over (the whole
// paint pass, children included, and its flush to the screen).
inline void apres_premiere_peinture(std::function<bool(QWidget*)> est_la_fenetre, std::function<void()> suite) {
    class Guet : public QObject {
    public:
        Guet(std::function<bool(QWidget*)> f, std::function<void()> s) : choix_(std::move(f)), suite_(std::move(s)) {}
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && o->isWidgetType() && choix_(static_cast<QWidget*>(o)->window())) {
                qApp->removeEventFilter(this);
                QTimer::singleShot(0, qApp, suite_);
                deleteLater();
            }
            return false;
        }

    private:
        std::function<bool(QWidget*)> choix_;
        std::function<void()> suite_;
    };
    qApp->installEventFilter(new Guet(std::move(est_la_fenetre), std::move(suite)));
}

inline void apres_premiere_peinture(QWidget* fenetre, std::function<void()> suite) {
    QPointer<QWidget> garde(fenetre);
    apres_premiere_peinture([garde](QWidget* w) { return garde && w == garde; }, std::move(suite));
}

// Runs action, then handles events until a window that est_la_fenetre accepts has been painted;
// returns the milliseconds from the start of the action to the end of that paint.
template <class Action>
double jusqu_a_la_peinture(std::function<bool(QWidget*)> est_la_fenetre, Action action) {
    bool peinte = false;
    long long fin = 0;
    apres_premiere_peinture(std::move(est_la_fenetre), [&] {
        fin = horloge_us();
        peinte = true;
    });
    const long long debut = horloge_us();
    action();
    while (!peinte) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return (fin - debut) / 1000.0;
}

}  // namespace banc
