// The optics sheet's text notes: the dialog that adds and rewrites them, the note menu, and the
// notes under the mouse (armed by the pointer, clicked, dragged onto the area or an element).
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
// The optics window on its first theme, as the pupil opens it.
fenetre_dessin_optique* feuille() {
    auto* f = Fenetre::obtenir<fenetre_dessin_optique>();
    f->Show();
    f->Label_optique_Click(1);
    QCoreApplication::processEvents();
    return f;
}

// The tool bar's "Insérer du texte", a text, "Valider".
void ecrire_note(fenetre_dessin_optique* f, const QString& texte) {
    f->bouton_optique(4)->trigger();
    Ajout_texte_optique* a = Fenetre::si_chargee<Ajout_texte_optique>();
    QVERIFY(a && a->isVisible());
    taper(a->Text1, texte);
    a->Command2_Click();
    QVERIFY(!Fenetre::si_chargee<Ajout_texte_optique>());
}

QPoint coin(const EtiquetteSansFenetre* e) { return e->zone().topLeft().toPoint(); }

// Chooses the named command in the next menu that opens, and notes the menus opened.
struct Menus {
    QStringList ouverts;
    QString choix;
    Menus() {
        installer_crochet_menu_contextuel([this](QMenu* m) -> QAction* {
            ouverts << m->objectName();
            for (QAction* a : m->actions())
                if (a->objectName() == choix) return a;
            return nullptr;
        });
    }
    ~Menus() { installer_crochet_menu_contextuel({}); }
};
}

