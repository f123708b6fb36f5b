// The optics sheet's pop-up menus (tree, captions, pictures, the window's single load, which
// menu opens for which element, a chosen item reaching its command) and the rotation-angle window.
#include "frame/registre_activites.h"
#include "optics/menus/angle_rotation.h"
#include "optics/menus/fenetre_dessin_optique_menu.h"
#include "optics/sheet/etat_optique.h"
#include "platform/ecran.h"
#include "platform/menu_contextuel.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {
fenetre_dessin_optique_menu* fenetre() { return Fenetre::obtenir<fenetre_dessin_optique_menu>(); }
QMenu* flottant(int k) { return fenetre()->barre_menus()->actions().at(k)->menu(); }
// The item of pop-up k at position p, or at position q of the sub-menu at p.
QAction* a_la_place(int k, int p, int q = -1) {
    QAction* a = flottant(k)->actions().at(p);
    return q < 0 ? a : a->menu()->actions().at(q);
}
// Every item of the eight pop-ups, sub-menu headers included.
void parcourir(QMenu* m, const std::function<void(QAction*)>& visite) {
    for (QAction* a : m->actions()) {
        visite(a);
        if (a->menu()) parcourir(a->menu(), visite);
    }
}
void tous_les_items(const std::function<void(QAction*)>& visite) {
    for (int k = 0; k < 8; ++k) parcourir(flottant(k), visite);
}
QImage image_de(const QAction* a) {
    return a->icon().pixmap(QSize(13, 13)).toImage().convertToFormat(QImage::Format_RGB32);
}
}

