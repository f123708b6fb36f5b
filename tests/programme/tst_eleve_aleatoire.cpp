// The whole program under a random pupil: a fixed seed and a count that holds within a few
// minutes in the sanitizer build. Longer runs: tools/eleve_aleatoire.sh.
#include "tests/support/eleve_aleatoire.h"
#include "tests/support/fixture.h"

#include "platform/fenetre.h"

#include <QtTest>

class TestEleveAleatoire : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reinitialiser_programme(); }

    void eleve_au_hasard() {
        constexpr std::uint32_t graine = 20261209;
        constexpr int nombre_pas = 15000;
        const BilanEleve bilan = faire_jouer_eleve(graine, nombre_pas);
        qInfo().noquote() << bilan.resume();
        QVERIFY2(bilan.echec.isEmpty(), qPrintable(bilan.echec));
        QCOMPARE(bilan.pas, nombre_pas);
        // The pupil went beyond the main window, into every activity window, answered boxes, typed,
        // dragged and finished work. Its path depends on the program's timers as well as on the seed (a loaded
        // machine gives it other turns), so only what every run of this length reaches is required.
        for (const char* fenetre : {"fenetre_QCM", "fenetre_texte", "fenetre_dessin", "fenetre_dessin_optique"})
            QVERIFY2(bilan.fenetres.contains(fenetre), qPrintable(bilan.resume()));
        QVERIFY(bilan.boites > 0);
        QVERIFY(bilan.actions.value("type") > 0);
        QVERIFY2(bilan.actions.value("drag to another control") > 0, qPrintable(bilan.resume()));
        // Finished work wrote its reports, into the folders the teacher chose.
        QVERIFY2(bilan.documents > 0, qPrintable(bilan.resume()));
    }

    // The checks themselves: a program that no window lets the pupil use any more, and a
    // picture written in the current directory, each end the run with the seed and the steps.
    void verrou_signale() {
        QTimer::singleShot(300, qApp, [] {
            for (Fenetre* f : Fenetre::fenetres_chargees()) f->setEnabled(false);
        });
        const BilanEleve bilan = faire_jouer_eleve(7, 3000);
        QVERIFY2(bilan.echec.startsWith("locked: no visible window can be used"), qPrintable(bilan.echec));
        QVERIFY(bilan.echec.contains("seed 7") && bilan.echec.contains("last steps"));
    }
    void fichier_egare_signale() {
        QTimer::singleShot(300, qApp, [] {
            QFile f(QDir::currentPath() + "/perdu.bmp");
            QVERIFY(f.open(QIODevice::WriteOnly));
        });
        const BilanEleve bilan = faire_jouer_eleve(8, 3000);
        QVERIFY2(bilan.echec.startsWith("file written outside the chosen folders:"), qPrintable(bilan.echec));
        QVERIFY(bilan.echec.contains("perdu.bmp"));
    }
};

QTEST_MAIN(TestEleveAleatoire)
#include "tst_eleve_aleatoire.moc"
