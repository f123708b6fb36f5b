#pragma once

#include "platform/images.h"

#include <QList>
#include <QString>
#include <functional>

class BoitePicture;
class FenetreActivite;

// What tells apart the reports that put pictures of an activity window into a word-processor
// document (the circuit and optics drawings, the texts).
struct ModeleRapportImages {
    QString prefixe;         // of the file name: "evaluation_schema_", "evaluation_texte_"
    QString entete;          // the page header
    QString message_echec;   // the one message of every failure
    bool fermer_document_propre;  // close the report's own document too, after the one saved
    bool annoncer_fichier;        // "Feuille sauvegardée dans le fichier: " and the file written, after success
};

// Writes a report of pictures: the hourglass on the window, its panels shut, a 10 ms pause;
// then the pictures (read once the pause is over: a capture may be taken there) go, from the
// last to the first, each drawn into the buffer at (0, 0), into a new document after an empty
// first paragraph and the identity lines; then the page header, the file
// dossier/prefixe<name>_<first name>_<dd_mm_yyyy>.doc (with " (2)", " (3)"... before ".doc"
// when that name is taken: no report replaces another) and the closing. Each picture goes
// through a temporary BMP file in a folder of the report's own, never the program's folder, so
// that two copies of the program never share it; the file is written plainly, not synced to the
// disk, and removed once inserted, and on every failure. Any failure shows the model's message
// with its cause on a second line (information icon), closes the report's documents and ends
// the report; the pointer goes back to the default whatever happens, when the window is still
// there. A window closed during the pause ends the report there, quietly: no document, no
// message.
// Returns the file written, or "" after a failure.
QString sauvegarder_images_word(FenetreActivite* fenetre, const QList<BoitePicture*>& panneaux,
                                const std::function<ListeImages()>& images, BoitePicture* tampon,
                                const QString& dossier, const ModeleRapportImages& modele);

// The report of a drawing window's snapshots (circuit and optics alike): the window's theme
// panel shut, every snapshot of the list (read after the pause) drawn through the window's
// snapshot buffer, the page header "VANTAREL - Evaluation schématisation", the file
// dossier/evaluation_schema_<name>_<first name>_<date>.doc. Returns the file, or "".
QString sauvegarder_schema_word(FenetreActivite* fenetre, BoitePicture* panneau, const ListeImages& instantanes,
                                BoitePicture* tampon, const QString& dossier);
