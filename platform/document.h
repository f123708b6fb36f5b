#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

// The word processor that the reports drive: documents of paragraphs with character and
// paragraph formats, one page header, inline pictures and a cursor, saved as RTF (which word
// processors open under the ".doc" name). Its members follow the automation interface the
// reports were written against (Documents.Add, Range.InsertAfter, Paragraphs(i).Range.Font,
// Selection.TypeText, SaveAs, Close ...). Any call it refuses throws traitement_texte::Erreur,
// so that a report catches every failure in one place.
namespace traitement_texte {

// A refusal, with its cause in French for the teacher to read.
class Erreur : public std::runtime_error {
public:
    explicit Erreur(const QString& cause) : std::runtime_error(cause.toStdString()) {}
    QString cause() const { return QString::fromStdString(what()); }
};

enum Alignement : int {
    wdAlignParagraphLeft = 0,
    wdAlignParagraphCenter = 1,
    wdAlignParagraphRight = 2,
    wdAlignParagraphJustify = 3,
};
enum Vue : int { wdSeekMainDocument = 0, wdSeekCurrentPageHeader = 9 };
enum Unite : int { wdParagraph = 4, wdLine = 5 };

// The manual line break that a "\n" of an inserted text becomes: it stays in its paragraph.
constexpr char16_t saut_de_ligne = u'\x0B';

struct FormatCaracteres {
    QString nom = QStringLiteral("Times New Roman");
    double taille = 12.0;                  // points
    std::optional<std::uint32_t> couleur;  // &HBBGGRR; none: the automatic colour
    bool gras = false;
    bool majuscules = false;
    bool operator==(const FormatCaracteres&) const = default;
};

// A piece of a paragraph: a text in one format, or one inline picture.
struct Morceau {
    QString texte;
    QByteArray png;  // an inline picture, kept as PNG
    QSize taille;    // the picture's size in pixels (one pixel is 1/96 inch on the page)
    FormatCaracteres format;
    bool est_image() const { return !png.isEmpty(); }
    int longueur() const { return est_image() ? 1 : int(texte.size()); }
};

struct Paragraphe {
    QList<Morceau> morceaux;
    FormatCaracteres marque;    // the format of the paragraph mark, which text added at its end takes
    double retrait_gauche = 0;  // points
    int alignement = wdAlignParagraphLeft;
    // The paragraph's text; a picture reads as U+FFFC.
    QString texte() const;
    int longueur() const;
    int nombre_images() const;
};

// The parts of a document that a cursor can be in.
enum class Histoire { corps, entete };

class Application;
class Document;

// The font of a paragraph's range, or of the selection (Range.Font, Selection.Font).
class Police {
public:
    void Name(const QString& nom);
    void Size(double points);
    void Color(std::uint32_t bgr);
    void Bold(bool oui);
    void AllCaps(bool oui);

private:
    friend class Plage;
    friend class Selection;
    Police(Document* document, int paragraphe) : document_(document), paragraphe_(paragraphe) {}
    template <class F>
    void changer(F&& modifier);
    Document* document_;
    int paragraphe_;  // 1-based paragraph of the body; 0: the selection
};

// The paragraph format of a paragraph's range or of the paragraph at the cursor.
class FormatParagraphe {
public:
    void LeftIndent(double points);
    void Alignment(int alignement);

private:
    friend class Plage;
    friend class Selection;
    FormatParagraphe(Document* document, int paragraphe) : document_(document), paragraphe_(paragraphe) {}
    Paragraphe& cible() const;
    Document* document_;
    int paragraphe_;  // as Police
};

// A range of the body: the whole document (Document.Range) or one paragraph (Paragraph.Range).
class Plage {
public:
    // Appends a text at the end of the range's last paragraph, in that paragraph mark's format.
    void InsertAfter(const QString& texte);
    // Appends a paragraph mark: a new, empty paragraph that takes the formats of the one before.
    void InsertParagraphAfter();
    Police Font() const { return Police(document_, paragraphe_ ? paragraphe_ : -1); }
    FormatParagraphe ParagraphFormat() const { return FormatParagraphe(document_, paragraphe_ ? paragraphe_ : -1); }

private:
    friend class Document;
    friend class Paragraph;
    Plage(Document* document, int paragraphe) : document_(document), paragraphe_(paragraphe) {}
    Document* document_;
    int paragraphe_;  // 0: the whole document
};

// A paragraph of the body (Paragraphs.Item(i), Paragraphs.Last).
class Paragraph {
public:
    Plage Range() const;

private:
    friend class Document;
    Paragraph(Document* document, int index) : document_(document), index_(index) {}
    Document* document_;
    int index_;
};

// The cursor of the active document's window: in the body, or in the page header after
// SeekView(wdSeekCurrentPageHeader). Lines are paragraphs (there is no page layout).
class Selection {
public:
    // The format of what is typed next; on an empty paragraph it is also its mark's format.
    Police Font() const;
    void TypeText(const QString& texte);
    // Splits the paragraph at the cursor; the cursor goes to the start of the second part.
    void TypeParagraph();
    // Up by paragraphs (wdParagraph: to a paragraph's start) or lines (wdLine: keeps the column).
    void MoveUp(int unite, int nombre);
    FormatParagraphe ParagraphFormat() const;

private:
    friend class Application;
    explicit Selection(Document* document) : document_(document) {}
    Document* document_;
};

class Document {
public:
    // The word processor that holds the document (Document.Application).
    Application& application() const { return *application_; }
    Plage Range() { return Plage(verifie(), 0); }
    int nombre_paragraphes() const { return int(corps_.size()); }
    // Paragraphs.Item(i), 1-based; an index outside the document is refused.
    Paragraph Paragraphs(int index);
    Paragraph dernier_paragraphe() { return Paragraphs(nombre_paragraphes()); }
    // InlineShapes.AddPicture: the picture of the file goes into the body at the cursor, which
    // moves after it. The picture is kept in the document; no link to the file remains.
    void AddPicture(const QString& fichier);
    // Saves the document as RTF under that name through the checked writer (ecriture_sure):
    // the file is replaced only once the whole document is on disk; any failure (a full disk,
    // a missing or read-only folder) is refused and leaves an earlier file as it was. A link
    // bearing the name is replaced itself, never what it points to.
    void SaveAs(const QString& fichier);
    // Saves as SaveAs does, but never over a file: under that name, or else that name with
    // " (2)", " (3)"... before ".doc", the first one free (ecriture_sure::ecrire_nouveau).
    // Returns the name written.
    QString enregistrer_nouveau(const QString& fichier);
    void Close();
    bool ferme() const { return ferme_; }

