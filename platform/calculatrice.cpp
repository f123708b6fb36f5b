#include "platform/calculatrice.h"

#include "platform/langue.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
CrochetCalculatrice crochet_calculatrice;
}

void installer_crochet_calculatrice(CrochetCalculatrice crochet) { crochet_calculatrice = std::move(crochet); }

QStringList programmes_calculatrice() {
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),         QStringLiteral("mate-calc"),
            QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
#endif
}

bool lancer_calculatrice() {
    for (const QString& programme : programmes_calculatrice()) {
        if (crochet_calculatrice) {
            if (crochet_calculatrice(programme)) return true;
            continue;
        }
        const QString chemin = QStandardPaths::findExecutable(programme);
        if (chemin.isEmpty()) continue;
        QProcess processus;
        processus.setProgram(chemin);
        processus.setProcessEnvironment(environnement_recu());
        if (processus.startDetached()) return true;
    }
    return false;
}
