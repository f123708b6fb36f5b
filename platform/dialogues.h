#pragma once

#include <QString>
#include <functional>

class QWidget;

// The common Save As dialog. The filter is given as the run time wrote it
// ("Images (*.bmp)|*.bmp"); the default extension is added when the name has none.
// Returns the chosen file, or an empty text when the dialog was cancelled.
QString dialogue_enregistrer_sous(QWidget* parent, const QString& filtre, const QString& titre,
                                  const QString& extension_defaut);

// Replaces the real dialog (tests): receives the filter and the title, returns the file or "".
using CrochetEnregistrerSous = std::function<QString(const QString& filtre, const QString& titre)>;
void installer_crochet_enregistrer_sous(CrochetEnregistrerSous crochet);
