// The text notes of the optics sheet: loaded by the text dialog, a click opens their menu, the
// pointer passing over one arms it so that a press and a move drag it, and their drops on the
// drawing area and on placed elements.
#include "circuit/etat_circuit.h"
#include "optics/menus/fenetre_dessin_optique_menu.h"
#include "optics/notes/ajout_texte_optique.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/ecran.h"
#include "platform/glisser.h"

#include <QAction>
#include <cmath>

namespace {
// The grab point kept under the release point, in whole pixels taken down.
QPointF coin_depose(float x, float y) {
    x_depot = std::floor(double(x) - x_depart.toDouble());
    y_depot = float(std::floor(double(y) - y_depart.toDouble()));
    return {x_depot.toDouble(), double(y_depot)};
}
}

void fenetre_dessin_optique::brancher_notes() {
    // The notes take presses, moves and drags as their own rectangles over the area.
    glisser::declarer_etiquettes(cadre_optique);
    connect(bouton_optique(4), &QAction::triggered, this, [this] { inserer_texte_optique(this); });
}

EtiquetteSansFenetre* fenetre_dessin_optique::ajouter_note(int n) {
    EtiquetteSansFenetre* note = Texte_ajout_Optique.Load(n);
    if (!note) return nullptr;
    glisser::copier_reglages(Texte_ajout_Optique.element(0), note);
    const auto armer = [this, n](int bouton, int touches, float x, float y) {
        Texte_ajout_Optique_MouseDown(n, bouton, touches, x, y);
    };
    for (auto signal : {&EtiquetteSansFenetre::MouseDown, &EtiquetteSansFenetre::MouseMove}) connect(note, signal, this, armer);
    connect(note, &EtiquetteSansFenetre::Click, this, [this, n] { Texte_ajout_Optique_Click(n); });
    return note;
}

EtiquetteSansFenetre* fenetre_dessin_optique::note_sur_l_aire(int i) {
    EtiquetteSansFenetre* note = i > 0 ? Texte_ajout_Optique.element(i) : nullptr;
    if (!note) return nullptr;
    // A clearing moved it far off the area, where no one sees it any more. An emptied note has
    // no width: it counts as the pixel at its corner.
    const QRectF aire(0, 0, cadre_optique->width(), cadre_optique->height());
    const QRectF zone(note->zone().topLeft(), note->zone().size().expandedTo(QSizeF(1, 1)));
    return zone.intersects(aire) ? note : nullptr;
}

void fenetre_dessin_optique::Texte_ajout_Optique_Click(int Index) {
    index_texte_optique = std::int16_t(Index);
    ouvrir_menu_optique(QString::fromLatin1(MENU_TEXTE_OPTIQUE));
}

void fenetre_dessin_optique::Texte_ajout_Optique_MouseDown(int Index, int, int, float X, float Y) {
    // The offset arrives in twips; the drops subtract it in the area's pixels.
    x_depart = X / ecran::TwipsPerPixelX();
    y_depart = Y / ecran::TwipsPerPixelY();
    glisse_texte = true;
    if (EtiquetteSansFenetre* note = Texte_ajout_Optique.element(Index)) glisser::DragMode(note, glisser::automatique);
}

bool fenetre_dessin_optique::note_deposee_sur_l_aire(QObject* Source, float X, float Y) {
    const int i = Texte_ajout_Optique.index_de(Source);
    if (i < 0) return false;
    EtiquetteSansFenetre* note = Texte_ajout_Optique.element(i);
    if (i != 0) {
        const QPointF coin = coin_depose(X, Y);
        note->Move(coin.x(), coin.y(), note->Width(), note->Height());
        note->Visible(true);
        // In front of the other notes; the elements, windows of their own, stay over every note.
        note->ZOrder(0);
        Savoir->update();
    }
    glisse_texte = false;
    glisser::DragMode(note, glisser::manuel);
    return true;
}

bool fenetre_dessin_optique::note_deposee_sur_element(const BoitePicture* cible, int Index, QObject* Source, float X,
                                                      float Y) {
    const int i = Texte_ajout_Optique.index_de(Source);
    if (i < 0) return false;
    // Over a palette item nothing happens; over an element the note lands with its grab point
    // under the pointer and stays armed, no element selected.
    if (i == 0 || Index == 0) return true;
    EtiquetteSansFenetre* note = Texte_ajout_Optique.element(i);
    const QPointF decalage = coin_depose(X, Y);
    note->Move(cible->Left() + decalage.x(), cible->Top() + decalage.y(), note->Width(), note->Height());
    note->Visible(true);
    return true;
}
