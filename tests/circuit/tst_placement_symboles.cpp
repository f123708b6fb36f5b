// Symbols onto the circuit sheet: palette drops, moves, the grid, the leads, drops on a placed
// symbol and the drag image, by the handlers and through mouse events on the window.
#include "circuit/ajout_texte.h"
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "frame/form1.h"
#include "platform/dialogues_communs.h"
#include "platform/glisser.h"
#include "platform/messages.h"
#include "platform/menu_contextuel.h"
#include "platform/pointeurs.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QtTest>

namespace {
std::size_t type(const char* tableau) {
    for (std::size_t k = 0; k < types_composants.size(); ++k)
        if (qstrcmp(types_composants[k].tableau, tableau) == 0) return k;
    return 0;
}

fenetre_dessin* ouvrir_sur_un_theme() {
    Form1* f = demarrer_programme();
    f->Show();
    cliquer(f->Picture11);
    fenetre_dessin* d = Fenetre::si_chargee<fenetre_dessin>();
    d->Command1_Click();
    cliquer(d->Label_elec[4]);
    return d;
}

// A palette item (index 0) or a placed symbol grabbed at the grab point and dropped on the sheet.
int deposer(fenetre_dessin* d, const char* tableau, int index, QPointF prise, QPointF lache) {
    const std::size_t k = type(tableau);
    d->symbole_MouseDown(k, index, 1, float(prise.x()), float(prise.y()));
    glisser::Drag(d->symboles[k].element(index), glisser::annuler);
    d->Cadre_DragDrop(d->symboles[k].element(index), float(lache.x()), float(lache.y()));
    return nb_composants.toInt();
}

QRectF zone(const FormeSansFenetre* f) { return QRectF(f->Left(), f->Top(), f->Width(), f->Height()); }
}

