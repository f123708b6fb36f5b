// Built-in pictures: every picture a window or a quiz sheet asks for was rendered by the build at
// that size, a size it did not render still gives the picture, and the sources marked
// shape-rendering="crispEdges" come without anti-aliasing (no near-white fringe to survive a
// white cut-out).
#include "frame/etat.h"
#include "frame/form1.h"
#include "platform/ecran.h"
#include "platform/images.h"
#include "platform/messages.h"
#include "platform/style.h"
#include "quiz/banques.h"
#include "tests/support/fixture.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
// Pixels next to a pure white one that are almost white: what anti-aliasing leaves around a figure.
int pixels_de_frange(const QImage& image) {
    auto presque_blanc = [](QRgb c) {
        return (c & 0xFFFFFF) != 0xFFFFFF && qRed(c) >= 0xE0 && qGreen(c) >= 0xE0 && qBlue(c) >= 0xE0;
    };
    int n = 0;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x) {
            if (!presque_blanc(image.pixel(x, y))) continue;
            for (QPoint v : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)})
                if ((image.pixel(v) & 0xFFFFFF) == 0xFFFFFF) {
                    ++n;
                    break;
                }
        }
    return n;
}

QByteArray dessin_essai(bool net) {
    return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"40\" viewBox=\"0 0 120 40\"") +
           (net ? " shape-rendering=\"crispEdges\"" : "") +
           " data-tailles=\"60x20\">"
           "<circle cx=\"20\" cy=\"20\" r=\"12\" fill=\"#ff0000\" stroke=\"#000000\" stroke-width=\"1.5\"/>"
           "<line x1=\"35\" y1=\"5\" x2=\"60\" y2=\"35\" stroke=\"#0000ff\" stroke-width=\"2\"/>"
           "<text x=\"65\" y=\"25\" font-family=\"Liberation Sans\" font-size=\"14\">Pile +</text></svg>";
}

QImage lire_rendu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? image_de_pixels_rendus(f.readAll()) : QImage();
}
}

