#include "platform/pointeurs.h"

#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace {
const char* const PROP_VALEUR = "vb_pointeur";
const char* const PROP_ICONE = "vb_icone";
const char* const PROP_POINT_CHAUD = "vb_point_chaud";
const char* const PROP_SURVOL = "vb_pointeur_survol";
// The cursor a control had before this module first changed it (false: none of its own).
const char* const PROP_NATUREL = "vb_curseur_naturel";

QCursor curseur_de(const QWidget* w) {
    return pointeurs::curseur(pointeurs::valeur(w), pointeurs::icone(w), pointeurs::point_chaud(w));
}

std::optional<QCursor> curseur_voulu(const QWidget* w) {
    const QWidget* fenetre = w->window();
    if (fenetre != w && pointeurs::valeur(fenetre) != 0) return curseur_de(fenetre);
    if (w->isWindow() && pointeurs::valeur(w) != 0) return curseur_de(w);
    const QVariant survol = w->property(PROP_SURVOL);
    if (survol.isValid()) return survol.value<QCursor>();
    if (!w->isWindow() && pointeurs::valeur(w) != 0) return curseur_de(w);
    return std::nullopt;
}

void mettre_a_jour(QWidget* w) {
    const std::optional<QCursor> voulu = curseur_voulu(w);
    const QVariant naturel = w->property(PROP_NATUREL);
    if (voulu) {
        if (!naturel.isValid())
            w->setProperty(PROP_NATUREL, w->testAttribute(Qt::WA_SetCursor) ? QVariant::fromValue(w->cursor()) : QVariant(false));
        w->setCursor(*voulu);
        return;
    }
    if (!naturel.isValid()) return;  // never changed here: left as it is
    if (naturel.typeId() == QMetaType::QCursor)
        w->setCursor(naturel.value<QCursor>());
    else
        w->unsetCursor();
    w->setProperty(PROP_NATUREL, QVariant());
}

// A window's pointer reaches every control that has a cursor of its own; the others inherit it.
void mettre_a_jour_fenetre(QWidget* fenetre) {
    mettre_a_jour(fenetre);
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (w->testAttribute(Qt::WA_SetCursor) || w->property(PROP_NATUREL).isValid()) mettre_a_jour(w);
}

void actualiser(QWidget* w) {
    if (w->isWindow())
        mettre_a_jour_fenetre(w);
    else
        mettre_a_jour(w);
}
}

namespace pointeurs {

QCursor curseur(int valeur, const QImage& icone, QPoint point_chaud) {
    switch (valeur) {
    case 1: return QCursor(Qt::ArrowCursor);
    case 2: return QCursor(Qt::CrossCursor);
    case 3: return QCursor(Qt::IBeamCursor);
    case 4: return QCursor(Qt::ArrowCursor);  // the run time's "icon" pointer: a plain arrow here
    case 5: return QCursor(Qt::SizeAllCursor);
    case 6: return QCursor(Qt::SizeBDiagCursor);
    case 7: return QCursor(Qt::SizeVerCursor);
    case 8: return QCursor(Qt::SizeFDiagCursor);
    case 9: return QCursor(Qt::SizeHorCursor);
    case 10: return QCursor(Qt::UpArrowCursor);
    case 11: return QCursor(Qt::WaitCursor);
    case 12: return QCursor(Qt::ForbiddenCursor);
    case 13: return QCursor(Qt::BusyCursor);
    case 14: return QCursor(Qt::WhatsThisCursor);
    case 15: return QCursor(Qt::SizeAllCursor);
    case 99:
        if (!icone.isNull()) return QCursor(QPixmap::fromImage(icone), point_chaud.x(), point_chaud.y());
        return QCursor(Qt::ArrowCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

void definir(QWidget* controle, int v) {
    if (valeur(controle) == v && controle->property(PROP_VALEUR).isValid()) return;
    controle->setProperty(PROP_VALEUR, v);
    actualiser(controle);
}

int valeur(const QWidget* controle) { return controle->property(PROP_VALEUR).toInt(); }

void definir_icone(QWidget* controle, const QImage& image, QPoint pc) {
    controle->setProperty(PROP_ICONE, image);
    controle->setProperty(PROP_POINT_CHAUD, pc);
    if (valeur(controle) == 99) actualiser(controle);
}

QImage icone(const QWidget* controle) { return controle->property(PROP_ICONE).value<QImage>(); }

QPoint point_chaud(const QWidget* controle) {
    const QVariant v = controle->property(PROP_POINT_CHAUD);
    return v.isValid() ? v.toPoint() : QPoint(-1, -1);
}

void copier(const QWidget* modele, QWidget* copie) {
    copie->setProperty(PROP_ICONE, modele->property(PROP_ICONE));
    copie->setProperty(PROP_POINT_CHAUD, modele->property(PROP_POINT_CHAUD));
    copie->setProperty(PROP_VALEUR, modele->property(PROP_VALEUR));
    actualiser(copie);
}

void definir_survol(QWidget* conteneur, const std::optional<QCursor>& c) {
    conteneur->setProperty(PROP_SURVOL, c ? QVariant::fromValue(*c) : QVariant());
    mettre_a_jour(conteneur);
}

Qt::CursorShape forme_montree(const QWidget* controle) {
    for (const QWidget* w = controle; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (w->testAttribute(Qt::WA_SetCursor)) return w->cursor().shape();
    return Qt::ArrowCursor;
}
}
