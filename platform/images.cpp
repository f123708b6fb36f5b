#include "platform/images.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QImage charger_image(const QString& chemin, QSize taille);
}

QImage image_integree(const QString& chemin, QSize taille) {
    // Built-in pictures never change while the program runs: each is rendered once.
    static QHash<QString, QImage> cache;
    const QString cle = chemin + QLatin1Char('@') + QString::number(taille.width()) + QLatin1Char('x') +
                        QString::number(taille.height());
    auto it = cache.constFind(cle);
    if (it != cache.constEnd()) return it.value();
    const QImage image = charger_image(chemin, taille);
    cache.insert(cle, image);
    return image;
}

namespace {
QImage charger_image(const QString& chemin, QSize taille) {
    if (chemin.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgRenderer rendu(chemin);
        if (!rendu.isValid()) return QImage();
        if (!taille.isValid()) taille = rendu.defaultSize();
        QImage image(taille, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        rendu.render(&p, QRectF(0, 0, taille.width(), taille.height()));
        return image;
    }
    QImage image(chemin);
    if (image.isNull()) return image;
    image = image.convertToFormat(QImage::Format_RGB32);
    if (taille.isValid() && image.size() != taille)
        image = image.scaled(taille, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image;
}
}

ListeImages ListeImages::depuis_dossier(const QString& dossier, int nombre, QSize taille) {
    ListeImages liste;
    for (int i = 1; i <= nombre; ++i) {
        const QString base = QStringLiteral(":/assets/%1/%2").arg(dossier).arg(i);
        const QString chemin = QFile::exists(base + ".svg") ? base + ".svg" : base + ".png";
        liste.ajouter(image_integree(chemin, taille));
    }
    return liste;
}

QImage ListeImages::image(int i) const {
    if (i < 1 || i > images_.size()) return QImage();
    return images_.at(i - 1);
}
