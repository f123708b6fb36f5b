#include "platform/polices.h"

#include "platform/langue.h"

#include <QApplication>
#include <QFont>
#include <fontconfig/fontconfig.h>
#include <future>

namespace {
// fontconfig reads its configuration files the first time a window measures a text: a few
// milliseconds. The program reads them on a thread of its own from the very start of main(),
// while the application object and the main window are being made (see lancer_lecture_polices).
std::future<void> configuration;  // its destructor waits for the reading

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
}

void lancer_lecture_polices() {
    if (configuration.valid()) return;
    // fontconfig reads the C library's locale (the decimal point of its configuration's
    // numbers): the locale is settled first, as the application object will settle it.
    regler_locale_c();
    // Nothing has used fontconfig yet: its configuration can be read here, and Qt finds it read.
    configuration = std::async(std::launch::async, lire_configuration);
}

void attendre_polices() {
    if (configuration.valid()) configuration.wait();
}