class TestNotesOptique : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() { installer_crochet_police({}); }

    void le_dialogue_ajoute_puis_reecrit() {
        fenetre_dessin_optique* f = feuille();
        f->bouton_optique(1)->trigger();
        f->cadre_optique->MousePointer(99);
        f->bouton_optique(4)->trigger();
        Ajout_texte_optique* a = Fenetre::si_chargee<Ajout_texte_optique>();
        QVERIFY(a->isVisible() && a->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(a->client()->size(), QSize(354, 126));
        QCOMPARE(a->Text1->geometry(), QRect(72, 20, 249, 43));
        QCOMPARE(a->Command2->geometry(), QRect(144, 92, 89, 19));
        QWidgetList tabulation{a->Text1};
        for (QWidget* w = a->Text1->nextInFocusChain(); w != a->Text1; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) tabulation << w;
        QCOMPARE(tabulation, QWidgetList({a->Text1, a->Command1, a->Command2}));
        QCOMPARE(a->focusWidget(), static_cast<QWidget*>(a->Text1));
        // The tool stays chosen behind the default pointer.
        QVERIFY(f->cadre_optique->MousePointer() == 0 && f->bouton_optique(1)->isChecked());

        // The font dialog opens on the same choice every time; Cancel keeps Text1's style.
        QList<ChoixPolice> departs;
        std::optional<ChoixPolice> reponse = ChoixPolice{};
        reponse->FontName = QStringLiteral("DejaVu Serif");
        reponse->FontSize = 14;
        reponse->FontItalic = reponse->FontUnderline = true;
        reponse->Color = 0xFF0000;
        installer_crochet_police([&](const ChoixPolice& depart) {
            departs << depart;
            return reponse;
        });
        taper(a->Text1, QStringLiteral("lentille"));
        a->Command1_Click();
        reponse.reset();
        a->Command1_Click();
        QCOMPARE(departs.size(), 2);
        QVERIFY(departs[1].FontName == "MS Sans Serif" && departs[1].FontSize == 8 && !departs[1].FontItalic);
        QVERIFY(a->Text1->font().italic() && a->couleur_Text1() == 0xFF0000u);
        capture_pour_examen(a, "ajout_texte_optique");

        // The first note of the run: number 1 at (100, 130), with Text1's text and style.
        a->Command2_Click();
        EtiquetteSansFenetre* n1 = f->Texte_ajout_Optique(1);
        QVERIFY(n1 && n1->Visible() && n1->Caption() == "lentille" && coin(n1) == QPoint(100, 130));
        QVERIFY(n1->Font().italic() && n1->Font().underline() && n1->Font().family() == "DejaVu Serif");
        QCOMPARE(n1->ForeColor(), 0xFF0000u);
        QVERIFY(nombre_textes == 1 && nb_textes_ajoutes == 1);
        capture_pour_examen(f, "notes_optique");

        // After notes of the circuit sheet the numbers go on; an empty text is a note too. The
        // tenth note of the column starts again at the top, inside the 400-pixel area.
        nombre_textes = 3;
        ecrire_note(f, QString());
        QVERIFY(f->Texte_ajout_Optique(4)->Caption().isEmpty() && coin(f->Texte_ajout_Optique(4)) == QPoint(100, 220));
        nombre_textes = 8;
        ecrire_note(f, QStringLiteral("miroir"));
        ecrire_note(f, QStringLiteral("rayon"));
        QCOMPARE(coin(f->Texte_ajout_Optique(9)), QPoint(100, 370));
        QCOMPARE(coin(f->Texte_ajout_Optique(10)), QPoint(100, 130));
        QVERIFY(haut_note_optique(18) == 370 && haut_note_optique(19) == 130);
        QCOMPARE(nb_textes_ajoutes, std::int16_t(10));

        // " Editer le texte": the text and six properties, not the font name; the close box
        // keeps edit mode, so "Valider" from the tool bar rewrites that note in place.
        Menus menus;
        menus.choix = QStringLiteral("mnuedittexteoptique");
        f->Texte_ajout_Optique_Click(1);
        QCOMPARE(menus.ouverts, QStringList({"mnuflottanttexteoptique"}));
        a = Fenetre::si_chargee<Ajout_texte_optique>();
        QVERIFY(a->Text1->text() == "lentille" && a->Text1->font().italic() && a->Text1->font().pointSizeF() == 14);
        QVERIFY(a->couleur_Text1() == 0xFF0000u && a->Text1->font().family() != "DejaVu Serif");
        a->close();
        QVERIFY(edition_texte_optique);
        ecrire_note(f, QStringLiteral("source"));
        QVERIFY(n1->Caption() == "source" && coin(n1) == QPoint(100, 130) && n1->Font().family() != "DejaVu Serif");
        QVERIFY(!edition_texte_optique && nombre_textes == 10);

        // " Effacer le texte" empties the note; the next "Valider" fills it again.
        menus.choix = QStringLiteral("mnueffacertexteoptique");
        f->Texte_ajout_Optique_Click(9);
        QVERIFY(f->Texte_ajout_Optique(9)->Caption().isEmpty() && edition_texte_optique);
        ecrire_note(f, QStringLiteral("oeil"));
        QVERIFY(f->Texte_ajout_Optique(9)->Caption() == "oeil" && nombre_textes == 10);
    }

    void une_note_invisible_ne_prend_pas_le_texte() {
        demarrer_programme();
        fenetre_dessin_optique* f = feuille();
        ecrire_note(f, QStringLiteral("lune"));
        // A command on a note the sheet lacks, or on the template, does nothing.
        for (int i : {0, 7}) {
            index_texte_optique = std::int16_t(i);
            mnueffacertexteoptique_Click();
            mnuedittexteoptique_Click();
            QVERIFY(!edition_texte_optique && !Fenetre::si_chargee<Ajout_texte_optique>());
        }
        // Edit mode on a note the clearing moved away: the text goes into a new note.
        index_texte_optique = 1;
        mnueffacertexteoptique_Click();
        effacer_dessin();
        ecrire_note(f, QStringLiteral("soleil"));
        QVERIFY(f->Texte_ajout_Optique(1)->Caption().isEmpty() && f->Texte_ajout_Optique(2)->Caption() == "soleil");
        QCOMPARE(coin(f->Texte_ajout_Optique(2)), QPoint(100, 160));

        // Closing the sheet closes the dialog; edit mode outlives the sheet, whose next opening
        // has no note 2: "Valider" adds note 3.
        index_texte_optique = 2;
        mnuedittexteoptique_Click();
        QVERIFY(Fenetre::si_chargee<Ajout_texte_optique>());
        MessagesScriptes boites;
        boites.attendre(QStringLiteral("Voulez-vous vraiment quitter le module schématisation?"), vb::vbYes);
        f->Unload();
        QTRY_VERIFY(!Fenetre::si_chargee<Ajout_texte_optique>());
        QVERIFY(edition_texte_optique);
        f = feuille();
        ecrire_note(f, QStringLiteral("terre"));
        QVERIFY(f->Texte_ajout_Optique(3) && f->Texte_ajout_Optique(3)->Caption() == "terre");
    }

    void les_notes_sous_la_souris() {
        fenetre_dessin_optique* f = feuille();
        for (const char* t : {"un", "deux", "trois"}) ecrire_note(f, QString::fromLatin1(t));
        EtiquetteSansFenetre* n2 = f->Texte_ajout_Optique(2);
        EtiquetteSansFenetre* n3 = f->Texte_ajout_Optique(3);
        QWidget* aire = f->cadre_optique;

        // Passing over note 2 arms it with the pointer's offset in pixels.
        souris::deplacer(aire, QPoint(104, 163));
        QVERIFY(glisse_texte && glisser::DragMode(n2) == glisser::automatique);
        QVERIFY(x_depart.toFloat() == 4 && y_depart.toFloat() == 3);
        // The offset comes in twips: (45, 30) is (3, 2) pixels at 15 twips a pixel, (3.75, 2.5) at 12.
        glisse_texte = false;
        f->Texte_ajout_Optique_MouseDown(3, 2, 0, 45, 30);
        QVERIFY(glisse_texte && x_depart.toFloat() == 3 && y_depart.toFloat() == 2);
        ecran::fixer_twips_par_pixel(12, 12);
        f->Texte_ajout_Optique_MouseDown(3, 1, 0, 45, 30);
        QVERIFY(x_depart.toFloat() == 3.75f && y_depart.toFloat() == 2.5f);
        ecran::fixer_twips_par_pixel(15, 15);

        // A right press arms; a left click opens the note's menu.
        glisse_texte = false;
        souris::appuyer(aire, QPoint(103, 192), Qt::RightButton);
        souris::relacher(aire, QPoint(103, 192), Qt::RightButton);
        QVERIFY(glisse_texte);
        Menus menus;
        menus.choix = QStringLiteral("mnueffacertexteoptique");
        souris::appuyer(aire, QPoint(103, 192));
        souris::relacher(aire, QPoint(103, 192));
        QCOMPARE(menus.ouverts, QStringList({"mnuflottanttexteoptique"}));
        QVERIFY(index_texte_optique == 3 && n3->Caption().isEmpty());

        // Dragged from (3, 2) and released over the bare area: its corner under the release
        // point less the offset, in front of the other notes, back in manual mode.
        glisser_souris(aire, QPoint(103, 162), {QPoint(100, 100)}, QPoint(100, 50));
        QCOMPARE(coin(n2), QPoint(97, 48));
        QVERIFY(!glisse_texte && glisser::DragMode(n2) == glisser::manuel);
        const auto& pile = CoucheSansFenetre::de(aire)->elements();
        QVERIFY(pile.indexOf(n2) > pile.indexOf(n3) && pile.indexOf(n2) > pile.indexOf(f->Texte_ajout_Optique(1)));

        // Released outside the area: it stays, armed.
        glisser_souris(aire, QPoint(100, 132), {QPoint(60, 132)}, QPoint(-60, 132));
        QVERIFY(coin(f->Texte_ajout_Optique(1)) == QPoint(100, 130) && glisse_texte);
        // Released over a lamp: moved by the lamp's corner and the pointer's place on it, still armed.
        souris::appuyer(f->tableau("lampe")->element(0), QPoint(20, 20));
        souris::deplacer(aire, QPoint(250, 250));
        souris::relacher(aire, QPoint(250, 250));
        BoitePicture* lampe = f->tableau("lampe")->element(1);
        QVERIFY(lampe && lampe->isVisible());
        glisser_souris(aire, QPoint(100, 132), {QPoint(150, 200)}, QPoint(250, 250));
        QCOMPARE(coin(f->Texte_ajout_Optique(1)), QPoint(250, 248));
        QVERIFY(glisse_texte && glisser::DragMode(f->Texte_ajout_Optique(1)) == glisser::automatique);
        capture_pour_examen(f, "notes_optique_glissees");
    }
};

QTEST_MAIN(TestNotesOptique)
#include "tst_notes_optique.moc"
