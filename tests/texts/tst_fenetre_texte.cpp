// The fill-in texts driven as a pupil would: the blank tables built at start-up, the text
// buttons, the panels, the themes and their boxes, the tool bar, the report, and the window
// closed in the middle of a pause.
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/rapport_cadre.h"
#include "frame/form1.h"
#include "frame/options_dialogues.h"
#include "frame/result_eval.h"
#include "platform/capture.h"
#include "platform/dialogues.h"
#include "platform/document.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/imprimante_factice.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"
#include "texts/fenetre_texte.h"
#include "texts/positions_trous.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace traitement_texte;

namespace {
const QString QUITTER = QStringLiteral("Voulez-vous vraiment quitter le module texte à trous?");

fenetre_texte* ouvrir(BoitePicture* Form1::*bouton = &Form1::Picture13) {
    Form1* f = demarrer_programme();
    f->Show();
    cliquer(f->*bouton);
    return Fenetre::si_chargee<fenetre_texte>();
}
void choisir(fenetre_texte* t, const char* etiquette) { cliquer(t->etiquettes_themes.value(etiquette)); }
QList<int> ligne(const char* table, int i) {
    const positions_trous& p = *table_positions_trous(table);
    return {p(i, 1), p(i, 2), p(i, 3)};
}
// The widths a panel takes, as resizes show them (a step that keeps the width shows none).
struct Largeurs : QObject {
    QList<int> vues;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize) vues << static_cast<QWidget*>(o)->width();
        return false;
    }
};
QList<int> pas(int de, int a, int pas) {
    QList<int> l;
    for (int w = de; pas > 0 ? w <= a : w >= a; w += pas) l << w;
    return l;
}
}

