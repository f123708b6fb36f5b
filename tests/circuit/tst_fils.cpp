// Wires on the circuit sheet: drawing on the grid, taking back the last wire, selecting wires
// with a rectangle, and the two wire dialogs, driven by the sheet's mouse and the dialogs'
// buttons as a pupil would.
#include "circuit/effacement.h"
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "circuit/param_fil.h"
#include "frame/etat.h"
#include "frame/form1.h"
#include "platform/dialogues_communs.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QTimer>
#include <QtTest>

namespace {
const QString DEFAIRE = QStringLiteral("Voulez-vous supprimer le dernier fil tracé?");
const QString VALIDER = QStringLiteral("Voulez-vous vraiment valider votre réponse?");
const QString QUITTER = QStringLiteral("Voulez-vous vraiment quitter le module schématisation?");

// The circuit window from the main window, on its first theme.
fenetre_dessin* ouvrir_sur_un_theme() {
    demarrer_programme()->Picture11_Click();
    fenetre_dessin* d = Fenetre::si_chargee<fenetre_dessin>();
    d->Label_theme_Click(fenetre_dessin::themes()[0]);
    return d;
}

// A click of the wire tool (press and release handled at once) from a to b.
int tracer(fenetre_dessin* d, QPointF a, QPointF b) {
    d->Cadre_MouseDown(1, 0, float(a.x()), float(a.y()));
    d->Cadre_MouseUp(1, 0, float(b.x()), float(b.y()));
    return nb_fils;
}

QLineF ligne(const LigneSansFenetre* l) { return QLineF(l->X1(), l->Y1(), l->X2(), l->Y2()); }

struct Aspect {
    std::uint32_t couleur;
    int largeur, style;
    bool operator==(const Aspect&) const = default;
};
Aspect aspect(const LigneSansFenetre* l) { return {l->BorderColor(), l->BorderWidth(), l->BorderStyle()}; }

// Runs one action on Param_fil at each of its openings for a wire, in order, from inside the
// selection's wait; a dialog left open when the actions run out is cancelled.
class PendantLaSelection : public QObject {
public:
    explicit PendantLaSelection(QList<std::function<void(Param_fil*)>> actions) : actions_(std::move(actions)) {
        connect(&minuterie_, &QTimer::timeout, this, [this] { regarder(); });
        minuterie_.start(5);
    }
    int ouvertures = 0;

private:
    void regarder() {
        Param_fil* p = Fenetre::si_chargee<Param_fil>();
        if (!p || p->isHidden() || param_fil_ferme) return;
        // A check that failed inside an action leaves no dialog hanging.
        if (index_fil == servi_) {
            if (QTest::currentTestFailed()) p->Command1_Click();
            return;
        }
        servi_ = index_fil;
        ++ouvertures;
        if (actions_.isEmpty()) return p->Command1_Click();
        actions_.takeFirst()(p);
    }
    QList<std::function<void(Param_fil*)>> actions_;
    QTimer minuterie_;
    int servi_ = 0;  // the wire whose dialog was served last
};

// A selection drag through the window's mouse, with the dialog actions for the wires enclosed.
int selectionner(fenetre_dessin* d, QPoint a, QPoint b, QList<std::function<void(Param_fil*)>> actions = {}) {
    PendantLaSelection pendant(std::move(actions));
    souris::appuyer(d->Cadre, a);
    souris::deplacer(d->Cadre, (a + b) / 2);
    souris::relacher(d->Cadre, b);
    return pendant.ouvertures;
}
}

class TestFils : public QObject {
    Q_OBJECT
private slots:
    void init() {
        reinitialiser_programme();
        installer_crochet_couleur([](std::uint32_t) { return std::optional<std::uint32_t>(); });
    }

