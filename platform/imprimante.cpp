#include "platform/imprimante.h"

#include <QLibrary>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

using namespace impression_systeme;

namespace {
// The print service's own answer, where printing goes through CUPS. Qt's CUPS engine sends the
// job when the painter ends and drops the service's answer, so a queue that refuses jobs would
// swallow the page without a word. The CUPS client library that Qt's print support has loaded
// tells whether a queue accepts jobs, and how the last request of this thread (the job just
// sent) ended. Where there is no CUPS, nothing is checked here.
class ServiceCups {
public:
    static ServiceCups& instance() {
        static ServiceCups s;
        return s;
    }

    // True when the queue says it accepts no job. `suivi` tells whether the answer to the job
    // about to be sent can be read afterwards (the queue was found and this thread's last
    // request succeeded).
    bool file_refuse_les_travaux(const QString& imprimante, bool& suivi) {
        suivi = false;
        if (!get_named_dest_ || !get_option_ || !free_dests_ || !last_error_) return false;
        const QStringList parties = imprimante.split(QLatin1Char('/'));
        const QByteArray nom = parties.value(0).toLocal8Bit();
        const QByteArray instance = parties.value(1).toLocal8Bit();
        Destination* d = get_named_dest_(nullptr, nom.constData(), instance.isEmpty() ? nullptr : instance.constData());
        if (!d) return false;
        const char* accepte = get_option_("printer-is-accepting-jobs", d->nombre_options, d->options);
        const bool refuse = accepte && qstrcmp(accepte, "false") == 0;
        free_dests_(1, d);
        suivi = !refuse && last_error_() < premier_echec;
        return refuse;
    }

    bool derniere_demande_refusee() const { return last_error_ && last_error_() >= premier_echec; }

private:
    // The library's records of a destination and of its options (cups_dest_t, cups_option_t).
    struct Option {
        char* nom;
        char* valeur;
    };
    struct Destination {
        char* nom;
        char* instance;
        int par_defaut;
        int nombre_options;
        Option* options;
    };
    // The first IPP status that is an error (client errors 0x0400, server errors 0x0500, ...).
    static constexpr int premier_echec = 0x0400;

    ServiceCups() {
        QLibrary bibliotheque(QStringLiteral("cups"), 2);
        if (!bibliotheque.load()) return;
        get_named_dest_ = reinterpret_cast<decltype(get_named_dest_)>(bibliotheque.resolve("cupsGetNamedDest"));
        get_option_ = reinterpret_cast<decltype(get_option_)>(bibliotheque.resolve("cupsGetOption"));
        free_dests_ = reinterpret_cast<decltype(free_dests_)>(bibliotheque.resolve("cupsFreeDests"));
        last_error_ = reinterpret_cast<decltype(last_error_)>(bibliotheque.resolve("cupsLastError"));
    }

    Destination* (*get_named_dest_)(void*, const char*, const char*) = nullptr;
    const char* (*get_option_)(const char*, int, Option*) = nullptr;
    void (*free_dests_)(int, Destination*) = nullptr;
    int (*last_error_)() = nullptr;
};

// The system's print service.
class PiloteSysteme : public PiloteImpression {
public:
    QStringList imprimantes() const override { return QPrinterInfo::availablePrinterNames(); }
    QString imprimante_par_defaut() const override { return QPrinterInfo::defaultPrinterName(); }

    bool accepte_papier(const QString& imprimante, int papier) const override {
        int id = 0;
        if (!taille_papier(papier, id)) return false;
        const QPrinterInfo info = QPrinterInfo::printerInfo(imprimante);
        if (info.isNull()) return false;
        const QList<QPageSize> tailles = info.supportedPageSizes();
        // A printer that reports no sizes at all is taken at its word for any size.
        if (tailles.isEmpty()) return true;
        for (const QPageSize& t : tailles)
            if (t.id() == QPageSize::PageSizeId(id)) return true;
        return false;
    }

    bool imprimer(const ReglagesImpression& reglages, const PageImprimee& page) override {
        const QPrinterInfo info = QPrinterInfo::printerInfo(reglages.imprimante);
        if (info.isNull()) return false;
        ServiceCups& cups = ServiceCups::instance();
        bool suivi = false;
        if (cups.file_refuse_les_travaux(reglages.imprimante, suivi)) return false;
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::NativeFormat);
        if (!imprimer_sur(printer, reglages, page)) return false;
        return !(suivi && cups.derniere_demande_refusee());
    }
};

PiloteSysteme& pilote_systeme() {
    static PiloteSysteme p;
    return p;
}
PiloteImpression* pilote_installe = nullptr;
}

void installer_pilote_impression(PiloteImpression* pilote) { pilote_installe = pilote; }

