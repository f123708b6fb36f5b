// Content rules of the question banks: structure, lengths, character set, pictures, spread.
#include "quiz/banques.h"
#include "quiz/fenetre_qcm.h"
#include "tests/support/fixture.h"

#include <QFile>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>

namespace {
// Questions per exercise of every sheet, in order.
const QMap<QString, QVector<int>>& structure_attendue() {
    static const QMap<QString, QVector<int>> s = {
        {"feuille_elec1", {2, 3, 2, 3, 1, 3, 2}},      {"feuille_elec2", {5, 2, 1, 1, 1}},
        {"feuille_elec3", {6, 6, 3, 1}},               {"feuille_elec4", {8, 5, 2}},
        {"feuille_elec5", {1, 7}},                     {"feuille_elec6", {2, 4, 3}},
        {"feuille_elec7", {4, 3}},                     {"feuille_elec8", {3, 3, 1}},
        {"feuille_elec9", {1, 4, 3}},                  {"feuille_chimie2", {6, 1, 1}},
        {"feuille_chimie3", {8}},                      {"feuille_chimie5", {4, 1, 3, 5, 1, 1, 1, 1}},
        {"feuille_chimie6", {5, 1, 1, 2}},             {"feuille_chimie7", {4, 1, 1, 5, 1, 1}},
        {"feuille_chimie8", {1, 3, 1, 2}},             {"feuille_chimie9", {4, 5, 3}},
        {"feuille_chimie10", {4, 2, 7, 3}},            {"feuille_chimie13", {11}},
        {"feuille_chimie14", {4}},                     {"feuille_Optique1", {8, 3}},
        {"feuille_Optique2", {8}},                     {"feuille_Optique3", {4, 2}},
        {"feuille_Optique4", {4, 6}},
    };
    return s;
}

// Rows with a picture, per sheet.
const QMap<QString, int>& lignes_avec_image() {
    static const QMap<QString, int> m = {
        {"feuille_elec1", 9},    {"feuille_elec2", 7},     {"feuille_elec3", 12},    {"feuille_elec4", 15},
        {"feuille_elec5", 6},    {"feuille_elec6", 5},     {"feuille_elec7", 3},     {"feuille_elec8", 4},
        {"feuille_elec9", 5},    {"feuille_chimie2", 1},   {"feuille_chimie3", 1},   {"feuille_chimie5", 12},
        {"feuille_chimie6", 2},  {"feuille_chimie7", 8},   {"feuille_chimie8", 2},   {"feuille_chimie9", 5},
        {"feuille_chimie10", 3}, {"feuille_chimie13", 11}, {"feuille_chimie14", 1},  {"feuille_Optique1", 2},
        {"feuille_Optique2", 5}, {"feuille_Optique3", 6},  {"feuille_Optique4", 3},
    };
    return m;
}

// Each subject's share of the spread of the banks, so that the three subjects add up to it:
// rows by number of choices (2..5), then by right choice (1..5).
struct Repartition {
    int choix[4];
    int bonne[5];
};
const QMap<Matiere, Repartition>& repartition_par_matiere() {
    static const QMap<Matiere, Repartition> r = {
        {Matiere::electricite, {{4, 15, 42, 35}, {21, 27, 26, 15, 7}}},
        {Matiere::chimie, {{3, 16, 46, 40}, {23, 29, 29, 17, 7}}},
        {Matiere::optique, {{1, 6, 16, 12}, {8, 10, 10, 5, 2}}},
    };
    return r;
}

using Rangee = QStringList;
const QMap<QPair<QString, int>, Rangee>& lignes_citees() {
    static const QMap<QPair<QString, int>, Rangee> c = {
        {{"feuille_elec1", 1},
         {"1", "1", "Laquelle de ces piles est-elle une pile plate?", "La pile n°1", "La pile n°2", "La pile n°3",
          "La pile n°4", "", "2", "La pile n°2 est une pile plate", "1"}},
        {{"feuille_elec1", 6},
         {"3", "1", "Une pile plate est un dipôle:", "récepteur", "générateur", "", "", "", "2",
          "Une pile plate, comme toutes les piles, est un dipôle générateur", ""}},
        {{"feuille_elec1", 10},
         {"4", "3", "Qu'appelle-t-on dipôle générateur?", "C'est une DEL", "C'est une résistance",
          "C'est un dipôle qui fonctionne avec un fort courant électrique",
          "C'est un dipôle qui sert à contrôler le courant électrique",
          "C'est un dipôle qui fournit du courant électrique au circuit", "5",
          "Un dipôle générateur fournit du courant électrique au circuit", ""}},
        {{"feuille_chimie3", 2},
         {"1", "2", "Un solide peut être saisi entre les doigts. On dit:", "Qu'il a une forme propre",
          "Qu'il est constitué de matière", "Qu'il n'a pas de forme propre", "", "", "1",
          "Un solide possède une forme propre", ""}},
        {{"feuille_chimie13", 1},
         {"1", "1", "Lequel de ces matériels de laboratoire représente une éprouvette graduée?", "8", "9", "10", "11",
          "12", "5", "C'est la photo 12", "1"}},
        {{"feuille_chimie6", 9},
         {"4", "2",
          "Affranchir une lettre dépend de sa masse: 0,4 € jusqu'à 20 g. La masse d'une enveloppe timbrée est de 3,5 g "
          "et celle d'une feuille de papier est de 5 g. Combien peut-on envoyer de feuilles entières dans une enveloppe "
          "timbrée à 0,4 € ?",
          "1", "2", "3", "4", "aucune", "3", "On peut envoyer 3 feuilles", ""}},
        {{"feuille_Optique2", 2},
         {"1", "2", "Quels yeux ''voient'' l'objet constitué par la pointe de la bougie?", "( b ) et ( d )",
          "( a ) et ( b )", "( c ) et ( d )", "( c ) et ( b )", "( a ) et ( c )", "1",
          "Les yeux ( b ) et ( d ) peuvent recevoir des rayons lumineux issus de la pointe de la bougie", "1"}},
    };
    return c;
}

bool caracteres_permis(const QString& t) {
    static const QString accents = QString::fromUtf8("àâçèéêîïôùû°€");
    for (QChar ch : t) {
        const ushort u = ch.unicode();
        if (u >= 0x20 && u <= 0x7E) continue;
        if (accents.contains(ch)) continue;
        return false;
    }
    return true;
}

bool nombre_simple(const QString& t) { return QRegularExpression("^[1-9][0-9]*$").match(t).hasMatch(); }

int nombre_choix(const LigneFeuille& l) {
    int n = 0;
    while (n < 5 && !l[reponse_1 + n].isEmpty()) ++n;
    return n;
}

void charger_tout() {
    charger_questions_chimie();
    charger_questions_elec();
    charger_questions_optique();
}

bool a_du_contenu(const DefinitionFeuille& d) { return d.feuille->size() > 1; }

QString chemin_image(const DefinitionFeuille& d, int i) {
    return QStringLiteral(":/assets/quiz/%1/%2.svg").arg(QLatin1String(d.liste_images)).arg(i);
}
}

