#include "platform/capture.h"

#include "platform/controles.h"
#include "platform/ecriture_sure.h"

#include <QBuffer>
#include <QPainter>
#include <QWidget>

QImage capturer_zone(QWidget* client, QSize taille) {
    QImage image(taille.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(client->palette().color(QPalette::Window));
    const QRect visible = QRect(QPoint(0, 0), taille).intersected(client->rect());
    if (!visible.isEmpty()) {
        const ZoneTexte::DepuisLeDebut boites(client);
        QPainter p(&image);
        client->render(&p, QPoint(0, 0), QRegion(visible), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return image;
}

QByteArray en_bmp(const QImage& image) {
    QByteArray bmp;
    QBuffer tampon(&bmp);
    if (image.isNull() || !tampon.open(QIODevice::WriteOnly) ||
        !image.convertToFormat(QImage::Format_RGB888).save(&tampon, "BMP"))
        return QByteArray();
    return bmp;
}

bool enregistrer_bmp(const QImage& image, const QString& fichier, QString* erreur) {
    const QByteArray bmp = en_bmp(image);
    if (bmp.isEmpty()) {
        if (erreur) *erreur = raison_bmp_impossible;
        return false;
    }
    return ecriture_sure::ecrire(fichier, bmp, erreur);
}