    // What the document holds (tests, the writer).
    const QList<Paragraphe>& paragraphes() const { return corps_; }
    const QList<Paragraphe>& entete() const { return entete_; }
    Histoire vue() const { return vue_; }
    // The cursor: story, 0-based paragraph and position in it.
    int paragraphe_curseur() const;
    int position_curseur() const;
    // The whole document as RTF.
    QByteArray rtf() const;

private:
    friend class Application;
    friend class Plage;
    friend class Paragraph;
    friend class Police;
    friend class FormatParagraphe;
    friend class Selection;
    struct Curseur {
        int paragraphe = 0;
        int position = 0;
    };
    explicit Document(Application* application);
    Document* verifie();
    QList<Paragraphe>& histoire();
    Curseur& curseur();
    Paragraphe& paragraphe_du_corps(int index);  // 1-based
    Paragraphe& paragraphe_au_curseur();
    FormatCaracteres format_au_curseur();
    void inserer_au_curseur(const Morceau& morceau);
    void changer_vue(Histoire vue);

    Application* application_;
    QList<Paragraphe> corps_;
    QList<Paragraphe> entete_;
    Histoire vue_ = Histoire::corps;
    Curseur curseur_corps_;
    Curseur curseur_entete_;
    std::optional<FormatCaracteres> format_saisie_;
    bool ferme_ = false;
};

// The word processor's global object: its documents, the active one, its window's view and
// selection. Documents stay open until closed.
class Application {
public:
    bool Visible = true;
    // Documents.Add, and the creation of a document object: a new empty document, made active.
    std::shared_ptr<Document> Documents_Add();
    int nombre_documents() const { return int(documents_.size()); }
    // The document most recently added of those still open; refused when none is open.
    Document& ActiveDocument();
    // ActiveWindow.ActivePane.View.SeekView: wdSeekCurrentPageHeader or wdSeekMainDocument.
    void SeekView(int vue);
    Selection selection() { return Selection(&ActiveDocument()); }
    // Closes every document without saving (fresh program; tests).
    void tout_fermer();

private:
    friend class Document;
    QList<std::shared_ptr<Document>> documents_;
};

// The global object, created at its first use and held until the program ends.
Application& Word();

// Called after each successful SaveAs with the document as saved and its file (tests read the
// document model through it); an empty function removes it.
using CrochetEnregistrement = std::function<void(const Document& document, const QString& fichier)>;
void installer_crochet_enregistrement(CrochetEnregistrement crochet);

// Test hook, called by Documents_Add before it adds a document; returning false refuses the
// document (Erreur), as a word processor that cannot open one more would. An empty function
// removes it.
void installer_crochet_ajout(std::function<bool()> crochet);

// The RTF text of a string: \, { and } escaped, line breaks as \line, and every character
// beyond ASCII as a \uN escape followed by its Windows-1252 byte (\'hh) for the readers that
// know no Unicode, or by "?" when that code page has no such character. A surrogate that is not
// half of a pair is written as U+FFFD.
QByteArray texte_rtf(const QString& texte);
}
