// The run-time stand-ins: window model, pause, white-pixel transparency, numbers, colours,
// capture and BMP files.
#include "platform/capture.h"
#include "platform/controles.h"
#include "platform/couleurs.h"
#include "platform/fenetre.h"
#include "platform/messages.h"
#include "platform/nombres.h"
#include "platform/temporisation.h"
#include "platform/transparence.h"
#include "tests/support/fixture.h"
#include "tests/support/souris.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

namespace {
int chargements = 0;
int dechargements = 0;
bool refuser_dechargement = false;

class FenetreEssai : public Fenetre {
public:
    FenetreEssai() : Fenetre(3000, 1500) {
        etiquette = new Etiquette(client(), "conception");
        placer(etiquette, 150, 150, 1500, 300);
    }
    Etiquette* etiquette;

protected:
    void Form_Load() override {
        ++chargements;
        // A load that touches its own window finds the instance already registered.
        QVERIFY(Fenetre::si_chargee<FenetreEssai>() == this);
    }
    void Form_Unload(bool& annuler) override {
        ++dechargements;
        annuler = refuser_dechargement;
    }
};

QImage image_unie(QSize taille, QRgb couleur) {
    QImage i(taille, QImage::Format_RGB32);
    i.fill(couleur);
    return i;
}
}

class TestPlateforme : public QObject {
    Q_OBJECT
private slots:
    void init() {
        reinitialiser_programme();
        chargements = dechargements = 0;
        refuser_dechargement = false;
    }

    void une_fenetre_se_charge_une_fois_au_premier_contact() {
        QVERIFY(Fenetre::si_chargee<FenetreEssai>() == nullptr);
        FenetreEssai* f = Fenetre::obtenir<FenetreEssai>();
        QCOMPARE(chargements, 1);
        QVERIFY(f->isHidden());
        QVERIFY(Fenetre::obtenir<FenetreEssai>() == f);
        QCOMPARE(chargements, 1);
        QCOMPARE(f->client()->size(), QSize(200, 100));
        // Hide on a window not loaded loads it without showing it.
        Fenetre::tout_detruire();
        Fenetre::obtenir<FenetreEssai>()->Hide();
        QCOMPARE(chargements, 2);
        QVERIFY(Fenetre::obtenir<FenetreEssai>()->isHidden());
    }

