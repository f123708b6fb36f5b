#include "platform/attente.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <utility>

namespace {
int attentes = 0;

QList<QPointer<QObject>>& differes() {
    static QList<QPointer<QObject>> liste;
    return liste;
}
}

AttenteEvenements::AttenteEvenements() { ++attentes; }

AttenteEvenements::~AttenteEvenements() {
    if (--attentes > 0) return;
    // The outermost wait is over: what was unloaded meanwhile goes with the next return to the
    // event loop, after the handler that waited has returned.
    const QList<QPointer<QObject>> liste = std::exchange(differes(), {});
    for (const QPointer<QObject>& o : liste)
        if (o) o->deleteLater();
}

bool attente_en_cours() { return attentes > 0; }

void detruire_plus_tard(QObject* objet) {
    if (attentes > 0)
        differes().append(objet);
    else
        objet->deleteLater();
}
