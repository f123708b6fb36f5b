// The optics sheet's text notes: the dialog that adds and rewrites them, their menu, the mouse.
#include "circuit/etat_circuit.h"
#include "optics/editing/effacement.h"
#include "optics/notes/ajout_texte_optique.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/dialogues_communs.h"
#include "platform/ecran.h"
#include "platform/glisser.h"
#include "platform/menu_contextuel.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

namespace {
fenetre_dessin_optique* sur_un_theme() {
    auto* f = Fenetre::obtenir<fenetre_dessin_optique>();
    f->Show();
    f->Label_optique_Click(1);
    return f;
}

// The tool bar's "Insérer du texte", a text, "Valider".
void ecrire_note(fenetre_dessin_optique* f, const QString& texte) {
    f->bouton_optique(4)->trigger();
    taper(Fenetre::si_chargee<Ajout_texte_optique>()->Text1, texte);
    Fenetre::si_chargee<Ajout_texte_optique>()->Command2_Click();
}

QPoint coin(fenetre_dessin_optique* f, int i) { return f->Texte_ajout_Optique(i)->zone().topLeft().toPoint(); }
QString texte(fenetre_dessin_optique* f, int i) { return f->Texte_ajout_Optique(i)->Caption(); }

// The next menus open on the command of that name; the menus opened are noted.
QStringList ouverts;
void choisir(const QString& nom) {
    installer_crochet_menu_contextuel([nom](QMenu* m) {
        ouverts << m->objectName();
        return m->findChild<QAction*>(nom);
    });
}
}

