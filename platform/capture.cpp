#include "platform/capture.h"

#include "platform/ecriture_sure.h"

#include <QBuffer>
#include <QPainter>
#include <QWidget>

QImage capturer_zone(QWidget* client, QSize taille) {
    QImage image(taille.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(client->palette().color(QPalette::Window));
    const QRect visible = QRect(QPoint(0, 0), taille).intersected(client->rect());
    if (!visible.isEmpty()) {
        QPainter p(&image);
        client->render(&p, QPoint(0, 0), QRegion(visible), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return image;
}

bool enregistrer_bmp(const QImage& image, const QString& fichier) {
    if (image.isNull()) return false;
    QByteArray bmp;
    QBuffer tampon(&bmp);
    if (!tampon.open(QIODevice::WriteOnly) || !image.convertToFormat(QImage::Format_RGB888).save(&tampon, "BMP"))
        return false;
    return ecriture_sure::ecrire(fichier, bmp);
}
