#include "platform/polices.h"

#include "platform/langue.h"

#include <QApplication>
#include <QFont>
#include <fontconfig/fontconfig.h>
#include <atomic>
#include <chrono>
#include <pthread.h>
#include <sched.h>
#include <thread>

namespace {
// fontconfig reads its configuration files the first time a window measures a text: a few
// milliseconds. The program reads them on a thread of its own from the very start of main(),
// while the application object and the main window are being made (see lancer_lecture_polices).
pthread_t fil;
bool fil_lance = false;
bool lecture_differee = false;  // until the application object exists
std::atomic<bool> configuration_lue{false};
// The program's end waits for the reading, should it still be going on.
struct Fin {
    ~Fin() {
        if (fil_lance) pthread_join(fil, nullptr);
    }
} fin;

// fontconfig's configuration, read as FcInit() reads it, less the descriptions of the
// configuration files that fontconfig keeps for the tools that list them (it scans every file of
// its templates folder for them): that is half of its time, and font matching never uses them.
// Should the configuration not read so, FcInit() reads it with its own fallbacks.
void lire_configuration() {
    FcConfig* configuration = FcConfigCreate();
    bool lue = configuration && FcConfigParseAndLoad(configuration, nullptr, FcTrue);
    if (lue) {
        // Without a cache folder FcInit() names its own: it is left to do so.
        FcStrList* caches = FcConfigGetCacheDirs(configuration);
        lue = caches && FcStrListNext(caches);
        if (caches) FcStrListDone(caches);
    }
    if (lue && FcConfigBuildFonts(configuration)) FcConfigSetCurrent(configuration);
    if (configuration) FcConfigDestroy(configuration);  // the current configuration holds its own reference
    FcInit();
}

void* lire(void*) {
    lire_configuration();
    configuration_lue.store(true, std::memory_order_release);
    return nullptr;
}

// Nothing has used fontconfig yet: its configuration can be read here, and Qt finds it read.
// The thread starts on another processor than this one, when there is one: left to itself, the
// system may start it beside the main thread, where it would wait for the main thread to pause.
void commencer_lecture() {
    pthread_attr_t attributs;
    pthread_attr_init(&attributs);
    cpu_set_t processeurs;
    const int ici = sched_getcpu();
    if (ici >= 0 && sched_getaffinity(0, sizeof processeurs, &processeurs) == 0 && CPU_COUNT(&processeurs) > 1) {
        CPU_CLR(ici, &processeurs);
        pthread_attr_setaffinity_np(&attributs, sizeof processeurs, &processeurs);
    }
    fil_lance = pthread_create(&fil, &attributs, lire, nullptr) == 0;
    pthread_attr_destroy(&attributs);
    if (!fil_lance) lire(nullptr);
}

// The families the windows name, each with the installed fonts that stand for it.
struct Famille {
    const char* nom;
    const char* remplacants[2];
};
const Famille familles[] = {
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"Comic Sans MS", {"Comic Neue", "DejaVu Sans"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
    {"Lucida Sans Unicode", {"DejaVu Sans", "Liberation Sans"}},
};
}

void installer_polices() {
    for (const Famille& f : familles)
        QFont::insertSubstitutions(QString::fromLatin1(f.nom),
                                   {QString::fromLatin1(f.remplacants[0]), QString::fromLatin1(f.remplacants[1])});
    QFont defaut(QStringLiteral("MS Sans Serif"));
    defaut.setPointSizeF(8.25);
    QApplication::setFont(defaut);
    if (lecture_differee) {
        lecture_differee = false;
        commencer_lecture();
    }
}

void lancer_lecture_polices() {
    if (fil_lance || lecture_differee || configuration_lue.load()) return;
    // fontconfig reads the C library's locale (the decimal point of its configuration's
    // numbers): the locale is settled first, as the application object will settle it.
    regler_locale_c();
    // fontconfig reads the environment too (its folders and files), and the application object
    // removes the desktop's start-up notices from it as it connects to the display: when there is
    // one, the reading starts once the application object exists (installer_polices), never while
    // the environment changes.
    if (qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID") || qEnvironmentVariableIsSet("DESKTOP_AUTOSTART_ID")) {
        lecture_differee = true;
        return;
    }
    commencer_lecture();
}

void attendre_polices() {
    if (!fil_lance || configuration_lue.load(std::memory_order_acquire)) return;
    // The reading ends within a few milliseconds: the main thread watches for its end rather than
    // sleeping on it, for waking a sleeping thread can take longer than what is left of the reading.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
    while (!configuration_lue.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < limite)
        std::this_thread::yield();
    if (!configuration_lue.load(std::memory_order_acquire)) {
        pthread_join(fil, nullptr);
        fil_lance = false;
    }
}
