// fontconfig's configuration as the program reads it on its own thread once the application object
// exists: the same fonts, the same matches and the same rendering settings as fontconfig's own
// reading, and no thread reading the environment before that object exists.
#include "platform/langue.h"
#include "platform/polices.h"

#include <QDir>
#include <QtTest>
#include <fontconfig/fontconfig.h>

namespace {
QString texte(FcPattern* p) {
    FcChar8* t = FcNameUnparse(p);
    const QString s = QString::fromUtf8(reinterpret_cast<const char*>(t));
    FcStrFree(t);
    return s;
}

QStringList polices(FcConfig* c) {
    FcPattern* tout = FcPatternCreate();
    FcObjectSet* champs = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, nullptr);
    FcFontSet* ensemble = FcFontList(c, tout, champs);
    QStringList l;
    for (int i = 0; ensemble && i < ensemble->nfont; ++i) l << texte(ensemble->fonts[i]);
    if (ensemble) FcFontSetDestroy(ensemble);
    FcObjectSetDestroy(champs);
    FcPatternDestroy(tout);
    l.sort();
    return l;
}

// The font chosen for a request, with everything the configuration adds to it (hinting,
// anti-aliasing, the file, ...), and the order of the fonts it falls back on.
QString choix(FcConfig* c, const char* demande) {
    FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>(demande));
    FcConfigSubstitute(c, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    FcResult r;
    FcPattern* m = FcFontMatch(c, p, &r);
    QString s = m ? texte(m) : QString();
    if (m) FcPatternDestroy(m);
    FcFontSet* suite = FcFontSort(c, p, FcFalse, nullptr, &r);
    for (int i = 0; suite && i < suite->nfont; ++i) {
        FcChar8* fichier = nullptr;
        FcPatternGetString(suite->fonts[i], FC_FILE, 0, &fichier);
        s += QLatin1Char('\n') + QString::fromUtf8(reinterpret_cast<const char*>(fichier));
    }
    if (suite) FcFontSetDestroy(suite);
    FcPatternDestroy(p);
    return s;
}

int fils() { return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); }
int fils_avant_application = 0, fils_sans_application = 0;
}  // namespace

class TestPolices : public QObject {
    Q_OBJECT
private slots:
    void configuration_lue_au_depart_comme_fontconfig_la_lit() {
        // Asked for before the application object exists, the reading does not start.
        QCOMPARE(fils_sans_application, fils_avant_application);
        attendre_polices();
        FcConfig* lue = FcConfigReference(nullptr);
        FcConfig* standard = FcInitLoadConfigAndFonts();
        QVERIFY(lue && standard && lue != standard);
        QCOMPARE(polices(lue), polices(standard));
        QVERIFY(polices(lue).size() > 3);
        for (const char* demande : {"Arial", "MS Sans Serif:pixelsize=11", "Comic Sans MS:bold", "Times New Roman:italic",
                                    "Lucida Sans Unicode", "sans-serif", "serif:pixelsize=13", "monospace",
                                    "DejaVu Sans:pixelsize=6"})
            QCOMPARE(choix(lue, demande), choix(standard, demande));
        FcConfigDestroy(standard);
        FcConfigDestroy(lue);
    }
};

int main(int argc, char* argv[]) {
    // As the program's main() does, before anything has used fontconfig.
    preparer_langue_systeme();
    fils_avant_application = fils();
    lancer_lecture_polices();
    fils_sans_application = fils();
    QCoreApplication application(argc, argv);
    lancer_lecture_polices();
    attendre_polices();  // before the test library adds to the environment
    TestPolices essai;
    return QTest::qExec(&essai, argc, argv);
}

#include "tst_polices.moc"
