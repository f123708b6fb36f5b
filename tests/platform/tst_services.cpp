// The pop-up menu, the font and colour dialogs, the calculator and the program's language.
#include "platform/calculatrice.h"
#include "platform/dialogues_communs.h"
#include "platform/langue.h"
#include "platform/menu_contextuel.h"
#include "tests/support/fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Presses a button of the modal dialog that opens next.
void repondre_au_dialogue(QDialogButtonBox::StandardButton bouton, std::function<void(QDialog*)> avant = {}) {
    QTimer::singleShot(0, [bouton, avant] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        if (avant) avant(d);
        d->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly)->button(bouton)->click();
    });
}
}

class TestServices : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() {
        installer_crochet_menu_contextuel({});
        installer_crochet_police({});
        installer_crochet_couleur({});
        installer_crochet_calculatrice({});
    }

    void le_menu_execute_sa_commande_avant_de_rendre_la_main() {
        QMenu menu;
        QStringList executees;
        QAction* noir = menu.addAction("Noir", [&] { executees << "Noir"; });
        QAction* gris = menu.addAction("Gris", [&] { executees << "Gris"; });
        gris->setEnabled(false);
        QMenu* taille = menu.addMenu("Taille");
        QAction* double_ = taille->addAction("x2", [&] { executees << "x2"; });
        QAction* choix = nullptr;
        installer_crochet_menu_contextuel([&](QMenu* m) {
            executees << "menu " + m->title();
            return choix;
        });
        connect(&menu, &QMenu::triggered, [&](QAction* a) { executees << "par le menu " + a->text(); });
        choix = double_;
        QCOMPARE(PopupMenu(&menu), double_);
        QCOMPARE(executees, QStringList({"menu ", "par le menu x2", "x2"}));
        choix = nullptr;  // dismissed
        QVERIFY(PopupMenu(&menu) == nullptr);
        choix = gris;  // no pupil can choose a disabled command
        QVERIFY(PopupMenu(&menu) == nullptr);
        choix = taille->menuAction();
        QVERIFY(PopupMenu(&menu) == nullptr);
        QAction autre("Noir");  // in no menu of this pop-up
        choix = &autre;
        QVERIFY(PopupMenu(&menu) == nullptr);
        choix = noir;
        executees.clear();
        QCOMPARE(PopupMenu(&menu), noir);
        QCOMPARE(executees, QStringList({"menu ", "par le menu Noir", "Noir"}));
    }

    void les_crochets_des_dialogues_de_police_et_de_couleur() {
        // The hooks get the preset (a system colour as it was given) and give the answer.
        QString nom_vu;
        installer_crochet_police([&nom_vu](const ChoixPolice& depart) -> std::optional<ChoixPolice> {
            nom_vu = depart.FontName;
            return std::nullopt;  // cancelled
        });
        QVERIFY(!ShowFont(nullptr, ChoixPolice()));
        QCOMPARE(nom_vu, QString("MS Sans Serif"));
        installer_crochet_couleur([](std::uint32_t d) { return std::optional<std::uint32_t>(d == 0x80000008 ? 0xFF00 : 0); });
        QCOMPARE(ShowColor(nullptr, 0x80000008).value(), 0xFF00u);
    }

    void le_vrai_dialogue_de_police_rend_les_effets_et_la_couleur() {
        ChoixPolice depart;  // "MS Sans Serif": the dialog opens on the font that stands for it
        depart.FontSize = 10;
        repondre_au_dialogue(QDialogButtonBox::Ok, [](QDialog* d) {
            auto* couleurs = d->findChild<QComboBox*>(QString(), Qt::FindDirectChildrenOnly);
            couleurs->setCurrentIndex(couleurs->findText("Rouge"));
            QFont f = d->findChild<QFontDialog*>()->currentFont();
            f.setUnderline(true);
            d->findChild<QFontDialog*>()->setCurrentFont(f);
        });
        const std::optional<ChoixPolice> choisi = ShowFont(nullptr, depart);
        QVERIFY(choisi.has_value());
        QCOMPARE(choisi->Color, 0xFFu);
        QVERIFY(choisi->FontUnderline && !choisi->FontBold);
        QCOMPARE(choisi->FontName, QFontInfo(depart.police()).family());
        QCOMPARE(choisi->FontSize, 10.0);
        repondre_au_dialogue(QDialogButtonBox::Cancel);
        QVERIFY(!ShowFont(nullptr, depart));
    }

    void les_styles_de_police_sont_nommes_en_francais() {
        const QList<std::pair<QString, QString>> noms = {
            {"Regular", "Normal"},         {"Book", "Normal"},
            {"Bold Italic", "Gras italique"}, {"Condensed Bold Oblique", "Condensé gras oblique"},
            {"ExtraLight", "Extra-maigre"},  {"Semi-Bold", "Demi-gras"},
            {"Light Italic", "Maigre italique"}, {"Gras italique", "Gras italique"},
            {"Bold Display", "Gras Display"},
        };
        for (const auto& [anglais, francais] : noms) QCOMPARE(nom_style_francais(anglais), francais);

        // The real dialog: the list and the box over it speak French, and the style chosen by
        // its French name is the font given back.
        ChoixPolice depart;
        depart.FontName = "Liberation Sans";
        QStringList montres;
        QString boite_au_depart, boite_apres;
        repondre_au_dialogue(QDialogButtonBox::Ok, [&](QDialog* d) {
            auto* page = d->findChild<QFontDialog*>();
            QListView* styles = page->findChildren<QListView*>(QString(), Qt::FindDirectChildrenOnly).value(1);
            QLineEdit* boite = nullptr;
            for (QLineEdit* b : page->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
                if (b->focusProxy() == styles) boite = b;
            boite_au_depart = boite->text();
            auto* delegue = qobject_cast<QStyledItemDelegate*>(styles->itemDelegate());
            QModelIndex gras_italique;
            for (int i = 0; i < styles->model()->rowCount(); ++i) {
                const QModelIndex ligne = styles->model()->index(i, 0);
                montres << delegue->displayText(ligne.data(), QLocale());
                if (montres.last() == "Gras italique") gras_italique = ligne;
            }
            styles->setCurrentIndex(gras_italique);
            boite_apres = boite->text();
        });
        const std::optional<ChoixPolice> choisi = ShowFont(nullptr, depart);
        QCOMPARE(montres, QStringList({"Normal", "Italique", "Gras", "Gras italique"}));
        QCOMPARE(boite_au_depart, QString("Normal"));
        QCOMPARE(boite_apres, QString("Gras italique"));
        QVERIFY(choisi && choisi->FontBold && choisi->FontItalic);
        QCOMPARE(choisi->FontName, QString("Liberation Sans"));
    }

    // Every family: the regular style first and preselected, then by weight, upright before slanted.
    void chaque_police_liste_ses_styles_en_ordre() {
        repondre_au_dialogue(QDialogButtonBox::Cancel, [](QDialog* d) {
            const auto listes = d->findChild<QFontDialog*>()->findChildren<QListView*>(QString(), Qt::FindDirectChildrenOnly);
            for (int f = 0; f < listes[0]->model()->rowCount(); ++f) {
                listes[0]->setCurrentIndex(listes[0]->model()->index(f, 0));
                const QString famille = listes[0]->currentIndex().data().toString();
                const QStringList s = qobject_cast<QStringListModel*>(listes[1]->model())->stringList();
                auto rang = [&](const QString& style) { const QFont p = QFontDatabase::font(famille, style, 12); return std::pair{p.weight(), p.italic()}; };
                auto normal = [](const QString& style) { return nom_style_francais(style) == "Normal"; };
                QVERIFY2(listes[1]->currentIndex().row() == 0 && std::none_of(s.begin() + 1, s.end(), normal) &&
                             std::is_sorted(s.begin() + 1, s.end(), [&](auto& a, auto& b) { return rang(a) < rang(b); }),
                         qPrintable(famille + " : " + s.join(", ")));
            }
        });
        QVERIFY(!ShowFont(nullptr, ChoixPolice()));
    }

    void la_calculatrice_essaie_les_programmes_dans_l_ordre() {
        QStringList essayes;
        int accepte = 0;  // the program that starts, by its rank (0: none)
        installer_crochet_calculatrice([&](const QString& p) {
            essayes << p;
            return essayes.size() == accepte;
        });
        QVERIFY(!lancer_calculatrice());
        QCOMPARE(essayes, programmes_calculatrice());
        essayes.clear();
        accepte = 1;  // the first starts: no other is tried
        QVERIFY(lancer_calculatrice());
        QCOMPARE(essayes, programmes_calculatrice().mid(0, 1));
    }

    // On an English desktop the calculator opens in English: it gets the environment the program
    // received, not the French one the program set for itself.
    void la_calculatrice_garde_la_langue_de_l_utilisateur() {
        QTemporaryDir dossier;
        const QString rapport = dossier.filePath("environnement");
        const QString calculatrice = dossier.filePath(programmes_calculatrice().first());
        QFile script(calculatrice);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nenv > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(rapport).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));

        QStringList variables = {"PATH", "LC_ALL", "LANG", "LC_TIME", "LC_MESSAGES"};
        for (const char* c : {"CTYPE", "NUMERIC", "COLLATE", "MONETARY", "PAPER", "NAME", "ADDRESS", "TELEPHONE",
                              "MEASUREMENT", "IDENTIFICATION"})
            variables << QString("LC_") + c;
        QHash<QString, QByteArray> avant;
        for (const QString& v : variables) avant[v] = qgetenv(qPrintable(v));
        auto remettre = qScopeGuard([&] {
            for (const QString& v : variables) {
                qunsetenv(qPrintable(v));
                if (!avant[v].isNull()) qputenv(qPrintable(v), avant[v]);
            }
        });
        qputenv("PATH", QFile::encodeName(dossier.path()) + ":" + avant["PATH"]);
        qputenv("LC_ALL", "en_GB.UTF-8");
        qunsetenv("LANG");
        qunsetenv("LC_TIME");
        qunsetenv("LC_MESSAGES");
        preparer_langue_systeme();
        preparer_langue_systeme();  // a second call: the French values are still the program's own
        QCOMPARE(qgetenv("LC_TIME"), QByteArray("fr_FR.UTF-8"));

        QVERIFY(lancer_calculatrice());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(rapport), 10000);
        QFile f(rapport);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lignes = f.readAll().split('\n');
        QVERIFY(lignes.contains("LC_ALL=en_GB.UTF-8"));
        for (const QByteArray& ligne : lignes)
            QVERIFY2(!ligne.startsWith("LC_TIME=") && !ligne.startsWith("LC_MESSAGES=") && !ligne.startsWith("LANG="),
                     ligne.constData());
    }

    void le_programme_parle_francais_sur_tout_systeme() {
        QCOMPARE(langue_du_programme(QLocale(QLocale::English, QLocale::UnitedStates)), QLocale(QLocale::French, QLocale::France));
        QCOMPARE(langue_du_programme(QLocale::c()), QLocale(QLocale::French, QLocale::France));
        QCOMPARE(langue_du_programme(QLocale(QLocale::French, QLocale::Canada)), QLocale(QLocale::French, QLocale::Canada));
        const QLocale fr = langue_du_programme(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(fr.toString(QDate(2026, 12, 9), QLocale::ShortFormat), QString("09/12/2026"));
        QCOMPARE(fr.standaloneMonthName(1), QString("janvier"));

        // The environment Qt reads its system locale from: French dates and messages, the rest
        // as the system set it (LC_ALL included), and a French system left alone.
        const QStringList variables = {"LC_ALL", "LANG", "LC_TIME", "LC_MESSAGES", "LC_NUMERIC"};
        QHash<QString, QByteArray> avant;
        for (const QString& v : variables) avant[v] = qgetenv(qPrintable(v));
        for (const QString& v : variables) qunsetenv(qPrintable(v));
        qputenv("LC_ALL", "C.UTF-8");
        preparer_langue_systeme();
        QVERIFY(qgetenv("LC_ALL").isEmpty());
        QCOMPARE(qgetenv("LC_TIME"), QByteArray("fr_FR.UTF-8"));
        QCOMPARE(qgetenv("LC_MESSAGES"), QByteArray("fr_FR.UTF-8"));
        QCOMPARE(qgetenv("LC_NUMERIC"), QByteArray("C.UTF-8"));
        for (const QString& v : variables) qunsetenv(qPrintable(v));
        qputenv("LANG", "fr_BE.UTF-8");
        preparer_langue_systeme();
        QVERIFY(qgetenv("LC_TIME").isEmpty() && qgetenv("LC_MESSAGES").isEmpty());
        for (const QString& v : variables) {
            qunsetenv(qPrintable(v));
            if (!avant[v].isNull()) qputenv(qPrintable(v), avant[v]);
        }

        installer_langue_francaise(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Name"), QString("Nom"));
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
