#include "frame/impression.h"

#include "platform/aide.h"
#include "frame/adaptation.h"
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/fenetre_activite.h"
#include "platform/capture.h"
#include "platform/imprimante.h"
#include "platform/messages.h"
#include "platform/nombres.h"
#include "platform/temporisation.h"

#include <QPainter>
#include <QPointer>

impression::impression() : Fenetre(4680, 3090, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Form2"));
    HelpContextID = aide::sujet_impression;
    zone_impression = new BoitePicture(client());
    placer(zone_impression, 480, 225, 3270, 1995);
}

void impression::Form_Load() { regle_15_twips(*this); }

namespace {
// A size in pixels given as a single-precision product, to the nearest pixel, halves to even.
int pixels(float valeur) { return int(nombres::arrondi_pair(double(valeur))); }
}

void imprimer_zone(Fenetre* fenetre, QWidget* zone, int marge_largeur, int marge_hauteur) {
    QPointer<Fenetre> source(fenetre);
    QPointer<QWidget> aire(zone);
    if (Printers().isEmpty()) {
        MsgBox(QStringLiteral("Aucune imprimante n'est installée"));
        return;
    }
    if (!attendre_reglages_impression()) return;
    temporisation(10);
    // The window may have been closed while the dialog was open: there is nothing to print.
    if (!source || !source->vivante() || !aire) return;

    const int w = aire->width();
    const int h = aire->height();
    const float facteur = facteur_echelle;
    BoitePicture* canevas = Fenetre::obtenir<impression>()->zone_impression;
    canevas->AutoSize(true);
    definir_largeur(canevas, pixels(float(w) * facteur + float(marge_largeur)));
    definir_hauteur(canevas, pixels(float(h) * facteur + float(marge_hauteur)));

    const QImage copie = capturer_zone(source->client(), QSize(w + marge_largeur, h + marge_hauteur));
    QImage& image = canevas->Image();
    {
        // Every pixel of the source rectangle lands in the canvas, without smoothing.
        QPainter p(&image);
        p.drawImage(QRect(QPoint(0, 0), image.size()), copie);
    }

    Printer().PaintPicture(image, 0, 0);
    // A printer that refuses the job is told, rather than passed over in silence.
    if (!Printer().EndDoc()) MsgBox(QStringLiteral("Impression impossible"));

    canevas->AutoSize(false);
    canevas->effacer_image();
}

void imprimer_fenetre_activite(FenetreActivite* fenetre, int marge_hauteur) {
    imprimer_zone(fenetre, fenetre->Savoir, 60, marge_hauteur);
}