class TestMenusOptique : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() {
        installer_crochet_menu_contextuel({});
        for (int i = 0; i < NOMBRE_FAMILLES_COMMANDES; ++i)
            fenetre_dessin_optique_menu::definir_commande(FamilleCommande(i), {});
        angle_rotation::definir_rotation({});
        ecran::fixer_twips_par_pixel(0, 0);
    }

    void arbre() {
        QStringList noms;
        QList<int> tailles;
        for (int k = 0; k < 8; ++k) noms << flottant(k)->objectName(), tailles << flottant(k)->actions().size();
        QCOMPARE(noms, QStringList({"mnuflottantlampe", "mnuflottantecrancubefiltre", "mnuflottantecrancoupe",
                                    "mnuflottantrayon_ou_trait", "mnuflottantecranperce1ou2coupeouoeiloulaseroubouledemi",
                                    "mnuflottantcercle", "mnuflottantSTL", "mnuflottanttexteoptique"}));
        QCOMPARE(tailles, QList<int>({6, 6, 6, 5, 5, 7, 3, 2}));
        int en_tetes = 0, commandes = 0, images = 0;
        tous_les_items([&](QAction* item) {
            item->menu() ? ++en_tetes : ++commandes;
            images += !item->icon().isNull();
            // One leading blank; no check mark, shortcut or separator; visible and enabled.
            QVERIFY2(item->text().startsWith(' ') && !item->text().startsWith("  "), qPrintable(item->text()));
            QVERIFY(!item->isCheckable() && item->shortcut().isEmpty() && !item->isSeparator());
            QVERIFY(item->isVisible() && item->isEnabled() && fenetre()->item(item->objectName()) == item);
        });
        QVERIFY(en_tetes == 17 && commandes == 108 && images == 75);
        QCOMPARE(a_la_place(0, 3, 1)->text(), QString(" \"Blanche\""));
        QCOMPARE(a_la_place(3, 2, 0)->text(), QString(" \"Blanc\""));
        QCOMPARE(a_la_place(0, 3, 6)->objectName(), QString("munlampejaune"));
        QCOMPARE(a_la_place(2, 3)->text(), QString(" Couleur de l'écran"));
        QCOMPARE(fenetre()->menu("mnucerclecouleurtrait")->actions().size(), 7);
        // Every kind of the sheet has its menu here.
        for (const TypeElement& t : types_elements()) QVERIFY2(fenetre()->menu(t.menu), t.nom);
    }

    void images() {
        // The top-left 13 x 13 of the picture, by place: in the lamp's light " Cyan" is at 5
        // and " Jaune" at 6; elsewhere " Jaune" comes first and the pictures follow the colour.
        const struct {
            int k, p, q, image;
        } places[] = {{0, 0, -1, 1}, {0, 1, 0, 3},  {0, 1, 1, 2},   {0, 2, 0, 4},   {0, 2, 1, 5},  {0, 3, 5, 10},
                      {0, 3, 6, 9},  {0, 4, -1, 13}, {0, 5, -1, 12}, {1, 3, 5, 9},  {1, 3, 6, 10}, {3, 2, 2, 6},
                      {5, 2, 0, 14}, {5, 2, 1, 15},  {5, 3, 1, 6},   {5, 4, 7, 11}, {6, 2, -1, 12}};
        for (const auto& l : places)
            QCOMPARE(image_de(a_la_place(l.k, l.p, l.q)),
                     fenetre()->icone_menu.image(l.image).copy(0, 0, 13, 13).convertToFormat(QImage::Format_RGB32));
        for (const char* nom : {"mnutaille", "mnurot45", "mnurotautrelampe", "mnu1pt", "mnulampenoir", "mnulampeblanche",
                                "mnuecranblanc", "mnuremplisstransparent", "mnuedittexteoptique"})
            QVERIFY2(fenetre()->item(nom)->icon().isNull(), nom);
        // For a look by eye (VANTAREL_CAPTURES): each pop-up and each sub-menu.
        tous_les_items([](QAction* a) {
            if (a->menu()) capture_pour_examen(a->menu(), "menu_optique_" + a->objectName());
        });
        for (int k = 0; k < 8; ++k) capture_pour_examen(flottant(k), "menu_optique_" + flottant(k)->objectName());
    }

    void ouverture_et_chargement_unique() {
        QList<QMenu*> ouverts;
        installer_crochet_menu_contextuel([&](QMenu* m) { return ouverts << m, nullptr; });
        // A name that is no pop-up opens nothing and loads nothing.
        QVERIFY(!ouvrir_menu_optique("mnutaille") && !Fenetre::si_chargee<fenetre_dessin_optique_menu>());
        // The first menu of the run is the text menu: the window loads and sets every picture.
        ouvrir_menu_optique(MENU_TEXTE_OPTIQUE);
        auto* f = Fenetre::si_chargee<fenetre_dessin_optique_menu>();
        QVERIFY(f && f->isHidden() && ouverts == QList<QMenu*>({f->menu(MENU_TEXTE_OPTIQUE)}));
        const qint64 cle = f->item("mnux2")->icon().cacheKey();
        QVERIFY(!f->item("mnux2")->icon().isNull());
        // Later menus reuse the window and its pictures.
        ouvrir_menu_optique("mnuflottantlampe");
        QVERIFY(Fenetre::si_chargee<fenetre_dessin_optique_menu>() == f && ouverts.last() == flottant(0));
        QCOMPARE(f->item("mnux2")->icon().cacheKey(), cle);
        // Which pop-up a right press opens: none on a template but the ellipse's.
        QVERIFY(menu_flottant_element("lampe", 0).isEmpty() && menu_flottant_element("inconnu", 3).isEmpty());
        QCOMPARE(menu_flottant_element("cercle", 0), QString("mnuflottantcercle"));
        const char* kinds[] = {"lampe", "filtre_coupe", "ecran_coupe", "trait", "ecran_perce2_coupe", "cercle", "lune"};
        for (int k = 0; k < 7; ++k) QCOMPARE(f->menu(menu_flottant_element(kinds[k], 7)), flottant(k));
    }

    void commande_choisie() {
        QStringList recus;
        for (int i = 0; i < NOMBRE_FAMILLES_COMMANDES; ++i)
            fenetre_dessin_optique_menu::definir_commande(FamilleCommande(i), [&recus, i](const LigneMenuOptique& l, int k) {
                recus << QString("%1 %2 %3 %4").arg(l.nom).arg(i).arg(l.valeur, 0, 'f', 1).arg(k);
            });
        // Every command chosen in its pop-up reaches its family's routine once, with its own row.
        int commandes = 0;
        for (int k = 0; k < 8; ++k)
            parcourir(flottant(k), [&](QAction* item) {
                if (item->menu()) return;
                installer_crochet_menu_contextuel([item](QMenu*) { return item; });
                recus.clear();
                QCOMPARE(ouvrir_menu_optique(flottant(k)->objectName()), item);
                QCOMPARE(recus.size(), 1);
                QVERIFY(recus[0].startsWith(item->objectName() + ' ') && recus[0].endsWith(QString(" %1").arg(k)));
                ++commandes;
            });
        QCOMPARE(commandes, 108);
        // A header runs nothing; the sense of a turn is the caption's, not the name's.
        recus.clear();
        installer_crochet_menu_contextuel([](QMenu*) { return fenetre()->item("mnurotationecran"); });
        QVERIFY(!ouvrir_menu_optique("mnuflottantecrancubefiltre"));
        for (const char* nom : {"mnurotationecran", "mnurotgaucheecran", "mnurotdroiteecran", "mnurayonblanc"})
            fenetre()->Click(nom);
        const int rotation = int(FamilleCommande::rotation), trace = int(FamilleCommande::couleur_trace);
        QCOMPARE(recus, QStringList({QString("mnurotgaucheecran %1 90.0 1").arg(rotation),
                                     QString("mnurotdroiteecran %1 -90.0 1").arg(rotation),
                                     QString("mnurayonblanc %1 %2.0 3").arg(trace).arg(0xC0FFFF)}));
    }

    void dialogue_angle() {
        QList<float> tours;
        angle_rotation::definir_rotation([&](float a) { tours << a; });
        montrer_angle_rotation();
        auto* d = Fenetre::si_chargee<angle_rotation>();
        QVERIFY(d->isVisible() && d->windowTitle() == "Angle de rotation" && d->Label1->text() == "degrés");
        QVERIFY(d->client()->size() == QSize(216, 64) && d->Text_angle_rotation->geometry() == QRect(18, 14, 55, 21));
        capture_pour_examen(d, "angle_rotation");
        // Shown again, the open window keeps its text; the close box turns nothing.
        taper(d->Text_angle_rotation, "12");
        montrer_angle_rotation();
        QVERIFY(Fenetre::si_chargee<angle_rotation>() == d && d->Text_angle_rotation->text() == "12");
        d->close();
        QVERIFY(!Fenetre::si_chargee<angle_rotation>() && tours.isEmpty());
        // The next opening shows "90"; "OK" turns by the typed angle and closes. An angle beyond
        // single precision turns nothing, and the window closes all the same.
        for (const char* texte : {"", "45°", "-30", "1.5", "1,5", "1 2", "abc", "720", "1E39", "-3.5E38"}) {
            montrer_angle_rotation();
            d = Fenetre::si_chargee<angle_rotation>();
            if (*texte) taper(d->Text_angle_rotation, texte);
            else QCOMPARE(d->Text_angle_rotation->text(), QString("90"));
            cliquer(d->Command1);
            QVERIFY(!Fenetre::si_chargee<angle_rotation>());
        }
        QCOMPARE(tours, QList<float>({90, 45, -30, 1.5f, 1, 12, 0, 720}));
        QCOMPARE(angle_lu("3.4028235E38"), std::optional<float>(std::numeric_limits<float>::max()));
    }

    void dialogue_angle_adaptation() {
        const auto passe = fenetres_par_adaptation();
        const auto it = std::find_if(passe.begin(), passe.end(), [](const auto& w) { return w.nom == "angle_rotation"; });
        QVERIFY(it != passe.end() && it->rang_adaptation == 3 && it->rang_dechargement == 7);
        // At 12 twips per pixel the window and its controls keep their size in pixels.
        ecran::fixer_twips_par_pixel(12, 12);
        montrer_angle_rotation();
        auto* d = Fenetre::si_chargee<angle_rotation>();
        QVERIFY(d->client()->size() == QSize(216, 64) && d->Command1->geometry() == QRect(136, 16, 48, 20));
    }
};

QTEST_MAIN(TestMenusOptique)
#include "tst_menus_optique.moc"