    void trace_sur_la_grille() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        d->Toolbar2_ButtonClick(QStringLiteral("fil"));
        // Through the window: the rubber band follows snapped moves, the release lays the wire.
        souris::appuyer(d->Cadre, {13, 21});
        QCOMPARE(nb_fils, 1);
        QCOMPARE(d->MousePointer(), 2);
        souris::deplacer(d->Cadre, {30, 45});
        QVERIFY(d->fil_virtuel.element(1)->Visible());
        QCOMPARE(ligne(d->fil_virtuel.element(1)), QLineF(8, 16, 24, 40));
        QVERIFY(!d->fil.element(1)->Visible());
        souris::relacher(d->Cadre, {30, 2});
        QCOMPARE(ligne(d->fil.element(1)), QLineF(8, 16, 24, 0));
        QVERIFY(d->fil.element(1)->Visible() && !d->fil_virtuel.element(1)->Visible());
        QCOMPARE(aspect(d->fil.element(1)), (Aspect{0, 2, 1}));
        QVERIFY(!trace_fil);
        // Released outside, to the left: the mouse stays with the sheet.
        souris::appuyer(d->Cadre, {40, 40});
        souris::relacher(d->Cadre, {-3, 41});
        QCOMPARE(ligne(d->fil.element(2)), QLineF(40, 40, -8, 40));

