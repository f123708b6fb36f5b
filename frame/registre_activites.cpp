#include "frame/registre_activites.h"

#include <QMap>
#include <algorithm>

namespace {
QMap<QString, OuvreurActivite>& ouvreurs() {
    static QMap<QString, OuvreurActivite> table;
    return table;
}
QMap<QString, FenetreDeLaPasse>& fenetres_passe() {
    static QMap<QString, FenetreDeLaPasse> table;
    return table;
}
QList<EtatActivite>& etats() {
    static QList<EtatActivite> liste;
    return liste;
}

QList<FenetreDeLaPasse> triees(int FenetreDeLaPasse::*rang) {
    QList<FenetreDeLaPasse> l = fenetres_passe().values();
    std::stable_sort(l.begin(), l.end(),
                     [rang](const FenetreDeLaPasse& a, const FenetreDeLaPasse& b) { return a.*rang < b.*rang; });
    return l;
}
}

void enregistrer_ouvreur(const OuvreurActivite& ouvreur) { ouvreurs().insert(ouvreur.bouton, ouvreur); }

const OuvreurActivite* ouvreur_du_bouton(const QString& bouton) {
    const auto i = ouvreurs().constFind(bouton);
    return i == ouvreurs().constEnd() ? nullptr : &*i;
}

void enregistrer_fenetre_passe(const FenetreDeLaPasse& fenetre) { fenetres_passe().insert(fenetre.nom, fenetre); }

QList<FenetreDeLaPasse> fenetres_par_adaptation() { return triees(&FenetreDeLaPasse::rang_adaptation); }
QList<FenetreDeLaPasse> fenetres_par_dechargement() { return triees(&FenetreDeLaPasse::rang_dechargement); }

void enregistrer_etat(const EtatActivite& etat) {
    for (EtatActivite& e : etats())
        if (e.nom == etat.nom) {
            e = etat;
            return;
        }
    etats().append(etat);
}

void appliquer_valeurs_de_depart() {
    for (const EtatActivite& e : etats())
        if (e.valeurs_de_depart) e.valeurs_de_depart();
}

void reinitialiser_etats_activites() {
    for (const EtatActivite& e : etats())
        if (e.reinitialiser) e.reinitialiser();
}

void vider_registre_activites() {
    ouvreurs().clear();
    fenetres_passe().clear();
    etats().clear();
}
