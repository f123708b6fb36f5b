// The pupil identification dialogs: checks, declining, the calendar, what the windows served
// show, and the first-load adaptation pass on screens of other than 15 twips per pixel.
#include "circuit/fenetre_dessin.h"
#include "frame/adaptation.h"
#include "frame/apropos.h"
#include "frame/etat.h"
#include "frame/form1.h"
#include "frame/identification.h"
#include "frame/message_resolution.h"
#include "frame/mot_de_passe.h"
#include "frame/options_dialogues.h"
#include "frame/registre_activites.h"
#include "frame/result_eval.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "quiz/fenetre_qcm.h"
#include "texts/fenetre_texte.h"
#include "tests/support/fixture.h"

#include <QDir>
#include <QTableView>
#include <QtTest>

namespace {
const QString message_prenom = QStringLiteral("Attention: vous devez indiquer un prénom!");
const QString message_nom = QStringLiteral("Attention: vous devez indiquer un nom!");
const QString message_classe = QStringLiteral("Attention: vous devez indiquer une classe!");
const QString message_date = QStringLiteral("Attention: vous devez indiquer une date!");
const QString question_qcm = QStringLiteral("Voulez-vous vraiment quitter le module QCM?");
const QString question_vantarel = QStringLiteral("Etes-vous sûr de vouloir quitter VANTAREL?");
constexpr int style_avertissement = vb::vbExclamation | vb::vbOKOnly;

QStringList identite() { return {nom_eleve, prenom_eleve, classe_eleve, date_evaluation}; }
QStringList boites(const FenetreActivite* f) {
    return {f->Nom->text(), f->Prenom->text(), f->Classe->text(), f->Temps->text()};
}
QStringList boites(const DialogueIdentification* d) {
    return {d->Nom->text(), d->Prenom->text(), d->Classe->text(), d->Temps->text()};
}

void saisir(DialogueIdentification* d, const QString& nom, const QString& prenom, const QString& classe) {
    for (auto [boite, texte] : {std::pair{d->Nom, nom}, std::pair{d->Prenom, prenom}, std::pair{d->Classe, classe}}) {
        boite->clear();
        // Typed key by key; the test tool types no accented letter, which goes in as a paste.
        bool ascii = true;
        for (QChar ch : texte) ascii = ascii && ch.unicode() < 128;
        if (ascii)
            QTest::keyClicks(boite, texte);
        else
            boite->insert(texte);
    }
}

// Clicks the cell of a day of the month the calendar shows.
void cliquer_jour(QCalendarWidget* calendrier, int jour) {
    auto* vue = calendrier->findChild<QTableView*>();
    QVERIFY(vue);
    QAbstractItemModel* m = vue->model();
    // The first rows hold the days of this month before any day of the next one.
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c) {
            const QModelIndex i = m->index(r, c);
            if (m->data(i).toString() != QString::number(jour)) continue;
            if (jour > 20 && r < 3) continue;  // a day of the month before
            QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, vue->visualRect(i).center());
            return;
        }
    QFAIL("day not found in the calendar");
}

Identification* ouvrir_depuis_menu(Form1* f) {
    f->mnuidentifier_Click();
    return Fenetre::si_chargee<Identification>();
}

fenetre_QCM* ouvrir_qcm(Form1* f) {
    f->Picture8_Click();
    return Fenetre::si_chargee<fenetre_QCM>();
}

Identification_QCM* ouvrir_depuis_qcm(fenetre_QCM* q) {
    q->Toolbar1_ButtonClick(QStringLiteral("Identification"));
    return Fenetre::si_chargee<Identification_QCM>();
}

// Answers the boxes of the adaptation pass and notes, for each, whether the notice was up.
struct ReponsesPasse {
    QMap<QString, int> reponses;
    QStringList textes;
    QList<bool> notice_visible;
    QList<bool> en_cours;
    ReponsesPasse() {
        installer_crochet_messages([this](const QString& texte, int, const QString&) {
            textes.append(texte);
            message_resolution* n = Fenetre::si_chargee<message_resolution>();
            notice_visible.append(n && n->isVisible());
            en_cours.append(adaptation_en_cours);
            return reponses.value(texte, vb::vbOK);
        });
    }
    ~ReponsesPasse() { installer_crochet_messages({}); }
};
}