        // A click on one point: a wire of length zero, each time.
        QCOMPARE(tracer(d, {50, 50}, {52, 55}), 3);
        QCOMPARE(tracer(d, {50, 50}, {52, 55}), 4);
        QCOMPARE(ligne(d->fil.element(4)), QLineF(48, 48, 48, 48));
        // A release that no press began lays wire nb_fils again, with the look in force.
        couleur_fil_defaut = 255;
        epaisseur_fil_defaut = 1.0f;
        style_fil_defaut = 4;
        d->Cadre_MouseUp(1, 0, 100, 100);
        QCOMPARE(nb_fils, 4);
        QCOMPARE(ligne(d->fil.element(4)), QLineF(48, 48, 96, 96));
        QCOMPARE(aspect(d->fil.element(4)), (Aspect{255, 1, 4}));
        // System colours are kept as they are; a half width goes to the even number.
        couleur_fil_defaut = 0x80000007;
        epaisseur_fil_defaut = 2.5f;
        tracer(d, {0, 0}, {8, 8});
        QCOMPARE(aspect(d->fil.element(5)), (Aspect{0x80000007, 2, 4}));
        // A double click is one press: press, release, double click, release lay one wire.
        souris::double_clic(d->Cadre, {100, 60});
        QCOMPARE(nb_fils, 6);
        QCOMPARE(ligne(d->fil.element(6)), QLineF(96, 56, 96, 56));
        QVERIFY(!d->fil_virtuel.element(6)->Visible());
        // The template is never drawn on.
        QCOMPARE(ligne(d->fil.element(0)), QLineF(56, 16, 104, 16));
        QVERIFY(!d->fil.element(0)->Visible());
    }

    void dernier_fil_repris() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        d->Toolbar2_ButtonClick(QStringLiteral("fil"));
        {
            MessagesScriptes aucune;
            d->Cadre_MouseDown(2, 0, 10, 10);  // no wire yet: no question, a wire starts
            d->Cadre_MouseUp(2, 0, 10, 10);
            QVERIFY2(aucune.en_ordre(), qPrintable(aucune.bilan()));
        }
        tracer(d, {0, 0}, {16, 0});
        tracer(d, {0, 8}, {16, 8});
        QCOMPARE(nb_fils, 3);
        // Wire 2 deleted by its dialog: the undo takes wire 3, the next wire takes 2.
        d->fil.Unload(2);
        d->fil_virtuel.Unload(2);
        --nb_fils;
        {
            MessagesScriptes boites;
            boites.attendre(DEFAIRE, vb::vbYes, vb::vbYesNo | vb::vbDefaultButton2, QStringLiteral("Attention"));
            d->Cadre_MouseDown(2, 0, 30, 30);
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        }
        QVERIFY(!d->fil.existe(3) && !d->fil_virtuel.existe(3) && d->fil.existe(1));
        QCOMPARE(nb_fils, 1);
        QVERIFY(!outil_fil.toBool() && !outil_selection && !d->Value(25));
        QCOMPARE(d->Cadre->MousePointer(), 0);
        // nb_fils naming no wire: a release lays nothing.
        outil_fil = true;
        nb_fils = 2;
        d->Cadre_MouseUp(1, 0, 8, 8);
        QVERIFY(!d->fil.existe(2) && !d->fil_virtuel.existe(2));
        nb_fils = 1;
        d->Toolbar2_ButtonClick(QStringLiteral("fil"));
        QCOMPARE(tracer(d, {0, 0}, {8, 0}), 2);
        // Indices below the last wire freed by a deletion are passed over.
        QCOMPARE(tracer(d, {0, 0}, {8, 0}), 3);
        QCOMPARE(tracer(d, {0, 0}, {8, 0}), 4);
        d->fil.Unload(1);
        d->fil.Unload(2);
        nb_fils = 2;
        QCOMPARE(tracer(d, {0, 0}, {8, 0}), 5);

        // After a clearing the wire taken back is the one moved off the sheet; in wire mode No
        // ends the press as a click at its point: no rubber band left behind.
        initialiser_schema();
        MessagesScriptes boites;
        boites.attendre(DEFAIRE, vb::vbNo);
        boites.attendre(DEFAIRE, vb::vbYes);
        d->Cadre_MouseDown(2, 0, 21, 13);
        QCOMPARE(nb_fils, 6);
        QCOMPARE(ligne(d->fil.element(6)), QLineF(16, 8, 16, 8));
        QVERIFY(!trace_fil && !d->fil_virtuel.element(6)->Visible());
        d->Cadre_MouseMove(0, 0, 200, 200);
        QVERIFY(!d->fil_virtuel.element(6)->Visible());
        d->Cadre_MouseDown(2, 0, 0, 0);
        QVERIFY(!d->fil.existe(6) && d->fil.existe(5));
        QCOMPARE(ligne(d->fil.element(5)), QLineF(-5000, -5000, -5000, -5000));
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));

        // A window opened again holds only the template: Yes takes nothing back and the press
        // goes on to the tool.
        boites.attendre(QUITTER, vb::vbYes);
        d->Toolbar1_ButtonClick(QStringLiteral("Quitter"));
        QTRY_VERIFY(!Fenetre::si_chargee<fenetre_dessin>());
        d = Fenetre::obtenir<fenetre_dessin>();
        outil_fil = true;
        boites.attendre(DEFAIRE, vb::vbYes);
        d->Cadre_MouseDown(2, 0, 8, 8);
        QCOMPARE(nb_fils, 6);
        QVERIFY(d->fil.existe(6) && d->fil.element(6)->Visible());
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));

        // No index past the 16-bit range: such a start does nothing.
        nb_fils = 32767;
        d->Cadre_MouseDown(1, 0, 8, 8);
        QVERIFY(!trace_fil && !d->fil.existe(32767));
        outil_fil = false;
        outil_selection = -1;
        nb_selections = 32767;
        d->Cadre_MouseDown(1, 0, 8, 8);
        QVERIFY(!trace_selection);
    }

    void rectangle_de_selection() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        d->Toolbar2_ButtonClick(QStringLiteral("fil"));
        tracer(d, {48, 16}, {96, 16});   // 1: ends inside (40..120, 8..30)
        tracer(d, {40, 16}, {96, 16});   // 2: an end on the edge
        tracer(d, {64, 24}, {104, 16});  // 3
        d->Toolbar2_ButtonClick(QStringLiteral("sélection"));

        QList<int> vus;
        QList<std::function<void(Param_fil*)>> actions;
        for (int n = 0; n < 2; ++n)
            actions.append([d, &vus](Param_fil* p) {
                const int k = nb_selections;
                LigneSansFenetre* f = d->fil.element(index_fil);
                QCOMPARE(aspect(f).couleur, 255u);
                QVERIFY(!d->Cadre->isEnabled());
                const QLineF l = ligne(f);
                const QRectF boite = QRectF(l.p1(), l.p2()).normalized();
                QCOMPARE(ligne(d->fil_selection[1].element(k)), QLineF(boite.topLeft(), boite.bottomLeft()));
                QCOMPARE(ligne(d->fil_selection[4].element(k)), QLineF(boite.bottomLeft(), boite.bottomRight()));
                for (int c = 1; c <= 4; ++c)
                    QVERIFY(d->fil_selection[c].element(k)->Visible() &&
                            d->fil_selection[c].element(k)->BorderColor() == 255);
                vus.append(index_fil);
                capture_pour_examen(d, QStringLiteral("fil_selectionne_%1").arg(index_fil));
                capture_pour_examen(p, QStringLiteral("Param_fil"));
                p->Command1_Click();
            });
        // Dragged up and left from the bottom right corner: the same wires, in index order, the
        // second dialog only after the first has closed.
        QCOMPARE(selectionner(d, {120, 30}, {40, 8}, actions), 2);
        QCOMPARE(vus, QList<int>({1, 3}));
        QCOMPARE(aspect(d->fil.element(1)), (Aspect{0, 2, 1}));
        QVERIFY(d->Cadre->isEnabled());
        for (int c = 1; c <= 4; ++c) QVERIFY(!d->fil_selection[c].element(nb_selections)->Visible());
        QCOMPARE(x_fin.toFloat(), 120.0f);
        // The hidden template lies inside too, and is never a wire.
        d->fil.Unload(1);
        d->fil.Unload(3);
        QCOMPARE(selectionner(d, {40, 8}, {120, 30}), 0);

        // A corner on a half: the corner swapped into the end goes through a whole number.
        d->Cadre_MouseDown(1, 0, 120.5f, 30);
        d->Cadre_MouseUp(1, 0, 40, 8);
        QCOMPARE(x_depart.toFloat(), 40.0f);
        QCOMPARE(x_fin.toFloat(), 120.0f);
        QCOMPARE(y_fin.toFloat(), 30.0f);

        // With neither tool a release hides the current set.
        d->Cadre_MouseDown(1, 0, 0, 0);
        d->Toolbar2_ButtonClick(QStringLiteral("Curseur"));
        d->Cadre_MouseUp(1, 0, 50, 50);
        QVERIFY(!d->fil_selection[2].element(nb_selections)->Visible());
    }

    void attente_du_dialogue() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        d->Toolbar2_ButtonClick(QStringLiteral("fil"));
        tracer(d, {48, 16}, {96, 16});
        d->Toolbar2_ButtonClick(QStringLiteral("sélection"));
        // A clearing, Param_fil2, a theme click or "Continuer" during the wait leave the sheet
        // disabled, and a second selection cannot start.
        selectionner(d, {40, 8}, {120, 30}, {[d](Param_fil* p) {
                         const int k = nb_selections;
                         MessagesScriptes boites;
                         boites.attendre(QStringLiteral("Initialisation: Voulez-vous tout effacer?"), vb::vbYes);
                         d->Toolbar2_ButtonClick(QStringLiteral("effacer"));
                         QCOMPARE(ligne(d->fil.element(1)), QLineF(-5000, -5000, -5000, -5000));
                         QVERIFY(p->isVisible());
                         d->Toolbar1_ButtonClick(QStringLiteral("Parametre_fil"));
                         Fenetre::obtenir<Param_fil2>()->Command1_Click();
                         cliquer(d->Label_elec[4]);
                         QVERIFY(!d->Cadre->isEnabled());
                         boites.attendre(VALIDER, vb::vbOK);
                         cliquer(d->Valid);
                         cliquer(d->Continue);
                         QVERIFY(!d->Cadre->isEnabled());
                         d->Cadre_MouseDown(1, 0, 0, 0);
                         QCOMPARE(int(nb_selections), k);
                         p->Command1_Click();
                     }});
        QVERIFY(d->Cadre->isEnabled());

        // A validated sheet stays disabled through Param_fil2.
        MessagesScriptes boites;
        boites.attendre(VALIDER, vb::vbOK);
        cliquer(d->Valid);
        d->Toolbar1_ButtonClick(QStringLiteral("Parametre_fil"));
        QVERIFY(!d->isEnabled());
        Fenetre::obtenir<Param_fil2>()->Command2_Click();
        QVERIFY(d->isEnabled() && !d->Cadre->isEnabled());

        // The window closed during the wait: the dialog goes with it, the wait ends.
        cliquer(d->Continue);
        d->Toolbar2_ButtonClick(QStringLiteral("fil"));
        tracer(d, {48, 16}, {96, 16});
        d->Toolbar2_ButtonClick(QStringLiteral("sélection"));
        boites.attendre(QUITTER, vb::vbYes);
        QCOMPARE(selectionner(d, {40, 8}, {120, 30},
                              {[d](Param_fil*) { d->Toolbar1_ButtonClick(QStringLiteral("Quitter")); }}),
                 1);
        QVERIFY(!Fenetre::si_chargee<Param_fil>());
        QTRY_VERIFY(!Fenetre::si_chargee<fenetre_dessin>());
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
    }

    void dialogue_du_fil() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        d->Toolbar2_ButtonClick(QStringLiteral("fil"));
        for (int i = 0; i < 6; ++i) tracer(d, {48, 16}, {96, 16});
        d->Toolbar2_ButtonClick(QStringLiteral("sélection"));
        couleur_fil_defaut = 255;
        d->fil.element(3)->BorderColor(0xFF0000);
        d->fil.element(3)->BorderWidth(4);
        auto valider = [](Param_fil* p) { p->Command2_Click(); };
        auto rouge = [](std::uint32_t depart) {
            return depart == 0x80000008 ? std::optional<std::uint32_t>(255) : std::nullopt;
        };
        selectionner(d, {40, 8}, {120, 30},
                     {// 1: the design state deletes, and the unticked box restores the standard look.
                      [&](Param_fil* p) {
                          QVERIFY(p->Option1->isChecked() && p->couleur_fil->isEnabled() && p->Check1->isEnabled());
                          QVERIFY(!p->Frame1->isEnabled() && !p->Option7->isEnabled());
                          valider(p);
                      },
                      // 2: changing the colour without touching the swatch.
                      [&](Param_fil* p) {
                          p->Option2->setChecked(true);
                          QVERIFY(!p->Option1->isChecked() && p->Option5->isChecked() && p->Option7->isChecked());
                          QVERIFY(p->Frame1->isEnabled() && p->Frame2->isEnabled());
                          valider(p);
                      },
                      // 3: the width and style interlock, then "Annuler" restores the look.
                      [&](Param_fil* p) {
                          cliquer(p->Option4);
                          QVERIFY(p->Option3->isEnabled());
                          p->Option3->setChecked(true);
                          cliquer(p->Option6);
                          QVERIFY(p->Option7->isChecked() && !p->Option3->isEnabled() && !p->Option7->isEnabled());
                          p->Option4->setChecked(true);
                          QVERIFY(p->Option7->isChecked() && p->Option3->isEnabled());
                          p->Command1_Click();
                      },
                      // 4: kept for the next wires; unticking resets first.
                      [&](Param_fil* p) {
                          p->Check1->setChecked(true);
                          p->Option8->setChecked(true);
                          p->Check1->setChecked(false);
                          QVERIFY(p->Option5->isChecked() && p->Option7->isChecked() && !p->Option8->isEnabled());
                          QCOMPARE(p->couleur_fil->BackColor(), 0u);
                          p->Check1->setChecked(true);
                          p->Option4->setChecked(true);
                          p->Option8->setChecked(true);
                          installer_crochet_couleur(rouge);
                          cliquer(p->couleur_fil);
                          installer_crochet_couleur([](std::uint32_t) { return std::optional<std::uint32_t>(); });
                          cliquer(p->couleur_fil);
                          QCOMPARE(p->couleur_fil->BackColor(), 255u);
                          valider(p);
                      },
                      // 5: the close box gives the wire its look back.
                      [&](Param_fil* p) {
                          d->fil.element(index_fil)->BorderStyle(3);
                          p->Unload();
                      }});
        QVERIFY(!d->fil.existe(1) && !d->fil_virtuel.existe(1));
        QCOMPARE(aspect(d->fil.element(2)), (Aspect{0x80000007, 2, 1}));
        QCOMPARE(aspect(d->fil.element(3)), (Aspect{0xFF0000, 4, 1}));
        QCOMPARE(aspect(d->fil.element(4)), (Aspect{255, 1, 4}));
        QCOMPARE(aspect(d->fil.element(5)), (Aspect{0, 2, 1}));
        QCOMPARE(nb_fils, 5);
        QCOMPARE(couleur_fil_defaut, 255u);
        QCOMPARE(epaisseur_fil_defaut, 1.0f);
        QCOMPARE(style_fil_defaut, 4);
        QVERIFY(d->Cadre->isEnabled());

        // The dialog opens on its design state again; a deletion with the box unticked puts
        // back the standard look that Param_fil2 had changed.
        d->Toolbar1_ButtonClick(QStringLiteral("Parametre_fil"));
        Param_fil2* p2 = Fenetre::obtenir<Param_fil2>();
        QVERIFY(p2->parent() == nullptr && !d->isEnabled());
        installer_crochet_couleur(rouge);
        cliquer(p2->couleur_fil);
        p2->Option6->setChecked(true);
        cliquer(p2->Command2);  // usable while the circuit window is disabled
        QCOMPARE(couleur_fil_defaut, 255u);
        QCOMPARE(epaisseur_fil_defaut, 4.0f);
        selectionner(d, {40, 8}, {120, 30}, {[&](Param_fil* p) {
                         QVERIFY(p->Option1->isChecked());
                         valider(p);
                     }});
        QCOMPARE(couleur_fil_defaut, 0u);
        QCOMPARE(epaisseur_fil_defaut, 2.0f);
        QCOMPARE(style_fil_defaut, 1);

        // Param_fil2's close box: the window and its sheet back, the design state next time.
        d->Toolbar1_ButtonClick(QStringLiteral("Parametre_fil"));
        p2->Option4->setChecked(true);
        QVERIFY(p2->Option3->isEnabled());
        p2->Option3->setChecked(true);
        p2->Unload();
        QVERIFY(d->isEnabled() && d->Cadre->isEnabled());
        d->Toolbar1_ButtonClick(QStringLiteral("Parametre_fil"));
        p2 = Fenetre::obtenir<Param_fil2>();
        capture_pour_examen(p2, QStringLiteral("Param_fil2"));
        QVERIFY(p2->Option5->isChecked() && p2->Option7->isChecked() && p2->Option7->isEnabled());
        QCOMPARE(p2->couleur_fil->BackColor(), 0x80000007u);
        p2->Command2_Click();
        QCOMPARE(couleur_fil_defaut, 0x80000007u);
        QCOMPARE(style_fil_defaut, 1);

        // The adaptation pass loads the dialogs only to rescale them: the sheet stays usable.
        adaptation_en_cours = true;
        Fenetre::decharger<Param_fil>();
        Fenetre::decharger<Param_fil2>();
        Fenetre::obtenir<Param_fil>();
        Fenetre::obtenir<Param_fil2>();
        adaptation_en_cours = false;
        QVERIFY(d->Cadre->isEnabled());
    }
};

QTEST_MAIN(TestFils)
#include "tst_fils.moc"
