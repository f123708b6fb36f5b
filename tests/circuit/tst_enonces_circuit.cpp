// Content rules of the statement pictures of the four circuit themes: counts, size, background,
// each picture drawn from its own source, texts in installed families, legible, whole and written
// in French typography.
#include "platform/images.h"
#include "tests/support/textes_svg.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>

namespace {
struct Liste {
    const char* nom;
    int nombre;
};
const Liste listes[] = {{"List_schema", 10}, {"List_serie_deriv", 8}, {"List_assoc_pile", 3}, {"List_court_circuit", 2}};
const QSize boite(213, 203);

ListeImages charger(const Liste& l, int nombre) {
    return ListeImages::depuis_dossier("circuit/" + QLatin1String(l.nom), nombre, boite);
}

QString source(const Liste& l, int i) {
    return QStringLiteral("%1/assets/circuit/%2/%3.svg")
        .arg(qEnvironmentVariable("VANTAREL_SOURCES"), QLatin1String(l.nom))
        .arg(i);
}

QImage rendre(const QString& chemin) {
    QImage image(boite, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QSvgRenderer(chemin).render(&p, QRectF(QPointF(0, 0), boite));
    return image;
}

// Pixels whose grey levels differ by more than a quarter of the scale.
int pixels_differents(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64) ++n;
    return n;
}

// Words that begin with an accented vowel, in lower case: those of every statement text and the
// commonest of the instructions, so that a capital without its accent is caught.
QSet<QString> mots_accentues(const QStringList& textes) {
    QSet<QString> mots = {QStringLiteral("à"), QStringLiteral("écris"), QStringLiteral("éléments"), QStringLiteral("état")};
    static const QRegularExpression mot(QStringLiteral("(?<!\\w)[éèêà]\\w*"), QRegularExpression::UseUnicodePropertiesOption);
    for (const QString& t : textes)
        for (const auto& m : mot.globalMatch(t.toLower())) mots.insert(m.captured());
    return mots;
}

// What a statement text does against French typography, empty when nothing: pictures write
// « guillemets », the minus sign "−" (a hyphen only joins two letters), "œ", accented capitals
// and a space that does not break before ? ! ; and :, with the characters of French text.
QString faute_de_typographie(const QString& t, const QSet<QString>& accentues) {
    static const QString lettres = QString::fromUtf8("àâäçéèêëîïôöùûüÿœÀÂÇÉÈÊËÎÏÔÙÛŒ");
    static const QString signes = QString::fromUtf8("«»−°³’\u00a0\u202f");
    for (QChar c : t)
        if ((c.unicode() < 0x20 || c.unicode() > 0x7E) && !lettres.contains(c) && !signes.contains(c))
            return QStringLiteral("character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    if (t.contains(QLatin1String("''")) || t.contains(QLatin1Char('"'))) return QStringLiteral("quotes");
    for (qsizetype i = t.indexOf(QLatin1Char('-')); i >= 0; i = t.indexOf(QLatin1Char('-'), i + 1))
        if (i == 0 || i + 1 == t.size() || !t[i - 1].isLetter() || !t[i + 1].isLetter()) return QStringLiteral("hyphen for minus");
    static const QRegularExpression coupure(QStringLiteral(" [?!;:]"));
    if (coupure.match(t).hasMatch()) return QStringLiteral("breaking space before a sign");
    static const QRegularExpression oe(QStringLiteral("oe(u|il)"), QRegularExpression::CaseInsensitiveOption);
    if (oe.match(t).hasMatch()) return QStringLiteral("oe for œ");
    static const QRegularExpression capitale(QStringLiteral("(?<!\\w)[AE]\\w*"), QRegularExpression::UseUnicodePropertiesOption);
    for (const auto& m : capitale.globalMatch(t))
        for (const QString& accent : {QStringLiteral("à"), QStringLiteral("é"), QStringLiteral("è"), QStringLiteral("ê")})
            if (accentues.contains(accent + m.captured().mid(1).toLower())) return "capital without its accent: " + m.captured();
    return {};
}

// The texts of every statement source, in order.
QStringList textes_de_toutes_les_sources() {
    QStringList textes;
    for (const Liste& l : listes)
        for (int i = 1; i <= l.nombre; ++i)
            for (const LigneSvg& t : lire_textes_svg(source(l, i)).lignes) textes << t.texte;
    return textes;
}
}

class TestEnoncesCircuit : public QObject {
    Q_OBJECT
private slots:
    void chaque_liste_a_ses_images_a_la_taille_de_la_boite() {
        for (const Liste& l : listes) {
            // One more than the list holds: the folder has no picture beyond its count.
            const ListeImages liste = charger(l, l.nombre + 1);
            QVERIFY2(liste.image(l.nombre + 1).isNull(), l.nom);
            for (int i = 1; i <= l.nombre; ++i) {
                const QImage image = liste.image(i);
                const QString ou = QStringLiteral("%1 n°%2").arg(QLatin1String(l.nom)).arg(i);
                QVERIFY2(!image.isNull(), qPrintable(ou));
                QCOMPARE(image.size(), boite);
                for (QPoint coin : {QPoint(0, 0), QPoint(212, 0), QPoint(0, 202), QPoint(212, 202)}) {
                    const QRgb c = image.pixel(coin) & 0xFFFFFF;
                    QVERIFY2(c == 0xC0FFFF || c == 0xFFFFFF, qPrintable(ou + " background"));
                }
            }
        }
    }

