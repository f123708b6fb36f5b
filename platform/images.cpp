#include "platform/images.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <QtEndian>
#include <cstring>

// The pictures rendered by the build live in their own resource files; naming them here also
// keeps them linked in from the static library.
static void enregistrer_images_rendues() {
    Q_INIT_RESOURCE(rendus);
    Q_INIT_RESOURCE(rendus_compresses);
}

namespace {
QStringList& hors_construction() {
    static QStringList liste;
    return liste;
}

QImage en_rgb32(QImage image) {
    if (!image.isNull() && image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

QString suffixe_taille(QSize taille) {
    return QStringLiteral("_%1x%2.rgb").arg(taille.width()).arg(taille.height());
}

// ":/assets/form1/fond.svg" -> ":/rendus/form1/fond" (the build adds ".rgb" or "_WxH.rgb").
QString base_rendue(const QString& chemin_svg) {
    static const QString prefixe = QStringLiteral(":/assets/");
    if (!chemin_svg.startsWith(prefixe)) return QString();
    return QStringLiteral(":/rendus/") + chemin_svg.mid(prefixe.size(), chemin_svg.size() - prefixe.size() - 4);
}

QImage image_rendue(const QString& chemin, QSize taille) {
    static const bool enregistrees = (enregistrer_images_rendues(), true);
    Q_UNUSED(enregistrees);
    const QString base = base_rendue(chemin);
    if (base.isEmpty()) return QImage();
    if (taille.isValid()) {
        const QString autre = base + suffixe_taille(taille);
        if (QFile::exists(autre)) return image_de_pixels_rendus(QResource(autre).uncompressedData());
    }
    const QImage image = image_de_pixels_rendus(QResource(base + QStringLiteral(".rgb")).uncompressedData());
    if (image.isNull() || !taille.isValid() || image.size() == taille) return image;
    const QString note = chemin + QStringLiteral(" %1x%2").arg(taille.width()).arg(taille.height());
    if (!hors_construction().contains(note)) {
        hors_construction().append(note);
        qWarning("%s: not rendered at this size by the build (list it in the root's data-tailles)", qPrintable(note));
    }
    return image.scaled(taille, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
}

QImage image_de_pixels_rendus(const QByteArray& pixels) {
    const uchar* d = reinterpret_cast<const uchar*>(pixels.constData());
    const qint64 taille = pixels.size();
    const int l = taille >= 16 ? int(qFromLittleEndian<quint32>(d + 4)) : 0;
    const int h = taille >= 16 ? int(qFromLittleEndian<quint32>(d + 8)) : 0;
    if (taille < 16 || std::memcmp(d, "VRGB", 4) != 0 || l <= 0 || h <= 0 || taille != 16 + qint64(l) * h * 4)
        return QImage();
    // The image keeps the bytes themselves (shared, not copied) for as long as it lives; bytes
    // that lie in the program's data uncompressed, perhaps not 4-byte aligned, are copied first.
    auto* octets = new QByteArray(pixels);
    if (quintptr(d) % alignof(quint32) != 0) *octets = QByteArray(pixels.constData(), taille);
    return QImage(reinterpret_cast<const uchar*>(octets->constData()) + 16, l, h, l * 4, QImage::Format_RGB32,
                  [](void* o) { delete static_cast<QByteArray*>(o); }, octets);
}

QImage lire_image(const QString& chemin) {
    QImageReader lecteur(chemin, QFileInfo(chemin).suffix().toLower().toLatin1());
    lecteur.setAutoDetectImageFormat(false);
    return lecteur.read();
}

QImage image_integree(const QString& chemin, QSize taille) {
    if (chemin.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) return image_rendue(chemin, taille);
    QImage image = en_rgb32(lire_image(chemin));
    if (!image.isNull() && taille.isValid() && image.size() != taille)
        image = image.scaled(taille, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image;
}

QStringList images_hors_construction() { return hors_construction(); }

ListeImages ListeImages::depuis_dossier(const QString& dossier, int nombre, QSize taille) {
    // Nothing is looked up here: a list is made each time its window loads.
    ListeImages liste;
    for (int i = 1; i <= nombre; ++i)
        liste.elements_.append({QStringLiteral(":/assets/%1/%2").arg(dossier).arg(i), taille, QImage()});
    return liste;
}

QImage ListeImages::image(int i) const {
    if (i < 1 || i > elements_.size()) return QImage();
    const Element& e = elements_.at(i - 1);
    if (e.base.isEmpty()) return e.image;
    // The picture from its SVG source as the build rendered it, or else from a PNG source.
    const QImage rendue = image_integree(e.base + QStringLiteral(".svg"), e.taille);
    return rendue.isNull() ? image_integree(e.base + QStringLiteral(".png"), e.taille) : rendue;
}