// Windows an activity could register in the pass: they note their load and their end.
struct Journal {
    static inline QStringList lignes;
    static inline int adaptations_a_la_fin = 0;
};
class FenetreTemoin : public Fenetre {
public:
    FenetreTemoin(const char* nom) : Fenetre(600, 600), nom_(nom) {
        auto* e = new Etiquette(client(), "x");
        placer(e, 100, 100, 200, 200);
    }
    ~FenetreTemoin() override {
        Journal::lignes << nom_ + " gone";
        Journal::adaptations_a_la_fin = client()->findChild<Etiquette*>()->x() == 5 ? 2 : 1;
    }

protected:
    void Form_Load() override {
        regle_15_twips(*this);
        Journal::lignes << nom_ + " load";
    }
    void Form_Unload(bool& annuler) override {
        MsgBox("question");
        annuler = true;
    }

private:
    QString nom_;
};
class FenetreTemoinA : public FenetreTemoin {
public:
    FenetreTemoinA() : FenetreTemoin("A") {}
};
class FenetreTemoinB : public FenetreTemoin {
public:
    FenetreTemoinB() : FenetreTemoin("B") {}
};

class TestIdentification : public QObject {
    Q_OBJECT

private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() { reinitialiser_programme(); }

    void premier_chargement_sur_ecran_standard() {
        Form1* f = demarrer_programme();
        f->Show();
        adaptation_en_cours = true;
        Identification* d = ouvrir_depuis_menu(f);
        QVERIFY(d);
        QVERIFY(!adaptation_en_cours);
        QCOMPARE(nombre_adaptations(), 0);
        QVERIFY(!Fenetre::si_chargee<message_resolution>());
        QVERIFY(!f->isEnabled());
        QVERIFY(d->isVisible());
        // Not a child of the window it disables, and usable while that one is disabled.
        QVERIFY(d->parent() == nullptr);
        QVERIFY(d->isEnabled());
        QCOMPARE(d->Nom->text(), QString());
        QCOMPARE(d->Temps->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QCOMPARE(d->Temps->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QVERIFY(d->Temps->isReadOnly());
        QCOMPARE(d->MonthView1->selectedDate(), QDate(2004, 1, 2));
        QCOMPARE(d->MonthView1->yearShown(), 2004);
        QCOMPARE(d->MonthView1->monthShown(), 1);
        QCOMPARE(d->Command3->text(), QStringLiteral("Aucun"));
        QCOMPARE(d->client()->size(), QSize(505, 201));
        // The rounded region: 505 x 201 pixels, corners cut by ellipses of 30 x 30.
        const QRegion r = d->mask();
        QCOMPARE(r.boundingRect(), QRect(0, 0, 505, 201));
        QVERIFY(!r.contains(QPoint(0, 0)));
        QVERIFY(!r.contains(QPoint(504, 0)));
        QVERIFY(!r.contains(QPoint(0, 200)));
        QVERIFY(!r.contains(QPoint(504, 200)));
        QVERIFY(!r.contains(QPoint(3, 3)));
        QVERIFY(r.contains(QPoint(15, 0)));
        QVERIFY(r.contains(QPoint(0, 15)));
        QVERIFY(r.contains(QPoint(8, 8)));
        QVERIFY(r.contains(QPoint(252, 100)));
        QVERIFY(r.contains(QPoint(504, 100)));
    }

    void la_date_du_chargement_suit_le_format_court_de_la_langue() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Form1* f = demarrer_programme();
        Identification* d = ouvrir_depuis_menu(f);
        const QString attendu = QLocale(QLocale::English, QLocale::UnitedStates)
                                    .toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(d->Temps->text(), attendu);
        QVERIFY(attendu != QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    }

    void valider_sans_rien_ne_demande_que_le_prenom() {
        Form1* f = demarrer_programme();
        nom_eleve = "Ancien";
        prenom_eleve = "Nom";
        classe_eleve = "5e1";
        Identification* d = ouvrir_depuis_menu(f);
        MessagesScriptes m;
        m.attendre(message_prenom, vb::vbOK, style_avertissement, QStringLiteral("Identification"));
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QCOMPARE(m.montrees().size(), 1);
        QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->Prenom));
        // The previous identity is lost: the empty boxes were stored before the check.
        QCOMPARE(identite(), QStringList({"", "", "", d->Temps->text()}));
        QVERIFY(d->isVisible());
        QVERIFY(!f->isEnabled());
    }

