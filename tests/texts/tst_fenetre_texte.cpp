// The fill-in texts driven as a pupil would: the text buttons of the main window, the panels,
// the themes and their boxes, the tool bar, the identification, the report, and the window
// closed in the middle of a pause.
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/form1.h"
#include "frame/options.h"
#include "frame/options_dialogues.h"
#include "frame/result_eval.h"
#include "platform/aide.h"
#include "platform/dialogues.h"
#include "platform/document.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/imprimante_factice.h"
#include "tests/support/pilote.h"
#include "texts/fenetre_texte.h"
#include "texts/positions_trous.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace traitement_texte;

namespace {
const QString QUITTER = QStringLiteral("Voulez-vous vraiment quitter le module texte à trous?");

fenetre_texte* ouvrir_textes(BoitePicture* Form1::*bouton = &Form1::Picture13) {
    Form1* f = demarrer_programme();
    f->Show();
    cliquer(f->*bouton);
    return Fenetre::si_chargee<fenetre_texte>();
}

void choisir(fenetre_texte* t, const char* etiquette) { cliquer(t->etiquettes_themes.value(etiquette)); }

// The widths a panel is given, as resizes show them (a step that keeps the width is none).
struct Largeurs : QObject {
    QList<int> vues;
    std::function<void(int)> a_chaque_largeur;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            vues << static_cast<QWidget*>(o)->width();
            if (a_chaque_largeur) a_chaque_largeur(vues.last());
        }
        return false;
    }
};
QList<int> pas(int de, int a, int pas) {
    QList<int> l;
    for (int w = de; pas > 0 ? w <= a : w >= a; w += pas) l << w;
    return l;
}

QStringList identite(fenetre_texte* t) { return {t->Nom->text(), t->Prenom->text(), t->Classe->text(), t->Temps->text()}; }
}

