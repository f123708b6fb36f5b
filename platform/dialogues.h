#pragma once

#include <QString>
#include <functional>

class QImage;
class QWidget;

// The common Save As dialog. The filter is given as the run time wrote it
// ("Images (*.bmp)|*.bmp"). The dialog itself gives the name the default extension when it has
// another one or none ("photo" -> "photo.bmp", "dessin.png" -> "dessin.png.bmp") before its
// own check, so that replacing an existing file is always asked about under the name the file
// will bear. Returns the chosen file, or an empty text when the dialog was cancelled.
QString dialogue_enregistrer_sous(QWidget* parent, const QString& filtre, const QString& titre,
                                  const QString& extension_defaut);

// A name given the default extension ("*.bmp") unless it has it already (in any case).
QString avec_extension(const QString& fichier, const QString& extension_defaut);

// Qt's own dialogs keep their state from one run to the next (the file dialog its last folder,
// its history and its columns, the colour dialog its custom colours) in a settings file of the
// user's and the system's configuration folders. The program keeps nothing between runs: Qt's
// settings are sent where no file can be, so that none is read or written. The dialogs still
// remember while the program runs (the last folder of the Save As dialog among them).
void installer_dialogues_sans_memoire();

// Replaces the real dialog (tests): receives the filter and the title, returns the file or "".
// The name returned is given the default extension as the dialog would.
using CrochetEnregistrerSous = std::function<QString(const QString& filtre, const QString& titre)>;
void installer_crochet_enregistrer_sous(CrochetEnregistrerSous crochet);

// Saves a picture of a window as a BMP file where the user chooses: the Save As dialog with the
// filter "Images (*.bmp)|*.bmp" and that title, then the checked write (an earlier file stays
// whole if the write fails). A failure shows "Enregistrement de l'image impossible" and, on a
// second line, its cause; a cancelled dialog ends quietly. True when the picture was saved.
bool enregistrer_image_sous(QWidget* parent, const QImage& image, const QString& titre);
