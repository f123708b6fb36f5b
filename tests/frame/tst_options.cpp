// The teacher's options dialogs and the password gate, and how the quiz follows the options.
#include "frame/etat.h"
#include "frame/form1.h"
#include "frame/mot_de_passe.h"
#include "frame/options.h"
#include "frame/options_dialogues.h"
#include "frame/result_eval.h"
#include "platform/messages.h"
#include "quiz/banques.h"
#include "quiz/etat_qcm.h"
#include "quiz/fenetre_qcm.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"

#include <QDir>
#include <QtTest>

namespace {
const QString mot_valide = QStringLiteral("Mot de passe valide, vous pouvez désormais visualiser les réponses au QCM");
const QString mot_incorrect = QStringLiteral("Mot de passe incorrect");
const QString libelle_word = QStringLiteral("Sauvegarder les réponses dans un fichier au format Microsoft WORD");

Options_QCM* ouvrir_qcm(Form1* f) {
    f->mnuoptionsQCM_Click();
    return Fenetre::si_chargee<Options_QCM>();
}
Options_DESSIN* ouvrir_dessin(Form1* f) {
    f->mnuoptionsDESSIN_Click();
    return Fenetre::si_chargee<Options_DESSIN>();
}
Options_TEXTES* ouvrir_textes(Form1* f) {
    f->mnuoptionstexte_Click();
    return Fenetre::si_chargee<Options_TEXTES>();
}

// Clicked near its left edge, half-way down: on the box or the button's text.
void cliquer_gauche(QWidget* w) { cliquer(w, QPoint(4, w->height() / 2)); }

// The gate, after a change of the answers box opened it: typed text, then OK.
void essayer(Mot_de_passe* gardien, const QString& texte, MessagesScriptes& m, const QString& reponse) {
    taper(gardien->Text_motdepasse1, texte);
    m.attendre(reponse, vb::vbOK, reponse == mot_valide ? vb::vbInformation : vb::vbCritical, titre_application);
    QTest::mouseClick(gardien->Go, Qt::LeftButton);
}

// Each dialog's buttons and boxes fit it and do not overlap.
void verifier_disposition(DialogueOptions* d, const QList<QWidget*>& autres) {
    QList<QWidget*> controles = autres;
    controles << d->Label1 << d->repertoire_instal << d->Command2 << d->Command1;
    for (int i = 0; i < controles.size(); ++i) {
        QVERIFY(d->client()->rect().contains(controles[i]->geometry()));
        for (int j = i + 1; j < controles.size(); ++j)
            QVERIFY2(!controles[i]->geometry().intersects(controles[j]->geometry()),
                     qPrintable(QString::number(i) + " / " + QString::number(j)));
    }
    QCOMPARE(d->Command2->text(), QStringLiteral("Valider"));
    QCOMPARE(d->Command1->text(), QStringLiteral("Annuler"));
    QCOMPARE(d->Label1->text(), QStringLiteral("Répertoire de sauvegarde:"));
    for (QPushButton* b : {static_cast<QPushButton*>(d->Command2), static_cast<QPushButton*>(d->Command1)}) {
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
        QVERIFY(b->sizeHint().width() <= b->width() + 8);
    }
}

// A check box's caption, wrapped to its width, fits its height.
void verifier_libelle(CaseACocher* c) {
    const QFontMetrics fm(c->font());
    const QRect place(0, 0, c->width() - 20, 1000);
    const QRect besoin = fm.boundingRect(place, Qt::TextWordWrap, c->text());
    QVERIFY2(besoin.height() <= c->height() + 1, qPrintable(c->text()));
}

// A quiz sheet of the chemistry topic "chimie14", written over the bank: right choice 1.
const ThemeQCM& theme_chimie14() {
    for (const ThemeQCM& t : fenetre_QCM::themes())
        if (QLatin1String(t.feuille->code_theme) == QLatin1String("chimie14")) return t;
    qFatal("no topic chimie14");
}
void ecrire_feuille(const DefinitionFeuille& d) {
    d.feuille->resize(d.nb_lignes + 1);
    for (int r = 1; r <= d.nb_lignes; ++r)
        (*d.feuille)[r] = {QString(), "1", QString::number(r), QStringLiteral("Question %1").arg(r), "Oui", "Non", "",
                           "", "", "1", QStringLiteral("Correction %1").arg(r), ""};
}

// Runs the whole sheet, answering choice `choix` each time; gives, per question, whether the
// right/wrong panel showed after the answer (and, when it did, whether it said the right thing).
void faire_le_qcm(Form1* f, int choix, QList<bool>& retours) {
    f->Picture10_Click();
    fenetre_QCM* q = Fenetre::si_chargee<fenetre_QCM>();
    const ThemeQCM& t = theme_chimie14();
    ecrire_feuille(*t.feuille);
    q->Label_theme_Click(t);
    MessagesScriptes m;
    for (int i = 1; i <= t.feuille->nb_lignes; ++i) {
        q->Option_rep[choix]->click();
        m.attendre(QStringLiteral("Voulez-vous vraiment valider votre réponse?"), vb::vbOK);
        q->Valid_reponse->click();
        retours.append(!q->Reponse_juste->isHidden());
        if (!q->Reponse_juste->isHidden())
            retours.append(q->Reponse_juste_faux->text() == (choix == 1 ? "JUSTE !" : "FAUX !") &&
                           q->texte_reponse->text() == QStringLiteral("Correction %1").arg(i));
        if (i == t.feuille->nb_lignes) m.attendre(QStringLiteral("Exercice terminé"), vb::vbOK);
        q->Continuer->click();
    }
    QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
}
}

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void init() {
        reinitialiser_programme();
        definir_action_valider_texte({});
    }
    void cleanup() {
        reinitialiser_programme();
        definir_action_valider_texte({});
    }

    void les_trois_dialogues_a_leur_premiere_ouverture() {
        Form1* f = demarrer_programme();
        f->Show();
        QVERIFY(!chemin_appli.isEmpty());
        QCOMPARE(chemin_appli, dossier_programme());

        Options_QCM* q = ouvrir_qcm(f);
        QVERIFY(!f->isEnabled());
        QVERIFY(q->isVisible());
        QVERIFY(q->isEnabled());
        QVERIFY(q->parent() == nullptr);
        QCOMPARE(q->windowTitle(), QStringLiteral("  Options générales du module Evaluation-QCM"));
        QCOMPARE(q->client()->size(), QSize(414, 215));
        QCOMPARE(q->Check1->text(), QStringLiteral("Afficher les réponses pour chaque question"));
        QCOMPARE(q->Check2->text(), QStringLiteral("Obtenir une note en fin d'exercice"));
        QCOMPARE(q->Check3->text(), libelle_word);
        QCOMPARE(q->Check1->Value(), 0);
        QCOMPARE(q->Check2->Value(), 1);
        QCOMPARE(q->Check3->Value(), 0);
        QCOMPARE(q->repertoire_instal->text(), chemin_appli);
        QVERIFY(!q->repertoire_instal->isEnabled());
        verifier_disposition(q, {q->Check1, q->Check2, q->Check3});
        for (CaseACocher* c : {q->Check1, q->Check2, q->Check3}) verifier_libelle(c);
        q->Command1_Click();
        QVERIFY(f->isEnabled());

        Options_DESSIN* d = ouvrir_dessin(f);
        QVERIFY(!f->isEnabled());
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("  Options générales du module Evaluation-schématisation"));
        QCOMPARE(d->client()->size(), QSize(440, 172));
        QCOMPARE(d->Check1->text(), libelle_word);
        QCOMPARE(d->Check1->Value(), 1);
        QCOMPARE(d->repertoire_instal->text(), chemin_appli);
        QVERIFY(d->repertoire_instal->isEnabled());
        verifier_disposition(d, {d->Check1});
        verifier_libelle(d->Check1);
        d->Command1_Click();

        Options_TEXTES* t = ouvrir_textes(f);
        QVERIFY(!f->isEnabled());
        QVERIFY(t->isVisible());
        QCOMPARE(t->windowTitle(), QStringLiteral("  Options générales du module Evaluation-Textes à trous"));
        QCOMPARE(t->client()->size(), QSize(446, 168));
        QCOMPARE(t->Check1->Value(), 1);
        QCOMPARE(t->repertoire_instal->text(), chemin_appli);
        QVERIFY(t->repertoire_instal->isEnabled());
        verifier_disposition(t, {t->Check1});
        verifier_libelle(t->Check1);
        t->Command1_Click();
        QVERIFY(f->isEnabled());

        // The start values of the options agree with the design states.
        QVERIFY(option_note_fin);
        QVERIFY(!option_afficher_reponses);
        QCOMPARE(chemin_QCM, chemin_appli);
        QCOMPARE(chemin_schema, chemin_appli);
        QCOMPARE(chemin_textes, chemin_appli);
    }

    void les_cases_word_se_lisent_sans_ouvrir_les_dialogues() {
        demarrer_programme();
        QVERIFY(!case_word_qcm_cochee());
        QVERIFY(case_word_dessin_cochee());
        QVERIFY(case_word_textes_cochee());
        for (Fenetre* w : std::initializer_list<Fenetre*>{Fenetre::si_chargee<Options_QCM>(),
                                                          Fenetre::si_chargee<Options_DESSIN>(),
                                                          Fenetre::si_chargee<Options_TEXTES>()}) {
            QVERIFY(w);
            QVERIFY(w->isHidden());
        }
        // What the teacher leaves in a box is what the activities read next.
        Fenetre::si_chargee<Options_DESSIN>()->Check1->setChecked(false);
        QVERIFY(!case_word_dessin_cochee());
    }

    void la_case_word_commande_le_dossier() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check3);
        QCOMPARE(q->Check3->Value(), 1);
        QVERIFY(q->repertoire_instal->isEnabled());
        q->Check3->setChecked(false);
        QVERIFY(!q->repertoire_instal->isEnabled());
        cliquer_gauche(q->Check3);
        // "Annuler" restores nothing: the box stays ticked and is in force.
        QTest::mouseClick(q->Command1, Qt::LeftButton);
        QVERIFY(q->isHidden());
        QVERIFY(f->isEnabled());
        QVERIFY(case_word_qcm_cochee());
        QCOMPARE(ouvrir_qcm(f), q);
        QVERIFY(q->repertoire_instal->isEnabled());

        Options_DESSIN* d = ouvrir_dessin(f);
        cliquer_gauche(d->Check1);
        QVERIFY(!d->repertoire_instal->isEnabled());
        cliquer_gauche(d->Check1);
        QVERIFY(d->repertoire_instal->isEnabled());
    }

    void le_dossier_ne_passe_que_par_valider_data() {
        QTest::addColumn<int>("dialogue");
        QTest::newRow("QCM") << 0;
        QTest::newRow("DESSIN") << 1;
        QTest::newRow("TEXTES") << 2;
    }
    void le_dossier_ne_passe_que_par_valider() {
        QFETCH(int, dialogue);
        Form1* f = demarrer_programme();
        auto ouvrir = [&]() -> DialogueOptions* {
            if (dialogue == 0) {
                Options_QCM* q = ouvrir_qcm(f);
                q->Check3->setChecked(true);
                return q;
            }
            if (dialogue == 1) return ouvrir_dessin(f);
            return ouvrir_textes(f);
        };
        QString* variable = dialogue == 0 ? &chemin_QCM : dialogue == 1 ? &chemin_schema : &chemin_textes;
        const QString avant = *variable;
        DialogueOptions* d = ouvrir();
        taper(d->repertoire_instal, "/tmp/rapports");
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        QCOMPARE(*variable, avant);
        QVERIFY(f->isEnabled());
        QCOMPARE(ouvrir(), d);
        QCOMPARE(d->repertoire_instal->text(), QStringLiteral("/tmp/rapports"));
        QTest::mouseClick(d->Command2, Qt::LeftButton);
        QCOMPARE(*variable, QStringLiteral("/tmp/rapports"));
        QVERIFY(d->isHidden());
        QVERIFY(f->isEnabled());
        // The folder is not checked: an empty one is stored as typed.
        ouvrir();
        taper(d->repertoire_instal, "");
        d->Command2->click();
        QCOMPARE(*variable, QString());
    }

    void valider_copie_les_options_du_qcm() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check2);
        QVERIFY(option_note_fin);
        q->Command2->click();
        QVERIFY(!option_note_fin);
        QVERIFY(!option_afficher_reponses);
        ouvrir_qcm(f);
        q->Check2->setChecked(true);
        q->Command2_Click();
        QVERIFY(option_note_fin);
    }

    void fermer_un_dialogue_le_remet_a_neuf() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        q->Check2->setChecked(false);
        q->Check3->setChecked(true);
        q->Command2_Click();
        option_afficher_reponses = true;
        ouvrir_qcm(f);
        QVERIFY(!f->isEnabled());
        q->close();
        QVERIFY(!Fenetre::si_chargee<Options_QCM>());
        QVERIFY(f->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        q = ouvrir_qcm(f);
        QCOMPARE(q->Check1->Value(), 0);
        QCOMPARE(q->Check2->Value(), 1);
        QCOMPARE(q->Check3->Value(), 0);
        QVERIFY(!q->repertoire_instal->isEnabled());
        // The variables keep their validated values.
        QVERIFY(!option_note_fin);
        QVERIFY(option_afficher_reponses);

        Options_TEXTES* t = ouvrir_textes(f);
        t->close();
        QVERIFY(f->isEnabled());
        Options_DESSIN* d = ouvrir_dessin(f);
        d->close();
        QVERIFY(f->isEnabled());
    }

    void la_case_word_des_textes_montre_le_bouton_du_texte() {
        QList<bool> appels;
        definir_action_valider_texte([&appels](bool visible) { appels.append(visible); });
        Form1* f = demarrer_programme();
        Options_TEXTES* t = ouvrir_textes(f);
        // Creating the dialog leaves the button alone.
        QVERIFY(appels.isEmpty());
        cliquer_gauche(t->Check1);
        QCOMPARE(appels, QList<bool>({false}));
        QVERIFY(!t->repertoire_instal->isEnabled());
        cliquer_gauche(t->Check1);
        QCOMPARE(appels, QList<bool>({false, true}));
        QVERIFY(t->repertoire_instal->isEnabled());
        // At once, whether or not the dialog is validated.
        t->Check1->setChecked(false);
        t->Command1_Click();
        QCOMPARE(appels, QList<bool>({false, true, false}));
        QVERIFY(!case_word_textes_cochee());
        // A re-created dialog is ticked again without calling the action.
        ouvrir_textes(f)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(case_word_textes_cochee());
        QCOMPARE(appels.size(), 3);
        // Without an action the box still works.
        definir_action_valider_texte({});
        Fenetre::si_chargee<Options_TEXTES>()->Check1->setChecked(false);
        QVERIFY(!case_word_textes_cochee());
    }

    // --- the password gate

    void cocher_ouvre_le_mot_de_passe() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        QVERIFY(!Fenetre::si_chargee<Mot_de_passe>());
        cliquer_gauche(q->Check1);
        Mot_de_passe* g = Fenetre::si_chargee<Mot_de_passe>();
        QVERIFY(g);
        QCOMPARE(q->Check1->Value(), 0);
        QVERIFY(!q->isEnabled());
        QVERIFY(g->isVisible());
        QVERIFY(g->isEnabled());
        QVERIFY(g->parent() == nullptr);
        QCOMPARE(g->focusWidget(), static_cast<QWidget*>(g->Text_motdepasse1));
        QCOMPARE(g->Text_motdepasse1->text(), QString());
        QCOMPARE(g->Text_motdepasse1->echoMode(), QLineEdit::Normal);
        QCOMPARE(g->windowTitle(), QStringLiteral("Mot de passe"));
        QCOMPARE(g->client()->size(), QSize(427, 120));
        QCOMPARE(g->Label1->text(), QStringLiteral("Entrer le mot de passe pour avoir accés à cette rubrique"));
        QVERIFY(QFontMetrics(g->Label1->font()).horizontalAdvance(g->Label1->text()) <= g->Label1->width());
        QCOMPARE(g->Go->text(), QStringLiteral("OK"));
        QCOMPARE(g->Command1->text(), QStringLiteral("Annuler"));
        QVERIFY(!g->Go->autoDefault());
        // Enter in the password box and Escape do nothing.
        MessagesScriptes m;
        QTest::keyClicks(g->Text_motdepasse1, "physique5");
        QTest::keyClick(g->Text_motdepasse1, Qt::Key_Return);
        QTest::keyClick(g->Text_motdepasse1, Qt::Key_Escape);
        QVERIFY(m.montrees().isEmpty());
        QVERIFY(g->isVisible());
        QCOMPARE(q->Check1->Value(), 0);
    }

    void un_changement_par_le_code_ouvre_aussi_la_porte() {
        demarrer_programme();
        Options_QCM* q = Fenetre::obtenir<Options_QCM>();
        q->Check1->setChecked(true);
        Mot_de_passe* g = Fenetre::si_chargee<Mot_de_passe>();
        QVERIFY(g);
        QVERIFY(g->isVisible());
        QCOMPARE(q->Check1->Value(), 0);
        QVERIFY(!q->isEnabled());
        g->Command1_Click();
        QVERIFY(q->isEnabled());
    }

    void un_mauvais_mot_de_passe_laisse_la_porte_ouverte() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check1);
        Mot_de_passe* g = Fenetre::si_chargee<Mot_de_passe>();
        MessagesScriptes m;
        for (const QString& essai : {QStringLiteral("Physique5"), QStringLiteral("physique5 "), QStringLiteral(" physique5"),
                                     QStringLiteral("physique"), QString()}) {
            reponse_message = 0;
            essayer(g, essai, m, mot_incorrect);
            QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
            QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
            QCOMPARE(q->Check1->Value(), 0);
            QVERIFY(!q->isEnabled());
            QVERIFY(g->isVisible());
            QCOMPARE(g->Text_motdepasse1->text(), essai);
            QCOMPARE(g->focusWidget(), static_cast<QWidget*>(g->Text_motdepasse1));
        }
    }

    void le_bon_mot_de_passe_coche_la_case() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check1);
        Mot_de_passe* g = Fenetre::si_chargee<Mot_de_passe>();
        MessagesScriptes m;
        essayer(g, "physique5", m, mot_valide);
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
        QCOMPARE(q->Check1->Value(), 1);
        QVERIFY(q->isEnabled());
        QVERIFY(q->isVisible());
        QCOMPARE(Fenetre::si_chargee<Mot_de_passe>(), g);
        QVERIFY(g->isHidden());
        QCOMPARE(g->Text_motdepasse1->text(), QStringLiteral("physique5"));
        // In force only once the options are validated.
        QVERIFY(!option_afficher_reponses);
        q->Command2_Click();
        QVERIFY(option_afficher_reponses);
        QVERIFY(f->isEnabled());
    }

    void changer_la_case_rouvre_la_porte_cachee() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check1);
        Mot_de_passe* g = Fenetre::si_chargee<Mot_de_passe>();
        MessagesScriptes m;
        essayer(g, "physique5", m, mot_valide);

        // Unticking: the box keeps the new value, the hidden gate shows again without a new
        // load (the text typed earlier is still there).
        cliquer_gauche(q->Check1);
        QCOMPARE(q->Check1->Value(), 0);
        QVERIFY(!q->isEnabled());
        QCOMPARE(Fenetre::si_chargee<Mot_de_passe>(), g);
        QVERIFY(g->isVisible());
        QCOMPARE(g->Text_motdepasse1->text(), QStringLiteral("physique5"));
        QCOMPARE(g->focusWidget(), static_cast<QWidget*>(g->Text_motdepasse1));
        // OK ticks it again.
        m.attendre(mot_valide, vb::vbOK);
        g->Go_Click();
        QCOMPARE(q->Check1->Value(), 1);
        QVERIFY(q->isEnabled());
        QVERIFY(g->isHidden());

        // Unticking, then "Annuler": the box stays unticked.
        cliquer_gauche(q->Check1);
        QTest::mouseClick(g->Command1, Qt::LeftButton);
        QCOMPARE(q->Check1->Value(), 0);
        QVERIFY(q->isEnabled());
        QVERIFY(!Fenetre::si_chargee<Mot_de_passe>());
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
    }

    void annuler_ou_fermer_la_porte() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check1);
        Mot_de_passe* g = Fenetre::si_chargee<Mot_de_passe>();
        QTest::keyClicks(g->Text_motdepasse1, "essai");
        QTest::mouseClick(g->Command1, Qt::LeftButton);
        QVERIFY(!Fenetre::si_chargee<Mot_de_passe>());
        QCOMPARE(q->Check1->Value(), 0);
        QVERIFY(q->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A new gate starts empty; its close box ends it as "Annuler" does.
        cliquer_gauche(q->Check1);
        g = Fenetre::si_chargee<Mot_de_passe>();
        QCOMPARE(g->Text_motdepasse1->text(), QString());
        QVERIFY(!q->isEnabled());
        g->close();
        QVERIFY(!Fenetre::si_chargee<Mot_de_passe>());
        QCOMPARE(q->Check1->Value(), 0);
        QVERIFY(q->isEnabled());
        // The options dialog is still open, the main window still disabled.
        QVERIFY(q->isVisible());
        QVERIFY(!f->isEnabled());
    }

    void un_mot_de_passe_vide() {
        Form1* f = demarrer_programme();
        mot_de_passe_options = QString();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check1);
        MessagesScriptes m;
        essayer(Fenetre::si_chargee<Mot_de_passe>(), QString(), m, mot_valide);
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QCOMPARE(q->Check1->Value(), 1);
    }

    void captures_des_dialogues() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check1);
        Mot_de_passe* g = Fenetre::si_chargee<Mot_de_passe>();
        QTest::keyClicks(g->Text_motdepasse1, "physique5");
        const QList<QPair<QString, Fenetre*>> fenetres = {
            {"options_qcm", q}, {"options_dessin", Fenetre::obtenir<Options_DESSIN>()},
            {"options_textes", Fenetre::obtenir<Options_TEXTES>()}, {"mot_de_passe", g}};
        const QString dossier = qEnvironmentVariable("VANTAREL_CAPTURES");
        for (const auto& [nom, w] : fenetres) {
            QImage image(w->client()->size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            w->client()->render(&image);
            // The background picture covers the whole client area.
            QVERIFY(image.pixel(image.width() - 2, image.height() - 2) != qRgb(0, 0, 0));
            QVERIFY(image.pixel(1, 1) != qRgb(0, 0, 0));
            if (!dossier.isEmpty()) image.save(QDir(dossier).filePath(nom + ".png"));
        }
        // The check boxes are white.
        QImage image(q->client()->size(), QImage::Format_RGB32);
        q->client()->render(&image);
        const QRect c2 = q->Check2->geometry();
        QCOMPARE(image.pixel(c2.right() - 2, c2.top() + 1), qRgb(255, 255, 255));
    }

    // --- what the quiz makes of the options

    void le_qcm_par_defaut_cache_les_reponses_et_donne_la_note() {
        Form1* f = demarrer_programme();
        QList<bool> retours;
        faire_le_qcm(f, 1, retours);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(retours, QList<bool>(theme_chimie14().feuille->nb_lignes, false));
        Result_eval* r = Fenetre::si_chargee<Result_eval>();
        QVERIFY(r);
        QVERIFY(r->isVisible());
        QCOMPARE(r->Label8->text(), QStringLiteral("20,0 / 20"));
        // Reading the Word box loaded the quiz options hidden.
        QVERIFY(Fenetre::si_chargee<Options_QCM>());
        QVERIFY(Fenetre::si_chargee<Options_QCM>()->isHidden());
    }

    void le_qcm_suit_les_options_validees() {
        Form1* f = demarrer_programme();
        Options_QCM* q = ouvrir_qcm(f);
        cliquer_gauche(q->Check1);
        MessagesScriptes m;
        essayer(Fenetre::si_chargee<Mot_de_passe>(), "physique5", m, mot_valide);
        cliquer_gauche(q->Check2);
        QTest::mouseClick(q->Command2, Qt::LeftButton);
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QVERIFY(option_afficher_reponses);
        QVERIFY(!option_note_fin);

        const int n = theme_chimie14().feuille->nb_lignes;
        QList<bool> attendu;
        for (int i = 0; i < n; ++i) attendu << true << true;
        QList<bool> retours;
        faire_le_qcm(f, 2, retours);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(retours, attendu);
        QVERIFY(!Fenetre::si_chargee<Result_eval>());
        QCOMPARE(nb_justes, 0.0f);
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
