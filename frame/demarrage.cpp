#include "frame/demarrage.h"

#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/polices.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void preparer_application(QApplication& application) {
    application.setApplicationName(QStringLiteral("Vantarel"));
    application.setQuitOnLastWindowClosed(false);
    auto* traducteur = new QTranslator(&application);
    if (traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(traducteur);
    aide::installer_touche_f1();
    installer_polices();
}

void demarrer() {
    Fenetre::obtenir<Form1>()->Show();
}
