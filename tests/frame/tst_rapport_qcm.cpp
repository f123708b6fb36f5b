// The quiz's word-processor report: document content and formats, file name, failures, and the
// saved file as LibreOffice Writer reads it.
#include "frame/etat.h"
#include "frame/form1.h"
#include "frame/options_dialogues.h"
#include "frame/rapport_cadre.h"
#include "frame/rapport_word.h"
#include "frame/result_eval.h"
#include "platform/controles.h"
#include "platform/document.h"
#include "platform/ecriture_sure.h"
#include "platform/messages.h"
#include "quiz/etat_qcm.h"
#include "quiz/fenetre_qcm.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <QtTest>

using namespace traitement_texte;

namespace {
const QString message_echec =
    QStringLiteral("Sauvegarde du fichier au format Word impossible - Word n'est peut-être pas installé");

struct Enregistrement {
    QString fichier;
    QList<Paragraphe> corps;
    QList<Paragraphe> entete;
};

struct Attendu {
    QString texte;
    FormatLigne format;
};

void entree(int i, const QString& question, const QString& correction, const QString& reponse) {
    questions_posees[i] = question;
    corrections[i] = correction;
    reponses_eleve[i] = reponse;
    nb_reponses_QCM = std::int16_t(i);
}

// The answer log and the counts of a 3-question sheet with 2 right answers.
void feuille_de_trois_questions() {
    entree(1, QStringLiteral("Quel dipôle laisse passer le courant électrique ?"), QStringLiteral("Un conducteur."),
           QStringLiteral("Un conducteur."));
    entree(2, QStringLiteral("Où place-t-on l'interrupteur ?"),
           QStringLiteral("N'importe où dans la boucle : le circuit est en série."), QStringLiteral("Près de la pile."));
    entree(3, QStringLiteral("Que devient l'eau à 100 °C ?"), QStringLiteral("Elle bout et se vaporise."),
           QStringLiteral("Elle bout et se vaporise."));
    nb_questions_QCM = 3;
    nb_justes = 2;
}

QString lire_texte(const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

}

class TestRapportQCM : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QList<Enregistrement> enregistres_;

private slots:
    void init() {
        reinitialiser_programme();
        Word().tout_fermer();
        enregistres_.clear();
        installer_crochet_enregistrement([this](const Document& d, const QString& f) {
            enregistres_.append({f, d.paragraphes(), d.entete()});
        });
        QDir(dossier_.path()).removeRecursively();
        QDir().mkpath(dossier_.path());
        chemin_appli = dossier_.path();
        chemin_QCM = dossier_.path();
        nom_eleve = QStringLiteral("Lefèvre");
        prenom_eleve = QStringLiteral("Zoé");
        classe_eleve = QStringLiteral("5e B");
        date_evaluation = QStringLiteral("09/03/2024");
        option_note_fin = true;
    }
    void cleanup() {
        installer_crochet_enregistrement({});
        installer_crochet_ajout({});
        Word().tout_fermer();
        reinitialiser_programme();
    }