PiloteImpression& pilote_impression() {
    return pilote_installe ? *pilote_installe : static_cast<PiloteImpression&>(pilote_systeme());
}

QStringList Printers() { return pilote_impression().imprimantes(); }

bool taille_papier(int code, int& identifiant_qt) {
    switch (code) {
    case papier_A3: identifiant_qt = QPageSize::A3; return true;
    case papier_A4: identifiant_qt = QPageSize::A4; return true;
    case papier_A5: identifiant_qt = QPageSize::A5; return true;
    case papier_B5: identifiant_qt = QPageSize::B5; return true;
    default: return false;
    }
}

int resolution_qualite(int qualite) {
    if (qualite > 0) return qualite;
    switch (qualite) {
    case qualite_brouillon: return 150;
    case qualite_haute: return 600;
    default: return 300;
    }
}

// --- Imprimante

QString Imprimante::DeviceName() const {
    const QStringList noms = Printers();
    if (!choisie_.isEmpty() && noms.contains(choisie_)) return choisie_;
    const QString defaut = pilote_impression().imprimante_par_defaut();
    if (!defaut.isEmpty() && noms.contains(defaut)) return defaut;
    return noms.isEmpty() ? QString() : noms.first();
}

bool Imprimante::choisir(const QString& nom) {
    if (!Printers().contains(nom)) return false;
    choisie_ = nom;
    return true;
}

bool Imprimante::ColorMode(int mode) {
    if (mode != couleur_monochrome && mode != couleur_couleur) return false;
    reglages_.couleur = mode;
    return true;
}

bool Imprimante::PrintQuality(int qualite) {
    if (qualite == 0 || qualite < qualite_haute) return false;
    reglages_.qualite = qualite;
    return true;
}

bool Imprimante::Copies(int copies) {
    if (copies < 1 || copies > copies_maximum) return false;
    reglages_.copies = copies;
    return true;
}

bool Imprimante::Orientation(int orientation) {
    if (orientation != orientation_portrait && orientation != orientation_paysage) return false;
    reglages_.orientation = orientation;
    return true;
}

bool Imprimante::PaperSize(int papier) {
    int id = 0;
    if (!taille_papier(papier, id)) return false;
    if (!pilote_impression().accepte_papier(DeviceName(), papier)) return false;
    reglages_.papier = papier;
    return true;
}

void Imprimante::PaintPicture(const QImage& image, int x, int y) {
    if (image.isNull()) return;
    page_.append({QPoint(x, y), image});
}

bool Imprimante::EndDoc() {
    if (page_.isEmpty()) return true;
    const PageImprimee page = page_;
    page_.clear();
    const ReglagesImpression r = reglages();
    if (r.imprimante.isEmpty()) return false;
    return pilote_impression().imprimer(r, page);
}

ReglagesImpression Imprimante::reglages() const {
    ReglagesImpression r = reglages_;
    r.imprimante = DeviceName();
    return r;
}

void Imprimante::reinitialiser() {
    choisie_.clear();
    reglages_ = ReglagesImpression();
    page_.clear();
}

Imprimante& Printer() {
    static Imprimante imprimante;
    return imprimante;
}

// --- Printing through Qt

bool imprimer_sur(QPrinter& printer, const ReglagesImpression& reglages, const PageImprimee& page) {
    const bool monochrome = reglages.couleur == couleur_monochrome;
    printer.setColorMode(monochrome ? QPrinter::GrayScale : QPrinter::Color);
    printer.setResolution(resolution_qualite(reglages.qualite));
    printer.setCopyCount(reglages.copies);
    printer.setPageOrientation(reglages.orientation == orientation_paysage ? QPageLayout::Landscape
                                                                            : QPageLayout::Portrait);
    int id = 0;
    if (!taille_papier(reglages.papier, id)) return false;
    if (!printer.setPageSize(QPageSize(QPageSize::PageSizeId(id)))) return false;

    QPainter p;
    if (!p.begin(&printer)) return false;
    // Screen pixels at 96 dpi to printer dots.
    const double k = double(printer.resolution()) / 96.0;
    for (const DessinPage& d : page) {
        const QImage image = monochrome ? d.image.convertToFormat(QImage::Format_Grayscale8) : d.image;
        const QRectF cible(d.position.x() * k, d.position.y() * k, image.width() * k, image.height() * k);
        p.drawImage(cible, image);
    }
    if (!p.end()) return false;
    // The engine records a job it could not finish in the printer's state.
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

bool imprimer_dans_pdf(const QString& fichier, const ReglagesImpression& reglages, const PageImprimee& page) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fichier);
    return imprimer_sur(printer, reglages, page);
}
