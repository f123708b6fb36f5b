// Renders the built-in SVG pictures once, at build time, and writes the resource file that compiles
// their pixels into the program: no picture is rendered, nor even decoded from PNG, while the
// program runs.
//
// Each SVG is rendered at the size its root <svg> element declares (width and height in whole
// pixels) into "<name>.rgb", and at every extra size its root lists in data-tailles
// ("20x156 20x125") into "<name>_<W>x<H>.rgb". A root carrying shape-rendering="crispEdges" is
// rendered without any anti-aliasing, text included, so that pictures whose white pixels become
// holes have no near-white fringe. Every other picture is rendered as Qt's SVG renderer draws it
// on a white ground. A root carrying data-stockage="tel-quel" is stored uncompressed whatever its
// size (the main window's background: the program shows it as it starts).
//
// A ".rgb" file is the picture's memory as QImage::Format_RGB32 lays it out on this machine, after a 16-byte
// header ("VRGB", then width and height as 32-bit little-endian numbers, then 4 zero bytes); the
// resource compiler compresses the larger ones, and the program only uncompresses them
// (platform/images.cpp).
//
// The pictures stored as they are go to OUT.qrc, the compressed ones to OUT_compresses.qrc: in
// the compiled data, each stored picture then starts on a 4-byte boundary (every entry of OUT.qrc
// is a 4-byte length and a multiple of 4 bytes), and the program draws from its own data without
// copying it first.
//
// Usage: rendu_images ASSETS_DIR OUT_DIR OUT.qrc LIST.txt (one path relative to ASSETS_DIR a line)
// The resource paths are ":/rendus/<relative path without .svg>[_<W>x<H>].rgb".
#include "platform/polices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextItem>
#include <QXmlStreamReader>
#include <cstdio>
#include <utility>

namespace {

// Pictures of at most this many bytes of pixels go into the program uncompressed.
constexpr qsizetype taille_stockee_telle_quelle = 128 * 1024;

// What the root element of an SVG source declares.
struct Racine {
    QSize taille;
    bool net = false;  // shape-rendering="crispEdges"
    bool tel_quel = false;  // data-stockage="tel-quel"
    QList<QSize> autres_tailles;
    QString erreur;
};

int pixels_entiers(const QString& valeur) {
    static const QRegularExpression motif(QStringLiteral("^\\s*([0-9]+)\\s*(px)?\\s*$"));
    const QRegularExpressionMatch m = motif.match(valeur);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

Racine lire_racine(const QByteArray& contenu) {
    Racine r;
    QXmlStreamReader xml(contenu);
    while (!xml.atEnd() && !xml.isStartElement()) xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("svg")) {
        r.erreur = QStringLiteral("no <svg> root element");
        return r;
    }
    const QXmlStreamAttributes a = xml.attributes();
    const int l = pixels_entiers(a.value(QLatin1String("width")).toString());
    const int h = pixels_entiers(a.value(QLatin1String("height")).toString());
    if (l <= 0 || h <= 0) {
        r.erreur = QStringLiteral("the root's width and height must be whole pixels");
        return r;
    }
    r.taille = QSize(l, h);
    r.net = a.value(QLatin1String("shape-rendering")).trimmed() == QLatin1String("crispEdges");
    r.tel_quel = a.value(QLatin1String("data-stockage")).trimmed() == QLatin1String("tel-quel");
    static const QRegularExpression motif_taille(QStringLiteral("^([0-9]+)x([0-9]+)$"));
    const QString autres = a.value(QLatin1String("data-tailles")).toString();
    for (const QString& t : autres.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = motif_taille.match(t);
        const QSize s = m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
        if (s.isEmpty()) {
            r.erreur = QStringLiteral("data-tailles: \"%1\" is not WIDTHxHEIGHT").arg(t);
            return r;
        }
        if (s != r.taille && !r.autres_tailles.contains(s)) r.autres_tailles.append(s);
    }
    return r;
}

// A paint engine that hands every drawing to a QPainter on an image with anti-aliasing kept off,
// whatever hints the SVG renderer sets; text goes through fonts that are not anti-aliased.
class MoteurSansLissage : public QPaintEngine {
public:
    explicit MoteurSansLissage(QImage* cible) : QPaintEngine(QPaintEngine::AllFeatures), cible_(cible) {}