class TestFenetreTexte : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() { installer_crochet_messages({}); }

    void les_tables_des_trous() {
        QCOMPARE(ligne("trous_elec1", 0), QList<int>({0, 0, 0}));  // before the start-up
        struct Cas {
            float tx, ty;
            QList<int> elec1, chimie1;
            int chimie3;
        };
        // Halves go to the even neighbour (1792.5 -> 1792); one axis is enough, and only its columns move.
        for (const Cas& c : {Cas{15, 15, {3585, 465, 1020}, {1815, 585, 795}, 1060}, Cas{12, 12, {2868, 372, 816}, {1452, 468, 636}, 848},
                             Cas{7.5f, 7.5f, {1792, 232, 510}, {908, 292, 398}, 530}, Cas{15, 12, {3585, 372, 1020}, {1815, 468, 795}, 1060}}) {
            ecran::fixer_twips_par_pixel(c.tx, c.ty);
            demarrer_programme();
            QCOMPARE(ligne("trous_elec1", 0), c.elec1);
            QCOMPARE(ligne("trous_chimie1", 0), c.chimie1);  // a table no theme shows
            QCOMPARE(ligne("trous_chimie3", 11)[2], c.chimie3);
            const QList<int> une = ligne("trous_elec1", 19) + ligne("trous_optique4", 18);
            initialiser_positions_trous();
            QCOMPARE(ligne("trous_elec1", 19) + ligne("trous_optique4", 18), une);
            reinitialiser_programme();
        }
        demarrer_programme();
        QCOMPARE(ligne("trous_elec1", 19), QList<int>({6840, 465, 1965}));
    }

    void ouverture_par_les_trois_boutons() {
        for (auto [bouton, sujet] : {std::pair{&Form1::Picture13, 0}, {&Form1::Picture14, 2}, {&Form1::Picture15, 1}}) {
            reinitialiser_programme();
            fenetre_texte* t = ouvrir(bouton);
            QVERIFY(t->isVisible() && Fenetre::si_chargee<Form1>()->isHidden());
            QVERIFY(Fenetre::si_chargee<Result_eval>() && Fenetre::si_chargee<Result_eval>()->isHidden());
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(!t->bouton_onglet(i)->isHidden(), i == sujet);
                QCOMPARE(t->panneau(i)->y(), i == sujet ? 98 : QList<int>({98, 253, 397})[i]);
                QCOMPARE(t->panneau(i)->width() + t->image_onglet(t->bouton_onglet(i)), 1);
            }
            QVERIFY(t->cadre_texte->isHidden() && t->Label_titre->isHidden() && t->Nom->text().isEmpty());
            capture_pour_examen(t, "textes_ouverture");
        }
        fenetre_texte* t = Fenetre::si_chargee<fenetre_texte>();
        QCOMPARE(t->client()->size(), QSize(688, 516));
        QCOMPARE(t->Toolbar1->pos(), QPoint(0, 40));
    }

    void glissements_et_survol() {
        fenetre_texte* t = ouvrir(&Form1::Picture15);
        const QList<int> attendu[3][2] = {{pas(16, 184, 8), pas(176, 0, -8)},  // 22 steps, 24 (the first keeps 184)
                                          {pas(16, 280, 8), pas(272, 0, -8)},  // 34, 36
                                          {pas(8, 216, 8), pas(208, 0, -8)}};  // 28 from 0, 28
        for (int i = 0; i < 3; ++i)
            for (int sens = 0; sens < 2; ++sens) {
                Largeurs l;
                t->panneau(i)->installEventFilter(&l);
                QVERIFY(t->basculer_panneau(i));
                QCOMPARE(l.vues, attendu[i][sens]);
                QCOMPARE(t->image_onglet(t->bouton_onglet(i)), 2 - sens);
            }
        definir_largeur(t->Themes_chimie, 20);  // shut: it opens
        t->Command2_Click();
        Etiquette* c5 = t->etiquettes_themes["Label_chimie5"];
        Etiquette* c7 = t->etiquettes_themes["Label_chimie7"];
        survoler(c5);
        survoler(c7);
        QCOMPARE(couleur_texte_de(c7) + couleur_texte_de(c5), 0xFFu + 0x800000u);
        capture_pour_examen(t, "textes_panneau_ouvert");
        survoler(t->Savoir);  // left straight out of the panel: it stays red
        survoler(t->Picture2);
        QCOMPARE(couleur_texte_de(c7), 0xFFu);
        survoler(t->Themes_chimie, QPoint(270, 140));
        QCOMPARE(couleur_texte_de(c7), 0x800000u);
        t->MousePointer(11);
        survoler(t->Savoir);
        QCOMPARE(t->MousePointer(), 0);
        Largeurs l;  // caught at 24 it is open: it shuts from its full width
        definir_largeur(t->Themes_chimie, 24);
        t->Themes_chimie->installEventFilter(&l);
        t->Command2_Click();
        QCOMPARE(l.vues.first(), 280);
    }

    void chaque_theme_et_ses_boites() {
        fenetre_texte* t = ouvrir();
        for (const ThemeTexte& th : fenetre_texte::themes_textes()) {
            choisir(t, th.etiquette);
            QCOMPARE(theme_courant, QString(th.code));
            QCOMPARE(t->Label_titre->text(), QString::fromUtf8(th.titre));
            QCOMPARE(t->Label_titre->font().pointSizeF(), double(th.taille_titre));
            QCOMPARE(t->cadre_texte->Picture(), fenetre_texte::image_texte(th.sujet, th.image));
            const positions_trous& trous = *table_positions_trous(th.table);
            QCOMPARE(t->Text.Count(), trous.UBound() + 1);
            for (auto [i, b] : t->Text.elements())
                QVERIFY(b->geometry() == QRect(trous(i, 1) / 15, trous(i, 2) / 15, qRound(trous(i, 3) / 15.0), 16) &&
                        b->text().isEmpty() && !b->isHidden());
            QVERIFY(!t->cadre_texte->isHidden() && t->panneau(th.sujet)->width() == 0);
        }
        QCOMPARE(t->cadre_texte->Picture(), fenetre_texte::image_texte(2, 4));
        for (const char* e : {"Label_elec2", "Label_elec6", "Label_elec8", "Label_elec9", "Label_optique4"})
            QVERIFY(t->etiquettes_themes[e]->text() != QString::fromUtf8(fenetre_texte::theme(e)->titre));
        choisir(t, "Label_chimie14");
        QCOMPARE(t->cadre_texte->Picture(), fenetre_texte::image_texte(1, 13));
        QCOMPARE(t->Text.Count(), 16);
    }

    void un_theme_remplace_le_precedent() {
        fenetre_texte* t = ouvrir();
        choisir(t, "Label_elec1");
        QCOMPARE(t->Text(0)->geometry(), QRect(239, 31, 68, 16));
        QCOMPARE(t->Label_titre->geometry(), QRect(131, 17, 378, 22));  // centred between the boxes
        taper(t->Text(0), "pile");
        t->Text(0)->setFocus();
        QTest::keyClick(t->Text(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t->Text(1)));
        capture_pour_examen(t, "textes_elec1");
        choisir(t, "Label_elec3");
        QPointer<ZoneTexte> boite20 = t->Text(20);
        choisir(t, "Label_optique3");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!boite20 && t->Text.UBound() == 4 && t->Text.Count() == 5);
        taper(t->Text(0), "ombre");
        choisir(t, "Label_optique3");  // the same theme again: empty boxes
        QVERIFY(t->Text(0)->text().isEmpty());
        choisir(t, "Label_chimie7");
        t->Text(0)->insert("éprouvette graduée");
        capture_pour_examen(t, "textes_chimie7");
        // "Valider les réponses" follows the Word box at once, and at each theme.
        Options_TEXTES* o = Fenetre::obtenir<Options_TEXTES>();
        o->Check1->setChecked(false);
        QVERIFY(t->valider_texte->isHidden());
        o->Check1->setChecked(true);
        QVERIFY(!t->valider_texte->isHidden());
        const QSignalBlocker sans_action(o->Check1);
        o->Check1->setChecked(false);
        choisir(t, "Label_elec4");
        QVERIFY(t->valider_texte->isHidden());
    }

    void un_theme_pendant_un_glissement() {
        fenetre_texte* t = ouvrir();
        QTimer::singleShot(0, t, [t] { choisir(t, "Label_elec1"); });
        choisir(t, "Label_elec3");  // "elec1" runs inside its slide; "elec3" is left
        QVERIFY(theme_courant == "elec3" && t->Text.Count() == 21 && t->themes_electricite->width() == 0);
        QTimer::singleShot(0, t, [t] { choisir(t, "Label_elec9"); });
        t->Command1_Click();  // loaded during the opening, which then ends open
        QVERIFY(theme_courant == "elec9" && t->Text.Count() == 12 && t->themes_electricite->width() == 184);
        QCOMPARE(t->image_onglet(t->Command1), 2);
    }

    void sur_un_ecran_de_12_twips_par_pixel() {
        ecran::fixer_twips_par_pixel(12, 12);
        fenetre_texte* t = ouvrir(&Form1::Picture15);
        QVERIFY(t->largeur_twips() == 8256 && t->hauteur_twips() == 6192 && t->client()->size() == QSize(688, 516));
        choisir(t, "Label_chimie7");
        QCOMPARE(float(t->Label_titre->font().pointSizeF()), 8.8f);
        choisir(t, "Label_chimie3");
        QCOMPARE(float(t->Label_titre->font().pointSizeF()), 11.2f);
        QVERIFY(t->Text(0)->geometry() == QRect(363, 39, 55, 16) && t->Text(11)->width() == 71);
    }

    void la_barre_d_outils() {
        ImprimanteFactice imprimantes;
        fenetre_texte* t = ouvrir();
        choisir(t, "Label_elec5");
        taper(t->Text(0), "WWWWWW");
        QTemporaryDir dossier;
        EnregistrerSousScripte dialogue;
        dialogue.repondre(QString());
        dialogue.repondre(dossier.filePath("texte"));
        t->Toolbar1_ButtonClick("Enregistrer_sous");  // cancelled: nothing written
        QVERIFY(QDir(dossier.path()).isEmpty());
        t->Toolbar1_ButtonClick("Enregistrer_sous");
        const QImage bmp = QImage(dossier.filePath("texte.bmp")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(bmp, t->copie_savoir->Image().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(bmp.size(), QSize(687, 519));
        QCOMPARE(bmp.pixel(300, 518), qRgb(0xFF, 0xFF, 0x80));  // below the client's 516 rows
        t->Text(0)->clear();
        const QRect boite0(60 + 5 + 204 + 3, 41 + 55 + 39 + 3, 40, 10);  // its box 0, in the window
        QVERIFY(capturer_zone(t->client(), bmp.size()).copy(boite0) != bmp.copy(boite0));
        for (bool double_taille : {false, true}) {
            pendant_l_attente([double_taille](Facteur_impression* d) {
                if (double_taille) d->agrandit->click();
                QTest::mouseClick(d->Command2, Qt::LeftButton);
            });
            t->Toolbar1_ButtonClick("Imprimer");
        }
        QCOMPARE(imprimantes.travaux.at(0).page.at(0).image.size(), QSize(687, 519));
        QCOMPARE(imprimantes.travaux.at(1).page.at(0).image.size(), QSize(1314, 993));
        // Identification: the window waits for its dialog, which Valider, Annuler or its close box end.
        for (int fin = 0; fin < 3; ++fin) {
            t->Toolbar1_ButtonClick("Identification");
            Identification_texte* d = Fenetre::si_chargee<Identification_texte>();
            QVERIFY(!t->isEnabled() && d->isVisible() && d->isEnabled() && d->Command3->text() == "Annuler");
            if (fin == 0) {
                for (ZoneTexte* z : {d->Nom, d->Prenom, d->Classe}) z->setText("Martin");
                capture_pour_examen(d, "identification_texte");
                d->Command1_Click();
            }
            if (fin == 1) d->Command3_Click();
            if (fin == 2) d->close();
            QVERIFY(t->isEnabled());
            QCOMPARE(t->Nom->text(), QString(fin == 0 ? "Martin" : "Aucun"));
        }
    }

    void les_boites_se_lisent_depuis_leur_debut() {
        // The letter at the left edge of a box as it was last painted.
        const auto premiere = [](ZoneTexte* z) { return z->cursorPositionAt(QPoint(0, z->height() / 2)); };
        nom_eleve = "de La Rochefoucauld-Montmorency";
        fenetre_texte* t = ouvrir();
        t->Nom->grab();
        QCOMPARE(premiere(t->Nom), 0);
        choisir(t, "Label_elec5");
        ZoneTexte* z = t->Text(0);
        souris::appuyer(z, QPoint(3, 3));
        souris::relacher(z, QPoint(3, 3));
        taper(z, "circuit electrique ferme");
        // A snapshot while the pupil is still in the box, then the pupil types on at its end.
        capturer_zone(t->client(), QSize(687, 519));
        QVERIFY(premiere(z) == 0 && z->cursorPosition() == z->text().size());
        souris::appuyer(t->cadre_texte, QPoint(300, 300));
        souris::relacher(t->cadre_texte, QPoint(300, 300));
        z->grab();
        QCOMPARE(premiere(z), 0);
        capture_pour_examen(t, "textes_boites_longues");
    }

    void quitter_ou_rester() {
        fenetre_texte* t = ouvrir();
        choisir(t, "Label_elec5");
        taper(t->Text(2), "courant");
        MessagesScriptes boites;
        boites.attendre(QUITTER, vb::vbNo, vb::vbYesNo, "Vantarel");
        boites.attendre(QUITTER, vb::vbYes);
        t->Toolbar1_ButtonClick("Quitter");
        QVERIFY(t->vivante() && t->Text(2)->text() == "courant");
        t->close();
        QVERIFY(!Fenetre::si_chargee<fenetre_texte>() && Fenetre::obtenir<Form1>()->isVisible());
        t = ouvrir();
        QVERIFY(t->cadre_texte->isHidden() && t->Text.Count() == 1);
        Fenetre::obtenir<Form1>()->Hide();
        adaptation_en_cours = true;  // the adaptation pass: the main window stays hidden
        boites.attendre(QUITTER, vb::vbYes);
        t->Unload();
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(Fenetre::obtenir<Form1>()->isHidden());
    }

    void le_rapport_du_texte() {
        QTemporaryDir temporaire, rapports;
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporaire.path()));
        nom_eleve = "Durand";
        prenom_eleve = "Léo";
        classe_eleve = "5e A";
        date_evaluation = "12/05/2025";
        fenetre_texte* t = ouvrir();
        chemin_textes = rapports.path();
        const QStringList programme = QDir(chemin_appli).entryList(QDir::Files);
        choisir(t, "Label_elec1");
        taper(t->Text(0), "generateur");
        t->Command1_Click();
        QList<Paragraphe> corps;
        int pointeur = -1;
        installer_crochet_enregistrement([&](const Document& d, const QString&) {
            corps = d.paragraphes();
            pointeur = t->MousePointer();
            QCOMPARE(d.entete().first().texte(), QString("VANTAREL - Evaluation texte à trous"));
        });
        const QString fichier = rapports.filePath("evaluation_texte_Durand_Léo_12_05_2025.doc");
        MessagesScriptes boites;
        boites.attendre("Feuille sauvegardée dans le fichier: " + fichier, vb::vbOK, vb::vbInformation,
                        "Vantarel");
        cliquer(t->valider_texte);
        QVERIFY(QFile::exists(fichier) && pointeur == 11 && t->MousePointer() == 0);
        QVERIFY(t->themes_electricite->width() == 0 && t->image_onglet(t->Command1) == 2);
        // One picture, the capture with the typed word, right-aligned, above the identity.
        QCOMPARE(corps[0].alignement, int(wdAlignParagraphRight));
        QCOMPARE(QImage::fromData(corps[0].morceaux.first().png).convertToFormat(QImage::Format_RGB32),
                 t->copie_savoir->Image().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(t->copie_savoir->Image().size(), QSize(687, 519));
        QCOMPARE(corps[2].texte(), QString("Durand  Léo"));
        if (QString captures = qEnvironmentVariable("VANTAREL_CAPTURES"); !captures.isEmpty())
            QFile::copy(fichier, captures + "/rapport_texte.doc");  // to open in a word processor
        // A folder that cannot be made: the failure box, no file, no temporary file.
        chemin_textes = fichier + "/dessous";
        boites.attendre("Sauvegarde du fichier au format Word impossible\nCause : un élément du chemin n'est pas un dossier.",
                        vb::vbOK, vb::vbInformation);
        cliquer(t->valider_texte);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(t->MousePointer() == 0 && QDir(temporaire.path()).isEmpty());
        QCOMPARE(QDir(chemin_appli).entryList(QDir::Files), programme);
        installer_crochet_enregistrement({});
        qputenv("TMPDIR", tmpdir);
    }

    void fermee_pendant_une_pause() {
        // Closed (Yes) inside a slide, a theme's slide or the report's pause: the handler ends
        // there, without a theme, a file or a message.
        QTemporaryDir rapports;
        for (int cas = 0; cas < 3; ++cas) {
            reinitialiser_programme();
            fenetre_texte* t = ouvrir();
            chemin_textes = rapports.path();
            if (cas == 2) choisir(t, "Label_elec2");
            MessagesScriptes boites;
            boites.attendre(QUITTER, vb::vbYes);
            QTimer::singleShot(0, t, [t] { t->close(); });
            if (cas == 0) t->Command1_Click();
            if (cas == 1) choisir(t, "Label_elec6");
            if (cas == 2) t->valider_texte_Click();
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QVERIFY(!Fenetre::si_chargee<fenetre_texte>() && Fenetre::obtenir<Form1>()->isVisible());
            QVERIFY(theme_courant == (cas == 2 ? "elec2" : "") && QDir(rapports.path()).isEmpty());
        }
    }
};

QTEST_MAIN(TestFenetreTexte)
#include "tst_fenetre_texte.moc"
