// Every tick box and option button of every window shows its whole box inside its control, at
// the screen's resolution. The suite runs this program at 96 dots per inch (15 twips per pixel)
// and again at 120 and 72 (12 and 20), the resolution given by QT_FONT_DPI.
#include "frame/demarrage.h"
#include "frame/identification.h"
#include "frame/registre_activites.h"
#include "platform/ecran.h"
#include "platform/fenetre.h"
#include "tests/support/fixture.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

class TestIndicateurs : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void chaque_case_tient_dans_son_controle() {
        const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
        if (dpi > 0) QCOMPARE(ecran::TwipsPerPixelY(), 1440.0f / float(dpi));

        // Every window of the program, loaded as on this screen.
        enregistrer_fenetres_du_cadre();
        for (const FenetreDeLaPasse& e : fenetres_par_adaptation()) e.charger();
        Fenetre::obtenir<Identification>();

        QStringList hors;
        int cases = 0, options = 0;
        for (Fenetre* f : Fenetre::fenetres_chargees())
            for (QAbstractButton* b : f->findChildren<QAbstractButton*>()) {
                const bool coche = qobject_cast<QCheckBox*>(b);
                if (!coche && !qobject_cast<QRadioButton*>(b)) continue;
                ++(coche ? cases : options);
                QStyleOptionButton option;
                option.initFrom(b);
                option.text = b->text();
                const QRect boite = b->style()->subElementRect(
                    coche ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, b);
                if (!b->rect().contains(boite))
                    hors << QStringLiteral("%1 \"%2\": %3x%4 in %5x%6")
                                .arg(f->metaObject()->className(), b->text())
                                .arg(boite.width())
                                .arg(boite.height())
                                .arg(b->width())
                                .arg(b->height());
            }
        // The quiz's five choices, the print scales, the wire styles; the options' boxes, the
        // wire dialog's.
        QVERIFY2(options >= 5 + 4 + 6 + 6 + 2, qPrintable(QString::number(options)));
        QVERIFY2(cases >= 5 + 1, qPrintable(QString::number(cases)));
        QVERIFY2(hors.isEmpty(), qPrintable(hors.join("\n")));
    }
};

// Qt Test's own main() makes the styles measure as at 96 dpi whatever the screen: the program
// starts as the program does.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    preparer_application(application);
    TestIndicateurs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_indicateurs.moc"
