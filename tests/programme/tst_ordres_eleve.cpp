// Orders of a pupil's actions that the random pupil found to lock or break the program, each
// replayed on its own.
#include "frame/form1.h"
#include "frame/result_eval.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "texts/fenetre_texte.h"

#include <QtTest>

class TestOrdresEleve : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    // The marks window opened from the menu while "Veuillez patienter" shows before an
    // activity that keeps the marks window hidden: the main window must not come back
    // disabled with nothing left to enable it.
    void notes_ouvertes_pendant_l_attente_d_une_activite() {
        MessagesScriptes boites;
        Form1* f = demarrer_programme();
        f->Show();
        QTimer::singleShot(0, f, [f] { f->mnuaffichefenetrenote_Click(); });
        f->Picture13_Click();
        fenetre_texte* t = Fenetre::si_chargee<fenetre_texte>();
        QVERIFY(t && t->isVisible());
        QVERIFY(!Fenetre::obtenir<Result_eval>()->isVisible());
        boites.attendre("Voulez-vous vraiment quitter le module texte à trous?", vb::vbYes);
        QVERIFY(t->Unload());
        QVERIFY(f->isVisible());
        QVERIFY(f->isEnabled());
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
    }
};

QTEST_MAIN(TestOrdresEleve)
#include "tst_ordres_eleve.moc"
