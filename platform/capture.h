#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

// Copies a window's client area 1:1 from its top-left corner into a picture of the given size,
// as the window shows it (controls and typed text included), every text box from its start.
// Rows and columns beyond the client area are the window's background colour.
QImage capturer_zone(QWidget* client, QSize taille);

// The picture's BMP file (24 bits per pixel), or nothing when it cannot be encoded.
QByteArray en_bmp(const QImage& image);
inline const QString raison_bmp_impossible = QStringLiteral("l'image ne peut pas être convertie en BMP");

// Saves a picture as a BMP file through the checked writer (ecriture_sure): an earlier file
// is replaced only by a whole picture. False when it could not be written; `erreur`, when given,
// then receives the cause, in French.
bool enregistrer_bmp(const QImage& image, const QString& fichier, QString* erreur = nullptr);