    void chaque_case_vide_a_son_message_dans_l_ordre() {
        Form1* f = demarrer_programme();
        Identification* d = ouvrir_depuis_menu(f);
        MessagesScriptes m;

        saisir(d, "", "Léa", "");
        m.attendre(message_nom, vb::vbOK, style_avertissement, QStringLiteral("Identification"));
        d->Command1_Click();
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->Nom));

        saisir(d, "Martin", "Léa", "");
        m.attendre(message_classe, vb::vbOK, style_avertissement, QStringLiteral("Identification"));
        d->Command1_Click();
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->Classe));
        QCOMPARE(nom_eleve, QStringLiteral("Martin"));
        QCOMPARE(prenom_eleve, QStringLiteral("Léa"));
        QCOMPARE(classe_eleve, QString());

        // The date box cannot be typed into; emptied by code, it has its own message.
        saisir(d, "Martin", "Léa", "5e2");
        d->Temps->clear();
        m.attendre(message_date, vb::vbOK, style_avertissement, QStringLiteral("Identification"));
        d->Command1_Click();
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->Temps));
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QVERIFY(d->isVisible());
        QVERIFY(!f->isEnabled());
    }

    void valider_complet_rend_la_fenetre_principale() {
        Form1* f = demarrer_programme();
        f->Show();
        Identification* d = ouvrir_depuis_menu(f);
        f->Hide();
        // Blanks count as text.
        saisir(d, "Martin", "   ", "5e2");
        MessagesScriptes m;
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QVERIFY(m.montrees().isEmpty());
        QCOMPARE(identite(), QStringList({"Martin", "   ", "5e2", d->Temps->text()}));
        QVERIFY(d->isHidden());
        QVERIFY(Fenetre::si_chargee<Identification>() == d);
        QVERIFY(f->isEnabled());
        QVERIFY(f->isVisible());
    }

    void aucun_garde_la_saisie_pour_la_prochaine_ouverture() {
        Form1* f = demarrer_programme();
        Identification* d = ouvrir_depuis_menu(f);
        saisir(d, "Martin", "Léa", "5e2");
        QTest::mouseClick(d->Command3, Qt::LeftButton);
        QCOMPARE(identite(), QStringList({"Aucun", "Aucun", "Aucun", "Aucun"}));
        QVERIFY(d->isHidden());
        QVERIFY(f->isEnabled());
        QVERIFY(f->isVisible());
        const QStringList saisies = boites(d);
        // The second opening runs no load: the name box is not emptied again.
        QCOMPARE(ouvrir_depuis_menu(f), d);
        QCOMPARE(boites(d), saisies);
        QCOMPARE(d->Nom->text(), QStringLiteral("Martin"));
        QVERIFY(d->isVisible());
        QVERIFY(!f->isEnabled());
    }

    void un_clic_dans_le_calendrier_ecrit_la_date() {
        Form1* f = demarrer_programme();
        Identification* d = ouvrir_depuis_menu(f);
        d->MonthView1->setCurrentPage(2007, 3);
        cliquer_jour(d->MonthView1, 5);
        QCOMPARE(d->MonthView1->selectedDate(), QDate(2007, 3, 5));
        QCOMPARE(d->Temps->text(), QStringLiteral("05/03/2007"));
        // Nothing is stored until "Valider".
        QCOMPARE(date_evaluation, QString());
        d->MonthView1->setCurrentPage(2004, 12);
        cliquer_jour(d->MonthView1, 31);
        QCOMPARE(d->Temps->text(), QStringLiteral("31/12/2004"));

        saisir(d, "Martin", "Léa", "5e2");
        d->Command1_Click();
        QCOMPARE(date_evaluation, QStringLiteral("31/12/2004"));
        QCOMPARE(ouvrir_depuis_menu(f)->Temps->text(), QStringLiteral("31/12/2004"));
    }

    void entree_et_echap_ne_font_rien() {
        Form1* f = demarrer_programme();
        f->Show();
        Identification* d = ouvrir_depuis_menu(f);
        MessagesScriptes m;
        for (QWidget* w : {static_cast<QWidget*>(d->Nom), static_cast<QWidget*>(d->Command1),
                           static_cast<QWidget*>(d->Command3)}) {
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
            QTest::keyClick(w, Qt::Key_Enter);
            QTest::keyClick(w, Qt::Key_Escape);
        }
        QVERIFY(m.montrees().isEmpty());
        QVERIFY(d->isVisible());
        QCOMPARE(identite(), QStringList({"", "", "", ""}));
        // No close box, and a close request from the window system is refused.
        d->close();
        QCOMPARE(Fenetre::si_chargee<Identification>(), d);
        QVERIFY(d->isVisible());
    }

    void la_fenetre_qcm_montre_l_identite_a_son_chargement() {
        Form1* f = demarrer_programme();
        Identification* d = ouvrir_depuis_menu(f);
        saisir(d, "Martin", "Léa", "5e2");
        d->Command1_Click();
        fenetre_QCM* q = ouvrir_qcm(f);
        QCOMPARE(boites(q), identite());
        QCOMPARE(boites(q)[0], QStringLiteral("Martin"));
    }

    void identification_du_qcm() {
        Form1* f = demarrer_programme();
        fenetre_QCM* q = ouvrir_qcm(f);
        Identification_QCM* d = ouvrir_depuis_qcm(q);
        QVERIFY(d);
        QVERIFY(!q->isEnabled());
        QVERIFY(d->isVisible());
        QVERIFY(d->isEnabled());
        QVERIFY(d->parent() == nullptr);
        QCOMPARE(d->windowTitle(), QStringLiteral("Identification"));
        QCOMPARE(d->Command3->text(), QStringLiteral("Aucun"));
        QCOMPARE(d->client()->size(), QSize(499, 197));
        QCOMPARE(d->Temps->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(d->mask().isEmpty());

        // A refused validation empties the quiz window's boxes too and keeps it disabled.
        MessagesScriptes m;
        m.attendre(message_prenom, vb::vbOK, style_avertissement, QStringLiteral("Identification"));
        d->Command1_Click();
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QCOMPARE(boites(q), QStringList({"", "", "", d->Temps->text()}));
        QVERIFY(!q->isEnabled());
        QVERIFY(d->isVisible());

        saisir(d, "Martin", "Léa", "5e2");
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        QCOMPARE(boites(q), QStringList({"Martin", "Léa", "5e2", d->Temps->text()}));
        QCOMPARE(identite(), boites(q));
        QVERIFY(q->isEnabled());
        QVERIFY(d->isHidden());
        // The main window is left as it was.
        QVERIFY(f->isHidden());

        QCOMPARE(ouvrir_depuis_qcm(q), d);
        QCOMPARE(boites(d)[0], QStringLiteral("Martin"));
        QTest::mouseClick(d->Command3, Qt::LeftButton);
        QCOMPARE(boites(q), QStringList({"Aucun", "Aucun", "Aucun", "Aucun"}));
        QCOMPARE(identite(), boites(q));
        QVERIFY(q->isEnabled());
        QVERIFY(d->isHidden());
        QCOMPARE(boites(d)[1], QStringLiteral("Léa"));
    }

    void fermer_l_identification_du_qcm() {
        Form1* f = demarrer_programme();
        fenetre_QCM* q = ouvrir_qcm(f);
        Identification_QCM* d = ouvrir_depuis_qcm(q);
        saisir(d, "Martin", "Léa", "5e2");
        d->Command1_Click();
        d = ouvrir_depuis_qcm(q);
        saisir(d, "Autre", "Nom", "4e1");
        d->MonthView1->setCurrentPage(2007, 3);
        cliquer_jour(d->MonthView1, 5);
        QVERIFY(!q->isEnabled());

        d->close();
        QVERIFY(!Fenetre::si_chargee<Identification_QCM>());
        QVERIFY(q->isEnabled());
        QCOMPARE(identite(), QStringList({"Martin", "Léa", "5e2", QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)}));
        QCOMPARE(boites(q), identite());

        // Closed means unloaded: the next opening starts from the design state.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Identification_QCM* neuf = ouvrir_depuis_qcm(q);
        QVERIFY(neuf);
        QCOMPARE(boites(neuf), QStringList({"", "", "", QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)}));
        QCOMPARE(neuf->MonthView1->selectedDate(), QDate(2004, 1, 2));
    }

    void capture_de_l_identification() {
        Form1* f = demarrer_programme();
        Identification* d = ouvrir_depuis_menu(f);
        d->Nom->setText("Martin");
        QImage image(d->size(), QImage::Format_RGB32);
        image.fill(qRgb(255, 0, 255));
        d->render(&image);
        // Outside the rounded region nothing is drawn; inside is the dialog.
        QCOMPARE(image.pixel(1, 1), qRgb(255, 0, 255));
        QCOMPARE(image.pixel(503, 199), qRgb(255, 0, 255));
        QVERIFY(image.pixel(252, 30) != qRgb(255, 0, 255));
        // The name box on its own colour (&HFFFFC0), right of the typed text.
        QCOMPARE(image.pixel(d->Nom->geometry().right() - 6, d->Nom->geometry().center().y()), qRgb(0xC0, 0xFF, 0xFF));
        // The controls sit inside the region. The boxes, pictures, buttons and calendar do not
        // overlap; the labels lie beneath them where they touch, and their text stays clear.
        const QList<QWidget*> fenetres = {d->Image1,   d->Picture1, d->Nom,      d->Prenom,   d->Classe,
                                          d->Temps,    d->MonthView1, d->Command1, d->Command3, d->Picture2,
                                          d->Picture3, d->Picture4, d->Picture5};
        for (int i = 0; i < fenetres.size(); ++i) {
            QVERIFY(d->mask().contains(fenetres[i]->geometry()));
            for (int j = i + 1; j < fenetres.size(); ++j)
                QVERIFY2(!fenetres[i]->geometry().intersects(fenetres[j]->geometry()),
                         qPrintable(QString::number(i) + " / " + QString::number(j)));
        }
        for (Etiquette* e : {d->Label1, d->Label2, d->Label3, d->Label4, d->Label5}) {
            QVERIFY(d->mask().contains(e->geometry()));
            const QFontMetrics fm(e->font());
            const int largeur = fm.horizontalAdvance(e->text());
            const int gauche = e->alignment() & Qt::AlignHCenter ? e->x() + (e->width() - largeur) / 2 : e->x();
            const QRect texte(gauche, e->y() + e->frameWidth() + fm.ascent() - fm.capHeight(), largeur,
                              fm.capHeight());
            QVERIFY2(e->geometry().adjusted(e->frameWidth(), 0, -e->frameWidth(), 0).contains(texte), qPrintable(e->text()));
            for (QWidget* w : fenetres) QVERIFY2(!w->geometry().intersects(texte), qPrintable(e->text()));
        }
        const QString dossier = qEnvironmentVariable("VANTAREL_CAPTURES");
        if (!dossier.isEmpty()) {
            image.save(QDir(dossier).filePath("identification.png"));
            fenetre_QCM* q = ouvrir_qcm(f);
            Identification_QCM* dq = ouvrir_depuis_qcm(q);
            QImage iq(dq->client()->size(), QImage::Format_RGB32);
            dq->client()->render(&iq);
            iq.save(QDir(dossier).filePath("identification_qcm.png"));
        }
    }

    // --- the adaptation pass (12 twips per pixel: factor 0.8)

    void la_passe_d_adaptation_ne_demande_rien() {
        ecran::fixer_twips_par_pixel(12, 12);
        Form1* f = demarrer_programme();
        f->Show();
        MessagesScriptes aucune_boite;
        const QPoint label1 = f->Label1->pos();
        Identification* d = ouvrir_depuis_menu(f);
        QVERIFY2(aucune_boite.en_ordre(), qPrintable(aucune_boite.bilan()));
        QVERIFY(aucune_boite.montrees().isEmpty());
        QVERIFY(!adaptation_en_cours);
        QVERIFY(!application_terminee());

        message_resolution* notice = Fenetre::si_chargee<message_resolution>();
        QVERIFY(notice);
        QVERIFY(notice->isHidden());
        // Form1, loaded before the pass, is kept: scaled once, still disabled by its menu until
        // the dialog gives the hand back.
        QCOMPARE(Fenetre::si_chargee<Form1>(), f);
        QCOMPARE(f->Label1->pos(), label1);
        QCOMPARE(f->Label1->x(), 38);
        QVERIFY(f->isHidden());
        QVERIFY(!f->isEnabled());
        // Every window the pass loaded is unloaded again, the quiz window and its dialog too.
        QVERIFY(!Fenetre::si_chargee<Apropos>());
        QVERIFY(!Fenetre::si_chargee<Identification_QCM>());
        QVERIFY(!Fenetre::si_chargee<Mot_de_passe>());
        QVERIFY(!Fenetre::si_chargee<Options_QCM>());
        QVERIFY(!Fenetre::si_chargee<Options_DESSIN>());
        QVERIFY(!Fenetre::si_chargee<Options_TEXTES>());
        QVERIFY(!Fenetre::si_chargee<Result_eval>());
        QVERIFY(!Fenetre::si_chargee<fenetre_QCM>());
        QVERIFY(!Fenetre::si_chargee<fenetre_texte>());
        QVERIFY(!Fenetre::si_chargee<Identification_texte>());
        QVERIFY(!Fenetre::si_chargee<fenetre_dessin>());
        QVERIFY(!Fenetre::si_chargee<Identification_dessin>());
        QCOMPARE(Fenetre::fenetres_chargees().size(), 3);  // Form1, the dialog, the notice

        // The dialog: controls rescaled once, so at their design pixels; its own size is not
        // rescaled and the region cuts it down to the design size.
        QVERIFY(d->isVisible());
        QCOMPARE(d->MonthView1->geometry(), QRect(276, 21, 166, 147));
        QCOMPARE(d->Command1->geometry(), QRect(173, 173, 100, 23));
        QCOMPARE(d->client()->width(), 631);
        QCOMPARE(d->mask().boundingRect(), QRect(0, 0, 505, 201));
        QVERIFY(d->mask().contains(d->MonthView1->geometry()));
        QCOMPARE(d->Temps->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        // Fonts: 9.75 points x 0.8 = 7.8, below 8 once scaled: Arial.
        QCOMPARE(d->Label1->font().family(), QStringLiteral("Arial"));
        QVERIFY(qAbs(d->Label1->font().pointSizeF() - 7.8) < 1e-4);

        // The pass runs once: later openings only show the dialog.
        saisir(d, "Martin", "Léa", "5e2");
        d->Command1_Click();
        QVERIFY(f->isVisible());
        QVERIFY(f->isEnabled());
        const int adaptations = nombre_adaptations();
        QCOMPARE(ouvrir_depuis_menu(f), d);
        QCOMPARE(nombre_adaptations(), adaptations);
        // A quiz opened now is loaded afresh, at its design pixels.
        fenetre_QCM* q = ouvrir_qcm(f);
        QCOMPARE(q->Savoir->pos(), QPoint(60, 38));
    }

    void les_fenetres_chargees_avant_la_passe_restent_telles_quelles() {
        ecran::fixer_twips_par_pixel(12, 12);
        Form1* f = demarrer_programme();
        // Loaded hidden before the pass: an activity window, an options dialog, the results.
        fenetre_QCM* q = Fenetre::obtenir<fenetre_QCM>();
        q->Frame_QCM->show();
        Options_QCM* o = Fenetre::obtenir<Options_QCM>();
        {
            const QSignalBlocker sans_gardien(o->Check1);
            o->Check1->setChecked(true);  // the answers shown, as the teacher set them
        }
        Result_eval* r = Fenetre::obtenir<Result_eval>();
        const QPoint bouton_options = o->Command1->pos();
        MessagesScriptes aucune_boite;
        ouvrir_depuis_menu(f);
        QVERIFY2(aucune_boite.en_ordre(), qPrintable(aucune_boite.bilan()));
        QCOMPARE(Fenetre::si_chargee<fenetre_QCM>(), q);
        QCOMPARE(Fenetre::si_chargee<Options_QCM>(), o);
        QCOMPARE(Fenetre::si_chargee<Result_eval>(), r);
        QVERIFY(q->isHidden() && !q->Frame_QCM->isHidden());
        QCOMPARE(q->Savoir->pos(), QPoint(60, 38));  // scaled once
        QCOMPARE(o->Command1->pos(), bouton_options);
        QVERIFY(o->Check1->isChecked() && o->isEnabled());
        QVERIFY(!f->isEnabled());  // nothing enabled Form1 behind the dialog
    }

    void la_passe_ne_peut_pas_terminer_le_programme() {
        ecran::fixer_twips_par_pixel(12, 12);
        Form1* f = demarrer_programme();
        f->Show();
        // Whatever a box would answer, none comes: an identification never ends the program.
        ReponsesPasse r;
        f->mnuidentifier_Click();
        QVERIFY(r.textes.isEmpty());
        QVERIFY(!application_terminee());
        QVERIFY(Fenetre::si_chargee<Identification>()->isVisible());
    }

    void la_passe_suit_ses_deux_ordres() {
        // The registered windows, as the pass takes them (those that exist so far).
        ecran::fixer_twips_par_pixel(12, 12);
        ouvrir_depuis_menu(demarrer_programme());
        QStringList adaptation, dechargement;
        for (const FenetreDeLaPasse& e : fenetres_par_adaptation()) adaptation << e.nom;
        for (const FenetreDeLaPasse& e : fenetres_par_dechargement()) dechargement << e.nom;
        QCOMPARE(adaptation, QStringList({"Ajout_texte", "Ajout_texte_optique", "angle_rotation", "Apropos",
                                          "Facteur_impression", "fenetre_dessin", "fenetre_dessin_optique",
                                          "fenetre_QCM", "fenetre_texte", "Form1",
                                          "Identification_dessin", "Identification_dessin_optique",
                                          "Identification_QCM", "Identification_texte", "impression", "Mot_de_passe",
                                          "Options_DESSIN", "Options_QCM", "Options_TEXTES", "Param_fil", "Param_fil2",
                                          "Result_eval"}));
        // Rescaling goes alphabetically, letter case aside.
        QStringList tri = adaptation;
        std::sort(tri.begin(), tri.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(adaptation, tri);
        QCOMPARE(dechargement, QStringList({"fenetre_QCM", "fenetre_texte", "fenetre_dessin", "fenetre_dessin_optique",
                                            "Ajout_texte", "Ajout_texte_optique", "angle_rotation", "Apropos",
                                            "Facteur_impression", "Form1",
                                            "Identification_dessin", "Identification_dessin_optique",
                                            "Identification_QCM", "Identification_texte", "impression", "Mot_de_passe",
                                            "Options_DESSIN", "Options_QCM", "Options_TEXTES", "Param_fil", "Param_fil2",
                                            "Result_eval"}));
    }

    void une_fenetre_enregistree_est_chargee_puis_dechargee_a_sa_place() {
        // Two windows of an activity, registered at their places: each is loaded and rescaled
        // in the first order, and unloaded in the second, without its unload handler.
        enregistrer_fenetre_passe(fenetre_de_la_passe<FenetreTemoinA>("Ajout_texte", 1, 5));
        enregistrer_fenetre_passe(fenetre_de_la_passe<FenetreTemoinB>("fenetre_texte", 9, 2));
        ecran::fixer_twips_par_pixel(12, 12);
        Form1* f = demarrer_programme();
        Journal::lignes.clear();
        MessagesScriptes aucune_boite;
        ouvrir_depuis_menu(f);
        QVERIFY2(aucune_boite.en_ordre(), qPrintable(aucune_boite.bilan()));
        QCOMPARE(Journal::lignes, QStringList({"A load", "B load", "B gone", "A gone"}));
        QVERIFY(!Fenetre::si_chargee<FenetreTemoinA>() && !Fenetre::si_chargee<FenetreTemoinB>());
        // Rescaled once by its load and once by the pass: its own windows are discarded.
        QCOMPARE(Journal::adaptations_a_la_fin, 2);
    }

    void un_seul_axe_different_suffit() {
        ecran::fixer_twips_par_pixel(15, 12);
        Form1* f = demarrer_programme();
        ReponsesPasse r;
        r.reponses[question_qcm] = vb::vbYes;
        r.reponses[question_vantarel] = vb::vbCancel;
        remettre_compteur_adaptations();
        Identification* d = ouvrir_depuis_menu(f);
        QVERIFY(nombre_adaptations() > 0);
        QVERIFY(Fenetre::si_chargee<message_resolution>());
        // The horizontal factor is 1: only the vertical positions move.
        QCOMPARE(d->MonthView1->geometry(), QRect(276, 21, 166, 147));
        QCOMPARE(d->Label1->font().pointSizeF(), 9.75);
    }
};

QTEST_MAIN(TestIdentification)
#include "tst_identification.moc"
