// Printing a window: the print-settings dialog, its settings reaching the printer, the canvas,
// the refusals, the waits, and a real print into a PDF file.
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/form1.h"
#include "frame/impression.h"
#include "frame/result_eval.h"
#include "platform/capture.h"
#include "platform/imprimante.h"
#include "platform/messages.h"
#include "quiz/fenetre_qcm.h"
#include "tests/support/fixture.h"
#include "tests/support/imprimante_factice.h"
#include "tests/support/pilote.h"

#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {
using Action = std::function<void(Facteur_impression*)>;

void valider(Facteur_impression* d) { QTest::mouseClick(d->Command2, Qt::LeftButton); }

fenetre_QCM* fenetre_qcm_montree() {
    fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
    f->Show();
    QCoreApplication::processEvents();
    return f;
}

bool uniforme(const QImage& image, int x, int y, int rayon) {
    if (x < rayon || y < rayon || x + rayon >= image.width() || y + rayon >= image.height()) return false;
    const QRgb c = image.pixel(x, y);
    for (int dy = -rayon; dy <= rayon; ++dy)
        for (int dx = -rayon; dx <= rayon; ++dx)
            if (image.pixel(x + dx, y + dy) != c) return false;
    return true;
}

bool proches(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Renders the first page of a PDF file at 96 dpi; an empty image without pdftoppm.
QImage rendre_pdf(const QString& pdf, const QString& dossier) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) return QImage();
    const QString base = dossier + "/page";
    QProcess::execute(pdftoppm, {"-r", "96", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, base});
    return QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
}
}

class TestImpression : public QObject {
    Q_OBJECT

private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() {
        QCoreApplication::processEvents();
        reinitialiser_programme();
    }