class TestBanques : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { charger_tout(); }

    void table_des_feuilles() {
        const auto& t = table_feuilles();
        QCOMPARE(t.size(), 23);
        int total = 0;
        for (const auto& d : t) total += d.nb_lignes;
        QCOMPARE(total, 236);
        QCOMPARE(QString(feuille_de_cle("Elec3")->nom), QString("feuille_elec3"));
        QVERIFY(feuille_de_cle("elec3") == nullptr);  // keys are compared with their letter case
        QCOMPARE(QString(feuille_de_code("elec3")->liste_images), QString("Elec3"));
        QCOMPARE(QString(feuille_de_code("chimie6")->liste_images), QString("chimie6"));
    }

    void structure_des_feuilles_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < table_feuilles().size(); ++i)
            if (a_du_contenu(table_feuilles()[i])) QTest::newRow(table_feuilles()[i].nom) << i;
        if (QTest::currentDataTag() == nullptr && std::none_of(table_feuilles().begin(), table_feuilles().end(), a_du_contenu))
            QTest::newRow("no sheet has content") << -1;
    }
    void structure_des_feuilles() {
        QFETCH(int, index);
        if (index < 0) QSKIP("no sheet has content yet");
        const DefinitionFeuille& d = table_feuilles()[index];
        const feuille_QCM& f = *d.feuille;
        QCOMPARE(f.size() - 1, d.nb_lignes);
        const QVector<int> exercices = structure_attendue().value(d.nom);
        int r = 1;
        for (int e = 0; e < exercices.size(); ++e)
            for (int q = 1; q <= exercices[e]; ++q, ++r) {
                QCOMPARE(f[r][numero_exercice], QString::number(e + 1));
                QCOMPARE(f[r][numero_question], QString::number(q));
            }
        QCOMPARE(r - 1, d.nb_lignes);
        int avec_image = 0;
        QSet<int> images_utilisees;
        for (int r = 1; r < f.size(); ++r) {
            const LigneFeuille& l = f[r];
            const QString ou = QStringLiteral("%1 row %2").arg(d.nom).arg(r);
            QVERIFY2(!l[enonce].isEmpty() && l[enonce].size() <= 234, qPrintable(ou + " question length"));
            QVERIFY2(!l[correction].isEmpty() && l[correction].size() <= 120, qPrintable(ou + " correction length"));
            const int n = nombre_choix(l);
            QVERIFY2(n >= 2, qPrintable(ou + " fewer than 2 choices"));
            for (int c = 0; c < 5; ++c) {
                QVERIFY2(l[reponse_1 + c].size() <= 118, qPrintable(ou + " choice length"));
                if (c >= n) QVERIFY2(l[reponse_1 + c].isEmpty(), qPrintable(ou + " choices not contiguous"));
            }
            const QString bonne = l[numero_bonne_reponse];
            QVERIFY2(bonne.size() == 1 && bonne >= "1" && bonne.toInt() <= n, qPrintable(ou + " right choice"));
            for (int c = 1; c <= 11; ++c) {
                QVERIFY2(caracteres_permis(l[c]), qPrintable(ou + QStringLiteral(" character set, field %1").arg(c)));
                // Numbers of five digits or more are written in groups of three ("10 000").
                static const QRegularExpression cinq_chiffres("[0-9]{5}");
                QVERIFY2(!l[c].contains(cinq_chiffres), qPrintable(ou + " digits not grouped"));
            }
            for (const QString& t : {l[enonce], l[correction]})
                QVERIFY2(t == t.trimmed() && !t.contains("  "), qPrintable(ou + " stray blanks"));
            // Two choices of one row never read the same.
            QSet<QString> textes;
            for (int c = 0; c < n; ++c) textes.insert(l[reponse_1 + c]);
            QVERIFY2(textes.size() == n, qPrintable(ou + " two choices alike"));
            if (!l[numero_image].isEmpty()) {
                QVERIFY2(nombre_simple(l[numero_image]), qPrintable(ou + " picture index"));
                const int i = l[numero_image].toInt();
                QVERIFY2(i >= 1 && i <= d.nb_images, qPrintable(ou + " picture beyond its list"));
                images_utilisees.insert(i);
                ++avec_image;
            }
        }
        QCOMPARE(avec_image, lignes_avec_image().value(d.nom));
        for (int i = 1; i <= d.nb_images; ++i) {
            const bool jamais_montree = QString(d.nom) == "feuille_chimie8" && i == 1;
            QVERIFY2(images_utilisees.contains(i) != jamais_montree,
                     qPrintable(QStringLiteral("%1 picture %2 use").arg(d.nom).arg(i)));
        }
    }

    void images_des_feuilles_data() { structure_des_feuilles_data(); }
    void images_des_feuilles() {
        QFETCH(int, index);
        if (index < 0) QSKIP("no sheet has content yet");
        const DefinitionFeuille& d = table_feuilles()[index];
        for (int i = 1; i <= d.nb_images; ++i) {
            const QString chemin = chemin_image(d, i);
            QVERIFY2(QFile::exists(chemin), qPrintable(chemin));
            QSvgRenderer rendu(chemin);
            QVERIFY2(rendu.isValid(), qPrintable(chemin));
            const QSize taille = rendu.defaultSize();
            QVERIFY2(taille.width() >= 343 && taille.width() <= 345 && taille.height() >= 157 && taille.height() <= 162,
                     qPrintable(chemin + " size"));
        }
        const ListeImages liste = liste_images_qcm(d);
        QCOMPARE(liste.Count(), d.nb_images);
        for (int i = 1; i <= liste.Count(); ++i) {
            const QImage img = liste.image(i);
            QCOMPARE(img.size(), QSize(LARGEUR_IMAGE_QCM, HAUTEUR_IMAGE_QCM));
            // Something is drawn inside what the question's picture box shows (339 x 152).
            int encre = 0;
            for (int y = 0; y < 152; y += 2)
                for (int x = 0; x < 339; x += 2)
                    if (qGray(img.pixel(x, y)) < 160) ++encre;
            QVERIFY2(encre > 40, qPrintable(QStringLiteral("%1 picture %2 is empty").arg(d.liste_images).arg(i)));
        }
    }

    void lignes_citees_mot_pour_mot() {
        for (auto it = lignes_citees().begin(); it != lignes_citees().end(); ++it) {
            const DefinitionFeuille* d = nullptr;
            for (const auto& x : table_feuilles())
                if (it.key().first == x.nom) d = &x;
            QVERIFY(d);
            if (!a_du_contenu(*d)) continue;
            const LigneFeuille& l = (*d->feuille)[it.key().second];
            for (int c = 1; c <= 11; ++c) QCOMPARE(l[c], it.value()[c - 1]);
        }
    }

    void regles_des_images_partagees() {
        auto ligne = [](feuille_QCM& f, int r) -> const LigneFeuille& { return f[r]; };
        if (feuille_elec1.size() > 1)
            for (int r = 12; r <= 15; ++r) QCOMPARE(ligne(feuille_elec1, r)[numero_image], QString("4"));
        if (feuille_elec4.size() > 1) {
            for (int r = 1; r <= 15; ++r) QVERIFY(!feuille_elec4[r][numero_image].isEmpty());
            for (int r = 9; r <= 13; ++r) {
                QCOMPARE(feuille_elec4[r][enonce],
                         QString::fromUtf8("Quel est le schéma normalisé correspondant au circuit ci-contre?"));
                QCOMPARE(feuille_elec4[r][numero_image], QString::number(r));
            }
            for (int r = 14; r <= 15; ++r) {
                QCOMPARE(feuille_elec4[r][enonce], QString::fromUtf8("Ces deux circuits sont-ils identiques?"));
                QCOMPARE(feuille_elec4[r][numero_image], QString::number(r));
            }
            for (int c = 1; c <= 11; ++c)
                if (c != numero_question && c != numero_image) QCOMPARE(feuille_elec4[11][c], feuille_elec4[12][c]);
            QVERIFY(feuille_elec4[11][numero_image] != feuille_elec4[12][numero_image]);
        }
        if (feuille_elec7.size() > 1) {
            for (int r = 5; r <= 7; ++r) {
                QCOMPARE(feuille_elec7[r][enonce], feuille_elec7[5][enonce]);
                QCOMPARE(feuille_elec7[r][numero_image], QString::number(r - 4));
            }
            for (int c = 1; c <= 11; ++c)
                if (c != numero_question && c != numero_image) QCOMPARE(feuille_elec7[6][c], feuille_elec7[7][c]);
        }
        if (feuille_chimie6.size() > 1) {
            for (int r = 3; r <= 5; ++r)
                QCOMPARE(feuille_chimie6[r][enonce], QString::fromUtf8("Laquelle de ces conversions est juste?"));
            QVERIFY(feuille_chimie6[3][reponse_1] != feuille_chimie6[4][reponse_1]);
            QVERIFY(feuille_chimie6[4][reponse_1] != feuille_chimie6[5][reponse_1]);
        }
        if (feuille_chimie13.size() > 1)
            for (int r = 1; r <= 11; ++r) QCOMPARE(feuille_chimie13[r][numero_image], QString("1"));
    }

    void repartition_des_reponses() {
        for (Matiere m : {Matiere::electricite, Matiere::chimie, Matiere::optique}) {
            bool complete = true;
            int choix[6] = {}, bonne[6] = {}, avec_image = 0;
            for (const auto& d : table_feuilles()) {
                if (d.matiere != m) continue;
                if (!a_du_contenu(d)) complete = false;
                for (int r = 1; r < d.feuille->size(); ++r) {
                    const LigneFeuille& l = (*d.feuille)[r];
                    ++choix[nombre_choix(l)];
                    ++bonne[l[numero_bonne_reponse].toInt()];
                    if (!l[numero_image].isEmpty()) ++avec_image;
                }
            }
            if (!complete) continue;
            const Repartition& attendu = repartition_par_matiere()[m];
            for (int n = 2; n <= 5; ++n) QCOMPARE(choix[n], attendu.choix[n - 2]);
            for (int b = 1; b <= 5; ++b) QCOMPARE(bonne[b], attendu.bonne[b - 1]);
        }
    }

    void statistiques_globales() {
        for (const auto& d : table_feuilles())
            if (!a_du_contenu(d)) QSKIP("not every sheet has its content yet");
        int choix[6] = {}, bonne[6] = {}, avec_image = 0, total = 0;
        for (const auto& d : table_feuilles())
            for (int r = 1; r < d.feuille->size(); ++r) {
                const LigneFeuille& l = (*d.feuille)[r];
                ++total;
                ++choix[nombre_choix(l)];
                ++bonne[l[numero_bonne_reponse].toInt()];
                if (!l[numero_image].isEmpty()) ++avec_image;
            }
        QCOMPARE(total, 236);
        QCOMPARE(avec_image, 128);
        QCOMPARE(QVector<int>({choix[2], choix[3], choix[4], choix[5]}), QVector<int>({8, 37, 104, 87}));
        QCOMPARE(QVector<int>({bonne[1], bonne[2], bonne[3], bonne[4], bonne[5]}), QVector<int>({52, 66, 65, 37, 16}));
    }

    // What the pupil reads must not be cut: each choice on the one line of its label, each
    // correction within the lines of the answer box, in the quiz window's own fonts and sizes.
    // Once answered, the answer frame lies over the right part of the labels it crosses: their
    // choices must end before its left edge, so that the pupil still reads them whole.
    void les_textes_tiennent_dans_la_fenetre() {
        reinitialiser_programme();
        fenetre_QCM* q = Fenetre::obtenir<fenetre_QCM>();
        const QRect boite = q->texte_reponse->contentsRect();
        const QFontMetrics police_correction(q->texte_reponse->font());
        int sous_le_cadre = 0;
        QStringList coupes;
        for (const auto& d : table_feuilles())
            for (int r = 1; r < d.feuille->size(); ++r) {
                const LigneFeuille& l = (*d.feuille)[r];
                const QString cle = QStringLiteral("%1 row %2: ").arg(QLatin1String(d.cle)).arg(r);
                for (int c = 1; c <= nombre_choix(l); ++c) {
                    const QLabel* etiquette = q->Reponse[c];
                    const QFontMetrics police(etiquette->font());
                    // The choice's one line, at the top of its label.
                    QRect ligne = etiquette->contentsRect().translated(etiquette->pos());
                    ligne.setHeight(police.height());
                    int largeur = ligne.width();
                    if (ligne.intersects(q->Reponse_juste->geometry())) {
                        largeur = q->Reponse_juste->x() - ligne.left();
                        sous_le_cadre |= 1 << c;
                    }
                    if (police.horizontalAdvance(l[reponse_1 + c - 1]) > largeur)
                        coupes << cle + l[reponse_1 + c - 1];
                }
                if (police_correction.boundingRect(boite, Qt::TextWordWrap, l[correction]).height() > boite.height())
                    coupes << cle + l[correction];
            }
        QCOMPARE(sous_le_cadre, 0b111100);  // the frame crosses choices 2 to 5, and only them
        QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join('\n')));
    }

    // The eyes question about the candle: from the marked tip of the flame, light reaches the
    // eyes ( b ) and ( d ) through the holes of the screen and no other eye; neither does the top
    // of the candle's wax reach ( a ) or ( c ), so that no reading of "la pointe" gives another
    // choice.
    void la_pointe_de_la_bougie_et_les_trous_de_l_ecran() {
        const QImage img = liste_images_qcm(*feuille_de_code("Optique2")).image(1);
        auto centre = [&](auto choisi, int y0, int y1) {
            QPointF somme;
            int n = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (choisi(img.pixel(x, y))) somme += QPointF(x, y), ++n;
            return n ? somme / n : QPointF(-1, -1);
        };
        auto rouge = [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 70 && qBlue(c) < 70; };
        auto pupille = [](QRgb c) { return qAbs(qRed(c) - 58) < 25 && qAbs(qGreen(c) - 123) < 25 && qBlue(c) > 160; };
        auto cire = [](QRgb c) { return qAbs(qRed(c) - 242) < 4 && qAbs(qGreen(c) - 234) < 4 && qAbs(qBlue(c) - 208) < 4; };
        const QPointF pointe = centre(rouge, 0, img.height());
        QVERIFY(pointe.x() > 0);
        // The pupils, top to bottom: ( a ) to ( d ).
        QList<int> rangs;
        for (int y = 0; y < img.height(); ++y) {
            bool vu = false;
            for (int x = 0; x < img.width() && !vu; ++x) vu = pupille(img.pixel(x, y));
            if (vu && (rangs.isEmpty() || y > rangs.last() + 1)) rangs << y << y;
            else if (vu) rangs.last() = y;
        }
        QCOMPARE(rangs.size(), 8);
        QList<QPointF> yeux;
        for (int i = 0; i < 8; i += 2) yeux << centre(pupille, rangs[i], rangs[i + 1] + 1);
        // The top of the wax: below the tip, the first of five rows of wax colour beside the wick.
        int haut_cire = int(pointe.y());
        for (int n = 0; n < 5 && haut_cire < img.height() - 1; ++haut_cire)
            n = cire(img.pixel(int(pointe.x()) + 4, haut_cire)) ? n + 1 : 0;
        const QPointF haut_bougie(pointe.x(), haut_cire - 5);
        // Whether the straight line meets a dark pixel between the candle and the eyes.
        auto arrete = [&](QPointF de, QPointF vers) {
            for (double x = de.x() + 20; x < vers.x() - 20; x += 0.25) {
                const double y = de.y() + (vers.y() - de.y()) * (x - de.x()) / (vers.x() - de.x());
                if (qGray(img.pixel(int(std::lround(x)), int(std::lround(y)))) < 100) return true;
            }
            return false;
        };
        for (int oeil = 0; oeil < 4; ++oeil) {
            const bool voit = oeil == 1 || oeil == 3;
            // Light must reach an eye with a pixel to spare on either side, and miss the pupil of
            // the others whole.
            const int ecart = voit ? 1 : 5;
            for (int d = -ecart; d <= ecart; ++d)
                for (int e = -ecart; e <= ecart; ++e)
                    QVERIFY2(arrete(pointe + QPointF(0, d), yeux[oeil] + QPointF(0, e)) != voit,
                             qPrintable(QStringLiteral("tip, eye %1, offsets %2 %3").arg(oeil).arg(d).arg(e)));
            if (!voit)
                for (int d = -2; d <= 2; ++d)
                    QVERIFY2(arrete(haut_bougie + QPointF(0, d), yeux[oeil]),
                             qPrintable(QStringLiteral("top of the candle, eye %1").arg(oeil)));
        }
    }

    void un_second_chargement_donne_les_memes_feuilles() {
        QVector<feuille_QCM> avant;
        for (const auto& d : table_feuilles()) avant.append(*d.feuille);
        charger_tout();
        for (int i = 0; i < table_feuilles().size(); ++i) QCOMPARE(*table_feuilles()[i].feuille, avant[i]);
    }
};

QTEST_MAIN(TestBanques)
#include "tst_banques.moc"
