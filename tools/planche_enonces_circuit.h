// The statement pictures of the circuit themes, for the contact sheet: each list at the size of
// the statement box, every picture titled with its list and number.
#pragma once

#include "platform/images.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// Pictures of the lists named in choix, or of all four when choix holds "circuit".
inline QList<std::pair<QString, QImage>> enonces_circuit(const QStringList& choix) {
    struct Liste {
        const char* nom;
        int nombre;
    };
    static const Liste listes[] = {
        {"List_schema", 10}, {"List_serie_deriv", 8}, {"List_assoc_pile", 3}, {"List_court_circuit", 2}};
    QList<std::pair<QString, QImage>> vignettes;
    for (const Liste& l : listes) {
        const QString nom = QLatin1String(l.nom);
        if (!choix.contains(QStringLiteral("circuit")) && !choix.contains(nom)) continue;
        const ListeImages images = ListeImages::depuis_dossier("circuit/" + nom, l.nombre, QSize(213, 203));
        for (int i = 1; i <= images.Count(); ++i)
            vignettes.append({QStringLiteral("%1 n°%2").arg(nom).arg(i), images.image(i)});
    }
    return vignettes;
}
