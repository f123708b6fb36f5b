// The optics window's pictures: counts and sizes, the white cut-out of the sun, the earth, the
// moon and the cursors, the cursors' hot spot, the menu pictures and the statements' text.
#include "optics/sheet/etat_optique.h"
#include "platform/images.h"
#include "tests/support/textes_svg.h"

#include <QFile>
#include <QHash>
#include <QQueue>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Image {
    QString chemin;  // under assets/
    int largeur, hauteur;
    bool decoupee;  // the program turns its white into holes
};

// Every picture of the optics window, at the size it is shown.
QList<Image> images_optique() {
    QList<Image> l = {
        {"optique/soleil.svg", 40, 40, true},   {"optique/terre.svg", 40, 40, true},
        {"optique/lune.svg", 40, 40, true},     {"optique/Picture7.svg", 801, 41, false},
        {"qcm/onglet_optique/1.svg", 58, 123, false}, {"qcm/onglet_optique/2.svg", 58, 123, false},
        {"optique/curseurs/texte.svg", 32, 32, true}, {"optique/curseurs/ergot.svg", 32, 32, true},
        {"optique/curseurs/ergots.svg", 32, 32, true},
    };
    auto liste = [&](const QString& dossier, int nombre, int largeur, int hauteur, bool decoupee) {
        for (int i = 1; i <= nombre; ++i)
            l.append({QStringLiteral("optique/%1/%2.svg").arg(dossier).arg(i), largeur, hauteur, decoupee});
    };
    liste("List_sources", 5, 213, 203, false);
    liste("List_faisceau", 3, 213, 203, false);
    liste("List_ombre", 1, 213, 203, false);
    liste("List_STL", 5, 213, 203, false);
    liste("ImageList_toolbar_optique", 6, 20, 20, false);
    liste("ImageList_icone_optique", 3, 32, 32, true);
    liste("icone_menu", 15, 21, 21, false);
    return l;
}

QString source(const QString& chemin) {
    QFile f(qEnvironmentVariable("VANTAREL_SOURCES") + "/assets/" + chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QImage rendue(const Image& i) {
    return image_integree(":/assets/" + i.chemin, QSize(i.largeur, i.hauteur));
}

bool blanc(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }
bool presque_blanc(QRgb p) { return !blanc(p) && qRed(p) >= 200 && qGreen(p) >= 200 && qBlue(p) >= 200; }

// The white cut-out leaves no hole inside the figure and no light halo around it: every pure
// white pixel is reached from the border through white, and no near-white pixel touches white.
QString defaut_de_decoupe(const QImage& img) {
    const int w = img.width(), h = img.height();
    QVector<bool> vu(w * h, false);
    QQueue<QPoint> file;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && blanc(img.pixel(x, y))) {
                vu[y * w + x] = true;
                file.enqueue({x, y});
            }
    while (!file.isEmpty()) {
        const QPoint p = file.dequeue();
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h || vu[q.y() * w + q.x()]) continue;
            if (!blanc(img.pixel(q))) continue;
            vu[q.y() * w + q.x()] = true;
            file.enqueue(q);
        }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            if (blanc(p) && !vu[y * w + x]) return QStringLiteral("white hole at %1,%2").arg(x).arg(y);
            if (!presque_blanc(p)) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (xx >= 0 && yy >= 0 && xx < w && yy < h && blanc(img.pixel(xx, yy)))
                        return QStringLiteral("near-white pixel at %1,%2 touches the white").arg(x).arg(y);
                }
        }
    return {};
}

}  // namespace