class TestImages : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() {
        installer_crochet_messages({});
        reinitialiser_programme();
    }

    void fleche_des_barres_comme_le_style_de_la_plateforme() {
        // The program's style reads the arrow of a bar whose items do not fit itself: the same
        // pictures, at the same sizes, as the platform's style gives.
        std::unique_ptr<QStyle> plateforme(QStyleFactory::create(QApplication::style()->name()));
        installer_style();
        for (QStyle::StandardPixmap fleche : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QIcon attendue = plateforme->standardIcon(fleche);
            const QIcon lue = QApplication::style()->standardIcon(fleche);
            QCOMPARE(lue.availableSizes(), attendue.availableSizes());
            QVERIFY(!attendue.availableSizes().isEmpty());
            for (QSize t : attendue.availableSizes()) QCOMPARE(lue.pixmap(t).toImage(), attendue.pixmap(t).toImage());
        }
    }

    void chaque_image_demandee_est_construite_a_sa_taille() {
        // The adaptation pass at first identification loads every window of the program.
        ecran::fixer_twips_par_pixel(12, 12);
        installer_crochet_messages([](const QString&, int style, const QString&) {
            return int(style % 16 == vb::vbYesNo ? vb::vbYes : vb::vbCancel);
        });
        demarrer_programme()->mnuidentifier_Click();
        QVERIFY(!adaptation_en_cours);
        for (const DefinitionFeuille& d : table_feuilles()) {
            const ListeImages liste = liste_images_qcm(d);
            for (int i = 1; i <= liste.Count(); ++i) QVERIFY(!liste.image(i).isNull());
        }
        QVERIFY2(images_hors_construction().isEmpty(), qPrintable(images_hors_construction().join(", ")));
    }

    void images_stockees_telles_quelles_lues_en_place() {
        // The pictures stored uncompressed are drawn from the program's own data, never copied:
        // each starts on a 4-byte boundary, as a picture's rows must.
        image_integree(":/assets/form1/fond.svg");  // registers the rendered pictures
        int en_place = 0;
        QDirIterator rendus(":/rendus", QDir::Files, QDirIterator::Subdirectories);
        while (rendus.hasNext()) {
            const QResource r(rendus.next());
            if (r.compressionAlgorithm() != QResource::NoCompression) continue;
            QVERIFY2(quintptr(r.data() + 16) % 4 == 0, qPrintable(r.fileName()));
            ++en_place;
        }
        QVERIFY(en_place > 100);
        const QImage fond = image_integree(":/assets/form1/fond.svg");
        QCOMPARE(fond.constBits(), QResource(":/rendus/form1/fond.rgb").data() + 16);
    }

    void tailles_declarees_supplementaires_et_manquantes() {
        QCOMPARE(image_integree(":/assets/form1/fond.svg").size(), QSize(986, 204));
        const QImage icone = image_integree(":/assets/form1/icone_menu/1.svg", QSize(21, 21));
        QCOMPARE(icone.size(), QSize(21, 21));
        QVERIFY(icone != image_integree(":/assets/form1/icone_menu/1.svg").scaled(21, 21));
        QVERIFY(image_integree(":/assets/form1/absente.svg").isNull());
        QVERIFY(images_hors_construction().isEmpty());
        // A size the build did not make: the picture all the same, scaled pixel for pixel, and noted.
        const QImage puce = image_integree(":/assets/form1/puce.svg", QSize(40, 40));
        QCOMPARE(puce, image_integree(":/assets/form1/puce.svg").scaled(40, 40));
        QCOMPARE(images_hors_construction(), QStringList(":/assets/form1/puce.svg 40x40"));
    }

    void les_sources_nettes_n_ont_pas_de_frange() {
        // The build tool on a figure with a stroke, a slanted line and text, crisp and smooth.
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QDir d(dossier.path());
        d.mkpath("assets/net");
        d.mkpath("assets/lisse");
        for (const char* nom : {"net", "lisse"}) {
            QFile f(d.filePath(QStringLiteral("assets/%1/essai.svg").arg(nom)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(dessin_essai(QLatin1String(nom) == "net")) > 0);
        }
        QFile liste(d.filePath("liste.txt"));
        QVERIFY(liste.open(QIODevice::WriteOnly) && liste.write("net/essai.svg\nlisse/essai.svg\n") > 0);
        liste.close();
        QProcess outil;
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("ASAN_OPTIONS", "detect_leaks=0");  // the tool's exit is not under test
        outil.setProcessEnvironment(environnement);
        outil.start(QStringLiteral(OUTIL_RENDU_IMAGES),
                    {d.filePath("assets"), d.filePath("sortie"), d.filePath("sortie/rendus.qrc"), liste.fileName()});
        QVERIFY(outil.waitForFinished(60000));
        QCOMPARE(outil.exitCode(), 0);
        const QImage net = lire_rendu(d.filePath("sortie/net/essai.rgb"));
        const QImage lisse = lire_rendu(d.filePath("sortie/lisse/essai.rgb"));
        QCOMPARE(net.size(), QSize(120, 40));
        QCOMPARE(lire_rendu(d.filePath("sortie/net/essai_60x20.rgb")).size(), QSize(60, 20));
        QVERIFY(pixels_de_frange(lisse) > 0);  // the check sees anti-aliasing where there is some
        QCOMPARE(pixels_de_frange(net), 0);
        QSet<QRgb> couleurs;
        for (int y = 0; y < net.height(); ++y)
            for (int x = 0; x < net.width(); ++x) couleurs.insert(net.pixel(x, y) & 0xFFFFFF);
        QCOMPARE(couleurs, QSet<QRgb>({0xFFFFFF, 0xFF0000, 0x000000, 0x0000FF}));

        // Every crisp source of the program, as the build rendered it: no colour but those it names.
        QDirIterator sources(":/assets", {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
        while (sources.hasNext()) {
            QFile f(sources.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString texte = QString::fromUtf8(f.readAll());
            QXmlStreamReader xml(texte);
            if (!xml.readNextStartElement() || xml.attributes().value("shape-rendering") != QLatin1String("crispEdges"))
                continue;
            QSet<QRgb> nommees = {0xFFFFFF};
            static const QRegularExpression couleur("(?:fill|stroke|stop-color|color)\\s*[=:]\\s*\"?([#a-zA-Z0-9]+)");
            for (const QRegularExpressionMatch& m : couleur.globalMatch(texte))
                if (QColor::isValidColorName(m.captured(1))) nommees.insert(QColor::fromString(m.captured(1)).rgb() & 0xFFFFFF);
            const QImage image = image_integree(f.fileName());
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!nommees.contains(image.pixel(x, y) & 0xFFFFFF))
                        QFAIL(qPrintable(QStringLiteral("%1: colour %2 at %3,%4")
                                             .arg(f.fileName(), QColor(image.pixel(x, y)).name()).arg(x).arg(y)));
        }
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
