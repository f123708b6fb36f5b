#include "tests/support/pilote.h"

#include "frame/facteur_impression.h"
#include "tests/support/souris.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

void cliquer(QWidget* controle, QPoint point) { QTest::mouseClick(controle, Qt::LeftButton, Qt::NoModifier, point); }

void survoler(QWidget* controle, QPoint point) {
    QMouseEvent e(QEvent::MouseMove, QPointF(point), controle->mapToGlobal(QPointF(point)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(controle, &e);
}

void taper(QLineEdit* boite, const QString& texte) {
    boite->selectAll();
    QTest::keyClick(boite, Qt::Key_Backspace);
    QTest::keyClicks(boite, texte);
}

void taper(QComboBox* liste, const QString& texte) { taper(liste->lineEdit(), texte); }

void glisser_souris(QWidget* controle, QPoint depart, const QList<QPoint>& etapes, QPoint arrivee,
                    Qt::MouseButton bouton) {
    souris::appuyer(controle, depart, bouton);
    for (const QPoint& p : etapes) souris::deplacer(controle, p);
    souris::deplacer(controle, arrivee);
    souris::relacher(controle, arrivee, bouton);
}

void pendant_l_attente(const std::function<void(Facteur_impression*)>& action) {
    QTimer::singleShot(0, qApp, [action] {
        Facteur_impression* d = Fenetre::si_chargee<Facteur_impression>();
        if (!d || d->isHidden()) {
            QTest::qFail("no print-settings dialog is shown", __FILE__, __LINE__);
            return;
        }
        action(d);
    });
    QTimer::singleShot(10000, qApp, [] {
        if (Facteur_impression* d = Fenetre::si_chargee<Facteur_impression>()) d->Unload();
    });
}

bool libreoffice_present() { return !QStandardPaths::findExecutable("soffice").isEmpty(); }

QString convertir_avec_libreoffice(const QString& fichier, const QString& filtre, const QString& extension,
                                   const QString& dossier_sortie) {
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) return QString();
    QTemporaryDir profil;
    QProcess p;
    p.start(soffice, {"-env:UserInstallation=file://" + profil.path(), "--headless", "--norestore", "--convert-to",
                      filtre, "--outdir", dossier_sortie, fichier});
    if (!p.waitForFinished(300000)) {
        p.kill();
        p.waitForFinished();
        return QString();
    }
    const QString sortie = dossier_sortie + "/" + QFileInfo(fichier).completeBaseName() + "." + extension;
    return QFile::exists(sortie) ? sortie : QString();
}
