// The free text labels of the sheet: their menu, their dialog, and their arming for a drag.
#include "circuit/ajout_texte.h"
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "platform/ecran.h"
#include "platform/glisser.h"
#include "platform/menu_contextuel.h"

#include <QAction>
#include <QMenu>

void fenetre_dessin::creer_mnuflottanttexte() {
    mnuflottanttexte = new QMenu(QStringLiteral("flottanttexte"), this);
    mnuedittexte = mnuflottanttexte->addAction(QStringLiteral("Editer le texte"));
    mnueffacertexte = mnuflottanttexte->addAction(QStringLiteral("Effacer le texte"));
    connect(mnuedittexte, &QAction::triggered, this, &fenetre_dessin::mnuedittexte_Click);
    connect(mnueffacertexte, &QAction::triggered, this, &fenetre_dessin::mnueffacertexte_Click);
}

EtiquetteSansFenetre* fenetre_dessin::ajouter_texte(int n) {
    EtiquetteSansFenetre* e = Texte_ajout.Load(n);
    if (!e) return nullptr;
    glisser::copier_reglages(Texte_ajout.element(0), e);
    connect(e, &EtiquetteSansFenetre::Click, this, [this, n] { Texte_ajout_Click(n); });
    auto armer = [this, n](int bouton, int touches, float x, float y) { Texte_ajout_MouseDown(n, bouton, touches, x, y); };
    connect(e, &EtiquetteSansFenetre::MouseDown, this, armer);
    connect(e, &EtiquetteSansFenetre::MouseMove, this, armer);
    return e;
}

void fenetre_dessin::Texte_ajout_Click(int Index) {
    index_texte = std::int16_t(Index);
    PopupMenu(mnuflottanttexte);
}

void fenetre_dessin::Texte_ajout_MouseDown(int Index, int, int, float X, float Y) {
    x_depart = X / ecran::TwipsPerPixelX();
    y_depart = Y / ecran::TwipsPerPixelY();
    deplacement_texte = -1;
    if (EtiquetteSansFenetre* e = Texte_ajout.element(Index)) glisser::DragMode(e, glisser::automatique);
}

void fenetre_dessin::montrer_Ajout_texte() {
    Ajout_texte* a = Fenetre::obtenir<Ajout_texte>();
    connect(this, &QObject::destroyed, a, &Fenetre::Unload, Qt::UniqueConnection);
    a->Show();
}

void fenetre_dessin::mnuedittexte_Click() {
    edition_texte = true;
    montrer_Ajout_texte();
    if (EtiquetteSansFenetre* e = Texte_ajout.element(index_texte)) Fenetre::obtenir<Ajout_texte>()->depuis_etiquette(*e);
}

void fenetre_dessin::mnueffacertexte_Click() {
    edition_texte = true;
    if (EtiquetteSansFenetre* e = Texte_ajout.element(index_texte)) e->Caption(QString());
}