    bool begin(QPaintDevice*) override {
        if (!peintre_.begin(cible_)) return false;
        couper_lissage();
        return true;
    }
    bool end() override { return peintre_.end(); }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& etat) override {
        const DirtyFlags f = etat.state();
        if (f & DirtyTransform) peintre_.setTransform(etat.transform());
        if (f & DirtyPen) peintre_.setPen(etat.pen());
        if (f & DirtyBrush) peintre_.setBrush(etat.brush());
        if (f & DirtyBrushOrigin) peintre_.setBrushOrigin(etat.brushOrigin());
        if (f & DirtyBackground) peintre_.setBackground(etat.backgroundBrush());
        if (f & DirtyBackgroundMode) peintre_.setBackgroundMode(etat.backgroundMode());
        if (f & DirtyFont) {
            QFont police = etat.font();
            police.setStyleStrategy(QFont::StyleStrategy(police.styleStrategy() | QFont::NoAntialias));
            peintre_.setFont(police);
        }
        if (f & DirtyClipRegion) peintre_.setClipRegion(etat.clipRegion(), etat.clipOperation());
        if (f & DirtyClipPath) peintre_.setClipPath(etat.clipPath(), etat.clipOperation());
        if (f & DirtyClipEnabled) peintre_.setClipping(etat.isClipEnabled());
        if (f & DirtyCompositionMode) peintre_.setCompositionMode(etat.compositionMode());
        if (f & DirtyOpacity) peintre_.setOpacity(etat.opacity());
        couper_lissage();
    }