    void parties_du_nom_de_fichier_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("partie");
        QTest::newRow("accents et blancs restent") << "Le Goff-Hélène" << "Le Goff-Hélène";
        QTest::newRow("séparateurs") << "a/b\\c" << "a_b_c";
        QTest::newRow("caractères interdits") << "x:*?\"<>|y" << "x_______y";
        QTest::newRow("caractères de contrôle") << QString("a\tb\nc") + QChar(0x7F) << "a_b_c_";
        QTest::newRow("point") << "." << "_";
        QTest::newRow("deux points") << ".." << "_";
        QTest::newRow("chemin remontant") << "../.." << ".._..";
        QTest::newRow("vide") << "" << "";
        // Characters that show nothing or turn the direction: a name must not read as another.
        QTest::newRow("inversion de sens") << QString::fromUtf8("Zo\u202Ecod.exe") << "Zo_cod.exe";
        QTest::newRow("largeur nulle, BOM, séparateurs, C1")
            << QString::fromUtf8("a\u200Bb\u200Dc\uFEFFd\u2066e\u2028f\u0085g") << "a_b_c_d_e_f_g";
        QTest::newRow("demi-paire seule") << QString("a") + QChar(0xD83D) + "b" + QChar(0xDE00) << "a_b_";
        QTest::newRow("arabe et emoji restent") << QString::fromUtf8("\u0632\u064E\u064A\u0652\u062F \U0001F600")
                                                << QString::fromUtf8("\u0632\u064E\u064A\u0652\u062F \U0001F600");
    }
    void parties_du_nom_de_fichier() {
        QFETCH(QString, texte);
        QFETCH(QString, partie);
        QCOMPARE(partie_nom_fichier(texte), partie);
    }

    void partie_date_du_nom_de_fichier_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("partie");
        QTest::newRow("jour d'abord") << "fr_FR" << "09/03/2024" << "09_03_2024";
        QTest::newRow("sans zéros") << "fr_FR" << "9/3/2024" << "09_03_2024";
        QTest::newRow("blancs autour") << "fr_FR" << " 31/12/2023 " << "31_12_2023";
        QTest::newRow("jour d'abord même en anglais") << "en_US" << "09/03/2024" << "09_03_2024";
        QTest::newRow("format court de la locale") << "en_US" << "3/9/24" << "09_03_2024";
        QTest::newRow("année sur deux chiffres du siècle passé") << "en_US" << "3/9/85" << "09_03_1985";
        QTest::newRow("jour d'abord, année sur deux chiffres") << "fr_FR" << "01/02/24" << "01_02_2024";
        QTest::newRow("date impossible") << "fr_FR" << "31/02/2024" << "31_02_2024";
        QTest::newRow("pas une date") << "fr_FR" << "Aucun" << "Aucun";
        QTest::newRow("vide") << "fr_FR" << "" << "";
    }
    void partie_date_du_nom_de_fichier() {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QFETCH(QString, partie);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(partie_date(date), partie);
    }

    void rapport_d_une_feuille_de_trois_questions() {
        fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
        definir_largeur(f->themes_electricite, 184);
        definir_largeur(f->Themes_optique, 216);
        Fenetre::obtenir<Result_eval>()->Show();
        feuille_de_trois_questions();
        MessagesScriptes messages;
        sauvegarder_QCM_word();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));

        const QString fichier = chemin_QCM + "/evaluation_QCM_Lefèvre_Zoé_09_03_2024.doc";
        QVERIFY(QFile::exists(fichier));
        QCOMPARE(enregistres_.size(), 1);
        QCOMPARE(enregistres_[0].fichier, fichier);

        using namespace lignes_rapport;
        QList<Attendu> attendus = {
            {"Lefèvre  Zoé", nom}, {"5e B", classe}, {"09/03/2024", date}, {"", date}};
        for (int i = 1; i <= 3; ++i) {
            attendus.append({QStringLiteral("Question n°%1").arg(i), titre_question});
            attendus.append({questions_posees[i], question});
            attendus.append({"Réponse à la question:  " + corrections[i], reponse_juste});
            attendus.append({"Réponse de l'élève:  " + reponses_eleve[i], reponse_eleve});
            attendus.append({"", reponse_eleve});
        }
        attendus.append({"NOTE INDICATIVE:  13,3 / 20", note});

        const QList<Paragraphe>& corps = enregistres_[0].corps;
        QCOMPARE(corps.size(), 5 * 3 + 5);
        for (int i = 0; i < corps.size(); ++i) {
            const Paragraphe& p = corps.at(i);
            const Attendu& a = attendus.at(i);
            const QString ou = QStringLiteral("paragraph %1").arg(i + 1);
            QVERIFY2(p.texte() == a.texte, qPrintable(ou + ": " + p.texte()));
            QVERIFY2(p.retrait_gauche == 0, qPrintable(ou));
            if (a.texte.isEmpty()) continue;
            QCOMPARE(p.morceaux.size(), 1);
            const FormatCaracteres& fc = p.morceaux.at(0).format;
            QVERIFY2(fc.nom == "Times New Roman" && fc.taille == a.format.taille && fc.couleur == a.format.couleur &&
                         fc.gras == a.format.gras && fc.majuscules == a.format.majuscules,
                     qPrintable(ou));
        }
        // The page header.
        const QList<Paragraphe>& entete = enregistres_[0].entete;
        QCOMPARE(entete.size(), 1);
        QCOMPARE(entete.at(0).texte(), QStringLiteral("VANTAREL - Classe de 5éme - Questions à choix multiples"));
        QCOMPARE(entete.at(0).morceaux.at(0).format.taille, 9.0);
        QCOMPARE(entete.at(0).morceaux.at(0).format.nom, QStringLiteral("Times New Roman"));

        // Both documents closed, the word processor left hidden; the window's pointer back,
        // the electricity and chemistry panels shut, the optics panel as it was.
        QCOMPARE(Word().nombre_documents(), 0);
        QVERIFY(!Word().Visible);
        QCOMPARE(f->MousePointer(), 0);
        QCOMPARE(f->themes_electricite->width(), 0);
        QCOMPARE(f->Themes_chimie->width(), 0);
        QCOMPARE(f->Themes_optique->width(), 216);

        // The file holds the document, with its accents and header, as RTF.
        QFile lu(fichier);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        const QByteArray rtf = lu.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QVERIFY(rtf.contains("Lef\\u232\\'e8vre  Zo\\u233\\'e9"));
        QVERIFY(rtf.contains("{\\header"));
    }

    void dossiers_des_rapports_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("dossier");  // "@" the program's folder, "~" the home folder
        QTest::newRow("vide") << "" << "@";
        QTest::newRow("blancs") << "   " << "@";
        QTest::newRow("relatif") << "rapports" << "@/rapports";
        QTest::newRow("dans la maison") << "~/rapports" << "~/rapports";
        QTest::newRow("absolu") << "/srv/classe" << "/srv/classe";
    }
    void dossiers_des_rapports() {
        QFETCH(QString, tape);
        QFETCH(QString, dossier);
        dossier.replace("@", chemin_appli).replace("~", QDir::homePath());
        QCOMPARE(dossier_rapports(tape), dossier);
        QVERIFY(nom_fichier_rapport(tape, "x_").startsWith(dossier + "/x_Lef"));
    }

    // Names too long for a file name: the name parts are shortened on whole characters so the
    // file name holds in 255 bytes with room for a word processor's lock file; the report keeps
    // the whole identity.
    void noms_trop_longs_raccourcis_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("prenom");
        QTest::newRow("2 000 caractères") << QString(2000, 'N') << QStringLiteral("Zoé");
        const QString arabe = QString::fromUtf8("\u0645\u064F\u062D\u064E\u0645\u0651\u064E\u062F");
        QTest::newRow("60 + 60 lettres arabes") << arabe.repeated(8).left(60) << arabe.repeated(8).right(60);
        const QString emoji = QString::fromUtf8("\U0001F469\U0001F3FD\U0001F600");
        QTest::newRow("30 + 30 emoji") << emoji.repeated(15) << QString::fromUtf8("\U0001F468\U0001F3FB").repeated(30);
    }
    void noms_trop_longs_raccourcis() {
        QFETCH(QString, nom);
        QFETCH(QString, prenom);
        nom_eleve = nom;
        prenom_eleve = prenom;
        Fenetre::obtenir<fenetre_QCM>();
        MessagesScriptes messages;
        sauvegarder_QCM_word();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(enregistres_.size(), 1);
        const QString fichier = QFileInfo(enregistres_[0].fichier).fileName();
        QVERIFY(fichier.toUtf8().size() <= longueur_nom_fichier_maximale);
        QVERIFY(fichier.toUtf8().size() > 200);  // shortened, not emptied
        QCOMPARE(QDir(chemin_QCM).entryList({"*.doc"}), QStringList{fichier});
        // Each part is the start of its text, cut between two characters as the reader sees them.
        const QStringList parties = fichier.mid(15).chopped(15).split('_');
        for (int i = 0; i < 2; ++i) {
            const QString entier = partie_nom_fichier(i == 0 ? nom : prenom);
            QVERIFY(entier.startsWith(parties.value(i)));
            QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, entier);
            limites.setPosition(parties.value(i).size());
            QVERIFY(limites.isAtBoundary());
        }
        QCOMPARE(enregistres_[0].corps.at(0).texte(), nom + "  " + prenom);
    }

    void journal_vide_et_identite_refusee() {
        nom_eleve = prenom_eleve = classe_eleve = date_evaluation = QStringLiteral("Aucun");
        Fenetre::obtenir<fenetre_QCM>();
        MessagesScriptes messages;
        sauvegarder_QCM_word();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(enregistres_.size(), 1);
        QCOMPARE(enregistres_[0].fichier, chemin_QCM + "/evaluation_QCM_Aucun_Aucun_Aucun.doc");
        const QList<Paragraphe>& corps = enregistres_[0].corps;
        QCOMPARE(corps.size(), 5);
        QCOMPARE(corps.at(0).texte(), QStringLiteral("Aucun  Aucun"));
        QVERIFY(corps.at(0).morceaux.at(0).format.majuscules);
        QCOMPARE(corps.at(1).texte(), QStringLiteral("Aucun"));
        QCOMPARE(corps.at(2).texte(), QStringLiteral("Aucun"));
        QCOMPARE(corps.at(3).texte(), QString());
        // No sheet ever counted: the mark label is empty.
        QCOMPARE(corps.at(4).texte(), QStringLiteral("NOTE INDICATIVE:  "));
    }

    void note_de_chaque_feuille_sans_fenetre_de_resultats() {
        option_note_fin = false;
        Fenetre::obtenir<fenetre_QCM>();
        QVERIFY(!Fenetre::si_chargee<Result_eval>());
        feuille_de_trois_questions();
        sauvegarder_QCM_word();
        // Reading the mark loaded the results window, hidden.
        Result_eval* r = Fenetre::si_chargee<Result_eval>();
        QVERIFY(r);
        QVERIFY(r->isHidden());
        // The next sheet of the same window: its own mark, not the one the label kept.
        nb_questions_QCM = 4;
        nb_justes = 1;
        entree(4, QStringLiteral("Question quatre"), QStringLiteral("c"), QStringLiteral("r"));
        sauvegarder_QCM_word();
        QCOMPARE(enregistres_.size(), 2);
        QCOMPARE(enregistres_[0].corps.last().texte(), QStringLiteral("NOTE INDICATIVE:  13,3 / 20"));
        QCOMPARE(enregistres_[1].corps.last().texte(), QStringLiteral("NOTE INDICATIVE:  05,0 / 20"));
        QCOMPARE(enregistres_[1].corps.size(), 5 * 4 + 5);
        // Same pupil, same date, same folder: the later report takes the next name, the earlier
        // stays as it was.
        QCOMPARE(enregistres_[1].fichier, ecriture_sure::nom_numerote(enregistres_[0].fichier, 2));
        QCOMPARE(QDir(chemin_QCM).entryList({"*.doc"}, QDir::Files).size(), 2);
        for (int i = 0; i < 2; ++i) {
            QFile lu(enregistres_[i].fichier);
            QVERIFY(lu.open(QIODevice::ReadOnly));
            QCOMPARE(lu.readAll().contains("Question quatre"), i == 1);
        }
    }

    // A report saves and closes its own documents, whatever document is active; when the
    // second cannot be added, the first is closed.
    void documents_du_rapport() {
        installer_crochet_ajout([ajouts = 0]() mutable { return ++ajouts != 2; });
        QVERIFY_THROWS_EXCEPTION(Erreur, DocumentsRapport{Word()});
        QCOMPARE(Word().nombre_documents(), 0);
        DocumentsRapport documents(Word());
        const auto autre = Word().Documents_Add();
        documents.enregistrer_et_fermer(dossier_.filePath("rapport.doc"), true);
        QCOMPARE(Word().nombre_documents(), 1);
        QCOMPARE(&Word().ActiveDocument(), autre.get());
    }

    void dossier_impossible_a_ecrire() {
        fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
        definir_largeur(f->Themes_chimie, 280);
        feuille_de_trois_questions();
        chemin_QCM = dossier_.filePath("absent");
        MessagesScriptes messages;
        messages.attendre(message_echec + "\nCause : le dossier n'existe pas.", vb::vbOK, vb::vbInformation,
                          titre_application);
        sauvegarder_QCM_word();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(messages.montrees().size(), 1);
        QCOMPARE(f->MousePointer(), 0);
        QCOMPARE(f->Themes_chimie->width(), 0);
        QVERIFY(enregistres_.isEmpty());
        QVERIFY(!QFileInfo::exists(chemin_QCM));
        // The report's documents are closed: none is left behind in the hidden word processor.
        QCOMPARE(Word().nombre_documents(), 0);
        QVERIFY(!Word().Visible);

        // A file where the folder should be fails the same way and leaves that file as it was.
        QFile bouchon(dossier_.filePath("fichier"));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.write("garde");
        bouchon.close();
        chemin_QCM = bouchon.fileName();
        messages.oublier();
        messages.attendre(message_echec + "\nCause : un élément du chemin n'est pas un dossier.", vb::vbOK,
                          vb::vbInformation);
        sauvegarder_QCM_word();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QVERIFY(bouchon.open(QIODevice::ReadOnly));
        QCOMPARE(bouchon.readAll(), QByteArray("garde"));
    }

    void nom_dangereux_reste_dans_le_dossier() {
        const QString dossier = dossier_.filePath("rapports");
        QVERIFY(QDir().mkpath(dossier));
        chemin_QCM = dossier;
        nom_eleve = QStringLiteral("../../tmp/x");
        prenom_eleve = QStringLiteral("..");
        date_evaluation = QStringLiteral("1/2");
        Fenetre::obtenir<fenetre_QCM>();
        MessagesScriptes messages;
        sauvegarder_QCM_word();
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(enregistres_.size(), 1);
        QCOMPARE(enregistres_[0].fichier, dossier + "/evaluation_QCM_.._.._tmp_x___1_2.doc");
        QCOMPARE(QDir(dossier).entryList(QDir::Files), QStringList{"evaluation_QCM_.._.._tmp_x___1_2.doc"});
        QCOMPARE(QDir(dossier_.path()).entryList(QDir::Files), QStringList());
        // The name line keeps what the pupil typed.
        QCOMPARE(enregistres_[0].corps.at(0).texte(), QStringLiteral("../../tmp/x  .."));
    }

    void fin_d_une_feuille_avec_la_case_word_cochee() {
        // The road of a pupil: the main window, the quiz, a topic of 4 questions answered with
        // the first choice, the Word box of the quiz options ticked.
        Form1* principale = demarrer_programme();
        principale->Show();
        chemin_QCM = dossier_.path();
        nom_eleve = QStringLiteral("Martin");
        prenom_eleve = QStringLiteral("Léa");
        Fenetre::obtenir<Options_QCM>()->Check3->setChecked(true);
        QTest::mouseClick(principale->Picture10, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        fenetre_QCM* q = Fenetre::si_chargee<fenetre_QCM>();
        QVERIFY(q);
        QTest::mouseClick(q->etiquettes_themes.value("Label_chimie14"), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(nb_questions_QCM, std::int16_t(4));
        MessagesScriptes messages;
        for (int i = 1; i <= 4; ++i) {
            messages.attendre("Voulez-vous vraiment valider votre réponse?", vb::vbOK);
            QTest::mouseClick(q->Option_rep[1], Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            QTest::mouseClick(q->Valid_reponse, Qt::LeftButton);
            if (i == 4) messages.attendre("Exercice terminé", vb::vbOK);
            QTest::mouseClick(q->Continuer, Qt::LeftButton);
        }
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(enregistres_.size(), 1);
        QCOMPARE(enregistres_[0].fichier, chemin_QCM + "/evaluation_QCM_Martin_Léa_09_03_2024.doc");
        const QList<Paragraphe>& corps = enregistres_[0].corps;
        QCOMPARE(corps.size(), 5 * 4 + 5);
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(corps.at(5 * i - 1).texte(), QStringLiteral("Question n°%1").arg(i));
            QCOMPARE(corps.at(5 * i).texte(), tableau_QCM[i][3]);
            QCOMPARE(corps.at(5 * i + 1).texte(), "Réponse à la question:  " + tableau_QCM[i][10]);
            QCOMPARE(corps.at(5 * i + 2).texte(), "Réponse de l'élève:  " + tableau_QCM[i][4]);
        }
        QCOMPARE(corps.last().texte(), "NOTE INDICATIVE:  " + Fenetre::si_chargee<Result_eval>()->Label8->text());
        QCOMPARE(q->MousePointer(), 0);
    }

    void fichier_lu_par_libreoffice() {
        if (!libreoffice_present()) QSKIP("LibreOffice is not installed");
        Fenetre::obtenir<fenetre_QCM>();
        feuille_de_trois_questions();
        sauvegarder_QCM_word();
        QCOMPARE(enregistres_.size(), 1);
        QTemporaryDir sortie;
        const QString txt = convertir_avec_libreoffice(enregistres_[0].fichier, "txt:Text (encoded):UTF8", "txt", sortie.path());
        QVERIFY2(!txt.isEmpty(), "LibreOffice did not convert the report");
        // LibreOffice reads a run of blanks as blanks each preceded by a six-per-em space.
        QStringList lignes = lire_texte(txt).remove(QChar(0x2006)).split('\n');
        for (QString& l : lignes) l = l.trimmed();
        if (!lignes.isEmpty() && lignes.first().startsWith(QChar(0xFEFF))) lignes.first().remove(0, 1);
        // The header comes first in the text export, then the body.
        const QStringList attendues = {
            "Lefèvre  Zoé",
            "5e B",
            "09/03/2024",
            "",
            "Question n°1",
            "Quel dipôle laisse passer le courant électrique ?",
            "Réponse à la question:  Un conducteur.",
            "Réponse de l'élève:  Un conducteur.",
            "",
            "Question n°2",
            "Où place-t-on l'interrupteur ?",
            "Réponse à la question:  N'importe où dans la boucle : le circuit est en série.",
            "Réponse de l'élève:  Près de la pile.",
            "",
            "Question n°3",
            "Que devient l'eau à 100 °C ?",
            "Réponse à la question:  Elle bout et se vaporise.",
            "Réponse de l'élève:  Elle bout et se vaporise.",
            "",
            "NOTE INDICATIVE:  13,3 / 20",
        };
        const int debut = int(lignes.indexOf("Lefèvre  Zoé"));
        QVERIFY2(debut >= 0, qPrintable(lignes.join(" | ")));
        QCOMPARE(lignes.mid(debut, attendues.size()), attendues);

        // Long Arabic names (a file name shortened) and emoji (surrogate pairs) open as typed.
        const QString arabe = QString::fromUtf8("\u0641\u064E\u0627\u0637\u0650\u0645\u064E\u0629 ").repeated(38);
        const QList<QPair<QString, QString>> identites = {
            {arabe.left(150), arabe.right(150)},
            {QString::fromUtf8("L\u00E9a \U0001F469\U0001F3FD\U0001F52C"), QString::fromUtf8("\U0001F600\u00E9")},
        };
        for (const auto& [nom, prenom] : identites) {
            nom_eleve = nom;
            prenom_eleve = prenom;
            sauvegarder_QCM_word();
            const QString lu = convertir_avec_libreoffice(enregistres_.last().fichier, "txt:Text (encoded):UTF8",
                                                          "txt", sortie.path());
            QVERIFY2(!lu.isEmpty(), "LibreOffice did not open the report");
            QVERIFY2(lire_texte(lu).remove(QChar(0x2006)).contains(nom + "  " + prenom), qPrintable(lire_texte(lu)));
            QFile::remove(lu);
        }

        // The page and its formats: a PDF export; kept as a picture when captures are asked for.
        const QString pdf = convertir_avec_libreoffice(enregistres_[0].fichier, "pdf", "pdf", sortie.path());
        QVERIFY2(!pdf.isEmpty(), "LibreOffice did not export the report as PDF");
        const QString captures = qEnvironmentVariable("VANTAREL_CAPTURES");
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (captures.isEmpty() || pdftoppm.isEmpty()) return;
        QProcess::execute(pdftoppm, {"-r", "96", "-png", "-f", "1", "-l", "1", "-singlefile", pdf,
                                     captures + "/rapport_qcm_page1"});
    }
};

QTEST_MAIN(TestRapportQCM)
#include "tst_rapport_qcm.moc"
