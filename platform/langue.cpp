#include "platform/langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTranslator>
#include <clocale>

namespace {
// A locale category as the C library and Qt read it from the environment.
QByteArray categorie(const char* nom) {
    for (const char* variable : {"LC_ALL", nom, "LANG"}) {
        const QByteArray v = qgetenv(variable);
        if (!v.isEmpty()) return v;
    }
    return QByteArray("C");
}
bool francais(const QByteArray& locale) { return locale.startsWith("fr"); }
// The variables changed for the program, with the value each had before (null: unset), in the
// order of the changes: kept for the whole run, so that a value the program set is never taken
// for one it received.
QList<std::pair<QByteArray, QByteArray>> valeurs_recues;
}

void changer_pour_le_programme(const char* variable, const QByteArray& valeur) {
    valeurs_recues.append({variable, qgetenv(variable)});
    valeur.isNull() ? qunsetenv(variable) : qputenv(variable, valeur);
}

void preparer_langue_systeme() {
    if (francais(categorie("LC_TIME")) && francais(categorie("LC_MESSAGES"))) return;
    // LC_ALL would override the two categories: its value goes to every other one instead.
    const QByteArray tout = qgetenv("LC_ALL");
    if (!tout.isEmpty()) {
        for (const char* c : {"LANG", "LC_CTYPE", "LC_NUMERIC", "LC_COLLATE", "LC_MONETARY", "LC_PAPER", "LC_NAME",
                              "LC_ADDRESS", "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"})
            changer_pour_le_programme(c, tout);
        changer_pour_le_programme("LC_ALL", QByteArray());
    }
    changer_pour_le_programme("LC_TIME", "fr_FR.UTF-8");
    changer_pour_le_programme("LC_MESSAGES", "fr_FR.UTF-8");
}

QLocale langue_du_programme(const QLocale& systeme) {
    if (systeme.language() == QLocale::French) return systeme;
    return QLocale(QLocale::French, QLocale::France);
}

void installer_langue_francaise(QCoreApplication& application) {
    // The system's own language is told by its numbers: its dates and messages, which Qt reads
    // the system's language from, may have been made French for the program.
    const QLocale systeme(QString::fromLatin1(categorie("LC_NUMERIC")));
    // The C library may lack the French locale set for the program, and then took none at all
    // from the environment: it gets the system's characters back (numbers stay as the C library
    // reads them). Where it took them all, this changes nothing.
    std::setlocale(LC_CTYPE, "");
    // A French system's own locale stays the default one, with the user's own formats; on any
    // other, the program's numbers are French too ("12,5 / 20", "1,10 Mio").
    if (systeme.language() != QLocale::French) QLocale::setDefault(langue_du_programme(systeme));
    auto* traducteur = new QTranslator(&application);
    if (traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducteur);
    else
        delete traducteur;
}

QProcessEnvironment environnement_recu() {
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    // In the reverse order of the changes: a variable changed twice gets its first value back.
    for (auto i = valeurs_recues.crbegin(); i != valeurs_recues.crend(); ++i) {
        const QString nom = QString::fromLatin1(i->first);
        if (i->second.isNull())
            environnement.remove(nom);
        else
            environnement.insert(nom, QString::fromLocal8Bit(i->second));
    }
    return environnement;
}
