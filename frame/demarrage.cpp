#include "frame/demarrage.h"

#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/polices.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
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
    Form1* f = Fenetre::obtenir<Form1>();
    f->adjustSize();
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        f->move(zone.center() - QPoint(f->width() / 2, f->height() / 2));
    }
    f->Show();
}