class TestPlacementSymboles : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void placement_sur_la_grille_et_traits() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        QCOMPARE(deposer(d, "Pile1", 0, {10, 20}, {100, 75}), 1);
        BoitePicture* p = d->symbole("Pile1").element(1);
        QCOMPARE(p->parentWidget(), d->Cadre);
        QCOMPARE(p->geometry(), QRect(88, 48, 32, 32));
        QVERIFY(p->isVisible());
        QCOMPARE(zone(d->traitap.element(1)), QRectF(120, 64, 34, 1));
        QCOMPARE(zone(d->traitav.element(1)), QRectF(55, 64, 34, 1));
        QVERIFY(d->symbole("Pile1").element(0)->parentWidget() == d->Frame_pile);

        QCOMPARE(deposer(d, "diode1", 0, {0, 0}, {200, 200}), 2);
        QVERIFY(d->traitav.existe(2) && d->traitap.existe(2));
        QCOMPARE(deposer(d, "Pile4", 0, {16, 16}, {100, 100}), 3);
        BoitePicture* p4 = d->symbole("Pile4").element(3);
        QCOMPARE(p4->pos(), QPoint(80, 80));
        QCOMPARE(zone(d->traitap.element(3)), QRectF(96, 48, 1, 34));
        QCOMPARE(zone(d->traitav.element(3)), QRectF(96, 112, 1, 34));

        // Down to the grid line at or below, never clamped; a move keeps the index and lays
        // both leads afresh.
        const struct { double lache, attendu; } plancher[] = {{7.9, 0}, {8, 8}, {13.5, 8}, {-0.5, -8}};
        for (const auto& c : plancher) {
            QCOMPARE(deposer(d, "Pile1", 1, {0, 0}, {c.lache, 296 + c.lache}), 3);
            QCOMPARE(p->pos(), QPoint(int(c.attendu), 296 + int(c.attendu)));
            QCOMPARE(x_depot.toDouble(), c.attendu);
        }
        QCOMPARE(zone(d->traitav.element(1)), QRectF(-41, p->y() + 16, 34, 1));
    }

    void index_epuises_et_drops_refuses() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        nb_composants = 32767;
        QCOMPARE(deposer(d, "Lampe1", 0, {0, 0}, {50, 50}), 32767);
        QVERIFY(!d->symbole("Lampe1").existe(32767) && !d->traitap.existe(32767));
        nb_composants = 4;
        deposer(d, "Lampe1", 0, {0, 0}, {96, 64});
        x_depot = 7.0f;
        // Anything over a palette item, or a symbol over a placed one: nothing.
        d->symbole_DragDrop(type("Lampe1"), 5, d->symbole("Pile1").element(0), 4, 4);
        d->symbole_DragDrop(type("Lampe1"), 0, d->symbole("Lampe1").element(5), 4, 4);
        QCOMPARE(x_depot.toFloat(), 7.0f);
        QCOMPARE(nb_composants.toInt(), 5);

        // A label over a placed symbol lands as over the grid, unless the pointer was a symbol's.
        EtiquetteSansFenetre* e = d->Texte_ajout.Load(1);
        x_depart = 3.0f;
        y_depart = 2.0f;
        deplacement_texte = -1;
        pointeurs::definir(d, 5);
        d->symbole_DragDrop(type("Lampe1"), 5, e, 10, 4);
        QCOMPARE(deplacement_texte, std::int16_t(-1));
        QVERIFY(!e->Visible());
        pointeurs::definir(d, 0);
        d->symbole_DragDrop(type("Lampe1"), 5, e, 10, 4);
        QCOMPARE(QPointF(e->Left(), e->Top()), QPointF(103, 66));
        QVERIFY(e->Visible());
        QCOMPARE(deplacement_texte, std::int16_t(0));
        // The template label does not move, and the flag is cleared all the same.
        deplacement_texte = -1;
        const QPointF avant(d->Texte_ajout.element(0)->Left(), d->Texte_ajout.element(0)->Top());
        d->Cadre_DragDrop(d->Texte_ajout.element(0), 200, 200);
        QCOMPARE(QPointF(d->Texte_ajout.element(0)->Left(), d->Texte_ajout.element(0)->Top()), avant);
        QCOMPARE(deplacement_texte, std::int16_t(0));
    }

    void image_du_glisser() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        BoitePicture* palette = d->symbole("Pile2").element(0);
        QCOMPARE(glisser::DragIcon(palette), d->icone->Picture());
        d->Cadre_DragOver(palette, 1, 1, glisser::entree);
        QVERIFY(glisser::DragIcon(palette).isNull());
        deposer(d, "Pile2", 0, {0, 0}, {40, 40});
        QVERIFY(glisser::DragIcon(d->symbole("Pile2").element(1)).isNull());
        d->Cadre_DragOver(palette, 1, 1, glisser::sortie);
        QCOMPARE(glisser::DragIcon(palette), d->icone->Picture());
    }

    void glisser_a_la_souris() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        Toolbar_montrer_pile(d);
        BoitePicture* palette = d->symbole("Pile1").element(0);
        auto vers = [&](QPoint cadre) { return palette->mapFromGlobal(d->Cadre->mapToGlobal(cadre)); };
        glisser_souris(palette, {10, 20}, {vers({60, 60})}, vers({100, 75}));
        QVERIFY(d->symbole("Pile1").existe(1));
        BoitePicture* p = d->symbole("Pile1").element(1);
        QCOMPARE(p->pos(), QPoint(88, 48));
        // The white corner of a placed symbol lets the drop through to the sheet: a second
        // symbol released there moves there.
        QCOMPARE(p->Picture().pixel(1, 1), qRgb(255, 255, 255));
        glisser_souris(palette, {0, 0}, {vers({30, 30})}, vers({89, 49}));
        BoitePicture* q = d->symbole("Pile1").element(2);
        QVERIFY(q);
        QCOMPARE(q->pos(), QPoint(88, 48));
        capture_pour_examen(d, "circuit_symboles_places");
    }

    void mouvement_sur_un_symbole() {
        // A move over a placed symbol's figure is the symbol's: the sheet's move handler never
        // sees it. A move over the bare sheet, or over the symbol's white hole, is the sheet's.
        fenetre_dessin* d = ouvrir_sur_un_theme();
        deposer(d, "Lampe1", 0, {0, 0}, {96, 96});
        BoitePicture* s = d->symbole("Lampe1").element(1);
        QObject garde;
        int au_cadre = 0;
        connect(d->Cadre, &BoitePicture::MouseMove, &garde, [&au_cadre] { ++au_cadre; });
        const QRegion figure = s->mask();
        QVERIFY(!figure.isEmpty());
        for (const QRect& r : figure) souris::deplacer(s, r.center());
        QCOMPARE(au_cadre, 0);
        QCOMPARE(pointeurs::valeur(d), 5);
        QVERIFY(!figure.contains(QPoint(1, 1)));
        souris::deplacer(s, {1, 1});
        QCOMPARE(au_cadre, 1);
        souris::deplacer(d->Cadre, {300, 300});
        QCOMPARE(au_cadre, 2);
    }

    void touches_des_outils() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        auto cle = [d](int bouton) { d->boutons_Toolbar2[std::size_t(bouton)]->trigger(); };
        auto montrees = [d] {
            QList<bool> v;
            for (CadreGroupe* p : d->palettes) v << p->isVisible();
            return v;
        };
        cle(25);  // "fil"
        QVERIFY(outil_fil.toBool() && d->Value(25));
        QCOMPARE(d->Cadre->MousePointer(), 99);
        QVERIFY(!pointeurs::icone(d->Cadre).isNull());
        cle(30);  // "texte" keeps the wire mode with the standard pointer
        QVERIFY(outil_fil.toBool() && d->Value(25));
        QCOMPARE(d->Cadre->MousePointer(), 0);
        cle(19);  // "pile"
        QCOMPARE(montrees(), QList<bool>({true, false, false, false, false, false}));
        QVERIFY(!outil_fil.toBool() && d->Value(19) && !d->Value(25));
        cle(32);  // "Curseur" leaves the palette and its button as they are
        QVERIFY(d->Frame_pile->isVisible() && d->Value(19));
        cle(25);
        cle(32);
        QVERIFY(!d->Value(25) && !outil_fil.toBool());
        cle(22);  // "diode"
        cle(27);  // "sélection": no palette, no group button pressed
        QCOMPARE(montrees(), QList<bool>(6, false));
        for (int b = 19; b <= 25; ++b) QVERIFY(!d->Value(b));
        QCOMPARE(outil_selection, std::int16_t(-1));
        QCOMPARE(d->Cadre->MousePointer(), 99);
    }

    // Both lamps show the same circle: their palette draws each one's leads beside it, across
    // for Lampe1 and up and down for Lampe2, above the hint.
    void palette_des_lampes_et_leurs_traits() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        d->Frame_lampe->show();
        QImage image(d->Frame_lampe->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        d->Frame_lampe->render(&image);
        const auto noir = [&](int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); };
        const QPoint lampe1(16, 24), lampe2(72, 24);  // the palette items' corners
        for (int hors : {-4, 36}) {  // just outside the item, on either side
            QVERIFY(noir(lampe1.x() + hors, lampe1.y() + 16) && !noir(lampe1.x() + 16, lampe1.y() + hors));
            QVERIFY(noir(lampe2.x() + 16, lampe2.y() + hors) && !noir(lampe2.x() + hors, lampe2.y() + 16));
        }
    }

    void pointeur_de_la_fenetre() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        d->Frame_lampe->show();
        BoitePicture* lampe = d->symbole("Lampe1").element(0);
        souris::deplacer(lampe, {10, 10});
        QCOMPARE(pointeurs::valeur(d), 5);
        souris::deplacer(d->Valid, {10, 10});  // the buttons leave it as it is
        QCOMPARE(pointeurs::valeur(d), 5);
        QCOMPARE(pointeurs::forme_montree(d->Valid), Qt::SizeAllCursor);
        souris::deplacer(d->Frame_lampe, {2, 60});
        QCOMPARE(pointeurs::valeur(d), 0);
        souris::deplacer(lampe, {10, 10});
        souris::deplacer(d->Savoir, {300, 462});
        QCOMPARE(pointeurs::valeur(d), 0);
        souris::deplacer(lampe, {10, 10});
        souris::deplacer(d->client(), {2, 300});
        QCOMPARE(pointeurs::valeur(d), 0);
    }

    void menu_du_symbole() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        QStringList ouverts;
        QAction* choix = nullptr;
        installer_crochet_menu_contextuel([&](QMenu* m) {
            ouverts << m->title();
            return choix;
        });
        deposer(d, "Pile1", 0, {0, 0}, {100, 100});
        deposer(d, "Lampe1", 0, {0, 0}, {200, 100});
        deposer(d, "Lampe2", 0, {0, 0}, {300, 200});
        // A right press on a palette item records the code only.
        index_composant = 1;
        d->symbole_MouseDown(type("Lampe1"), 0, 2, 3, 3);
        QCOMPARE(type_composant.toInt(), 6);
        QCOMPARE(index_composant, std::int16_t(1));
        QVERIFY(ouverts.isEmpty() && !glisser::en_cours());

        BoitePicture* lampe = d->symbole("Lampe1").element(2);
        choix = d->mnurouge;
        d->symbole_DblClick(type("Lampe1"), 2);
        QCOMPARE(ouverts, QStringList({"flottant"}));
        QCOMPARE(lampe->Picture(), d->images_rouges[type("Lampe1")]);
        QCOMPARE(d->traitav.element(2)->BorderColor(), 0xFFu);
        capture_pour_examen(d, "circuit_symbole_rouge");
        d->symbole_MouseDown(type("Lampe2"), 3, 2, 3, 3);
        QCOMPARE(d->symbole("Lampe2").element(3)->Picture(), lampe->Picture());
        choix = d->mnunoir;
        d->symbole_MouseDown(type("Lampe1"), 2, 2, 3, 3);
        QCOMPARE(lampe->Picture(), d->images_noires[type("Lampe1")]);
        QCOMPARE(d->traitap.element(2)->BorderColor(), 0u);

        // Removed: the symbol and its leads hidden, the next drop takes a new index.
        choix = d->mnueffacer;
        d->symbole_MouseDown(type("Pile1"), 1, 2, 3, 3);
        QCOMPARE(type_composant.toInt(), 1);
        QVERIFY(d->symbole("Pile1").element(1)->isHidden());
        QVERIFY(!d->traitav.element(1)->Visible() && !d->traitap.element(1)->Visible());
        QCOMPARE(deposer(d, "Pile1", 0, {0, 0}, {100, 100}), 4);

        // Through the window: a double click opens the menu and moves nothing.
        choix = nullptr;
        ouverts.clear();
        BoitePicture* p = d->symbole("Pile1").element(4);
        const QPoint avant = p->pos();
        QCOMPARE(p->Picture().pixel(2, 16), qRgb(0, 0, 0));  // on the lead axis
        souris::double_clic(p, {2, 16});
        QCOMPARE(ouverts, QStringList({"flottant"}));
        QCOMPARE(p->pos(), avant);
        QCOMPARE(nb_composants.toInt(), 4);
        installer_crochet_menu_contextuel({});
    }

    void etiquettes_de_texte() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        QList<ChoixPolice> departs;
        installer_crochet_police([&](const ChoixPolice& depart) {
            departs << depart;
            ChoixPolice c;
            c.FontName = QStringLiteral("DejaVu Serif");
            c.FontSize = 14;
            c.FontBold = true;
            c.Color = 0xFF;
            return std::optional<ChoixPolice>(c);
        });
        auto valider = [d](const QString& texte, bool police) {
            d->Toolbar2_ButtonClick(QStringLiteral("texte"));
            Ajout_texte* a = Fenetre::si_chargee<Ajout_texte>();
            a->Text1->setText(texte);
            if (police) a->Command1_Click();
            a->Command2_Click();
            QVERIFY(!Fenetre::si_chargee<Ajout_texte>());
        };
        nombre_textes = 3;  // three notes of the optics sheet
        valider(QStringLiteral("pile"), true);
        valider(QStringLiteral("lampe"), true);
        QCOMPARE(departs.size(), 2);
        QCOMPARE(departs[1].FontName, QStringLiteral("MS Sans Serif"));
        QCOMPARE(departs[1].FontSize, 8.0);
        QVERIFY(!departs[1].FontBold && departs[1].Color == 0);
        EtiquetteSansFenetre* e4 = d->Texte_ajout.element(4);
        QCOMPARE(QPointF(e4->Left(), e4->Top()), QPointF(100, 220));
        QCOMPARE(e4->Caption(), QStringLiteral("pile"));
        QVERIFY(e4->Font().bold() && e4->ForeColor() == 0xFFu && e4->Font().family() == "DejaVu Serif");
        QCOMPARE(nb_textes_ajoutes, std::int16_t(5));
        for (int i = 6; i <= 12; ++i) valider(QString(), false);  // an empty text takes its number

        // "Editer": all but the font name; closing by the box keeps edit mode.
        index_texte = 4;
        d->mnuedittexte_Click();
        Ajout_texte* a = Fenetre::si_chargee<Ajout_texte>();
        QCOMPARE(a->Text1->text(), QStringLiteral("pile"));
        QVERIFY(a->Text1->font().bold() && a->couleur_Text1() == 0xFFu);
        QVERIFY(a->Text1->font().family() != "DejaVu Serif");
        capture_pour_examen(a, "circuit_ajout_texte");
        capture_pour_examen(d, "circuit_etiquettes");
        a->close();
        QVERIFY(edition_texte.toBool());
        // "Effacer le texte", then "Valider" fills that label, the counter kept.
        index_texte = 5;
        d->mnueffacertexte_Click();
        QVERIFY(d->Texte_ajout.element(5)->Caption().isEmpty());
        valider(QStringLiteral("moteur"), false);
        QCOMPARE(d->Texte_ajout.element(5)->Caption(), QStringLiteral("moteur"));
        QCOMPARE(nombre_textes, 12);
        // Edit mode for a label the sheet lacks adds a new one.
        edition_texte = true;
        index_texte = 300;
        valider(QStringLiteral("fil"), false);
        QCOMPARE(d->Texte_ajout.element(13)->Caption(), QStringLiteral("fil"));
        // None past the last number.
        nombre_textes = 32767;
        valider(QStringLiteral("trop"), false);
        QCOMPARE(nombre_textes, 32767);
        installer_crochet_police({});

        // The dialog closes with the circuit window.
        d->Toolbar2_ButtonClick(QStringLiteral("texte"));
        MessagesScriptes boites;
        boites.attendre(QStringLiteral("Voulez-vous vraiment quitter le module schématisation?"), vb::vbYes);
        d->Unload();
        QTRY_VERIFY(!Fenetre::si_chargee<Ajout_texte>());
    }

    void les_etiquettes_ne_se_couvrent_pas_et_restent_sur_la_feuille() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        const auto ecrire = [d](const QString& texte) {
            d->Toolbar2_ButtonClick(QStringLiteral("texte"));
            Ajout_texte* a = Fenetre::si_chargee<Ajout_texte>();
            taper(a->Text1, texte);
            souris::appuyer(a->Command2, QPoint(5, 5));
            souris::relacher(a->Command2, QPoint(5, 5));
        };
        // Short, middling and long texts, well past the first rounds.
        const QStringList textes{QStringLiteral("Le courant sort par la borne + de la pile et fait le tour %1"),
                                 QStringLiteral("Texte %1"), QStringLiteral("La lampe %1 brille autour de la pile")};
        deposer(d, "Lampe1", 0, {0, 0}, {100, 190});  // a lamp at the third place
        const QRectF lampe = d->symboles[type("Lampe1")].element(1)->geometry();
        for (int n = 1; n <= 24; ++n) ecrire(textes[n % 3].arg(n));
        QCOMPARE(d->Texte_ajout.element(2)->zone().topLeft(), QPointF(100, 160));
        const QRectF feuille(0, 0, d->Cadre->width(), d->Cadre->height());
        for (auto [i, e] : d->Texte_ajout.elements()) {
            if (i == 0) continue;
            QVERIFY2(feuille.contains(e->zone()) && !e->zone().intersects(lampe), qPrintable(e->Caption()));
            for (int j = 1; j < i; ++j)
                QVERIFY2(!e->zone().intersects(d->Texte_ajout.element(j)->zone()), qPrintable(e->Caption()));
        }
        capture_pour_examen(d, "circuit_etiquettes_nombreuses");
        // Once the sheet is cleared its first place is free again, whatever the count.
        MessagesScriptes boites;
        boites.attendre(QStringLiteral("Initialisation: Voulez-vous tout effacer?"), vb::vbYes);
        d->Toolbar2_ButtonClick(QStringLiteral("effacer"));
        ecrire(QStringLiteral("pile"));
        QCOMPARE(d->Texte_ajout.element(25)->zone().topLeft(), QPointF(100, 130));
    }

    void etiquette_clic_ou_glisser() {
        fenetre_dessin* d = ouvrir_sur_un_theme();
        EtiquetteSansFenetre* e = d->ajouter_texte(1);
        e->Caption(QStringLiteral("lampe"));
        e->Move(100, 130, e->Width(), e->Height());
        e->Visible(true);
        QStringList ouverts;
        installer_crochet_menu_contextuel([&](QMenu* m) {
            ouverts << m->title();
            return nullptr;
        });
        const QPoint coin(100, 130);
        souris::deplacer(d->Cadre, coin + QPoint(3, 2));
        cliquer(d->Cadre, coin + QPoint(3, 2));
        QCOMPARE(ouverts, QStringList({"flottanttexte"}));
        QCOMPARE(index_texte, std::int16_t(1));
        // A symbol press clears the flag; a press then a move still drags the label.
        d->symbole_MouseDown(type("Pile1"), 0, 2, 1, 1);
        QCOMPARE(deplacement_texte, std::int16_t(0));
        glisser_souris(d->Cadre, coin + QPoint(3, 2), {coin + QPoint(20, 20)}, QPoint(200, 250));
        QCOMPARE(QPointF(e->Left(), e->Top()), QPointF(197, 248));
        QCOMPARE(deplacement_texte, std::int16_t(0));
        QCOMPARE(ouverts.size(), 1);
        installer_crochet_menu_contextuel({});
    }

private:
    static void Toolbar_montrer_pile(fenetre_dessin* d) { d->Frame_pile->show(); }
};

QTEST_MAIN(TestPlacementSymboles)
#include "tst_placement_symboles.moc"
