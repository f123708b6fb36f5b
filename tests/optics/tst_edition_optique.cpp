// The selection frame and the clearing of the optics sheet, on elements loaded through the
// window's control arrays as the placing and drawing do.
#include "optics/editing/effacement.h"
#include "optics/editing/selection.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"

#include <QAction>
#include <QtTest>

namespace {
fenetre_dessin_optique* ouverte() {
    auto* f = Fenetre::obtenir<fenetre_dessin_optique>();
    f->Show();
    QCoreApplication::processEvents();
    return f;
}

// Element i of a kind, loaded and placed on the area as a drop leaves it.
BoitePicture* posee(fenetre_dessin_optique* f, const char* type, int i, double gauche, double haut) {
    BoitePicture* e = f->tableau(type)->Load(i);
    e->setParent(f->cadre_optique);
    e->Left(gauche);
    e->Top(haut);
    e->show();
    return e;
}

QList<QLineF> cadre(fenetre_dessin_optique* f) {
    QList<QLineF> l;
    for (LigneSansFenetre* s : {f->Line1_optique, f->Line2_optique, f->Line3_optique, f->Line4_optique})
        l << (s->Visible() ? QLineF(s->X1(), s->Y1(), s->X2(), s->Y2()) : QLineF());
    return l;
}
}

class TestEditionOptique : public QObject {
    Q_OBJECT

private slots:
    void init() { reinitialiser_programme(); }

    void un_element_charge_copie_son_modele() {
        fenetre_dessin_optique* f = ouverte();
        BoitePicture* modele = f->tableau("lampe")->element(0);
        modele->MouseIcon(QImage(32, 32, QImage::Format_RGB32));
        modele->MousePointer(99);
        BoitePicture* e = f->tableau("lampe")->Load(1);
        QVERIFY(e->isHidden());
        QCOMPARE(e->size(), QSize(40, 40));
        QCOMPARE(e->Picture(), modele->Picture());
        QCOMPARE(e->ScaleMode(), 3);
        QCOMPARE(e->FillStyle(), 0);
        QCOMPARE(e->FillColor(), 0xFFFFu);
        QCOMPARE(e->MousePointer(), 99);
        QVERIFY(!f->tableau("lampe")->Load(1));  // an index is given once
    }

    void le_cadre_et_la_poignee() {
        fenetre_dessin_optique* f = ouverte();
        BoitePicture* a = posee(f, "cube", 1, 40, 60);
        a->resize(45, 45);
        f->ergot1->show();
        selectionner_objet(a);
        QCOMPARE(cadre(f), QList<QLineF>({{40, 60, 85, 60}, {40, 60, 40, 105}, {40, 105, 85, 105}, {85, 105, 85, 60}}));
        QCOMPARE(f->ergot->Left(), 82.5);
        QCOMPARE(f->ergot->Top(), 57.5);
        QVERIFY(!f->ergot->isHidden());

        // A second selection moves the frame in one call, never hiding it in between.
        BoitePicture* b = posee(f, "cube", 2, 200, 10);
        b->resize(0, 0);
        int masquages = 0;
        f->ergot->installEventFilter(this);
        connect(this, &TestEditionOptique::masque, [&] { ++masquages; });
        selectionner_objet(b);
        QCOMPARE(masquages, 0);
        QCOMPARE(cadre(f), QList<QLineF>(4, QLineF(200, 10, 200, 10)));
        QCOMPARE(f->ergot->Left(), 197.5);

        deselectionner();
        deselectionner();
        QCOMPARE(cadre(f), QList<QLineF>(4, QLineF()));
        QVERIFY(f->ergot->isHidden());
        QVERIFY(!f->ergot1->isHidden());
    }

    void l_effacement_sort_tout_de_la_feuille() {
        fenetre_dessin_optique* f = ouverte();
        BoitePicture* lampe = posee(f, "lampe", 1, 30, 40);
        BoitePicture* supprimee = posee(f, "lampe", 2, -3000, 80);
        BoitePicture* rayon = posee(f, "rayon", 4, 10, 10);
        EtiquetteSansFenetre* note = f->Texte_ajout_Optique.Load(1);
        note->Move(100, 130, 60, 14);
        const QPoint palette = f->tableau("lampe")->element(0)->pos();
        const QPoint modele_rayon = f->tableau("rayon")->element(0)->pos();
        selectionner_objet(lampe);
        f->ergot2->show();
        f->bouton_optique(2)->trigger();
        outil_trait = true;
        f->cadre_optique->MousePointer(99);
        nb_lampe = 2;
        nb_rayon = 4;
        angle_lampe[1] = 90;
        type_selection = QStringLiteral("lampe");
        index_selection = 1;
        couleur_rayon_courante = 0xFF00;

        // No keeps everything as it was; the question is asked with No as its default.
        MessagesScriptes m;
        m.attendre(QStringLiteral("Initialisation: Voulez-vous tout effacer?"), vb::vbNo, 260, QStringLiteral("Vantarel"));
        tout_effacer();
        QVERIFY(f->Line1_optique->Visible() && !f->ergot->isHidden() && f->bouton_optique(2)->isChecked());
        QCOMPARE(lampe->pos(), QPoint(30, 40));
        QVERIFY(outil_trait);

        m.attendre(QStringLiteral("Initialisation: Voulez-vous tout effacer?"), vb::vbYes, 260);
        tout_effacer();
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QCOMPARE(cadre(f), QList<QLineF>(4, QLineF()));
        QVERIFY(f->ergot->isHidden() && f->ergot1->isHidden() && f->ergot2->isHidden());
        for (int i = 1; i <= 3; ++i) QVERIFY(!f->bouton_optique(i)->isChecked());
        QVERIFY(!outil_rayon && !outil_trait && !outil_cercle);
        QCOMPARE(f->cadre_optique->MousePointer(), 0);
        for (BoitePicture* e : {lampe, supprimee, rayon}) QCOMPARE(QPointF(e->Left(), e->Top()), QPointF(-5000, -5000));
        QCOMPARE(QPointF(note->Left(), note->Top()), QPointF(-5000, -5000));
        QCOMPARE(QPointF(f->Texte_ajout_Optique(0)->Left(), f->Texte_ajout_Optique(0)->Top()), QPointF(-5000, -5000));
        // The templates stay, nothing is unloaded and the model is untouched.
        QCOMPARE(f->tableau("lampe")->element(0)->pos(), palette);
        QCOMPARE(f->tableau("rayon")->element(0)->pos(), modele_rayon);
        QCOMPARE(f->tableau("lampe")->Count(), 3);
        QVERIFY(!lampe->isHidden());
        QCOMPARE(nb_lampe, std::int16_t(2));
        QCOMPARE(nb_rayon, std::int16_t(4));
        QCOMPARE(angle_lampe.valeur(1), 90.0f);
        QCOMPARE(type_selection, QStringLiteral("lampe"));
        QCOMPARE(index_selection, std::int16_t(1));
        QCOMPARE(couleur_rayon_courante, 0xFF00u);
    }

signals:
    void masque();

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide) emit masque();
        return false;
    }
};

QTEST_MAIN(TestEditionOptique)
#include "tst_edition_optique.moc"