    void dialogue_a_chaque_chargement() {
        ImprimanteFactice imprimantes;
        Facteur_impression* d = Fenetre::obtenir<Facteur_impression>();
        // Shown, as the user has it (a hidden box completes nothing).
        d->Show();
        QCoreApplication::processEvents();
        QCOMPARE(d->windowTitle(), QStringLiteral("Impression"));
        QCOMPARE(d->client()->size(), QSize(349, 380));
        QVERIFY(!(d->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(!(d->windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(d->maximumSize().width() > d->minimumSize().width());
        QVERIFY(!impression_validee);
        QCOMPARE(index_imprimante, std::int16_t(0));

        auto elements = [](const QComboBox* c) {
            QStringList l;
            for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
            return l;
        };
        QCOMPARE(elements(d->nom_imprimante), imprimantes.noms);
        QCOMPARE(d->nom_imprimante->currentText(), imprimantes.noms.first());
        QCOMPARE(elements(d->Mode_impression), (QStringList{"Couleur", "Monochrome"}));
        QCOMPARE(d->Mode_impression->currentText(), QStringLiteral("Couleur"));
        QCOMPARE(elements(d->Qualite_impression), (QStringList{"Brouillon", "Standard", "Haute"}));
        QCOMPARE(d->Qualite_impression->currentText(), QStringLiteral("Standard"));
        QCOMPARE(elements(d->orientation), (QStringList{"Portrait", "Paysage"}));
        QCOMPARE(d->orientation->currentText(), QStringLiteral("Portrait"));
        QCOMPARE(elements(d->taille_page), (QStringList{"A4", "A3", "A2", "A1", "A0", "A5", "B5"}));
        QCOMPARE(d->taille_page->currentText(), QStringLiteral("A4"));
        for (QComboBox* c : {d->nom_imprimante, d->Mode_impression, d->Qualite_impression, d->orientation, d->taille_page})
            QVERIFY(c->isEditable());
        QCOMPARE(d->Nb_copies->text(), QStringLiteral("1"));
        QVERIFY(d->normal->isChecked());
        QVERIFY(!d->reduit->isChecked() && !d->agrandit->isChecked() && !d->personnalise->isChecked());
        QVERIFY(!d->Text1->isEnabled());
        QCOMPARE(d->Text1->text(), QStringLiteral("1"));
        QCOMPARE(d->Label3->text(), QStringLiteral("Imprimante:"));
        QVERIFY(d->Label3->font().bold());
        QCOMPARE(d->Label3->font().pointSizeF(), 8.25);
        for (BoitePicture* i : d->Image) QVERIFY(!i->Picture().isNull());
        capture_pour_examen(d, "facteur_impression");

        // The printer box: a pick or a typed name gives the position of the item shown, -1 for none.
        d->nom_imprimante->setCurrentIndex(1);
        QCOMPARE(index_imprimante, std::int16_t(1));
        taper(d->nom_imprimante, "Laser");
        QCOMPARE(index_imprimante, std::int16_t(-1));
        QTest::keyClicks(d->nom_imprimante->lineEdit(), " du CDI");
        QCOMPARE(index_imprimante, std::int16_t(0));
        // Enter keeps the typed text without adding it to the list.
        taper(d->taille_page, "Lettre");
        QTest::keyClick(d->taille_page->lineEdit(), Qt::Key_Return);
        QCOMPARE(d->taille_page->count(), 7);
        QCOMPARE(d->taille_page->currentText(), QStringLiteral("Lettre"));

        // Closed and loaded again: the choices of the load, whatever was chosen before.
        d->agrandit->click();
        taper(d->Mode_impression, "Monochrome");
        taper(d->Nb_copies, "4");
        d->close();
        QCoreApplication::processEvents();
        QVERIFY(!Fenetre::si_chargee<Facteur_impression>());
        d = Fenetre::obtenir<Facteur_impression>();
        QVERIFY(d->normal->isChecked());
        QCOMPARE(d->Mode_impression->currentText(), QStringLiteral("Couleur"));
        QCOMPARE(d->taille_page->currentText(), QStringLiteral("A4"));
        QCOMPARE(d->Nb_copies->text(), QStringLiteral("1"));
    }

    void reglages_transmis_a_l_imprimante_data() {
        QTest::addColumn<int>("imprimante");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("qualite");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("sens");
        QTest::addColumn<QString>("taille");
        QTest::addColumn<bool>("reglee_avant");  // the printer object was set to high, landscape, A3 before
        QTest::addColumn<int>("couleur_attendue");
        QTest::addColumn<int>("qualite_attendue");
        QTest::addColumn<int>("copies_attendues");
        QTest::addColumn<int>("sens_attendu");
        QTest::addColumn<int>("papier_attendu");
        QTest::newRow("choix du chargement") << 0 << "Couleur" << "Standard" << "1" << "Portrait" << "A4" << true << 2
                                             << -2 << 1 << 1 << 9;
        QTest::newRow("monochrome haute paysage A3") << 1 << "Monochrome" << "Haute" << "2" << "Paysage" << "A3"
                                                     << false << 1 << -4 << 2 << 2 << 8;
        QTest::newRow("brouillon A5") << 0 << "Couleur" << "Brouillon" << "1" << "Portrait" << "A5" << false << 2 << -1
                                      << 1 << 1 << 11;
        QTest::newRow("B5") << 0 << "Couleur" << "Standard" << "1" << "Portrait" << "B5" << false << 2 << -2 << 1 << 1
                            << 13;
        QTest::newRow("autre mode tapé: monochrome") << 0 << "couleur" << "Standard" << "1" << "Portrait" << "A4"
                                                     << false << 1 << -2 << 1 << 1 << 9;
        QTest::newRow("copies 2.6 -> 3") << 0 << "Couleur" << "Standard" << "2.6" << "Portrait" << "A4" << false << 2
                                         << -2 << 3 << 1 << 9;
        QTest::newRow("copies 2.5 -> 2") << 0 << "Couleur" << "Standard" << "2.5" << "Portrait" << "A4" << false << 2
                                         << -2 << 2 << 1 << 9;
        QTest::newRow("copies 3.5 -> 4") << 0 << "Couleur" << "Standard" << "3.5" << "Portrait" << "A4" << false << 2
                                         << -2 << 4 << 1 << 9;
        QTest::newRow("copies suivies d'un texte") << 0 << "Couleur" << "Standard" << "12 ex." << "Portrait" << "A4"
                                                   << false << 2 << -2 << 12 << 1 << 9;
        QTest::newRow("textes inconnus: réglages inchangés")
            << 0 << "Couleur" << "Photo" << "1" << "Travers" << "Lettre" << true << 2 << -4 << 1 << 2 << 8;
    }
    void reglages_transmis_a_l_imprimante() {
        QFETCH(int, imprimante);
        QFETCH(QString, mode);
        QFETCH(QString, qualite);
        QFETCH(QString, copies);
        QFETCH(QString, sens);
        QFETCH(QString, taille);
        QFETCH(bool, reglee_avant);
        ImprimanteFactice imprimantes;
        if (reglee_avant) {
            QVERIFY(Printer().PrintQuality(-4));
            QVERIFY(Printer().Orientation(2));
            QVERIFY(Printer().PaperSize(8));
        }
        fenetre_qcm_montree();
        MessagesScriptes messages;
        pendant_l_attente([=](Facteur_impression* d) {
            d->nom_imprimante->setCurrentIndex(imprimante);
            taper(d->Mode_impression, mode);
            taper(d->Qualite_impression, qualite);
            taper(d->Nb_copies, copies);
            taper(d->orientation, sens);
            taper(d->taille_page, taille);
            valider(d);
        });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(imprimantes.travaux.size(), 1);
        const ReglagesImpression r = imprimantes.travaux.at(0).reglages;
        QCOMPARE(r.imprimante, imprimantes.noms.at(imprimante));
        QTEST(r.couleur, "couleur_attendue");
        QTEST(r.qualite, "qualite_attendue");
        QTEST(r.copies, "copies_attendues");
        QTEST(r.orientation, "sens_attendu");
        QTEST(r.papier, "papier_attendu");
        QVERIFY(impression_validee);
        QCOMPARE(facteur_echelle, 1.0f);
        QVERIFY(!Fenetre::si_chargee<Facteur_impression>());
    }

    void taille_de_papier_impossible_data() {
        QTest::addColumn<QString>("taille");
        QTest::addColumn<bool>("refusee_par_l_imprimante");
        QTest::newRow("A2") << "A2" << false;
        QTest::newRow("A1") << "A1" << false;
        QTest::newRow("A0") << "A0" << false;
        QTest::newRow("A3 refusé") << "A3" << true;
    }
    void taille_de_papier_impossible() {
        QFETCH(QString, taille);
        QFETCH(bool, refusee_par_l_imprimante);
        ImprimanteFactice imprimantes;
        if (refusee_par_l_imprimante) imprimantes.papiers_refuses[imprimantes.noms.first()] = {8};
        facteur_echelle = 0.5f;
        fenetre_qcm_montree();
        MessagesScriptes messages;
        messages.attendre("Taille de papier incorrecte", vb::vbOK, vb::vbOKOnly, titre_application);
        bool etat_verifie = false;
        pendant_l_attente([&](Facteur_impression* d) {
            taper(d->Mode_impression, "Monochrome");
            d->agrandit->click();
            taper(d->taille_page, taille);
            valider(d);
            // Still open with the choices; nothing validated; the steps before the paper applied.
            etat_verifie = Fenetre::si_chargee<Facteur_impression>() == d && !impression_validee &&
                           facteur_echelle == 0.5f && d->taille_page->currentText() == taille &&
                           Printer().ColorMode() == 1 && Printer().PaperSize() == 9;
            taper(d->taille_page, "A4");
            valider(d);
        });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(etat_verifie);
        QCOMPARE(imprimantes.travaux.size(), 1);
        QCOMPARE(imprimantes.travaux.at(0).reglages.papier, 9);
        QCOMPARE(facteur_echelle, 2.0f);
    }

    void refus_sans_impression_data() {
        QTest::addColumn<QString>("imprimante");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("message");
        QTest::newRow("imprimante inconnue") << "Imprimante du bureau" << "1" << "Imprimante incorrecte";
        QTest::newRow("nom vide") << "" << "1" << "Imprimante incorrecte";
        QTest::newRow("copies: texte") << "" << "abc" << "Nombre de copies incorrect";
        QTest::newRow("copies: zéro") << "" << "0" << "Nombre de copies incorrect";
        QTest::newRow("copies: moins d'une") << "" << "0.4" << "Nombre de copies incorrect";
        QTest::newRow("copies: négatif") << "" << "-3" << "Nombre de copies incorrect";
        QTest::newRow("copies: trop") << "" << "10000" << "Nombre de copies incorrect";
        QTest::newRow("copies: hors de 16 bits") << "" << "1e9" << "Nombre de copies incorrect";
    }
    void refus_sans_impression() {
        QFETCH(QString, imprimante);
        QFETCH(QString, copies);
        QFETCH(QString, message);
        ImprimanteFactice imprimantes;
        fenetre_qcm_montree();
        MessagesScriptes messages;
        messages.attendre(message, vb::vbOK, vb::vbOKOnly, titre_application);
        bool reste_ouvert = false;
        pendant_l_attente([&](Facteur_impression* d) {
            if (message.startsWith("Imprimante")) taper(d->nom_imprimante, imprimante);
            taper(d->Nb_copies, copies);
            valider(d);
            reste_ouvert = Fenetre::si_chargee<Facteur_impression>() == d && !impression_validee;
            d->close();
        });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(reste_ouvert);
        QVERIFY(imprimantes.travaux.isEmpty());
    }

    void aucune_imprimante_installee() {
        ImprimanteFactice imprimantes(QStringList{});
        fenetre_qcm_montree();
        MessagesScriptes messages;
        messages.attendre("Aucune imprimante n'est installée", vb::vbOK, vb::vbOKOnly, titre_application);
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(!Fenetre::si_chargee<Facteur_impression>());
        // The dialog loaded by other means (the resolution pass) has an empty list and refuses too.
        Facteur_impression* d = Fenetre::obtenir<Facteur_impression>();
        QCOMPARE(d->nom_imprimante->count(), 0);
        QCOMPARE(d->nom_imprimante->currentText(), QString());
        messages.attendre("Aucune imprimante n'est installée", vb::vbOK);
        valider(d);
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(!impression_validee);
        QVERIFY(imprimantes.travaux.isEmpty());
    }

    void fermer_sans_valider_abandonne() {
        ImprimanteFactice imprimantes;
        fenetre_QCM* f = fenetre_qcm_montree();
        MessagesScriptes messages;
        bool appelant_actif = false;
        pendant_l_attente([&](Facteur_impression* d) {
            appelant_actif = f->isEnabled() && d->isVisible();
            d->close();
        });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(appelant_actif);
        QVERIFY(imprimantes.travaux.isEmpty());
        QVERIFY(!impression_validee);
        QVERIFY(!Fenetre::si_chargee<Facteur_impression>());
    }

    void la_fin_du_programme_termine_l_attente() {
        ImprimanteFactice imprimantes;
        fenetre_qcm_montree();
        // The teacher leaves the dialog open and ends the program from the main window.
        pendant_l_attente([](Facteur_impression*) { terminer_application(); });
        imprimer_fenetre_QCM();
        QVERIFY(application_terminee());
        QVERIFY(imprimantes.travaux.isEmpty());
        QVERIFY(!impression_validee);
    }

    void taille_et_contenu_du_canevas_data() {
        QTest::addColumn<QString>("echelle");
        QTest::addColumn<int>("marge_hauteur");
        QTest::addColumn<QSize>("canevas");
        QTest::addColumn<float>("facteur");
        QTest::newRow("normal") << "normal" << 45 << QSize(685, 531) << 1.0f;
        QTest::newRow("personnalisé") << "personnalise" << 45 << QSize(685, 531) << 1.0f;
        QTest::newRow("agrandi") << "agrandit" << 45 << QSize(1310, 1017) << 2.0f;
        // 312.5 + 60 pixels: the half goes to the even neighbour.
        QTest::newRow("réduit") << "reduit" << 45 << QSize(372, 288) << 0.5f;
        QTest::newRow("marge du dessin: 25 pixels de plus") << "normal" << 70 << QSize(685, 556) << 1.0f;
    }
    void taille_et_contenu_du_canevas() {
        QFETCH(QString, echelle);
        QFETCH(int, marge_hauteur);
        QFETCH(QSize, canevas);
        ImprimanteFactice imprimantes;
        fenetre_QCM* f = fenetre_qcm_montree();
        QCOMPARE(f->Savoir->size(), QSize(625, 486));
        MessagesScriptes messages;
        pendant_l_attente([&](Facteur_impression* d) {
            BoutonOption* o = echelle == "normal" ? d->normal
                              : echelle == "personnalise" ? d->personnalise
                              : echelle == "agrandit"     ? d->agrandit
                                                          : d->reduit;
            o->click();
            valider(d);
        });
        imprimer_fenetre_activite(f, marge_hauteur);
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QTEST(facteur_echelle, "facteur");
        QCOMPARE(imprimantes.travaux.size(), 1);
        const PageImprimee& page = imprimantes.travaux.at(0).page;
        QCOMPARE(page.size(), 1);
        QCOMPARE(page.at(0).position, QPoint(0, 0));
        const QImage& imprimee = page.at(0).image;
        QCOMPARE(imprimee.size(), canevas);

        // The whole source rectangle, stretched into the canvas.
        const QSize source(625 + 60, 486 + marge_hauteur);
        const QImage attendue = capturer_zone(f->client(), source).convertToFormat(QImage::Format_RGB32);
        if (canevas == source) {
            QCOMPARE(imprimee.convertToFormat(QImage::Format_RGB32), attendue);
        } else {
            int sondes = 0;
            for (int y = 0; y < canevas.height(); y += 7)
                for (int x = 0; x < canevas.width(); x += 7) {
                    const int sx = x * source.width() / canevas.width();
                    const int sy = y * source.height() / canevas.height();
                    if (!uniforme(attendue, sx, sy, 2)) continue;
                    ++sondes;
                    QVERIFY2(imprimee.pixel(x, y) == attendue.pixel(sx, sy), qPrintable(QString("%1,%2").arg(x).arg(y)));
                }
            QVERIFY(sondes > 500);
        }

        // The canvas is emptied after the print, and its window was never shown.
        impression* toile = Fenetre::si_chargee<impression>();
        QVERIFY(toile);
        QVERIFY(toile->isHidden());
        QCOMPARE(toile->windowTitle(), QStringLiteral("Form2"));
        QVERIFY(toile->zone_impression->Picture().isNull());
    }

    void fenetre_de_resultats_sans_marges() {
        ImprimanteFactice imprimantes;
        Result_eval* r = Fenetre::obtenir<Result_eval>();
        r->Show();
        QCoreApplication::processEvents();
        QCOMPARE(r->Picture1->size(), QSize(513, 241));
        MessagesScriptes messages;
        pendant_l_attente([](Facteur_impression* d) { valider(d); });
        QTest::mouseClick(r->Command2, Qt::LeftButton);
        pendant_l_attente([](Facteur_impression* d) {
            d->agrandit->click();
            valider(d);
        });
        QTest::mouseClick(r->Command2, Qt::LeftButton);
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(imprimantes.travaux.size(), 2);
        const QImage normal = imprimantes.travaux.at(0).page.at(0).image.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(normal, capturer_zone(r->client(), QSize(513, 241)).convertToFormat(QImage::Format_RGB32));
        // Exactly twice the size: every pixel doubled.
        const QImage double_ = imprimantes.travaux.at(1).page.at(0).image.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(double_.size(), QSize(1026, 482));
        QCOMPARE(double_, normal.scaled(1026, 482, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }

    void deux_demandes_un_seul_valider() {
        ImprimanteFactice imprimantes;
        fenetre_qcm_montree();
        MessagesScriptes messages;
        const int avant = Facteur_impression::dernier_choix_valide();
        int choix_premier = 0, choix_second = -1;
        pendant_l_attente([&](Facteur_impression* d) {
            choix_premier = d->numero_choix();
            taper(d->Mode_impression, "Monochrome");
            // A second print from the tool bar while the first waits: the same dialog, not reloaded.
            pendant_l_attente([&](Facteur_impression* e) {
                choix_second = e->numero_choix();
                valider(e);
            });
            imprimer_fenetre_QCM();
        });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(choix_second, choix_premier);
        QCOMPARE(Facteur_impression::dernier_choix_valide(), avant + 1);
        QCOMPARE(imprimantes.travaux.size(), 2);
        for (const auto& t : imprimantes.travaux) {
            QCOMPARE(t.reglages.couleur, 1);
            QCOMPARE(t.page.at(0).image.size(), QSize(685, 531));
        }
    }

    void demande_dont_le_dialogue_a_ete_ferme() {
        // The first request's dialog is closed; a second request, made meanwhile, validates
        // its own: only the second one prints.
        ImprimanteFactice imprimantes;
        fenetre_qcm_montree();
        MessagesScriptes messages;
        pendant_l_attente([&](Facteur_impression* d) {
            d->close();
            QTimer::singleShot(0, qApp, [] {
                pendant_l_attente([](Facteur_impression* e) { valider(e); });
                imprimer_fenetre_QCM();
            });
        });
        imprimer_fenetre_QCM();
        QCoreApplication::processEvents();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(imprimantes.travaux.size(), 1);
    }

    void fenetre_fermee_pendant_l_attente() {
        ImprimanteFactice imprimantes;
        fenetre_QCM* f = fenetre_qcm_montree();
        MessagesScriptes messages;
        messages.attendre("Voulez-vous vraiment quitter le module QCM?", vb::vbYes);
        pendant_l_attente([&](Facteur_impression* d) {
            f->Unload();
            valider(d);
        });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(impression_validee);
        QVERIFY(imprimantes.travaux.isEmpty());
    }

    // A job the printer refuses (the driver says so, or the device cannot take the page, as a
    // queue that rejects jobs): the user is told, and the canvas is emptied all the same.
    void echec_de_l_imprimante_data() {
        QTest::addColumn<bool>("par_le_peripherique");
        QTest::newRow("le pilote refuse") << false;
        QTest::newRow("le périphérique refuse la page") << true;
    }
    void echec_de_l_imprimante() {
        QFETCH(bool, par_le_peripherique);
        QTemporaryDir dossier;
        ImprimanteFactice imprimantes;
        if (par_le_peripherique)
            imprimantes.sortie_pdf = dossier.filePath("absent/page.pdf");
        else
            imprimantes.echouer = true;
        fenetre_qcm_montree();
        MessagesScriptes messages;
        messages.attendre("Impression impossible", vb::vbOK, vb::vbOKOnly);
        pendant_l_attente([](Facteur_impression* d) { valider(d); });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(Fenetre::si_chargee<impression>()->zone_impression->Picture().isNull());
    }

    void impression_reelle_dans_un_pdf() {
        QTemporaryDir dossier;
        ImprimanteFactice imprimantes;
        imprimantes.sortie_pdf = dossier.filePath("page.pdf");
        fenetre_qcm_montree();
        MessagesScriptes messages;
        pendant_l_attente([](Facteur_impression* d) { valider(d); });
        imprimer_fenetre_QCM();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(imprimantes.travaux.size(), 1);
        QVERIFY(QFileInfo(imprimantes.sortie_pdf).size() > 5000);
        const QImage canevas = imprimantes.travaux.at(0).page.at(0).image.convertToFormat(QImage::Format_RGB32);

        const QImage rendue = rendre_pdf(imprimantes.sortie_pdf, dossier.path());
        if (rendue.isNull()) QSKIP("pdftoppm is not installed: the PDF was written, its page not looked at");
        // A4 portrait at 96 dpi; the picture at its own size from the printable area's corner
        // (10-point margins: 13.3 pixels).
        QCOMPARE(rendue.size(), QSize(794, 1123));
        const int marge = 14;
        int sondes = 0;
        for (int y = 0; y < canevas.height(); y += 5)
            for (int x = 0; x < canevas.width(); x += 5) {
                if (!uniforme(canevas, x, y, 2)) continue;
                ++sondes;
                QVERIFY2(proches(rendue.pixel(x + marge, y + marge), canevas.pixel(x, y), 24),
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
            }
        QVERIFY(sondes > 2000);
        // Below and right of the picture the page is blank.
        QCOMPARE(QColor(rendue.pixel(marge + 700, marge + 100)), QColor(Qt::white));
        QCOMPARE(QColor(rendue.pixel(marge + 100, marge + 560)), QColor(Qt::white));

        // Monochrome, landscape, A5: grey pixels on a page of that size.
        pendant_l_attente([](Facteur_impression* d) {
            taper(d->Mode_impression, "Monochrome");
            taper(d->orientation, "Paysage");
            taper(d->taille_page, "A5");
            valider(d);
        });
        imprimer_fenetre_QCM();
        const QImage grise = rendre_pdf(imprimantes.sortie_pdf, dossier.path());
        // 210 x 148 mm: 793.7 x 559.4 pixels, which the renderer rounds up.
        QCOMPARE(grise.width(), 794);
        QVERIFY(std::abs(grise.height() - 560) <= 1);
        int colorees = 0;
        for (int y = 0; y < canevas.height(); y += 5)
            for (int x = 0; x < canevas.width() && x + marge < grise.width(); x += 5) {
                if (!uniforme(canevas, x, y, 2) || y + marge >= grise.height()) continue;
                const QRgb c = canevas.pixel(x, y);
                if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) ++colorees;
                const QRgb g = grise.pixel(x + marge, y + marge);
                QVERIFY(std::abs(qRed(g) - qGreen(g)) <= 2 && std::abs(qGreen(g) - qBlue(g)) <= 2);
            }
        QVERIFY(colorees > 100);
    }
};

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