class TestFenetreTexte : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() { installer_crochet_messages({}); }

    void les_boutons_des_textes_dans_la_fenetre_principale() {
        struct Cas {
            BoitePicture* Form1::*bouton;
            int sujet;
        };
        for (const Cas& c : {Cas{&Form1::Picture13, 0}, Cas{&Form1::Picture14, 2}, Cas{&Form1::Picture15, 1}}) {
            reinitialiser_programme();
            fenetre_texte* t = ouvrir_textes(c.bouton);
            QVERIFY(t && t->isVisible());
            Form1* f = Fenetre::si_chargee<Form1>();
            QVERIFY(f->isHidden() && f->Label_patientez->isHidden());
            Result_eval* r = Fenetre::si_chargee<Result_eval>();
            QVERIFY(r && r->isHidden());
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(!t->bouton_onglet(i)->isHidden(), i == c.sujet);
                const int hauts[3] = {98, 253, 397};
                QCOMPARE(t->bouton_onglet(i)->y(), i == c.sujet ? 98 : hauts[i]);
                QCOMPARE(t->panneau(i)->y(), t->bouton_onglet(i)->y());
                QCOMPARE(t->panneau(i)->width(), 0);
                QCOMPARE(t->image_onglet(t->bouton_onglet(i)), 1);
            }
            QVERIFY(t->cadre_texte->isHidden() && t->Label_titre->isHidden() && t->copie_savoir->isHidden());
            QCOMPARE(identite(t), QStringList({"", "", "", ""}));  // never the design texts
            QCOMPARE(t->Text.Count(), 1);
        }
        fenetre_texte* t = Fenetre::si_chargee<fenetre_texte>();
        QCOMPARE(t->client()->size(), QSize(688, 516));
        QCOMPARE(t->windowTitle(), QString("Vantarel"));
        QCOMPARE(t->Savoir->geometry(), QRect(60, 41, 627, 474));
        QCOMPARE(t->Toolbar1->pos(), QPoint(0, 40));
        QStringList cles;
        for (QAction* a : t->Toolbar1->actions()) cles << a->objectName();
        QCOMPARE(cles, QStringList({"Enregistrer_sous", "Imprimer", "Quitter", "Identification"}));
        capture_pour_examen(t, "textes_ouverture_chimie");
        // F1 opens the window's own help page.
        t->activateWindow();
        aide::envoyer_f1(t);
        QTRY_COMPARE(aide::sujet_affiche(), 4);
    }

    void les_panneaux_glissent() {
        fenetre_texte* t = ouvrir_textes();
        struct Cas {
            int i;
            QList<int> ouverture, fermeture;
            int image_ouverte;
        };
        const Cas cas[] = {
            {0, pas(16, 184, 8), pas(176, 0, -8), 2},  // 22 steps, then 24 (the first keeps 184)
            {1, pas(16, 280, 8), pas(272, 0, -8), 2},  // 34, then 36
            {2, pas(8, 216, 8), pas(208, 0, -8), 2},   // 28 from 0 (the first keeps 0), 28 back
        };
        for (const Cas& c : cas) {
            Largeurs l;
            t->panneau(c.i)->installEventFilter(&l);
            QVERIFY(t->basculer_panneau(c.i));
            QCOMPARE(l.vues, c.ouverture);
            QCOMPARE(t->image_onglet(t->bouton_onglet(c.i)), 2);
            l.vues.clear();
            QVERIFY(t->basculer_panneau(c.i));
            QCOMPARE(l.vues, c.fermeture);
            QCOMPARE(t->image_onglet(t->bouton_onglet(c.i)), 1);
        }
        // 20 pixels count as shut, 24 as open: that panel shuts from its full width.
        definir_largeur(t->themes_electricite, 20);
        t->Command1_Click();
        QCOMPARE(t->themes_electricite->width(), 184);
        Largeurs l;
        definir_largeur(t->themes_electricite, 24);
        t->themes_electricite->installEventFilter(&l);
        t->Command1_Click();
        QCOMPARE(l.vues.first(), 184);
        QCOMPARE(t->themes_electricite->width(), 0);
        // A second click on the tab while it opens: its own shut runs inside the pause, then the
        // opening goes on to its end, whose picture remains.
        Largeurs m;
        bool clique = false;
        m.a_chaque_largeur = [&](int w) {
            if (w == 32 && !clique) {
                clique = true;
                QTimer::singleShot(0, t, [t] { cliquer(t->Command1); });
            }
        };
        t->themes_electricite->installEventFilter(&m);
        t->Command1_Click();
        QCOMPARE(m.vues, QList<int>({16, 24, 32}) + pas(184, 0, -8) + pas(40, 184, 8));
        QCOMPARE(t->image_onglet(t->Command1), 2);
    }

    void survol_des_etiquettes() {
        fenetre_texte* t = ouvrir_textes(&Form1::Picture15);
        t->Command2_Click();
        Etiquette* c5 = t->etiquettes_themes["Label_chimie5"];
        Etiquette* c7 = t->etiquettes_themes["Label_chimie7"];
        Etiquette* e1 = t->etiquettes_themes["Label_elec1"];
        survoler(e1);
        survoler(c5);
        QCOMPARE(couleur_texte_de(c5), 0xFFu);
        QCOMPARE(couleur_texte_de(e1), 0xFFu);  // another panel's label is not touched
        survoler(c7);
        QCOMPARE(couleur_texte_de(c7), 0xFFu);
        QCOMPARE(couleur_texte_de(c5), 0x800000u);
        capture_pour_examen(t, "textes_panneau_ouvert");
        survoler(t->Savoir);  // straight out of the panel: it stays red
        survoler(t->Picture2);  // the strip changes nothing
        QCOMPARE(couleur_texte_de(c7), 0xFFu);
        survoler(t->Themes_chimie, QPoint(260, 140));
        QCOMPARE(couleur_texte_de(c7), 0x800000u);
        survoler(t->themes_electricite, QPoint(0, 0));
        QCOMPARE(couleur_texte_de(e1), 0x8000u);
        QCOMPARE(couleur_texte_de(t->etiquettes_themes["Label_optique1"]), 0x40C0u);
        // A move over the working area puts back the default pointer.
        t->MousePointer(11);
        survoler(t->Savoir);
        QCOMPARE(t->MousePointer(), 0);
    }

    void chaque_theme_charge_son_texte() {
        fenetre_texte* t = ouvrir_textes();
        for (const ThemeTexte& th : fenetre_texte::themes_textes()) {
            choisir(t, th.etiquette);
            QCOMPARE(theme_courant, QString(th.code));
            QCOMPARE(t->Label_titre->text(), QString::fromUtf8(th.titre));
            QCOMPARE(t->Label_titre->font().pointSizeF(), double(th.taille_titre));
            QVERIFY(!t->Label_titre->isHidden() && !t->cadre_texte->isHidden());
            QCOMPARE(t->cadre_texte->Picture(), fenetre_texte::image_texte(th.sujet, th.image));
            const positions_trous& trous = *table_positions_trous(th.table);
            QCOMPARE(t->Text.Count(), trous.UBound() + 1);
            QCOMPARE(t->Text.UBound(), trous.UBound());
            for (auto [i, boite] : t->Text.elements()) {
                QCOMPARE(boite->geometry(), QRect(trous(i, 1) / 15, trous(i, 2) / 15, qRound(trous(i, 3) / 15.0), 16));
                QVERIFY(boite->text().isEmpty() && !boite->isHidden());
            }
            QCOMPARE(t->panneau(th.sujet)->width(), 0);
            QCOMPARE(t->image_onglet(t->bouton_onglet(th.sujet)), 1);
        }
        // The themes whose title is not their label's caption, and the chemistry picture 13.
        for (const char* e : {"Label_elec2", "Label_elec6", "Label_elec8", "Label_elec9", "Label_optique4"})
            QVERIFY(t->etiquettes_themes[e]->text() != QString::fromUtf8(fenetre_texte::theme(e)->titre));
        choisir(t, "Label_chimie14");
        QCOMPARE(t->cadre_texte->Picture(), fenetre_texte::image_texte(1, 13));
        QCOMPARE(t->Text.Count(), 16);
        QCOMPARE(t->Label_titre->font().pointSizeF(), 14.0);
    }

    void un_theme_remplace_le_precedent() {
        fenetre_texte* t = ouvrir_textes();
        choisir(t, "Label_elec1");
        QCOMPARE(t->Text.Count(), 20);
        QCOMPARE(t->Text(0)->geometry(), QRect(239, 31, 68, 16));
        QCOMPARE(t->Text(19)->geometry(), QRect(456, 31, 131, 16));
        taper(t->Text(0), "pile");
        taper(t->Text(5), "lampe");
        // Tab goes from a box to the next one.
        QApplication::setActiveWindow(t);
        t->Text(0)->setFocus();
        QTest::keyClick(t->Text(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t->Text(1)));
        capture_pour_examen(t, "textes_elec1");
        choisir(t, "Label_elec3");
        QPointer<ZoneTexte> boite20 = t->Text(20);
        choisir(t, "Label_optique3");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!boite20);  // boxes 1 to 20 are gone, 1 to 4 new
        QCOMPARE(t->Text.UBound(), 4);
        QCOMPARE(t->Text.Count(), 5);
        QCOMPARE(t->Label_titre->font().pointSizeF(), 11.0);
        // The same theme again gives back empty boxes, box 0 included.
        taper(t->Text(0), "ombre");
        t->Text(4)->insert("cône");  // the test tool types no accent
        choisir(t, "Label_optique3");
        for (auto [i, boite] : t->Text.elements()) QVERIFY(boite->text().isEmpty());
        QCOMPARE(t->Text.Count(), 5);
        // The title is centred between the identity boxes.
        QCOMPARE(t->Label_titre->geometry(), QRect(131, 17, 378, 22));
        QVERIFY(t->Label_titre->fontMetrics().horizontalAdvance(t->Label_titre->text()) <= 378);
        choisir(t, "Label_chimie7");
        t->Text(0)->insert("éprouvette graduée");
        taper(t->Text(3), "mL");
        capture_pour_examen(t, "textes_chimie7");
    }

    void le_bouton_valider_suit_la_case_word() {
        fenetre_texte* t = ouvrir_textes();
        choisir(t, "Label_elec2");
        QVERIFY(!t->valider_texte->isHidden());
        Options_TEXTES* o = Fenetre::obtenir<Options_TEXTES>();
        o->Check1->setChecked(false);  // at once, dialog not validated
        QVERIFY(t->valider_texte->isHidden());
        o->Check1->setChecked(true);
        QVERIFY(!t->valider_texte->isHidden());
        {
            const QSignalBlocker sans_action(o->Check1);
            o->Check1->setChecked(false);
        }
        QVERIFY(!t->valider_texte->isHidden());
        choisir(t, "Label_elec4");  // each theme reads the box again
        QVERIFY(t->valider_texte->isHidden());
        // With the text window closed, a tick loads it hidden.
        installer_crochet_messages([](const QString&, int, const QString&) { return int(vb::vbYes); });
        t->Unload();
        o->Check1->setChecked(true);
        fenetre_texte* cachee = Fenetre::si_chargee<fenetre_texte>();
        QVERIFY(cachee && cachee->isHidden() && !cachee->valider_texte->isHidden());
    }

    void un_theme_pendant_un_glissement() {
        fenetre_texte* t = ouvrir_textes();
        // "elec1" clicked while the panel of "elec3" slides shut: "elec3" is left.
        QTimer::singleShot(0, t, [t] { choisir(t, "Label_elec1"); });
        choisir(t, "Label_elec3");
        QCOMPARE(theme_courant, QString("elec3"));
        QCOMPARE(t->Text.Count(), 21);
        QCOMPARE(t->Label_titre->text(), QString("Les lampes électriques"));
        QCOMPARE(t->themes_electricite->width(), 0);
        // A theme clicked while its panel opens: loaded, and the panel then ends open.
        QTimer::singleShot(0, t, [t] { choisir(t, "Label_elec9"); });
        t->Command1_Click();
        QCOMPARE(theme_courant, QString("elec9"));
        QCOMPARE(t->Text.Count(), 12);
        QCOMPARE(t->themes_electricite->width(), 184);
        QCOMPARE(t->image_onglet(t->Command1), 2);
    }

    void sur_un_ecran_de_12_twips_par_pixel() {
        ecran::fixer_twips_par_pixel(12, 12);
        fenetre_texte* t = ouvrir_textes(&Form1::Picture15);
        QCOMPARE(t->largeur_twips(), 10320 * 12 / 15.0);
        QCOMPARE(t->hauteur_twips(), 7740 * 12 / 15.0);
        QCOMPARE(t->client()->size(), QSize(688, 516));
        QCOMPARE(t->Command2->y(), 98);
        choisir(t, "Label_chimie7");
        QCOMPARE(float(t->Label_titre->font().pointSizeF()), 8.8f);
        choisir(t, "Label_chimie3");
        QCOMPARE(float(t->Label_titre->font().pointSizeF()), 11.2f);
        QCOMPARE(t->Text(0)->geometry(), QRect(363, 39, 55, 16));
        QCOMPARE(t->Text(11)->width(), 71);  // 1060 twips: 848 at 12, 70.7 pixels
        t->Command2_Click();
        QCOMPARE(t->Themes_chimie->width(), 280);
    }

    void enregistrer_en_bmp() {
        fenetre_texte* t = ouvrir_textes();
        choisir(t, "Label_elec1");
        QTemporaryDir dossier;
        EnregistrerSousScripte dialogue;
        dialogue.repondre(QString());
        t->Toolbar1_ButtonClick("Enregistrer_sous");
        QCOMPARE(dialogue.appels, 1);
        QVERIFY(QDir(dossier.path()).isEmpty());
        const QImage vide = t->copie_savoir->Image();
        taper(t->Text(0), "WWWWWWWW");
        dialogue.repondre(dossier.filePath("texte"));
        t->Toolbar1_ButtonClick("Enregistrer_sous");
        QCOMPARE(dialogue.dernier_titre, QString("Enregistrez sous..."));
        const QImage image = QImage(dossier.filePath("texte.bmp"), "BMP").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(687, 519));
        // Rows beyond the 516 of the client area: the window's background.
        QCOMPARE(image.pixel(300, 518), qRgb(0xFF, 0xFF, 0x80));
        // The typed word is in the picture: box 0 lies at 304, 127 in the window.
        const QRect boite(60 + 5 + 239 + 3, 41 + 55 + 31 + 3, 60, 10);
        QVERIFY(image.copy(boite) != vide.convertToFormat(QImage::Format_RGB32).copy(boite));
    }

    void imprimer_la_feuille() {
        ImprimanteFactice imprimantes;
        fenetre_texte* t = ouvrir_textes();
        choisir(t, "Label_elec4");
        for (const char* echelle : {"normal", "agrandit"}) {
            pendant_l_attente([echelle](Facteur_impression* d) {
                if (QByteArray(echelle) == "agrandit") d->agrandit->click();
                QTest::mouseClick(d->Command2, Qt::LeftButton);
            });
            t->Toolbar1_ButtonClick("Imprimer");
        }
        QCOMPARE(imprimantes.travaux.size(), 2);
        QCOMPARE(imprimantes.travaux.at(0).page.at(0).image.size(), QSize(687, 519));
        QCOMPARE(imprimantes.travaux.at(1).page.at(0).image.size(), QSize(1314, 993));
    }

    void quitter_ou_rester() {
        fenetre_texte* t = ouvrir_textes();
        choisir(t, "Label_elec5");
        taper(t->Text(2), "courant");
        {
            MessagesScriptes boites;
            boites.attendre(QUITTER, vb::vbNo, vb::vbYesNo, "Vantarel");
            t->Toolbar1_ButtonClick("Quitter");
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QVERIFY(t->vivante() && t->isVisible());
            QCOMPARE(t->Text(2)->text(), QString("courant"));
            QCOMPARE(theme_courant, QString("elec5"));
        }
        {
            MessagesScriptes boites;
            boites.attendre(QUITTER, vb::vbYes);
            t->close();
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QVERIFY(!Fenetre::si_chargee<fenetre_texte>());
            QVERIFY(Fenetre::obtenir<Form1>()->isVisible());
            QCOMPARE(theme_courant, QString("elec5"));
        }
        t = ouvrir_textes();
        QVERIFY(t->cadre_texte->isHidden());
        QCOMPARE(t->Text.Count(), 1);
        // During the adaptation pass the main window is not shown again.
        Fenetre::obtenir<Form1>()->Hide();
        adaptation_en_cours = true;
        MessagesScriptes boites;
        boites.attendre(QUITTER, vb::vbYes);
        t->Unload();
        QVERIFY(Fenetre::obtenir<Form1>()->isHidden());
    }

    void s_identifier() {
        fenetre_texte* t = ouvrir_textes();
        for (int fermeture = 0; fermeture < 3; ++fermeture) {
            t->Toolbar1_ButtonClick("Identification");
            Identification_texte* d = Fenetre::si_chargee<Identification_texte>();
            QVERIFY(d && d->isVisible() && d->isEnabled());
            QVERIFY(!t->isEnabled());
            QCOMPARE(d->windowTitle(), QString("Identification"));
            QCOMPARE(d->Command3->text(), QString("Annuler"));
            QCOMPARE(d->client()->size(), QSize(502, 199));
            if (fermeture == 0) {
                d->Nom->setText("Martin");
                d->Prenom->setText("Léa");
                d->Classe->setText("5e2");
                d->Temps->setText("12/05/2025");
                capture_pour_examen(d, "identification_texte");
                d->Command1_Click();
                QCOMPARE(identite(t), QStringList({"Martin", "Léa", "5e2", "12/05/2025"}));
            }
            if (fermeture == 1) {
                d->Command3_Click();
                QCOMPARE(identite(t), QStringList({"Aucun", "Aucun", "Aucun", "Aucun"}));
            }
            if (fermeture == 2) d->close();
            QVERIFY(t->isEnabled());
        }
    }

    void le_rapport_du_texte() {
        QTemporaryDir temporaire, rapports;
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporaire.path()));
        nom_eleve = "Durand";
        prenom_eleve = "Léo";
        classe_eleve = "5e A";
        date_evaluation = "12/05/2025";
        fenetre_texte* t = ouvrir_textes();
        chemin_textes = rapports.path();
        const QStringList programme_avant = QDir(chemin_appli).entryList(QDir::Files);
        choisir(t, "Label_elec1");
        taper(t->Text(0), "generateur");
        t->Command1_Click();
        QList<Paragraphe> corps, entete;
        int pointeur_pendant = -1;
        installer_crochet_enregistrement([&](const Document& d, const QString&) {
            corps = d.paragraphes();
            entete = d.entete();
            pointeur_pendant = t->MousePointer();
        });
        const QString fichier = rapports.filePath("evaluation_texte_Durand_Léo_12_05_2025.doc");
        MessagesScriptes boites;
        boites.attendre("Feuille sauvegardée dans le fichier: " + fichier, vb::vbOK, vb::vbInformation, "Vantarel");
        cliquer(t->valider_texte);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(QFile::exists(fichier));
        QCOMPARE(pointeur_pendant, 11);
        QCOMPARE(t->MousePointer(), 0);
        for (int i = 0; i < 3; ++i) QCOMPARE(t->panneau(i)->width(), 0);
        QCOMPARE(t->image_onglet(t->Command1), 2);  // the tab keeps its look
        // One picture, the capture with the typed word, right-aligned, above the identity.
        int image = -1, nom = -1;
        for (int i = 0; i < corps.size(); ++i) {
            if (corps[i].nombre_images() == 1) image = i;
            if (corps[i].texte() == "Durand  Léo") nom = i;
        }
        QVERIFY(image >= 0 && nom > image);
        QCOMPARE(corps[image].alignement, int(wdAlignParagraphRight));
        const QImage dans_le_document = QImage::fromData(corps[image].morceaux.first().png).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(dans_le_document.size(), QSize(687, 519));
        QCOMPARE(dans_le_document, t->copie_savoir->Image().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(dans_le_document.pixel(200, 100), qRgb(0xFF, 0xFF, 0xFF));  // the panel shut first
        QCOMPARE(entete.first().texte(), QString("VANTAREL - Evaluation texte à trous"));
        QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
        // An unwritable folder: the failure box, no file, no temporary file.
        chemin_textes = QDir(rapports.path()).filePath("evaluation_texte_Durand_Léo_12_05_2025.doc/dessous");
        boites.attendre("Sauvegarde du fichier au format Word impossible", vb::vbOK, vb::vbInformation);
        cliquer(t->valider_texte);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QCOMPARE(t->MousePointer(), 0);
        QCOMPARE(QDir(rapports.path()).entryList(QDir::Files).size(), 1);
        QVERIFY(QDir(temporaire.path()).isEmpty());
        QCOMPARE(QDir(chemin_appli).entryList(QDir::Files), programme_avant);
        installer_crochet_enregistrement({});
        qputenv("TMPDIR", tmpdir);
        // The document as a teacher opens it, for a look by eye.
        if (QString dossier = qEnvironmentVariable("VANTAREL_CAPTURES"); !dossier.isEmpty() && libreoffice_present())
            QFile::copy(fichier, dossier + "/rapport_texte.doc");
    }

    void fermee_pendant_une_pause() {
        // Closed (Yes) inside a slide, a theme's slide and the report's pause: the handler ends
        // there, without a theme, a file or a message, and touches nothing of the closed window.
        QTemporaryDir rapports;
        for (int cas = 0; cas < 3; ++cas) {
            reinitialiser_programme();
            fenetre_texte* t = ouvrir_textes();
            chemin_textes = rapports.path();
            if (cas == 2) choisir(t, "Label_elec2");
            QPointer<fenetre_texte> garde(t);
            MessagesScriptes boites;
            boites.attendre(QUITTER, vb::vbYes);
            QTimer::singleShot(0, t, [t] { t->close(); });
            if (cas == 0) t->Command1_Click();
            if (cas == 1) choisir(t, "Label_elec6");
            if (cas == 2) t->valider_texte_Click();
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!garde && !Fenetre::si_chargee<fenetre_texte>());
            QVERIFY(Fenetre::obtenir<Form1>()->isVisible());
            QCOMPARE(theme_courant, cas == 2 ? QString("elec2") : QString());
            QVERIFY(QDir(rapports.path()).isEmpty());
        }
    }
};

QTEST_MAIN(TestFenetreTexte)
#include "tst_fenetre_texte.moc"