    void drawPath(const QPainterPath& chemin) override { peintre_.drawPath(chemin); }
    void drawPolygon(const QPointF* points, int nombre, PolygonDrawMode mode) override {
        if (mode == PolylineMode) {
            peintre_.drawPolyline(points, nombre);
            return;
        }
        peintre_.drawPolygon(points, nombre, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override {
        peintre_.drawPixmap(r, pixmap, source);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source, Qt::ImageConversionFlags f) override {
        peintre_.drawImage(r, image, source, f);
    }
    void drawTextItem(const QPointF& p, const QTextItem& texte) override {
        QFont police = texte.font();
        police.setStyleStrategy(QFont::StyleStrategy(police.styleStrategy() | QFont::NoAntialias));
        peintre_.setFont(police);
        peintre_.drawText(p, texte.text());
    }

private:
    void couper_lissage() {
        peintre_.setRenderHint(QPainter::Antialiasing, false);
        peintre_.setRenderHint(QPainter::TextAntialiasing, false);
        peintre_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }

    QImage* cible_;
    QPainter peintre_;
};

// An image seen through the engine above: same size and resolution as the image itself.
class ImageSansLissage : public QPaintDevice {
public:
    explicit ImageSansLissage(QImage* image) : image_(image), moteur_(image) {}
    QPaintEngine* paintEngine() const override { return &moteur_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return image_->width();
        case PdmHeight: return image_->height();
        case PdmWidthMM: return image_->widthMM();
        case PdmHeightMM: return image_->heightMM();
        case PdmNumColors: return image_->colorCount();
        case PdmDepth: return image_->depth();
        case PdmDpiX: return image_->logicalDpiX();
        case PdmDpiY: return image_->logicalDpiY();
        case PdmPhysicalDpiX: return image_->physicalDpiX();
        case PdmPhysicalDpiY: return image_->physicalDpiY();
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QImage* image_;
    mutable MoteurSansLissage moteur_;
};

QImage rendre(QSvgRenderer& rendu, QSize taille, bool net) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF cadre(0, 0, taille.width(), taille.height());
    if (net) {
        ImageSansLissage dispositif(&image);
        QPainter p(&dispositif);
        rendu.render(&p, cadre);
    } else {
        QPainter p(&image);
        rendu.render(&p, cadre);
    }
    return image;
}

// Writes a file only when its content changes, so that unchanged outputs keep their dates.
bool ecrire_si_change(const QString& chemin, const QByteArray& contenu) {
    QFile ancien(chemin);
    if (ancien.open(QIODevice::ReadOnly) && ancien.readAll() == contenu) return true;
    ancien.close();
    QSaveFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size() && f.commit();
}

QByteArray pixels_bruts(const QImage& image) {
    QByteArray octets("VRGB", 4);
    for (quint32 n : {quint32(image.width()), quint32(image.height()), 0u})
        for (int decalage = 0; decalage < 32; decalage += 8) octets.append(char((n >> decalage) & 0xFF));
    for (int y = 0; y < image.height(); ++y)
        octets.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return octets;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    installer_polices();
    if (argc != 5) {
        std::fprintf(stderr, "usage: rendu_images ASSETS_DIR OUT_DIR OUT.qrc LIST.txt\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QDir sortie(QString::fromLocal8Bit(argv[2]));
    QFile liste(QString::fromLocal8Bit(argv[4]));
    if (!liste.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[4]);
        return 1;
    }
    QByteArray qrc = "<RCC>\n<qresource prefix=\"/rendus\">\n";
    QByteArray qrc_compresses = qrc;
    int erreurs = 0;
    for (const QByteArray& ligne : liste.readAll().split('\n')) {
        const QString relatif = QString::fromUtf8(ligne.trimmed());
        if (relatif.isEmpty()) continue;
        QFile source(assets.filePath(relatif));
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot be read\n", qPrintable(source.fileName()));
            ++erreurs;
            continue;
        }
        const QByteArray contenu = source.readAll();
        Racine racine = lire_racine(contenu);
        QSvgRenderer rendu(contenu);
        if (racine.erreur.isEmpty() && !rendu.isValid()) racine.erreur = QStringLiteral("invalid SVG");
        if (!racine.erreur.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(source.fileName()), qPrintable(racine.erreur));
            ++erreurs;
            continue;
        }
        const QString base = relatif.chopped(4);  // without ".svg"
        QList<QPair<QString, QSize>> sorties = {{base + QStringLiteral(".rgb"), racine.taille}};
        for (const QSize& t : racine.autres_tailles)
            sorties.append({base + QStringLiteral("_%1x%2.rgb").arg(t.width()).arg(t.height()), t});
        for (const auto& [nom, taille] : sorties) {
            const QString chemin = sortie.filePath(nom);
            QDir().mkpath(QFileInfo(chemin).path());
            const QByteArray pixels = pixels_bruts(rendre(rendu, taille, racine.net));
            if (!ecrire_si_change(chemin, pixels)) {
                std::fprintf(stderr, "%s: cannot be written\n", qPrintable(chemin));
                ++erreurs;
            }
            // Uncompressing costs a fixed tenth of a millisecond or so: small pictures are stored as they
            // are, and the program takes their pixels straight from its own data. So are the larger
            // ones whose root asks for it: those the program shows as it starts.
            const bool tel_quel = racine.tel_quel || pixels.size() <= taille_stockee_telle_quelle;
            const char* stockage = tel_quel ? " compression-algorithm=\"none\"" : "";
            (tel_quel ? qrc : qrc_compresses) += "  <file alias=\"" + nom.toUtf8() + "\"" + stockage + ">" +
                                                 QFileInfo(chemin).absoluteFilePath().toUtf8() + "</file>\n";
        }
    }
    if (erreurs) return 1;
    const QString chemin_qrc = QString::fromLocal8Bit(argv[3]);
    const QString chemin_compresses = chemin_qrc.chopped(4) + QStringLiteral("_compresses.qrc");
    for (const auto& [chemin, contenu] : {std::pair{chemin_qrc, qrc}, std::pair{chemin_compresses, qrc_compresses}}) {
        const QByteArray texte = contenu + "</qresource>\n</RCC>\n";
        QSaveFile f(chemin);
        if (!f.open(QIODevice::WriteOnly) || f.write(texte) != texte.size() || !f.commit()) {
            std::fprintf(stderr, "%s: cannot be written\n", qPrintable(chemin));
            return 1;
        }
    }
    return 0;
}