    void decharger_suit_les_regles() {
        // Unloading a window that is not loaded does nothing.
        QVERIFY(Fenetre::decharger<FenetreEssai>());
        QCOMPARE(dechargements, 0);
        QCOMPARE(chargements, 0);

        FenetreEssai* f = Fenetre::obtenir<FenetreEssai>();
        f->etiquette->setText("changée");
        f->Show();
        refuser_dechargement = true;
        QVERIFY(!f->Unload());
        QVERIFY(f->vivante());
        QVERIFY(!f->isHidden());
        QVERIFY(Fenetre::si_chargee<FenetreEssai>() == f);

        refuser_dechargement = false;
        QPointer<FenetreEssai> ancienne(f);
        QVERIFY(f->Unload());
        QVERIFY(Fenetre::si_chargee<FenetreEssai>() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(ancienne.isNull());
        // The next touch builds a fresh window in its design state.
        FenetreEssai* nouvelle = Fenetre::obtenir<FenetreEssai>();
        QCOMPARE(nouvelle->etiquette->text(), QString("conception"));
        QCOMPARE(chargements, 2);
    }

    void la_case_de_fermeture_passe_par_le_dechargement() {
        FenetreEssai* f = Fenetre::obtenir<FenetreEssai>();
        f->Show();
        refuser_dechargement = true;
        f->close();
        QCOMPARE(dechargements, 1);
        QVERIFY(f->vivante());
        refuser_dechargement = false;
        f->close();
        QVERIFY(!Fenetre::si_chargee<FenetreEssai>());
    }

    void une_pause_attend_et_traite_les_evenements() {
        bool recu = false;
        QTimer::singleShot(0, [&recu] { recu = true; });
        QElapsedTimer chrono;
        chrono.start();
        temporisation(0);
        temporisation(-5);
        QVERIFY(!recu);  // no event handled by a pause of 0 or less
        temporisation(10);
        QVERIFY(chrono.elapsed() >= 10);
        QVERIFY(recu);
    }

    void une_fenetre_dechargee_pendant_une_pause_n_est_plus_touchee() {
        FenetreEssai* f = Fenetre::obtenir<FenetreEssai>();
        QPointer<FenetreEssai> garde(f);
        QTimer::singleShot(0, [f] { f->Unload(); });
        temporisation(5);
        // The handler that paused sees the window gone and stops there.
        QVERIFY(!garde || !garde->vivante());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(garde.isNull());
    }

    void une_fenetre_dechargee_pendant_ses_pauses_part_apres_son_gestionnaire() {
        // A click on its label pauses; inside that pause a second one runs, in which the window
        // is unloaded. Its handler and the delivery of the click still hold it: it is destroyed
        // only once every pause has returned and the click is handled.
        FenetreEssai* f = Fenetre::obtenir<FenetreEssai>();
        QPointer<FenetreEssai> garde(f);
        bool en_cours = false;
        bool detruite_pendant = false;
        bool vue_apres_la_pause_interieure = false;
        connect(f, &QObject::destroyed, [&] { detruite_pendant = en_cours; });
        connect(f->etiquette, &Etiquette::clic, [&] {
            en_cours = true;
            QTimer::singleShot(0, [&] {
                QTimer::singleShot(0, [&] { garde->Unload(); });
                temporisation(2);
                vue_apres_la_pause_interieure = !garde.isNull();
            });
            temporisation(10);
            en_cours = false;
        });
        souris::appuyer(f->etiquette, QPoint(5, 5));
        souris::relacher(f->etiquette, QPoint(5, 5));
        QVERIFY(vue_apres_la_pause_interieure);
        QVERIFY(!detruite_pendant);
        QVERIFY(!Fenetre::si_chargee<FenetreEssai>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(garde.isNull());
    }

    void les_pixels_blancs_deviennent_des_trous() {
        QWidget dessous;
        dessous.resize(100, 100);
        auto* image = new BoitePicture(&dessous);
        image->setGeometry(10, 10, 40, 30);
        QImage dessin = image_unie(QSize(40, 30), qRgb(255, 255, 255));
        dessin.setPixel(5, 5, qRgb(255, 0, 0));
        dessin.setPixel(6, 5, qRgb(0xFF, 0xFF, 0xFE));  // &HFEFFFF stays
        dessin.setPixel(7, 5, qRgb(0xFF, 0xFF, 0xC0));  // &HC0FFFF stays
        image->definir_image(dessin);
        image->definir_bordure(true);
        rendre_transparent(image);
        QVERIFY(!image->bordure());
        const QRegion r = image->mask();
        QVERIFY(r.contains(QPoint(5, 5)) && r.contains(QPoint(6, 5)) && r.contains(QPoint(7, 5)));
        QVERIFY(!r.contains(QPoint(8, 5)) && !r.contains(QPoint(0, 0)));
        QCOMPARE(dessous.childAt(15, 15), image);
        QCOMPARE(dessous.childAt(25, 25), nullptr);  // a hole: what lies beneath takes the click
        rendre_transparent(image);
        QCOMPARE(image->mask(), r);  // a second call gives the same region

        // No white at all: the whole rectangle stays.
        auto* plein = new BoitePicture(&dessous);
        plein->setGeometry(0, 60, 20, 20);
        plein->definir_image(image_unie(QSize(20, 20), qRgb(0, 0, 255)));
        rendre_transparent(plein);
        QCOMPARE(plein->mask(), QRegion(0, 0, 20, 20));

        // All white: invisible and click-through.
        auto* blanc = new BoitePicture(&dessous);
        blanc->setGeometry(60, 60, 20, 20);
        blanc->definir_image(image_unie(QSize(20, 20), qRgb(255, 255, 255)));
        rendre_transparent(blanc);
        QCOMPARE(dessous.childAt(70, 70), nullptr);
        QVERIFY(!blanc->mask().intersects(QRect(0, 0, 20, 20)));
    }

    void nombres_du_systeme() {
        QCOMPARE(nombres::arrondi_pair(2.5), 2.0);
        QCOMPARE(nombres::arrondi_pair(3.5), 4.0);
        QCOMPARE(nombres::arrondi_pair(2.6), 3.0);
        QCOMPARE(nombres::Int(-0.5), -1.0);
        QCOMPARE(nombres::Int(6.6), 6.0);
        QCOMPARE(nombres::Val("2.6"), 2.6);
        QCOMPARE(nombres::Val(" 12abc"), 12.0);
        QCOMPARE(nombres::Val("abc"), 0.0);
        QCOMPARE(nombres::Val(""), 0.0);
        QCOMPARE(nombres::Val("-3.5e1x"), -35.0);
        QCOMPARE(nombres::arrondi_decimal(1.25, 1), 1.3);
        QCOMPARE(nombres::arrondi_decimal(7.45, 1), 7.5);
        QCOMPARE(nombres::arrondi_decimal(7.44, 1), 7.4);
        // The run time's prefixes and exponent letter; blanks anywhere; "," is no decimal point.
        const QList<std::pair<QString, double>> cas = {
            {"&H10", 16},  {"&hff", 255},       {"&O17", 15}, {"&O18", 1},   {"&HFFFF", -1}, {"&HFFFF&", 65535},
            {"&H10000", 65536}, {"&H", 0}, {"&H123456789", 0}, {"1D2", 100}, {"1,5", 1},    {"1 2", 12}};
        for (const auto& [texte, valeur] : cas) QCOMPARE(nombres::Val(texte), valeur);
    }

    void couleurs_bleu_vert_rouge() {
        QCOMPARE(couleur_vb(0xFF), QColor(255, 0, 0));
        QCOMPARE(couleur_vb(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(couleur_vb(0xC0FFFF), QColor(0xFF, 0xFF, 0xC0));
        QCOMPARE(vers_bgr(QColor(0x12, 0x34, 0x56)), 0x563412u);
        // System colours come from the palette.
        const QPalette avant = QGuiApplication::palette();
        QPalette p = avant;
        const QPalette::ColorRole roles[] = {QPalette::Base, QPalette::WindowText, QPalette::Text, QPalette::Button};
        for (int i = 0; i < 4; ++i) p.setColor(roles[i], QColor(i, i, i));
        QGuiApplication::setPalette(p);
        // Window background, menu text, window text, button face.
        const std::uint32_t systeme[] = {0x80000005, 0x80000007, 0x80000008, 0x8000000F};
        for (int i = 0; i < 4; ++i) QCOMPARE(couleur_vb(systeme[i]), QColor(i, i, i));
        QCOMPARE(couleur_vb(0x800000FF), QColor(0, 0, 0));
        QGuiApplication::setPalette(avant);
    }

    void capture_et_bmp() {
        QWidget zone;
        zone.resize(50, 40);
        QPalette p = zone.palette();
        p.setColor(QPalette::Window, QColor(0, 128, 0));
        zone.setPalette(p);
        zone.setAutoFillBackground(true);
        auto* carre = new QWidget(&zone);
        carre->setGeometry(10, 10, 10, 10);
        carre->setAutoFillBackground(true);
        QPalette q = carre->palette();
        q.setColor(QPalette::Window, Qt::red);
        carre->setPalette(q);
        // A copy larger than the client area: beyond it, the window's background.
        const QImage copie = capturer_zone(&zone, QSize(70, 55));
        QCOMPARE(copie.size(), QSize(70, 55));
        QCOMPARE(copie.pixel(15, 15), qRgb(255, 0, 0));
        QCOMPARE(copie.pixel(2, 2), qRgb(0, 128, 0));
        QCOMPARE(copie.pixel(65, 50), qRgb(0, 128, 0));
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath("copie.bmp");
        QVERIFY(enregistrer_bmp(copie, fichier));
        const QImage relue(fichier, "BMP");
        QCOMPARE(relue.size(), QSize(70, 55));
        QCOMPARE(relue.pixel(15, 15), qRgb(255, 0, 0));
        QVERIFY(!enregistrer_bmp(copie, dossier.filePath("absent/copie.bmp")));
    }

    void les_vraies_boites_de_message() {
        // A Yes/No box ignores Escape and its close box; OK/Cancel answers Cancel to Escape.
        bool encore_ouverte = false;
        QTimer::singleShot(0, [&encore_ouverte] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!b) return;
            QTest::keyClick(b, Qt::Key_Escape);
            b->close();
            encore_ouverte = b->isVisible();
            b->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(MsgBox("Voulez-vous vraiment quitter?", vb::vbYesNo), int(vb::vbYes));
        QVERIFY(encore_ouverte);
        QString titre;
        QTimer::singleShot(0, [&titre] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!b) return;
            titre = b->windowTitle();
            QTest::keyClick(b, Qt::Key_Escape);
        });
        QCOMPARE(MsgBox("Valider?", vb::vbOKCancel), int(vb::vbCancel));
        QCOMPARE(titre, QString("Vantarel"));

        // Return chooses the default button: the first, or the second with 256.
        const auto entree = [] {
            QTimer::singleShot(0, [] {
                if (QWidget* b = QApplication::activeModalWidget()) QTest::keyClick(b, Qt::Key_Return);
            });
        };
        entree();
        QCOMPARE(MsgBox("Voulez-vous supprimer le dernier fil tracé?", 260, "Attention"), int(vb::vbNo));
        entree();
        QCOMPARE(MsgBox("Voulez-vous supprimer le dernier fil tracé?", vb::vbYesNo, "Attention"), int(vb::vbYes));
        entree();
        QCOMPARE(MsgBox("Terminé", vb::vbOKOnly + vb::vbDefaultButton2), int(vb::vbOK));
    }

    // A path in a message: what is selected of the box is the text itself; the path keeps its
    // order around a name in Arabic, wraps inside the box, and a drive stays with what follows.
    void un_chemin_se_copie_tel_qu_il_se_lit() {
        const QString nom = QString::fromUtf8("\u0645\u062D\u0645\u062F"), prenom = QString::fromUtf8("\u0639\u0644\u064A");
        const QString phrase = "Feuille sauvegardée dans le fichier: ";
        const QString arabe = "/home/prof/rapports/evaluation_texte_" + nom + "_" + prenom + "_12_05_2025.doc";
        const QString long_ = "/home/" + QString(200, 'd') + "/evaluation_texte_" + QString(120, 'N') + "_" +
                              QString(60, QChar(0x0645)) + "_12_05_2025.doc";
        // The place on screen of a piece of what is shown: its line, then across.
        auto place = [](const QTextDocument* d, const QString& piece) {
            d->size();  // laid out
            const QTextLayout* l = d->firstBlock().layout();
            const int debut = int(d->toPlainText().indexOf(piece)), fin = debut + int(piece.size());
            const QTextLine ligne = l->lineForTextPosition(debut);
            return std::pair{ligne.lineNumber(), std::min(ligne.cursorToX(debut), ligne.cursorToX(fin))};
        };
        for (const auto& [chemin, suite, capture] : {std::tuple{arabe, QString(), "message_chemin_arabe"},
                                                     std::tuple{long_, QString(), "message_chemin_long"},
                                                     std::tuple{QString("C:\\Windows\\System32\\Calc.exe"), QString(")"),
                                                                "message_chemin_lecteur"}}) {
            QString copie;
            bool lu = false, dans_la_largeur = false, en_ordre = false;
            QTimer::singleShot(0, [&, capture = capture] {
                auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                auto* texte = b ? b->findChild<QTextEdit*>() : nullptr;
                if (texte) {
                    capture_pour_examen(b, capture);
                    lu = texte->isVisible();
                    texte->selectAll();
                    texte->copy();
                    copie = QGuiApplication::clipboard()->text();
                    dans_la_largeur = texte->document()->size().width() <= texte->viewport()->width();
                    const QTextDocument* d = texte->document();
                    if (chemin == arabe) {
                        en_ordre = place(d, "texte") < place(d, nom) && place(d, nom) < place(d, prenom) &&
                                   place(d, prenom) < place(d, "2025");
                    } else if (chemin == long_) {
                        en_ordre = d->firstBlock().layout()->lineCount() > 3;
                    } else {
                        // Even where the line would end right after "C:".
                        std::unique_ptr<QTextDocument> etroit(d->clone());
                        etroit->setTextWidth(place(d, "C:").second + QFontMetrics(texte->font()).horizontalAdvance("C:") + 1);
                        en_ordre = place(etroit.get(), "C:").first == place(etroit.get(), "Windows").first &&
                                   place(etroit.get(), "C:").first > 0;
                    }
                }
                if (b) b->button(QMessageBox::Ok)->click();
            });
            QCOMPARE(MsgBoxFichier(phrase, chemin, suite, vb::vbInformation), int(vb::vbOK));
            QVERIFY(lu && dans_la_largeur && en_ordre);
            QCOMPARE(copie, phrase + chemin + suite);
        }
    }

    void une_etiquette_garde_le_texte_tel_quel() {
        QWidget w;
        Etiquette e(&w, "<b>Dupont</b>");
        QCOMPARE(e.textFormat(), Qt::PlainText);
        QVERIFY(e.alignment() & Qt::AlignTop);
        BoutonOption a(&w), b(&w);
        a.setChecked(true);
        a.Value(false);
        QVERIFY(!a.isChecked() && !b.isChecked());
    }
};

QTEST_MAIN(TestPlateforme)
#include "tst_plateforme.moc"