class TestImagesOptique : public QObject {
    Q_OBJECT
private slots:
    // Counts of the lists, and every picture drawn at its size from a source of that size.
    void comptes_et_tailles() {
        for (const auto& [dossier, nombre] : {std::pair{"List_sources", 5}, {"List_faisceau", 3}, {"List_ombre", 1}, {"List_STL", 5}}) {
            const QString base = QStringLiteral("optique/%1/").arg(QLatin1String(dossier));
            QVERIFY2(!source(base + QString::number(nombre) + ".svg").isEmpty(), dossier);
            QVERIFY2(source(base + QString::number(nombre + 1) + ".svg").isEmpty(), dossier);
            QCOMPARE(ListeImages::depuis_dossier(base.chopped(1), nombre, QSize(213, 203)).Count(), nombre);
        }
        const QRegularExpression racine("<svg\\b[^>]*>");
        for (const Image& i : images_optique()) {
            const QString texte = source(i.chemin);
            const QString svg = racine.match(texte).captured(0);
            const QString taille = QStringLiteral("width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\"").arg(i.largeur).arg(i.hauteur);
            QVERIFY2(svg.contains(taille), qPrintable(i.chemin));
            if (i.decoupee) QVERIFY2(svg.contains("shape-rendering=\"crispEdges\""), qPrintable(i.chemin));
            const QImage img = rendue(i);
            QCOMPARE(img.size(), QSize(i.largeur, i.hauteur));
            int encre = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) encre += qGray(img.pixel(x, y)) < 160;
            QVERIFY2(encre >= 4, qPrintable(i.chemin));
            if (i.decoupee) QVERIFY2(defaut_de_decoupe(img).isEmpty(), qPrintable(i.chemin + (": " + defaut_de_decoupe(img))));
        }
    }

    // The sun is drawn bigger than the earth and the earth bigger than the moon, a misconception
    // otherwise: by the widest disc about the centre holding no white and by the ink's extent.
    // The sun is a disc filling its box, its edge sharp for the rays that graze it (no long
    // spikes around it); the earth is at most three fifths of it, the moon about half the earth.
    // Each figure is centred, and the moon still a disc to grab.
    void le_soleil_plus_gros_que_la_terre_plus_grosse_que_la_lune() {
        double disque_precedent = 99;
        int etendue_precedente = 99;
        for (const char* nom : {"soleil", "terre", "lune"}) {
            const QImage img = image_integree(QStringLiteral(":/assets/optique/%1.svg").arg(QLatin1String(nom)), QSize(40, 40));
            QRect encre;
            double disque = 99;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    if (!blanc(img.pixel(x, y)))
                        encre |= QRect(x, y, 1, 1);
                    else
                        disque = std::min(disque, std::hypot(x - 19.5, y - 19.5));
                }
            QVERIFY2(encre.left() + encre.right() == 39 && encre.top() + encre.bottom() == 39, nom);
            QVERIFY2(disque < disque_precedent && encre.width() < etendue_precedente, nom);
            QVERIFY2(disque >= 5, nom);
            if (etendue_precedente == 99)
                QVERIFY2(encre.width() >= 36 && encre.width() / 2.0 - disque <= 1.5, nom);
            else
                QVERIFY2(encre.width() <= etendue_precedente * 0.6, nom);
            disque_precedent = disque;
            etendue_precedente = encre.width();
        }
    }

    // The cursors' hot spot (15, 15) lies on the figure, at the centre of its black part; the
    // tools' green sign lies at the upper right, clear of the cross-hair.
    void curseurs() {
        const QStringList chemins = {"ImageList_icone_optique/1", "ImageList_icone_optique/2", "ImageList_icone_optique/3",
                                     "curseurs/texte", "curseurs/ergot", "curseurs/ergots"};
        for (const QString& c : chemins) {
            const QImage img = image_integree(":/assets/optique/" + c + ".svg", QSize(32, 32));
            QVERIFY2(!blanc(img.pixel(15, 15)), qPrintable(c));
            QRect noir, vert;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    const QRgb p = img.pixel(x, y);
                    if (qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60) noir |= QRect(x, y, 1, 1);
                    if (qGreen(p) > 120 && qRed(p) < 60 && qBlue(p) < 60) vert |= QRect(x, y, 1, 1);
                }
            QCOMPARE(noir.left() + noir.right(), 30);
            QCOMPARE(noir.top() + noir.bottom(), 30);
            if (c.startsWith("ImageList")) {
                QVERIFY2(vert.isValid() && vert.left() > 16 && vert.bottom() < 14, qPrintable(c));
                QCOMPARE(img.pixel(15, 15) & 0xFFFFFF, 0u);
            }
        }
    }

    // White outside the top-left 13 x 13; the colour squares exact at their centre, dark at the edge.
    void icones_menu() {
        const QRgb couleurs[6] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)};
        for (int n = 1; n <= 15; ++n) {
            const QImage img = image_integree(QStringLiteral(":/assets/optique/icone_menu/%1.svg").arg(n), QSize(21, 21));
            for (int y = 0; y < 21; ++y)
                for (int x = 0; x < 21; ++x)
                    if (x >= 13 || y >= 13) QVERIFY2(blanc(img.pixel(x, y)), qPrintable(QStringLiteral("%1 at %2,%3").arg(n).arg(x).arg(y)));
            if (n < 6 || n > 11) continue;
            QCOMPARE(img.pixel(6, 6) | 0xFF000000, couleurs[n - 6]);
            for (const QPoint bord : {QPoint(0, 6), QPoint(12, 6), QPoint(6, 0), QPoint(6, 12)}) QVERIFY(qGray(img.pixel(bord)) < 80);
        }
    }

    // Statements: the font, size and characters of their text, the expected answer beside the
    // source, and no text running off the right edge.
    void enonces() {
        static const QString lettres = QString::fromUtf8("àâçèéêëîïôùûüœÀÂÇÈÉÊÎÔŒ«»−°\u00a0\u202f");
        const QRegularExpression texte("<text\\b[^>]*>([^<]*)</text>"), taille("font-size=\"([0-9.]+)\""),
            famille("font-family=\"([^\"]*)\"");
        for (const Image& i : images_optique()) {
            if (i.largeur != 213) continue;
            const QString s = source(i.chemin);
            QVERIFY2(s.contains(QString::fromUtf8("<!-- Réponse attendue")), qPrintable(i.chemin));
            for (auto m = taille.globalMatch(s); m.hasNext();) QVERIFY2(m.next().captured(1).toDouble() >= 11, qPrintable(i.chemin));
            for (auto m = famille.globalMatch(s); m.hasNext();) {
                const QString f = m.next().captured(1);
                QVERIFY2(f == "Liberation Sans" || f == "Liberation Serif" || f == "Comic Neue", qPrintable(i.chemin));
            }
            int lignes = 0;
            for (auto m = texte.globalMatch(s); m.hasNext(); ++lignes) {
                const QString t = m.next().captured(1);
                for (QChar ch : t)
                    QVERIFY2((ch.unicode() >= 0x20 && ch.unicode() <= 0x7E && ch != '"') || lettres.contains(ch), qPrintable(i.chemin + (": " + t)));
            }
            QVERIFY2(lignes >= 4, qPrintable(i.chemin));
            const QImage img = rendue(i);
            for (int y = 0; y < img.height(); ++y)
                for (int x = img.width() - 4; x < img.width(); ++x)
                    QVERIFY2(qGray(img.pixel(x, y)) >= 110, qPrintable(QStringLiteral("%1: ink at %2,%3").arg(i.chemin).arg(x).arg(y)));
        }
    }

    // Every line of a statement stays clear of both sides of its picture.
    void chaque_ligne_garde_une_marge() {
        for (const Image& i : images_optique()) {
            if (i.largeur != 213) continue;
            const TextesSvg svg = lire_textes_svg(qEnvironmentVariable("VANTAREL_SOURCES") + "/assets/" + i.chemin);
            QVERIFY2(svg.erreur.isEmpty() && !svg.lignes.isEmpty(), qPrintable(i.chemin + " " + svg.erreur));
            for (const LigneSvg& l : svg.lignes) {
                const QString marge = ligne_hors_marge(l, i.largeur);
                QVERIFY2(marge.isEmpty(), qPrintable(i.chemin + ": " + marge));
            }
        }
    }

    // The statements are pictures, not quiz rows: « guillemets » held by non-breaking spaces, œ,
    // accented capitals, the minus sign and a space that does not break before : ; ? !, footers
    // included. Their footers name the palette's elements and the tools as the pupil finds them
    // under the pointer: by their tooltips, written in French typography.
    void typographie_des_enonces() {
        const QRegularExpression texte("<text\\b[^>]*>([^<]*)</text>"), pied("^Éléments\u00a0: (.*) Outils\u00a0: (.*)$"),
            remarque(" ?\\([^)]*\\)");
        const QList<QRegularExpression> fautes = {
            QRegularExpression("''"), QRegularExpression("\\b[Oo]e(il|uf|uvre)"),
            QRegularExpression("\\bE(cri|l[éèe]|cran|tat|t[ée])"), QRegularExpression("\\bA (la|le|les|l')\\b"),
            QRegularExpression("(^|[ (])-[0-9]"), QRegularExpression("«(?!\u00a0)|(?<!\u00a0)»"),
            QRegularExpression(" [:;?!]")};
        // The tooltips that the palette spells without accented capital, œ or article.
        const QHash<QString, QString> en_francais = {
            {"Ecran", "Écran"}, {"Ecran en coupe", "Écran en coupe"}, {"Ecran percé un trou", "Écran percé d'un trou"},
            {"Ecran percé deux trous", "Écran percé de deux trous"}, {"Oeil", "Œil"}};
        QStringList elements;
        for (const TypeElement& t : types_elements())
            if (t.info_bulle) elements << en_francais.value(QString::fromUtf8(t.info_bulle), QString::fromUtf8(t.info_bulle));
        const QStringList outils = {"Rayon", "Trait", "Cercle et ellipse", "Insérer du texte"};
        for (const Image& i : images_optique()) {
            if (i.largeur != 213) continue;
            const QString s = source(i.chemin);
            const qsizetype debut_du_pied = s.indexOf("font-size=\"11\"");
            QString enonce, bas;
            for (auto m = texte.globalMatch(s); m.hasNext();) {
                const QRegularExpressionMatch t = m.next();
                (t.capturedStart() < debut_du_pied ? enonce : bas) += t.captured(1) + " ";
            }
            for (const QRegularExpression& faute : fautes)
                QVERIFY2(!faute.match(enonce + bas).hasMatch(), qPrintable(i.chemin + ": " + faute.pattern() + " in " + enonce + bas));
            const QRegularExpressionMatch p = pied.match(bas.trimmed());
            QVERIFY2(p.hasMatch(), qPrintable(i.chemin + ": " + bas));
            for (const QString& nom : QString(p.captured(1)).remove(remarque).split(", "))
                QVERIFY2(elements.contains(nom), qPrintable(i.chemin + ": " + nom));
            for (const QString& nom : QString(p.captured(2)).remove(remarque).split(", "))
                QVERIFY2(outils.contains(nom), qPrintable(i.chemin + ": " + nom));
        }
    }
};

QTEST_MAIN(TestImagesOptique)
#include "tst_images_optique.moc"
