#pragma once

#include "platform/document.h"

#include <QString>
#include <cstdint>
#include <exception>
#include <memory>

// What the word-processor reports share: the file name, the line formats, the identity lines
// and the page header.

// A part of a file name made safe: / \\ : * ? " < > | become "_", and so do the characters
// that show nothing or turn the text's direction (controls, C1 controls, zero-width and
// direction marks, byte-order marks, line and paragraph separators, lone surrogates); a part
// that is "." or ".." becomes "_". Accents, blanks and other scripts stay.
QString partie_nom_fichier(const QString& texte);

// The date part of a report's file name: date_evaluation read day first ("dd/mm/yyyy"), else
// in the locale's short date format, written "dd_mm_yyyy"; a text that is no date stays as it
// is, made safe.
QString partie_date(const QString& date);

// The folder a report goes to, from a folder as the teacher typed it: empty (or blank) is the
// program's folder, a leading "~" is the home folder, a relative folder is taken from the
// program's folder (never from the current directory). Others stay as typed.
QString dossier_rapports(const QString& chemin);

// The longest report file name, in bytes of UTF-8: the systems' 255, less the room that a
// word processor needs for the lock file it puts beside the document it opens (".~lock." +
// name + "#"); without that room LibreOffice refuses to open or convert the file.
inline constexpr int longueur_nom_fichier_maximale = 255 - 8;

// The room kept in a shortened name for the number that tells apart the reports of one name
// (" (2)" to " (999)").
inline constexpr int longueur_numero_rapport = 6;

// dossier_rapports(dossier) + "/" + prefixe + name + "_" + first name + "_" + date part +
// ".doc", from the shared pupil identity. The parts are made safe, so the file always lies in
// that folder, and shortened on whole characters (the longest first) so that the file name,
// with a number of longueur_numero_rapport bytes added, holds in longueur_nom_fichier_maximale
// bytes; the report itself keeps the whole identity.
QString nom_fichier_rapport(const QString& dossier, const QString& prefixe);

// The two documents of a report: the report's own document object, whose word processor it
// hides, then the document added after it, which is the active one and receives the report.
// Whichever of them is still open when the report fails is closed as it ends (the first one
// too when the second cannot be added), so that a failed report leaves no document behind it.
class DocumentsRapport {
public:
    // Adds both documents and hides the word processor.
    explicit DocumentsRapport(traitement_texte::Application& word);
    ~DocumentsRapport();
    DocumentsRapport(const DocumentsRapport&) = delete;
    DocumentsRapport& operator=(const DocumentsRapport&) = delete;
    // The document that receives the report.
    traitement_texte::Document& rapport() { return *rapport_; }
    // Saves the document that receives the report under a name that no file bears yet
    // (Document::enregistrer_nouveau), then closes it and, when asked, the report's own
    // document: those two, whatever document is active. The report has then succeeded.
    // Returns the file written.
    QString enregistrer_et_fermer(const QString& fichier, bool fermer_document_propre);

private:
    std::shared_ptr<traitement_texte::Document> propre_;
    std::shared_ptr<traitement_texte::Document> rapport_;
    bool reussi_ = false;
};

// The message of a failed report: its own message, then on a second line the cause of the
// failure, in French ("Cause : le disque est plein.").
QString message_echec_rapport(const QString& message, const std::exception& erreur);

// The format of a line of a report's body (always "Times New Roman", left indent 0).
struct FormatLigne {
    double taille;
    std::uint32_t couleur;  // &HBBGGRR
    bool gras;
    bool majuscules;
};
namespace lignes_rapport {
inline constexpr FormatLigne nom{14, 0xFF, true, true};
inline constexpr FormatLigne classe{12, 0xFF, true, true};
inline constexpr FormatLigne date{12, 0xFF0000, true, true};
inline constexpr FormatLigne titre_question{11, 0x8000, true, false};
inline constexpr FormatLigne question{11, 0xFF, false, false};
inline constexpr FormatLigne reponse_juste{11, 0, false, false};
inline constexpr FormatLigne reponse_eleve{11, 0, false, false};
inline constexpr FormatLigne note{12, 0x8000, true, false};
}

// Sets a paragraph's font (name, size, colour, bold, all capitals, in this order) and its left
// indent to 0.
void formater_paragraphe(traitement_texte::Paragraph paragraphe, const FormatLigne& format);

// Appends the name, class and date lines to the document, each formatted on its paragraph
// (premier, premier + 1, premier + 2) and followed by a paragraph mark, then one more paragraph
// mark, which leaves an empty paragraph before the body.
void ecrire_identite(traitement_texte::Document& document, int premier);

// Types the page header at the cursor of the header view, "Times New Roman" 9 points, then
// goes back to the body.
void ecrire_entete(traitement_texte::Application& word, const QString& texte);
