// Control arrays, windowless controls, the picture box's mouse events and the mouse pointers.
#include "platform/controles.h"
#include "platform/pointeurs.h"
#include "platform/sans_fenetre.h"
#include "platform/tableau_controles.h"
#include "platform/transparence.h"
#include "tests/support/fixture.h"
#include "tests/support/souris.h"

#include <QLineEdit>
#include <QPainter>
#include <QtTest>

namespace {
// What a widget shows, painted as a capture paints it.
QImage rendre(QWidget* w) {
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter p(&img);
    w->render(&p);
    return img;
}

// A square picture of one colour.
QImage carre(int cote, QRgb couleur) {
    QImage i(cote, cote, QImage::Format_RGB32);
    i.fill(couleur);
    return i;
}
}

class TestControles : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void un_tableau_charge_des_copies_cachees_avec_des_trous() {
        QWidget fenetre;
        auto* modele = new BoitePicture(&fenetre);
        placer(modele, 150, 300, 480, 480);
        modele->definir_image(carre(32, qRgb(255, 0, 0)));
        couleur_fond(modele, 0xC0FFFF);
        police(modele, "Arial", 12, true);
        modele->MouseIcon(carre(32, qRgb(0, 0, 0)), QPoint(15, 15));
        modele->MousePointer(99);
        TableauControles<BoitePicture> symboles(modele);

        BoitePicture* trois = symboles.Load(3);
        QVERIFY(trois && trois->isHidden() && trois->parentWidget() == &fenetre);
        QCOMPARE(twips_de(trois), QRectF(150, 300, 480, 480));
        QCOMPARE(trois->geometry(), modele->geometry());
        QCOMPARE(trois->Image().pixel(5, 5), qRgb(255, 0, 0));
        QCOMPARE(couleur_fond_de(trois), 0xC0FFFFu);
        QVERIFY(trois->font().bold());
        QCOMPARE(trois->cursor().hotSpot(), QPoint(15, 15));

        // A loaded index is refused; indices are the run time's 16-bit ones.
        QVERIFY(!symboles.Load(3) && !symboles.Load(0) && !symboles.Load(32768) && !symboles.Load(-1));
        QVERIFY(symboles.Load(1) && symboles.Load(2));
        QCOMPARE(symboles.index_de(trois), 3);

        // Unloading a middle element leaves a gap; UBound is still the highest loaded.
        QVERIFY(symboles.Unload(2));
        QVERIFY(!symboles.existe(2) && !symboles.Unload(2) && !symboles.Unload(0));
        QCOMPARE(symboles.UBound(), 3);
        QList<int> indices;
        for (const auto& [i, c] : symboles.elements()) indices.append(i);
        QCOMPARE(indices, QList<int>({0, 1, 3}));
        QVERIFY(symboles.Unload(3));
        QCOMPARE(symboles.UBound(), 1);