class TestNotesOptique : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() {
        installer_crochet_police({});
        installer_crochet_menu_contextuel({});
        ouverts.clear();
    }

    void le_dialogue_ajoute_puis_reecrit() {
        fenetre_dessin_optique* f = sur_un_theme();
        f->cadre_optique->MousePointer(99);
        f->bouton_optique(4)->trigger();
        Ajout_texte_optique* a = Fenetre::si_chargee<Ajout_texte_optique>();
        QVERIFY(a->windowFlags().testFlag(Qt::Tool) && a->Text1->geometry() == QRect(72, 20, 249, 43));
        QVERIFY(a->focusWidget() == a->Text1 && f->cadre_optique->MousePointer() == 0);
        installer_crochet_police([](const ChoixPolice&) {
            return std::optional<ChoixPolice>({QStringLiteral("DejaVu Serif"), 14, false, true, false, true, 0xFF0000});
        });
        taper(a->Text1, QStringLiteral("lentille"));
        a->Command1_Click();
        capture_pour_examen(a, "ajout_texte_optique");
        a->Command2_Click();
        EtiquetteSansFenetre* n1 = f->Texte_ajout_Optique(1);
        QVERIFY(n1->Visible() && coin(f, 1) == QPoint(100, 130) && n1->Font().family() == "DejaVu Serif");
        QVERIFY(n1->ForeColor() == 0xFF0000u && nombre_textes == 1 && nb_textes_ajoutes == 1);
        capture_pour_examen(f, "notes_optique");

        // After circuit notes the numbers go on; an empty text is a note; the tenth, past the
        // column, takes its first place that covers no text: below the large note 1, whose top
        // is still its own, a click there opens its menu.
        nombre_textes = 3;
        ecrire_note(f, QString());
        QVERIFY(texte(f, 4).isEmpty() && coin(f, 4) == QPoint(100, 220));
        nombre_textes = 8;
        ecrire_note(f, QStringLiteral("miroir"));
        ecrire_note(f, QStringLiteral("rayon"));
        QVERIFY(coin(f, 9) == QPoint(100, 370) && coin(f, 10) == QPoint(100, 160) && nb_textes_ajoutes == 10);
        capture_pour_examen(f, "notes_optique_au_deuxieme_tour");
        choisir(QStringLiteral("aucune"));  // the menu dismissed
        souris::deplacer(f->cadre_optique, QPoint(103, 133));
        souris::appuyer(f->cadre_optique, QPoint(103, 133));
        souris::relacher(f->cadre_optique, QPoint(103, 133));
        QVERIFY(ouverts.size() == 1 && index_texte_optique == 1);
        ouverts.clear();

        // " Editer le texte" copies all but the font name; the close box keeps edit mode.
        choisir(QStringLiteral("mnuedittexteoptique"));
        f->Texte_ajout_Optique_Click(1);
        a = Fenetre::si_chargee<Ajout_texte_optique>();
        QVERIFY(ouverts == QStringList({"mnuflottanttexteoptique"}) && a->Text1->text() == "lentille");
        QVERIFY(a->Text1->font().pointSizeF() == 14 && a->Text1->font().family() != "DejaVu Serif");
        a->close();
        ecrire_note(f, QStringLiteral("source"));
        QVERIFY(texte(f, 1) == "source" && coin(f, 1) == QPoint(100, 130) && !edition_texte_optique);
        // " Effacer le texte", then "Valider" from the tool bar fills that note.
        choisir(QStringLiteral("mnueffacertexteoptique"));
        f->Texte_ajout_Optique_Click(9);
        QVERIFY(texte(f, 9).isEmpty());
        ecrire_note(f, QStringLiteral("oeil"));
        QVERIFY(texte(f, 9) == "oeil" && nombre_textes == 10);
    }

    void les_notes_ne_se_couvrent_pas_et_restent_sur_l_aire() {
        fenetre_dessin_optique* f = sur_un_theme();
        nombre_textes = 16;  // labels of the circuit sheet
        souris::appuyer(f->tableau("lampe")->element(0), QPoint(20, 20));  // a lamp at the first place
        souris::relacher(f->cadre_optique, QPoint(110, 140));
        const QRectF lampe = f->tableau("lampe")->element(1)->geometry();
        for (int n = 17; n <= 40; ++n)
            ecrire_note(f, n % 4 ? QStringLiteral("Jour %1").arg(n)
                                 : QStringLiteral("La Lune tourne autour de la Terre en un mois, note %1").arg(n));
        const QRectF aire(0, 0, f->cadre_optique->width(), f->cadre_optique->height());
        for (int i = 17; i <= 40; ++i) {
            const QRectF zone = f->Texte_ajout_Optique(i)->zone();
            QVERIFY2(aire.contains(zone) && !zone.intersects(lampe), qPrintable(texte(f, i)));
            for (int j = 17; j < i; ++j) QVERIFY2(!zone.intersects(f->Texte_ajout_Optique(j)->zone()), qPrintable(texte(f, i)));
        }
        capture_pour_examen(f, "notes_optique_nombreuses");
        // A cleared sheet has its first place free again.
        effacer_dessin();
        ecrire_note(f, QStringLiteral("Nuit"));
        QCOMPARE(coin(f, 41), QPoint(100, 130));
    }

    void une_note_invisible_ne_prend_pas_le_texte() {
        demarrer_programme();
        fenetre_dessin_optique* f = sur_un_theme();
        ecrire_note(f, QStringLiteral("lune"));
        index_texte_optique = 7;  // a note the sheet lacks
        mnueffacertexteoptique_Click();
        mnuedittexteoptique_Click();
        QVERIFY(!edition_texte_optique && !Fenetre::si_chargee<Ajout_texte_optique>());
        index_texte_optique = 1;
        mnueffacertexteoptique_Click();
        effacer_dessin();
        ecrire_note(f, QStringLiteral("soleil"));
        QVERIFY(texte(f, 1).isEmpty() && texte(f, 2) == "soleil" && coin(f, 2) == QPoint(100, 160));
        // The dialog closes with the sheet; the next sheet has no note 2 to rewrite.
        index_texte_optique = 2;
        mnuedittexteoptique_Click();
        MessagesScriptes boites;
        boites.attendre(QStringLiteral("Voulez-vous vraiment quitter le module schématisation?"), vb::vbYes);
        f->Unload();
        QTRY_VERIFY(!Fenetre::si_chargee<Ajout_texte_optique>());
        f = sur_un_theme();
        ecrire_note(f, QStringLiteral("terre"));
        QVERIFY(f->Texte_ajout_Optique(3) && texte(f, 3) == "terre");
    }

    void les_notes_sous_la_souris() {
        fenetre_dessin_optique* f = sur_un_theme();
        for (const char* t : {"un", "deux", "trois"}) ecrire_note(f, QString::fromLatin1(t));
        QWidget* aire = f->cadre_optique;
        souris::deplacer(aire, QPoint(104, 163));  // over note 2
        QVERIFY(glisse_texte && glisser::DragMode(f->Texte_ajout_Optique(2)) == glisser::automatique);
        QVERIFY(x_depart.toFloat() == 4 && y_depart.toFloat() == 3);
        ecran::fixer_twips_par_pixel(12, 12);
        f->Texte_ajout_Optique_MouseDown(3, 1, 0, 45, 30);
        QVERIFY(x_depart.toFloat() == 3.75f && y_depart.toFloat() == 2.5f);
        ecran::fixer_twips_par_pixel(15, 15);

        glisse_texte = false;
        souris::appuyer(aire, QPoint(103, 192), Qt::RightButton);
        QVERIFY(glisse_texte);
        souris::relacher(aire, QPoint(103, 192), Qt::RightButton);
        choisir(QStringLiteral("mnueffacertexteoptique"));
        souris::appuyer(aire, QPoint(103, 192));
        souris::relacher(aire, QPoint(103, 192));
        QVERIFY(ouverts.size() == 1 && index_texte_optique == 3 && texte(f, 3).isEmpty());

        // Dropped on the area: in front of the notes, in manual mode.
        glisser_souris(aire, QPoint(103, 162), {QPoint(100, 100)}, QPoint(100, 50));
        QVERIFY(coin(f, 2) == QPoint(97, 48) && !glisse_texte && glisser::DragMode(f->Texte_ajout_Optique(2)) == 0);
        QCOMPARE(CoucheSansFenetre::de(aire)->elements().last(), f->Texte_ajout_Optique(2));
        // Released outside the area, or over a lamp: still armed.
        glisser_souris(aire, QPoint(100, 132), {QPoint(60, 132)}, QPoint(-60, 132));
        QVERIFY(coin(f, 1) == QPoint(100, 130) && glisse_texte);
        souris::appuyer(f->tableau("lampe")->element(0), QPoint(20, 20));
        souris::deplacer(aire, QPoint(250, 250));
        souris::relacher(aire, QPoint(250, 250));
        glisser_souris(aire, QPoint(100, 132), {QPoint(150, 200)}, QPoint(250, 250));
        QVERIFY(coin(f, 1) == QPoint(250, 248) && glisse_texte && glisser::DragMode(f->Texte_ajout_Optique(1)) == 1);
        capture_pour_examen(f, "notes_optique_glissees");
    }
};

QTEST_MAIN(TestNotesOptique)
#include "tst_notes_optique.moc"
