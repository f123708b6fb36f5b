// Every window of the program opens a help page of its own with F1: the activity windows their
// topic, their dialogs the topic of the window they serve.
#include "circuit/fenetre_dessin.h"
#include "frame/identification.h"
#include "frame/message_resolution.h"
#include "frame/registre_activites.h"
#include "platform/aide.h"
#include "tests/support/fixture.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

class TestAide : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() { aide::fermer(); }

    void chaque_fenetre_a_sa_page() {
        demarrer_programme();
        QStringList sans_page;
        for (const FenetreDeLaPasse& e : fenetres_par_adaptation()) {
            const Fenetre* f = e.charger();
            if (!aide::sujet_a_sa_page(f->HelpContextID)) sans_page << e.nom;
        }
        for (const Fenetre* f : {static_cast<Fenetre*>(Fenetre::obtenir<Identification>()),
                                 static_cast<Fenetre*>(Fenetre::obtenir<message_resolution>())})
            if (!aide::sujet_a_sa_page(f->HelpContextID)) sans_page << f->metaObject()->className();
        QVERIFY2(sans_page.isEmpty(), qPrintable(sans_page.join(QStringLiteral(", "))));
    }

    void f1_dans_un_dialogue_ouvre_la_page_de_sa_fenetre() {
        demarrer_programme();
        auto* d = Fenetre::obtenir<Identification_dessin>();
        d->Show();
        QTest::keyClick(d->client(), Qt::Key_F1);
        QCOMPARE(aide::sujet_affiche(), fenetre_dessin::sujet_aide);
        QVERIFY(aide::sujet_a_sa_page(aide::sujet_affiche()));
    }

    // The pages' own sentences use French typography: accented capitals and « guillemets ». The
    // program's captions, quoted in bold as the windows show them, are left out.
    void les_pages_suivent_la_typographie_francaise() {
        const QRegularExpression balises(QStringLiteral("<b>.*?</b>|<[^>]*>"),
                                         QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression fautes(QStringLiteral("(^|[.!?])\\s*A |''|\"|\\bE(lectri|cri|l[eè]ve|tat|galement)"));
        QStringList vues;
        for (QDirIterator i(QStringLiteral(":/assets/aide"), {QStringLiteral("*.html")}); i.hasNext();) {
            QFile f(i.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QString texte = QString::fromUtf8(f.readAll());
            texte.remove(QRegularExpression(QStringLiteral("<head>.*</head>"), QRegularExpression::DotMatchesEverythingOption));
            texte.replace(balises, QStringLiteral(" "));
            for (const QString& ligne : texte.split(QLatin1Char('\n')))
                if (ligne.contains(fautes)) vues << f.fileName() + QStringLiteral(": ") + ligne.trimmed();
        }
        QVERIFY2(vues.isEmpty(), qPrintable(vues.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
