#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

class QPrinter;

// The printer object of the run time: the printer in use, the settings of the next print job
// and the pictures drawn on its page. Settings take the values of the Windows printer settings:
//   colour mode      1 monochrome, 2 colour
//   quality          -1 draft, -2 low (standard), -3 medium, -4 high, or a positive dpi value
//   orientation      1 portrait, 2 landscape
//   paper size       8 A3, 9 A4, 11 A5, 13 B5
// One canvas pixel takes the printed size of one screen pixel at 96 dpi: a picture is printed
// at its own size, never fitted to the page.
namespace impression_systeme {
constexpr int couleur_monochrome = 1;
constexpr int couleur_couleur = 2;
constexpr int qualite_brouillon = -1;
constexpr int qualite_basse = -2;
constexpr int qualite_moyenne = -3;
constexpr int qualite_haute = -4;
constexpr int orientation_portrait = 1;
constexpr int orientation_paysage = 2;
constexpr int papier_A3 = 8;
constexpr int papier_A4 = 9;
constexpr int papier_A5 = 11;
constexpr int papier_B5 = 13;
constexpr int copies_maximum = 9999;
}

// What a print job carries to the printer.
struct ReglagesImpression {
    QString imprimante;  // device name
    int couleur = impression_systeme::couleur_couleur;
    int qualite = impression_systeme::qualite_basse;
    int copies = 1;
    int orientation = impression_systeme::orientation_portrait;
    int papier = impression_systeme::papier_A4;
};

// A picture drawn on the page, its top-left corner in screen pixels from the printable area's corner.
struct DessinPage {
    QPoint position;
    QImage image;
};
using PageImprimee = QList<DessinPage>;

// The printers of the system. The real one is the system's print service; tests put a double.
class PiloteImpression {
public:
    virtual ~PiloteImpression() = default;
    // The device names of the installed printers, in the system's order.
    virtual QStringList imprimantes() const = 0;
    // The system's default printer; empty when there is none.
    virtual QString imprimante_par_defaut() const = 0;
    // True when the printer can print on that paper (a code of the list above).
    virtual bool accepte_papier(const QString& imprimante, int papier) const = 0;
    // Sends one job of one page; false when the printer could not print it.
    virtual bool imprimer(const ReglagesImpression& reglages, const PageImprimee& page) = 0;
};

// Puts a driver in place of the system's (nullptr: the system's again). The caller keeps it.
void installer_pilote_impression(PiloteImpression* pilote);
PiloteImpression& pilote_impression();

// The device names of the installed printers (the run time's Printers collection).
QStringList Printers();

class Imprimante {
public:
    // The printer in use: the one chosen while it stays installed, else the system's default
    // printer, else the first installed; empty when no printer is installed.
    QString DeviceName() const;
    // Makes the installed printer of that name the one in use; false when it is not installed.
    bool choisir(const QString& nom);

    int ColorMode() const { return reglages_.couleur; }
    bool ColorMode(int mode);
    int PrintQuality() const { return reglages_.qualite; }
    bool PrintQuality(int qualite);
    int Copies() const { return reglages_.copies; }
    bool Copies(int copies);
    int Orientation() const { return reglages_.orientation; }
    bool Orientation(int orientation);
    int PaperSize() const { return reglages_.papier; }
    // False, and the paper size unchanged, for a code with no paper or a paper the printer refuses.
    bool PaperSize(int papier);

    // Draws a picture on the page at (x, y) screen pixels, at its own size.
    void PaintPicture(const QImage& image, int x, int y);
    // Ends the job: the page drawn so far is sent. False when the printer failed it (the page
    // is dropped either way). A job with nothing drawn sends nothing and succeeds.
    bool EndDoc();

    // The settings the next job will carry.
    ReglagesImpression reglages() const;
    // Forgets the chosen printer, the settings and the page (fresh program; tests).
    void reinitialiser();

private:
    QString choisie_;
    ReglagesImpression reglages_;
    PageImprimee page_;
};

// The one printer object of the program.
Imprimante& Printer();

// The page size of a paper code, as Qt names it; false when the code has no paper.
bool taille_papier(int code, int& identifiant_qt);
// The printer resolution for a quality value: draft 150, low 300, medium 300, high 600 dpi,
// a positive value as it is.
int resolution_qualite(int qualite);

// Prints a page on a QPrinter already set to its device or file: applies the settings
// (colour, resolution, copies, orientation, paper), then draws each picture at its own size.
// Monochrome turns the pictures to grey first, whatever the device does with colour.
bool imprimer_sur(QPrinter& printer, const ReglagesImpression& reglages, const PageImprimee& page);
// Prints a page into a PDF file with the same settings as a printer would get.
bool imprimer_dans_pdf(const QString& fichier, const ReglagesImpression& reglages, const PageImprimee& page);
