#include "platform/langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QLocale langue_du_programme(const QLocale& systeme) {
    if (systeme.language() == QLocale::French) return systeme;
    return QLocale(QLocale::French, QLocale::France);
}

void installer_langue_francaise(QCoreApplication& application) {
    const QLocale systeme = QLocale::system();
    // A French system's own locale stays the default one, with the user's own formats.
    if (systeme.language() != QLocale::French) QLocale::setDefault(langue_du_programme(systeme));
    auto* traducteur = new QTranslator(&application);
    if (traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducteur);
    else
        delete traducteur;
}
