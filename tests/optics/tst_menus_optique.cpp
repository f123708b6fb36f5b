// The optics sheet's pop-up menus (tree, captions, pictures, the window's single load, which
// menu opens for which element, a chosen item reaching its command) and the rotation-angle
// window.
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
// The item at a place of the tree: pop-up k, position p, position q in the sub-menu at p.
QAction* a_la_place(fenetre_dessin_optique_menu* f, int k, int p, int q = -1) {
    QAction* a = f->barre_menus()->actions().at(k)->menu()->actions().at(p);
    return q < 0 ? a : a->menu()->actions().at(q);
}

// The picture an item shows, as an image (empty without one).
QImage image_de(const QAction* a) {
    return a->icon().isNull() ? QImage() : a->icon().pixmap(QSize(13, 13)).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage image_attendue(fenetre_dessin_optique_menu* f, int n) {
    return f->icone_menu.image(n).copy(0, 0, 13, 13).convertToFormat(QImage::Format_RGB32);
}

void parcourir(QMenu* m, const std::function<void(QAction*)>& visite) {
    for (QAction* a : m->actions()) {
        visite(a);
        if (a->menu()) parcourir(a->menu(), visite);
    }
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
        auto* f = Fenetre::obtenir<fenetre_dessin_optique_menu>();
        QVERIFY(f->isHidden());
        const QStringList flottants = {"mnuflottantlampe", "mnuflottantecrancubefiltre", "mnuflottantecrancoupe",
                                       "mnuflottantrayon_ou_trait",
                                       "mnuflottantecranperce1ou2coupeouoeiloulaseroubouledemi", "mnuflottantcercle",
                                       "mnuflottantSTL", "mnuflottanttexteoptique"};
        QStringList noms;
        QList<int> tailles;
        int en_tetes = 0, commandes = 0;
        for (QAction* a : f->barre_menus()->actions()) {
            noms << a->menu()->objectName();
            tailles << a->menu()->actions().size();
            parcourir(a->menu(), [&](QAction* item) {
                item->menu() ? ++en_tetes : ++commandes;
                // One leading blank, no check mark, shortcut or separator, visible and enabled.
                QVERIFY2(item->text().startsWith(' ') && !item->text().startsWith("  "), qPrintable(item->text()));
                QVERIFY(!item->isCheckable() && item->shortcut().isEmpty() && !item->isSeparator());
                QVERIFY(item->isVisible() && item->isEnabled());
                QCOMPARE(f->item(item->objectName()), item);
            });
        }
        QCOMPARE(noms, flottants);
        QCOMPARE(tailles, QList<int>({6, 6, 6, 5, 5, 7, 3, 2}));
        QCOMPARE(en_tetes, 17);
        QCOMPARE(commandes, 108);
        // Captions and names as the pupil and the code see them.
        QCOMPARE(a_la_place(f, 0, 3, 1)->text(), QString(" \"Blanche\""));
        QCOMPARE(a_la_place(f, 3, 2, 0)->text(), QString(" \"Blanc\""));
        QCOMPARE(a_la_place(f, 0, 3, 6)->objectName(), QString("munlampejaune"));
        QCOMPARE(a_la_place(f, 1, 2, 0)->objectName(), QString("mnurotgaucheecran"));
        QCOMPARE(a_la_place(f, 1, 2, 0)->text(), QString(" +90°"));
        QCOMPARE(a_la_place(f, 2, 3)->text(), QString(" Couleur de l'écran"));
        QCOMPARE(a_la_place(f, 5, 2, 1)->text(), QString(" Trait pointillé"));
        QCOMPARE(f->menu("mnucerclecouleurtrait")->actions().size(), 7);
        QCOMPARE(f->menu("mnucoulcercleremplissage")->actions().size(), 8);
        // Every kind of the sheet has its menu here.
        for (const TypeElement& t : types_elements()) QVERIFY2(f->menu(t.menu), t.nom);
    }

    void images() {
        auto* f = Fenetre::obtenir<fenetre_dessin_optique_menu>();
        int avec_image = 0;
        for (QAction* a : f->barre_menus()->actions())
            parcourir(a->menu(), [&](QAction* item) { avec_image += !item->icon().isNull(); });
        QCOMPARE(avec_image, 75);
        for (QAction* item : f->menu(MENU_TEXTE_OPTIQUE)->actions()) QVERIFY(item->icon().isNull());
        // The top-left 13 x 13 of the picture, by place: in the lamp's light " Cyan" is at 5
        // and " Jaune" at 6; elsewhere " Jaune" comes first and the pictures follow the colour.
        const struct {
            int k, p, q, image;
        } places[] = {{0, 0, -1, 1}, {0, 1, 0, 3}, {0, 1, 1, 2}, {0, 2, 0, 4}, {0, 2, 1, 5}, {0, 3, 5, 10},
                      {0, 3, 6, 9},  {0, 4, -1, 13}, {0, 5, -1, 12}, {1, 3, 5, 9}, {1, 3, 6, 10}, {3, 2, 2, 6},
                      {5, 2, 0, 14}, {5, 2, 1, 15}, {5, 3, 1, 6}, {5, 4, 7, 11}, {6, 2, -1, 12}};
        for (const auto& l : places) QCOMPARE(image_de(a_la_place(f, l.k, l.p, l.q)), image_attendue(f, l.image));
        // None on headers, +-45, Autre, widths, white and black, Eteinte, Transparent.
        for (const char* nom : {"mnutaille", "mnurot45", "mnurot45b", "mnurotautrelampe", "mnu1pt", "mnulampenoir",
                                   "mnulampeblanche", "mnuecranblanc", "mnurayonnoir", "mnuremplisstransparent"})
            QVERIFY2(f->item(nom)->icon().isNull(), nom);
    }

    void ouverture_et_chargement_unique() {
        QList<QMenu*> ouverts;
        installer_crochet_menu_contextuel([&](QMenu* m) {
            ouverts << m;
            return nullptr;
        });
        // Unknown names open nothing and load nothing.
        QVERIFY(!ouvrir_menu_optique("mnutaille") && !ouvrir_menu_optique("flottantlampe"));
        QVERIFY(!Fenetre::si_chargee<fenetre_dessin_optique_menu>());
        // The first menu of the run is the text menu: the window loads and every picture is set.
        ouvrir_menu_optique(MENU_TEXTE_OPTIQUE);
        auto* f = Fenetre::si_chargee<fenetre_dessin_optique_menu>();
        QVERIFY(f && f->isHidden());
        QCOMPARE(ouverts, QList<QMenu*>({f->menu(MENU_TEXTE_OPTIQUE)}));
        const qint64 cle = f->item("mnux2")->icon().cacheKey();
        QVERIFY(!f->item("mnux2")->icon().isNull());
        // Later menus reuse the window and its pictures.
        ouvrir_menu_optique("mnuflottantlampe");
        QCOMPARE(Fenetre::si_chargee<fenetre_dessin_optique_menu>(), f);
        QCOMPARE(ouverts.last(), f->menu("mnuflottantlampe"));
        QCOMPARE(f->item("mnux2")->icon().cacheKey(), cle);

        // Which pop-up a right press opens: none on a template but the ellipse's.
        QCOMPARE(menu_flottant_element("lampe", 0), QString());
        QCOMPARE(menu_flottant_element("cercle", 0), QString("mnuflottantcercle"));
        QCOMPARE(menu_flottant_element("inconnu", 3), QString());
        const QStringList kinds = {"lampe", "ecran", "cube", "filtre", "filtre_coupe", "ecran_coupe", "rayon", "trait",
                                   "ecran_perce1", "ecran_perce2", "ecran_perce1_coupe", "ecran_perce2_coupe", "oeil",
                                   "laser", "bouledemi", "cercle", "soleil", "terre", "lune"};
        const QList<int> positions = {0, 1, 1, 1, 1, 2, 3, 3, 4, 4, 4, 4, 4, 4, 4, 5, 6, 6, 6};
        for (int i = 0; i < kinds.size(); ++i)
            QCOMPARE(f->menu(menu_flottant_element(kinds[i], 7)),
                     f->barre_menus()->actions().at(positions[i])->menu());
    }

    void commande_choisie() {
        struct Recu {
            QString nom;
            FamilleCommande famille;
            double valeur;
            int menu_flottant;
        };
        QList<Recu> recus;
        for (int i = 0; i < NOMBRE_FAMILLES_COMMANDES; ++i)
            fenetre_dessin_optique_menu::definir_commande(FamilleCommande(i),
                                                          [&](const LigneMenuOptique& l, int menu_flottant) {
                                                              recus.append({l.nom, l.famille, l.valeur, menu_flottant});
                                                          });
        auto* f = Fenetre::obtenir<fenetre_dessin_optique_menu>();
        // Every command chosen in its pop-up reaches its own routine once, with its own row.
        int commandes = 0;
        for (int k = 0; k < 8; ++k) {
            QMenu* flottant = f->barre_menus()->actions().at(k)->menu();
            parcourir(flottant, [&](QAction* item) {
                if (item->menu()) return;
                installer_crochet_menu_contextuel([item](QMenu*) { return item; });
                recus.clear();
                QCOMPARE(ouvrir_menu_optique(flottant->objectName()), item);
                QCOMPARE(recus.size(), 1);
                QCOMPARE(recus[0].nom, item->objectName());
                QCOMPARE(recus[0].menu_flottant, k);
                ++commandes;
            });
        }
        QCOMPARE(commandes, 108);
        // A header is no command; the sense of a turn is the caption's, not the name's.
        recus.clear();
        installer_crochet_menu_contextuel([f](QMenu*) { return f->item("mnurotationecran"); });
        QVERIFY(!ouvrir_menu_optique("mnuflottantecrancubefiltre"));
        f->Click("mnurotationecran");
        QVERIFY(recus.isEmpty());
        for (const char* nom : {"mnurotgaucheecran", "mnurotdroiteecran", "mnu2cadre", "mnulampeblanche",
                                "mnurayonblanc", "mnuremplisstransparent", "mnucercletraitpointille", "mnuSTLdessous"})
            f->Click(nom);
        QCOMPARE(recus.size(), 8);
        QVERIFY(recus[0].famille == FamilleCommande::rotation && recus[0].valeur == 90);
        QVERIFY(recus[1].famille == FamilleCommande::rotation && recus[1].valeur == -90);
        QVERIFY(recus[2].famille == FamilleCommande::taille && recus[2].valeur == 0.5);
        QVERIFY(recus[3].famille == FamilleCommande::lumiere_lampe && recus[3].valeur == 0xC0FFFF);
        QVERIFY(recus[4].famille == FamilleCommande::couleur_trace && recus[4].valeur == 0xC0FFFF);
        QVERIFY(recus[5].famille == FamilleCommande::remplissage_cercle && recus[5].valeur == 0xFFFFFF);
        QVERIFY(recus[6].famille == FamilleCommande::style_cercle && recus[6].valeur == 2);
        QVERIFY(recus[7].famille == FamilleCommande::plan && recus[7].valeur == 1 && recus[7].menu_flottant == 6);
    }

    void dialogue_angle() {
        QList<float> tours;
        angle_rotation::definir_rotation([&](float a) { tours << a; });
        montrer_angle_rotation();
        auto* d = Fenetre::si_chargee<angle_rotation>();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->windowTitle(), QString("Angle de rotation"));
        QCOMPARE(d->client()->size(), QSize(216, 64));
        QCOMPARE(d->Text_angle_rotation->geometry(), QRect(18, 14, 55, 21));
        QCOMPARE(d->Command1->text(), QString("OK"));
        QCOMPARE(d->Label1->text(), QString("degrés"));
        // Shown again, the open window keeps its text.
        taper(d->Text_angle_rotation, "12");
        montrer_angle_rotation();
        QCOMPARE(Fenetre::si_chargee<angle_rotation>(), d);
        QCOMPARE(d->Text_angle_rotation->text(), QString("12"));
        // The close box turns nothing; the next opening shows "90", whose "OK" turns 90 and closes.
        d->close();
        QVERIFY(!Fenetre::si_chargee<angle_rotation>());
        montrer_angle_rotation();
        d = Fenetre::si_chargee<angle_rotation>();
        QCOMPARE(d->Text_angle_rotation->text(), QString("90"));
        cliquer(d->Command1);
        QCOMPARE(tours, QList<float>({90}));
        QVERIFY(!Fenetre::si_chargee<angle_rotation>());
        // Typed angles, and one beyond single precision that turns nothing but still closes.
        for (const char* texte : {"45°", "-30", "1.5", "1,5", "1 2", "abc", "", "720", "1E39", "-3.5E38"}) {
            montrer_angle_rotation();
            d = Fenetre::si_chargee<angle_rotation>();
            taper(d->Text_angle_rotation, texte);
            cliquer(d->Command1);
            QVERIFY(!Fenetre::si_chargee<angle_rotation>());
        }
        QCOMPARE(tours, QList<float>({90, 45, -30, 1.5f, 1, 12, 0, 0, 720}));
        QCOMPARE(angle_lu("3.4028235E38"), std::optional<float>(std::numeric_limits<float>::max()));
        // Without a turning routine "OK" only closes.
        angle_rotation::definir_rotation({});
        montrer_angle_rotation();
        cliquer(Fenetre::si_chargee<angle_rotation>()->Command1);
        QVERIFY(!Fenetre::si_chargee<angle_rotation>());
    }

    void dialogue_angle_adaptation() {
        const auto passe = fenetres_par_adaptation();
        const auto it = std::find_if(passe.begin(), passe.end(), [](const auto& w) { return w.nom == "angle_rotation"; });
        QVERIFY(it != passe.end() && it->rang_adaptation == 3 && it->rang_dechargement == 7);
        // At 12 twips per pixel the window and its controls keep their size in twips.
        ecran::fixer_twips_par_pixel(12, 12);
        montrer_angle_rotation();
        auto* d = Fenetre::si_chargee<angle_rotation>();
        QCOMPARE(d->client()->size(), QSize(216, 64));
        QCOMPARE(d->Command1->geometry(), QRect(136, 16, 48, 20));
    }

    // Pictures for a look by eye (VANTAREL_CAPTURES): each pop-up and each of its sub-menus.
    void captures() {
        if (qEnvironmentVariableIsEmpty("VANTAREL_CAPTURES")) QSKIP("no capture folder");
        auto* f = Fenetre::obtenir<fenetre_dessin_optique_menu>();
        for (int k = 0; k < 8; ++k) {
            QMenu* flottant = f->barre_menus()->actions().at(k)->menu();
            capture_pour_examen(flottant, QString("menu_%1").arg(k));
            for (QAction* a : flottant->actions())
                if (a->menu()) capture_pour_examen(a->menu(), QString("menu_%1_%2").arg(k).arg(a->menu()->objectName()));
        }
        montrer_angle_rotation();
        capture_pour_examen(Fenetre::si_chargee<angle_rotation>(), "angle_rotation");
    }
};

QTEST_MAIN(TestMenusOptique)
#include "tst_menus_optique.moc"
