#include "platform/polices.h"

#include "platform/langue.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <condition_variable>
#include <fontconfig/fontconfig.h>
#include <mutex>
#include <thread>

namespace {
// Reading the list of installed fonts takes a few milliseconds, most of them in fontconfig's
// configuration files. It is done on a thread of its own while the first window is being made:
// fontconfig's configuration from the very start of the program, then Qt's list as soon as the
// application object exists (the list needs it). The main window waits for the reading before
// it measures its first text.
struct Lecture {
    std::mutex verrou;
    std::condition_variable signal;
    bool application_prete = false;
    bool finie = false;
};
// Made once and never destroyed: the thread is detached, and it may still wait for an
// application object that never comes when the program ends.
Lecture* lecture = nullptr;

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

void lire(bool configuration_d_abord) {
    if (configuration_d_abord) lire_configuration();
    {
        std::unique_lock<std::mutex> v(lecture->verrou);
        lecture->signal.wait(v, [] { return lecture->application_prete; });
    }
    QFontDatabase::families();
    {
        std::lock_guard<std::mutex> v(lecture->verrou);
        lecture->finie = true;
    }
    lecture->signal.notify_all();
}

void commencer(bool configuration_d_abord) {
    lecture = new Lecture;
    std::thread(lire, configuration_d_abord).detach();
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

    if (!lecture) commencer(false);
    {
        std::lock_guard<std::mutex> v(lecture->verrou);
        if (lecture->application_prete) return;
        lecture->application_prete = true;
    }
    lecture->signal.notify_all();
    // The application object waits for the reading before it goes.
    qAddPostRoutine(attendre_polices);
}

void lancer_lecture_polices() {
    if (lecture) return;
    // fontconfig reads the C library's locale (the decimal point of its configuration's
    // numbers): the locale is settled first, as the application object will settle it.
    regler_locale_c();
    // Nothing has used fontconfig yet: its configuration can be read here, and Qt's list then
    // finds it read.
    commencer(true);
}

void attendre_polices() {
    if (!lecture) return;
    std::unique_lock<std::mutex> v(lecture->verrou);
    lecture->signal.wait(v, [] { return lecture->finie || !lecture->application_prete; });
}
