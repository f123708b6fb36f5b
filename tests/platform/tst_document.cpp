// The word-processor stand-in: paragraphs and their formats, header, cursor, pictures, RTF, save.
#include "platform/document.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace traitement_texte;

namespace {
QImage image_unie(QSize taille, QColor couleur) {
    QImage i(taille, QImage::Format_RGB32);
    i.fill(couleur);
    return i;
}
QColor couleur_de(const Morceau& m) {
    return QImage::fromData(m.png, "PNG").pixelColor(0, 0);
}
}

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void init() { Word().tout_fermer(); }
    void cleanup() {
        Word().tout_fermer();
        installer_crochet_enregistrement({});
    }

    void documents_ajout_actif_et_fermeture() {
        Application& w = Word();
        QVERIFY_THROWS_EXCEPTION(Erreur, w.ActiveDocument());
        const auto premier = w.Documents_Add();
        const auto second = w.Documents_Add();
        QCOMPARE(w.nombre_documents(), 2);
        QCOMPARE(&w.ActiveDocument(), second.get());
        QCOMPARE(&premier->application(), &w);
        w.ActiveDocument().Close();
        QCOMPARE(&w.ActiveDocument(), premier.get());
        QVERIFY(second->ferme());
        // A closed document refuses every call.
        QVERIFY_THROWS_EXCEPTION(Erreur, second->Range().InsertAfter("x"));
        QVERIFY_THROWS_EXCEPTION(Erreur, second->Close());
        premier->Close();
        QCOMPARE(w.nombre_documents(), 0);
    }

    void texte_et_marques_de_paragraphe() {
        Document& d = *Word().Documents_Add();
        QCOMPARE(d.nombre_paragraphes(), 1);
        QCOMPARE(d.paragraphes().at(0).texte(), QString());
        d.Range().InsertAfter("Dupont");
        d.Range().InsertAfter("  Jean");
        d.Range().InsertParagraphAfter();
        d.Range().InsertAfter("5e B");
        QCOMPARE(d.nombre_paragraphes(), 2);
        QCOMPARE(d.paragraphes().at(0).texte(), QStringLiteral("Dupont  Jean"));
        QCOMPARE(d.paragraphes().at(1).texte(), QStringLiteral("5e B"));
        // A line break of the text stays inside its paragraph.
        d.Range().InsertAfter("a\nb\r\nc");
        QCOMPARE(d.nombre_paragraphes(), 2);
        QCOMPARE(d.paragraphes().at(1).texte(), QStringLiteral("5e Ba\x0B" "b\x0B" "c"));
        // Paragraphs are counted from 1; outside the document the call is refused.
        QVERIFY_THROWS_EXCEPTION(Erreur, d.Paragraphs(0));
        QVERIFY_THROWS_EXCEPTION(Erreur, d.Paragraphs(3));
        d.Paragraphs(1).Range().InsertParagraphAfter();
        QCOMPARE(d.nombre_paragraphes(), 3);
        QCOMPARE(d.paragraphes().at(1).texte(), QString());
    }

    void formats_de_paragraphe_et_heritage() {
        Document& d = *Word().Documents_Add();
        d.Range().InsertAfter("Nom");
        Police p = d.Paragraphs(1).Range().Font();
        p.Name("Times New Roman");
        p.Size(14);
        p.Color(0xFF);
        p.Bold(true);
        p.AllCaps(true);
        d.Paragraphs(1).Range().ParagraphFormat().LeftIndent(0);
        const Paragraphe& un = d.paragraphes().at(0);
        QCOMPARE(un.morceaux.size(), 1);
        const FormatCaracteres& f = un.morceaux.at(0).format;
        QCOMPARE(f.taille, 14.0);
        QCOMPARE(f.couleur.value(), 0xFFu);
        QVERIFY(f.gras && f.majuscules);
        QCOMPARE(un.marque, f);
        // The new paragraph and the text typed into it take the format of the mark before.
        d.Range().InsertParagraphAfter();
        d.Range().InsertAfter("Classe");
        QCOMPARE(d.paragraphes().at(1).morceaux.at(0).format, f);
        // A later change of one paragraph leaves the other as it was.
        d.dernier_paragraphe().Range().Font().Bold(false);
        d.dernier_paragraphe().Range().Font().Color(0);
        QVERIFY(!d.paragraphes().at(1).morceaux.at(0).format.gras);
        QCOMPARE(d.paragraphes().at(1).morceaux.at(0).format.couleur.value(), 0u);
        QVERIFY(d.paragraphes().at(0).morceaux.at(0).format.gras);
        // Refused values.
        QVERIFY_THROWS_EXCEPTION(Erreur, d.dernier_paragraphe().Range().Font().Size(0));
        QVERIFY_THROWS_EXCEPTION(Erreur, d.dernier_paragraphe().Range().Font().Color(0x1000000));
        QVERIFY_THROWS_EXCEPTION(Erreur, d.dernier_paragraphe().Range().ParagraphFormat().Alignment(7));
    }

    void entete_tape_au_curseur_avec_sa_police() {
        Application& w = Word();
        Document& d = *w.Documents_Add();
        d.Range().InsertAfter("corps");
        w.SeekView(wdSeekCurrentPageHeader);
        QCOMPARE(d.vue(), Histoire::entete);
        w.selection().Font().Size(9);
        w.selection().Font().Name("Times New Roman");
        w.selection().TypeText("VANTAREL - Classe de 5éme");
        w.SeekView(wdSeekMainDocument);
        QCOMPARE(d.vue(), Histoire::corps);
        QCOMPARE(d.entete().size(), 1);
        QCOMPARE(d.entete().at(0).texte(), QStringLiteral("VANTAREL - Classe de 5éme"));
        QCOMPARE(d.entete().at(0).morceaux.at(0).format.taille, 9.0);
        QVERIFY(!d.entete().at(0).morceaux.at(0).format.couleur);
        QCOMPARE(d.paragraphes().at(0).texte(), QStringLiteral("corps"));
        QVERIFY_THROWS_EXCEPTION(Erreur, w.SeekView(3));
    }

    void curseur_saisie_paragraphe_et_remontee() {
        Application& w = Word();
        Document& d = *w.Documents_Add();
        d.Range().InsertAfter("monde");
        // The cursor of a new document stays at its start while text is appended at the end.
        QCOMPARE(d.paragraphe_curseur(), 0);
        QCOMPARE(d.position_curseur(), 0);
        w.selection().TypeText("Bonjour ");
        QCOMPARE(d.paragraphes().at(0).texte(), QStringLiteral("Bonjour monde"));
        w.selection().TypeParagraph();
        QCOMPARE(d.nombre_paragraphes(), 2);
        QCOMPARE(d.paragraphes().at(0).texte(), QStringLiteral("Bonjour "));
        QCOMPARE(d.paragraphes().at(1).texte(), QStringLiteral("monde"));
        QCOMPARE(d.paragraphe_curseur(), 1);
        w.selection().TypeText("le ");
        w.selection().MoveUp(wdLine, 1);
        // By lines the column is kept, as far as the line goes.
        QCOMPARE(d.paragraphe_curseur(), 0);
        QCOMPARE(d.position_curseur(), 3);
        w.selection().MoveUp(wdLine, 5);
        QCOMPARE(d.paragraphe_curseur(), 0);
        w.selection().ParagraphFormat().Alignment(wdAlignParagraphRight);
        QCOMPARE(d.paragraphes().at(0).alignement, int(wdAlignParagraphRight));
        QCOMPARE(d.paragraphes().at(1).alignement, int(wdAlignParagraphLeft));
        QVERIFY_THROWS_EXCEPTION(Erreur, w.selection().MoveUp(7, 1));
    }

    void images_inserees_du_dernier_au_premier() {
        // The loop of the picture reports: insert at the cursor, type a paragraph mark, go up a line.
        QTemporaryDir dossier;
        Application& w = Word();
        Document& d = *w.Documents_Add();
        d.Range().InsertParagraphAfter();
        d.Range().InsertAfter("Nom");
        const QColor couleurs[4] = {{}, Qt::red, Qt::green, Qt::blue};
        for (int i = 3; i >= 1; --i) {
            const QString f = dossier.filePath("TEMP.BMP");
            QVERIFY(image_unie(QSize(20 + i, 10), couleurs[i]).save(f, "BMP"));
            d.AddPicture(f);
            w.selection().TypeParagraph();
            w.selection().MoveUp(wdLine, 1);
            QFile::remove(f);
        }
        w.selection().ParagraphFormat().Alignment(wdAlignParagraphRight);
        // Pictures 1, 2, 3 read in order, one paragraph each, before the empty first paragraph.
        QCOMPARE(d.nombre_paragraphes(), 5);
        for (int i = 1; i <= 3; ++i) {
            const Paragraphe& p = d.paragraphes().at(i - 1);
            QCOMPARE(p.nombre_images(), 1);
            QCOMPARE(p.morceaux.at(0).taille, QSize(20 + i, 10));
            QCOMPARE(couleur_de(p.morceaux.at(0)), couleurs[i]);
        }
        QCOMPARE(d.paragraphes().at(0).alignement, int(wdAlignParagraphRight));
        QCOMPARE(d.paragraphes().at(4).texte(), QStringLiteral("Nom"));
        QVERIFY_THROWS_EXCEPTION(Erreur, d.AddPicture(dossier.filePath("absent.bmp")));
    }

    void echappements_rtf() {
        QCOMPARE(texte_rtf("a{b}c\\d"), QByteArray("a\\{b\\}c\\\\d"));
        // Each escape is followed by the Windows-1252 byte older readers show, "?" where there is none.
        QCOMPARE(texte_rtf("élève"), QByteArray("\\u233\\'e9l\\u232\\'e8ve"));
        QCOMPARE(texte_rtf("n°"), QByteArray("n\\u176\\'b0"));
        QCOMPARE(texte_rtf(QString::fromUtf8("\u20AC\u0153\u2019\u0178")),
                 QByteArray("\\u8364\\'80\\u339\\'9c\\u8217\\'92\\u376\\'9f"));
        QCOMPARE(texte_rtf(QString::fromUtf8("\u0627\u0100")), QByteArray("\\u1575?\\u256?"));
        // Code units above 32767 go as negative numbers; a pair of surrogates as two escapes.
        QCOMPARE(texte_rtf(QString(QChar(0xFFFC))), QByteArray("\\u-4?"));
        QCOMPARE(texte_rtf(QString::fromUtf8("\U0001F600")), QByteArray("\\u-10179?\\u-8704?"));
        // A lone surrogate, high or low, becomes U+FFFD; the pair around it stays.
        const QString seuls = QString(QChar(0xD83D)) + "a" + QChar(0xDE00) + QString::fromUtf8("\U0001F600");
        QCOMPARE(texte_rtf(seuls), QByteArray("\\u-3?a\\u-3?\\u-10179?\\u-8704?"));
        QCOMPARE(texte_rtf(QStringLiteral("a\tb\x0B" "c\x01")), QByteArray("a\\tab b\\line c"));
    }

    void rtf_du_document() {
        Application& w = Word();
        Document& d = *w.Documents_Add();
        d.Range().InsertAfter("Réponse");
        Police p = d.Paragraphs(1).Range().Font();
        p.Name("Times New Roman");
        p.Size(11);
        p.Color(0x8000);
        p.Bold(true);
        p.AllCaps(false);
        d.Range().InsertParagraphAfter();
        d.Range().InsertAfter("Dernière");
        d.dernier_paragraphe().Range().Font().Name("Arial");
        d.dernier_paragraphe().Range().Font().Color(0xFF0000);
        d.dernier_paragraphe().Range().Font().AllCaps(true);
        d.dernier_paragraphe().Range().ParagraphFormat().LeftIndent(18);
        w.SeekView(wdSeekCurrentPageHeader);
        w.selection().Font().Size(9);
        w.selection().TypeText("En-tête");
        w.SeekView(wdSeekMainDocument);
        QTemporaryDir dossier;
        const QString f = dossier.filePath("p.bmp");
        QVERIFY(image_unie(QSize(4, 3), Qt::red).save(f, "BMP"));
        d.AddPicture(f);

        const QByteArray r = d.rtf();
        QVERIFY(r.startsWith("{\\rtf1\\ansi"));
        QVERIFY(r.trimmed().endsWith('}'));
        QCOMPARE(r.count('{'), r.count('}'));
        QVERIFY(r.contains("{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fnil\\fcharset0 Arial;}}"));
        QVERIFY(r.contains("{\\colortbl;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"));
        QVERIFY(r.contains("{\\plain\\f0\\fs22\\cf1\\b\\caps0 R\\u233\\'e9ponse}"));
        QVERIFY(r.contains("\\li360\\ql"));
        QVERIFY(r.contains("{\\plain\\f1\\fs22\\cf2\\b\\caps Derni\\u232\\'e8re}"));
        QVERIFY(r.contains("{\\header\n\\pard\\plain\\li0\\ql{\\plain\\f0\\fs18\\b0\\caps0 En-t\\u234\\'eate}"));
        QVERIFY(r.contains("{\\pict\\pngblip\\picw4\\pich3\\picwgoal60\\pichgoal45\n89504e47"));
        // One paragraph mark between the two paragraphs, none after the last.
        QCOMPARE(r.count("\\par\n"), 2);  // the header's and the first paragraph's
    }

    void enregistrement_remplace_et_echec() {
        QTemporaryDir dossier;
        const QString f = dossier.filePath("rapport.doc");
        QString enregistre;
        installer_crochet_enregistrement([&](const Document& d, const QString& fichier) {
            enregistre = fichier + "|" + d.paragraphes().at(0).texte();
        });
        Document& d = *Word().Documents_Add();
        d.Range().InsertAfter("premier");
        d.SaveAs(f);
        QCOMPARE(enregistre, f + "|premier");
        QFile lu(f);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        QCOMPARE(lu.readAll(), d.rtf());
        lu.close();
        // A later save under the same name replaces the file.
        Document& e = *Word().Documents_Add();
        e.Range().InsertAfter("second");
        e.SaveAs(f);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        const QByteArray contenu = lu.readAll();
        QVERIFY(contenu.contains("second") && !contenu.contains("premier"));
        lu.close();
        // A folder that does not exist, or a file in the place of the folder: refused, nothing written.
        enregistre.clear();
        QVERIFY_THROWS_EXCEPTION(Erreur, e.SaveAs(dossier.filePath("absent/rapport.doc")));
        QVERIFY_THROWS_EXCEPTION(Erreur, e.SaveAs(f + "/rapport.doc"));
        QVERIFY(enregistre.isEmpty());
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"rapport.doc"});
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