        auto* etiquette = new Etiquette(&fenetre, "Texte_ajoute");
        couleur_texte(etiquette, 0xFF);
        etiquette->centree(true);
        Etiquette* e = TableauControles<Etiquette>(etiquette).Load(1);
        QCOMPARE(e->text(), QString("Texte_ajoute"));
        QCOMPARE(couleur_texte_de(e), 0xFFu);
        QVERIFY(e->alignment() & Qt::AlignHCenter);
    }

    void un_tableau_sans_fenetre_copie_son_modele() {
        BoitePicture cadre(nullptr);
        auto* fil = new LigneSansFenetre(&cadre, 56, 16, 104, 16);
        fil->BorderStyle(3);
        fil->Visible(false);
        TableauControles<LigneSansFenetre> fils(fil);
        LigneSansFenetre* f1 = fils.Load(1);
        QVERIFY(!f1->Visible() && f1->conteneur() == &cadre);
        QCOMPARE(f1->X2(), 104.0);
        QCOMPARE(f1->BorderStyle(), 3);

        auto* texte = new EtiquetteSansFenetre(&cadre, "Texte_ajoute");
        QFont f("Arial");
        f.setUnderline(true);
        texte->Font(f);
        texte->MousePointer(99);
        texte->Move(11, 49, 63, 14);
        EtiquetteSansFenetre* t4 = TableauControles<EtiquetteSansFenetre>(texte).Load(4);
        QVERIFY(t4->Font().underline() && !t4->Visible());
        QCOMPARE(t4->Caption(), QString("Texte_ajoute"));
        QCOMPARE(t4->MousePointer(), 99);
        QCOMPARE(t4->zone(), QRectF(11, 49, 63, 14));

        auto* trait = new FormeSansFenetre(&cadre);
        trait->BorderColor(0xFF);
        QCOMPARE(TableauControles<FormeSansFenetre>(trait).Load(2)->BorderColor(), 0xFFu);

        // The walk that rescales them finds every one; an unloaded one is gone from it.
        QCOMPARE(elements_sans_fenetre(&cadre).size(), 6);
        QVERIFY(fils.Unload(1));
        QCOMPARE(elements_sans_fenetre(&cadre).size(), 5);
        fil->mettre_a_l_echelle(0.8, 0.5);
        QCOMPARE(QPointF(fil->X2(), fil->Y1()), QPointF(104 * 0.8, 8.0));
    }

    void les_elements_meurent_avec_leur_fenetre() {
        auto* fenetre = new QWidget;
        auto* modele = new BoitePicture(fenetre);
        TableauControles<BoitePicture> t(modele);
        auto* ligne = new LigneSansFenetre(fenetre);
        TableauControles<LigneSansFenetre> l(ligne);
        QVERIFY(t.Load(5) && l.Load(5));
        delete fenetre;
        QVERIFY(!t.existe(5) && !t.existe(0) && !l.existe(5));
        QCOMPARE(t.UBound(), -1);
    }

    void une_ligne_pointillee_passe_sous_les_controles() {
        BoitePicture cadre(nullptr);
        cadre.resize(100, 100);
        auto* enfant = new QWidget(&cadre);
        enfant->setGeometry(40, 40, 20, 20);
        couleur_fond(enfant, 0x00FF00);
        auto* ligne = new LigneSansFenetre(&cadre, 90, 90, 10, 10);  // drawn from its end to its start
        ligne->BorderStyle(3);
        ligne->BorderColor(0);
        QImage img = rendre(&cadre);
        int noirs = 0, blancs = 0;
        for (int i = 12; i < 38; ++i) (img.pixel(i, i) == qRgb(0, 0, 0) ? noirs : blancs)++;
        QVERIFY2(noirs >= 8 && blancs >= 8, qPrintable(QString("%1 black, %2 white").arg(noirs).arg(blancs)));
        QCOMPARE(img.pixel(50, 50), qRgb(0, 255, 0));  // the child widget lies over the line
        QCOMPARE(img.pixel(20, 80), qRgb(255, 255, 255));

        // Wider than a pixel: solid whatever the style.
        ligne->BorderWidth(2);
        img = rendre(&cadre);
        for (int i = 12; i < 38; ++i) QCOMPARE(img.pixel(i, i), qRgb(0, 0, 0));

        // One stacking order: a new shape on top, ZOrder 0 brings the line back in front,
        // ZOrder 1 sends it behind; hidden ones are skipped.
        auto* carre = new FormeSansFenetre(&cadre);
        carre->Move(0, 0, 30, 30);
        carre->FillStyle(0);
        carre->FillColor(0xFF);
        QCOMPARE(rendre(&cadre).pixel(20, 20), qRgb(255, 0, 0));
        ligne->ZOrder(0);
        QCOMPARE(rendre(&cadre).pixel(20, 20), qRgb(0, 0, 0));
        ligne->ZOrder(1);
        QCOMPARE(rendre(&cadre).pixel(20, 20), qRgb(255, 0, 0));
        carre->Visible(false);
        QCOMPARE(rendre(&cadre).pixel(20, 20), qRgb(0, 0, 0));
        QCOMPARE(rendre(&cadre).pixel(5, 25), qRgb(255, 255, 255));

        // A one-pixel bar of a shape is all border.
        auto* trait = new FormeSansFenetre(&cadre);
        trait->Move(60, 80, 34, 1);
        trait->BorderColor(0xFF0000);
        img = rendre(&cadre);
        QCOMPARE(img.pixel(61, 80), qRgb(0, 0, 255));
        QCOMPARE(img.pixel(93, 80), qRgb(0, 0, 255));
        QCOMPARE(img.pixel(61, 81), qRgb(255, 255, 255));
    }

    void une_boite_montre_son_fond_hors_de_son_image() {
        // A box covered by its image is painted by the image alone; wherever an image no longer
        // covers it, its back colour shows again (never what lay there before).
        BoitePicture boite(nullptr);
        boite.resize(40, 40);
        couleur_fond(&boite, 0x00FF00);
        boite.definir_image(carre(40, qRgb(255, 0, 0)));
        QCOMPARE(rendre(&boite).pixel(39, 39), qRgb(255, 0, 0));
        boite.Image() = carre(10, qRgb(0, 0, 255));
        QCOMPARE(rendre(&boite).pixel(5, 5), qRgb(0, 0, 255));
        QCOMPARE(rendre(&boite).pixel(30, 30), qRgb(0, 255, 0));
        boite.definir_image(carre(40, qRgb(255, 0, 0)));
        boite.effacer_image();
        QCOMPARE(rendre(&boite).pixel(20, 20), qRgb(0, 255, 0));
        boite.definir_image(carre(10, qRgb(255, 0, 0)));  // the smaller picture on the back colour
        QCOMPARE(rendre(&boite).pixel(30, 30), qRgb(0, 255, 0));

        // Masked, on a container of another colour: the image over the container, and the box's
        // own back colour again once a smaller image replaces it.
        BoitePicture conteneur(nullptr);
        conteneur.resize(60, 60);
        couleur_fond(&conteneur, 0xFF0000);
        auto* masquee = new BoitePicture(&conteneur);
        masquee->setGeometry(10, 10, 40, 40);
        QImage figure = carre(40, qRgb(255, 0, 0));
        for (int y = 0; y < 40; ++y) figure.setPixel(39, y, qRgb(255, 255, 255));  // a white column: a hole
        masquee->definir_image(figure);
        rendre_transparent(masquee);
        QCOMPARE(rendre(&conteneur).pixel(30, 30), qRgb(255, 0, 0));
        QCOMPARE(rendre(&conteneur).pixel(49, 30), qRgb(0, 0, 255));
        masquee->Image() = carre(10, qRgb(0, 255, 0));
        QCOMPARE(rendre(&conteneur).pixel(30, 30), qRgb(255, 255, 255));
        QCOMPARE(rendre(&conteneur).pixel(49, 30), qRgb(0, 0, 255));
    }

    void une_boite_donne_les_evenements_du_systeme() {
        QWidget fenetre;
        fenetre.resize(200, 150);
        auto* boite = new BoitePicture(&fenetre);
        boite->setGeometry(20, 20, 100, 80);
        QStringList vus;
        connect(boite, &BoitePicture::MouseDown, [&](int b, int s, float x, float y) {
            vus << QString("down %1 %2 %3,%4").arg(b).arg(s).arg(x).arg(y);
        });
        connect(boite, &BoitePicture::MouseUp, [&](int b, int, float, float) { vus << QString("up %1").arg(b); });
        connect(boite, &BoitePicture::MouseMove, [&](int b, int, float x, float y) {
            vus << QString("move %1 %2,%3").arg(b).arg(x).arg(y);
        });
        connect(boite, &BoitePicture::clic, [&] { vus << "clic"; });
        connect(boite, &BoitePicture::DblClick, [&] { vus << "dbl"; });

        souris::deplacer(boite, QPoint(10, 20));
        vus.clear();
        souris::double_clic(boite, QPoint(10, 20));
        QCOMPARE(vus, QStringList({"down 1 0 10,20", "up 1", "clic", "dbl", "up 1"}));
        vus.clear();
        souris::deplacer(boite, QPoint(30, 40));
        vus.clear();
        souris::appuyer(boite, QPoint(30, 40), Qt::RightButton, Qt::ShiftModifier);
        souris::deplacer(boite, QPoint(31, 42));
        souris::relacher(boite, QPoint(31, 42), Qt::RightButton);
        QCOMPARE(vus, QStringList({"down 2 1 30,40", "move 2 31,42", "up 2"}));
        QVERIFY(couleur_fond_de(boite) == 0xFFFFFF);  // white unless set
    }

    void un_pixel_blanc_laisse_passer_l_appui() {
        QWidget fenetre;
        fenetre.resize(200, 150);
        auto* dessous = new BoitePicture(&fenetre);
        dessous->setGeometry(0, 0, 200, 150);
        auto* symbole = new BoitePicture(dessous);
        symbole->setGeometry(50, 50, 32, 32);
        QImage dessin = carre(32, qRgb(255, 255, 255));
        for (int y = 10; y < 20; ++y)
            for (int x = 10; x < 20; ++x) dessin.setPixel(x, y, qRgb(255, 0, 0));
        symbole->definir_image(dessin);
        rendre_transparent(symbole);
        int sur_dessous = 0, sur_symbole = 0;
        connect(dessous, &BoitePicture::MouseDown, [&] { ++sur_dessous; });
        connect(symbole, &BoitePicture::MouseDown, [&] { ++sur_symbole; });
        souris::appuyer(symbole, QPoint(2, 2));
        souris::relacher(symbole, QPoint(2, 2));
        QCOMPARE(sur_dessous, 1);
        QCOMPARE(sur_symbole, 0);
        souris::appuyer(symbole, QPoint(15, 15));
        souris::relacher(symbole, QPoint(15, 15));
        QCOMPARE(sur_symbole, 1);
    }

    void une_etiquette_sans_fenetre_prend_la_souris_par_son_rectangle() {
        QWidget fenetre;
        fenetre.resize(200, 150);
        auto* cadre = new BoitePicture(&fenetre);
        cadre->setGeometry(0, 0, 200, 150);
        auto* texte = new EtiquetteSansFenetre(cadre, "pile");
        texte->Move(10, 10, 50, 20);
        texte->MousePointer(5);
        auto* trait = new LigneSansFenetre(cadre, 0, 60, 200, 60);  // lines take no mouse
        trait->BorderWidth(4);
        QStringList vus;
        connect(texte, &EtiquetteSansFenetre::MouseDown, [&](int b, int, float x, float y) {
            vus << QString("down %1 %2,%3").arg(b).arg(x).arg(y);
        });
        connect(texte, &EtiquetteSansFenetre::Click, [&] { vus << "clic"; });
        connect(cadre, &BoitePicture::MouseDown, [&] { vus << "cadre"; });
        connect(texte, &EtiquetteSansFenetre::MouseMove, [&](int b) { if (b) vus << "move"; });
        connect(cadre, &BoitePicture::MouseMove, [&](int b) { if (b) vus << "cadre move"; });

        souris::deplacer(cadre, QPoint(15, 12));
        QCOMPARE(pointeurs::forme_montree(cadre), Qt::SizeAllCursor);
        souris::appuyer(cadre, QPoint(15, 12));
        souris::relacher(cadre, QPoint(15, 12));
        QCOMPARE(vus, QStringList({"down 1 75,30", "clic"}));  // X, Y in twips from its corner
        vus.clear();
        souris::deplacer(cadre, QPoint(100, 60));
        QCOMPARE(pointeurs::forme_montree(cadre), Qt::ArrowCursor);
        souris::appuyer(cadre, QPoint(100, 60));
        souris::relacher(cadre, QPoint(100, 60));
        texte->Visible(false);
        souris::appuyer(cadre, QPoint(15, 12));
        souris::relacher(cadre, QPoint(15, 12));
        QCOMPARE(vus, QStringList({"cadre", "cadre"}));
        // A press beside the label keeps the moves over it for the container.
        texte->Visible(true);
        vus.clear();
        souris::appuyer(cadre, QPoint(100, 100));
        souris::deplacer(cadre, QPoint(15, 12));
        souris::relacher(cadre, QPoint(15, 12));
        QCOMPARE(vus, QStringList({"cadre", "cadre move"}));
    }

    void le_pointeur_de_la_fenetre_passe_sur_tout() {
        QWidget fenetre;
        auto* boite = new BoitePicture(&fenetre);
        auto* zone = new QLineEdit(&fenetre);
        boite->MousePointer(2);
        QCOMPARE(pointeurs::forme_montree(boite), Qt::CrossCursor);
        pointeurs::definir(&fenetre, 11);
        QCOMPARE(pointeurs::forme_montree(boite), Qt::WaitCursor);
        QCOMPARE(pointeurs::forme_montree(zone), Qt::WaitCursor);
        boite->MousePointer(0);
        boite->MousePointer(2);  // changed meanwhile: still under the window's pointer
        QCOMPARE(pointeurs::forme_montree(boite), Qt::WaitCursor);
        pointeurs::definir(&fenetre, 0);
        QCOMPARE(pointeurs::forme_montree(boite), Qt::CrossCursor);
        QCOMPARE(pointeurs::forme_montree(zone), Qt::IBeamCursor);
    }
};

QTEST_MAIN(TestControles)
#include "tst_controles.moc"