    void chaque_image_vient_de_sa_source_et_aucune_ne_se_repete() {
        QList<QImage> chargees, sources;
        QStringList noms;
        for (const Liste& l : listes) {
            const ListeImages liste = charger(l, l.nombre);
            for (int i = 1; i <= l.nombre; ++i) {
                chargees << liste.image(i);
                sources << rendre(source(l, i));
                noms << QStringLiteral("%1 n°%2").arg(QLatin1String(l.nom)).arg(i);
            }
        }
        QCOMPARE(chargees.size(), 23);
        for (int i = 0; i < chargees.size(); ++i) {
            const int propre = pixels_differents(chargees[i], sources[i]);
            for (int j = 0; j < chargees.size(); ++j) {
                if (j == i) continue;
                QVERIFY2(pixels_differents(chargees[i], sources[j]) > propre,
                         qPrintable(noms[i] + " is closer to the source of " + noms[j]));
                QVERIFY2(pixels_differents(chargees[i], chargees[j]) > 100, qPrintable(noms[i] + " ~ " + noms[j]));
            }
        }
    }

    // The typography check itself finds each fault it is meant to find, and passes good French.
    void la_typographie_verifiee_trouve_ses_fautes() {
        const QSet<QString> accentues = mots_accentues({QStringLiteral("puis écris ce que tu vois")});
        for (const char* faute : {"sont-elles ''en série'' ?", "la borne - de la pile", "borne -", "-", "le sens de l'oeil",
                                  "Ecris sous ton schéma", "A la fin", "Eléments", "le \"moteur\"", "formé de :"})
            QVERIFY2(!faute_de_typographie(QString::fromUtf8(faute), accentues).isEmpty(), faute);
        for (const char* juste : {"La lampe brille-t-elle\u202f?", "sont-elles «\u00a0en série\u00a0»\u202f?", "la borne − de l'œil",
                                  "Écris L1 et L2. À la fin, Ensuite, Elles, Entre, Et, Au", "4,5 V"})
            QCOMPARE(faute_de_typographie(QString::fromUtf8(juste), accentues), QString());
    }

    // Every text: one installed family that holds its every character, at least 11 px high once
    // scaled, French typography, and whole inside the picture with a margin on both sides.
    void textes_des_sources() {
        const QStringList familles = QFontDatabase::families();
        const QSet<QString> accentues = mots_accentues(textes_de_toutes_les_sources());
        for (const Liste& l : listes)
            for (int i = 1; i <= l.nombre; ++i) {
                const QString ou = QStringLiteral("%1 n°%2").arg(QLatin1String(l.nom)).arg(i);
                const TextesSvg svg = lire_textes_svg(source(l, i));
                QVERIFY2(svg.erreur.isEmpty(), qPrintable(ou + " " + svg.erreur));
                QCOMPARE(svg.largeur, QString("213"));
                QCOMPARE(svg.hauteur, QString("203"));
                QCOMPARE(svg.viewbox, QString("0 0 213 203"));
                QVERIFY2(!svg.lignes.isEmpty(), qPrintable(ou));
                for (const LigneSvg& t : svg.lignes) {
                    QVERIFY2(familles.contains(t.famille), qPrintable(ou + " font " + t.famille));
                    QVERIFY2(t.taille >= 11, qPrintable(ou + " font size"));
                    const QString faute = faute_de_typographie(t.texte, accentues);
                    QVERIFY2(faute.isEmpty(), qPrintable(ou + " " + faute + ": " + t.texte));
                    const QFontMetricsF mesure(t.police);
                    for (QChar c : t.texte) QVERIFY2(mesure.inFont(c), qPrintable(ou + " glyph missing: " + t.texte));
                    const QString marge = ligne_hors_marge(t, boite.width());
                    QVERIFY2(marge.isEmpty(), qPrintable(ou + " " + marge));
                    QVERIFY2(t.base - mesure.ascent() >= 0 && t.base + mesure.descent() <= boite.height(),
                             qPrintable(ou + " text cut off: " + t.texte));
                }
            }
    }
};

QTEST_MAIN(TestEnoncesCircuit)
#include "tst_enonces_circuit.moc"
