#include "optics/notes/ajout_texte_optique.h"

#include "circuit/etat_circuit.h"
#include "frame/registre_activites.h"
#include "optics/menus/fenetre_dessin_optique_menu.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"

#include <limits>

namespace {
// The background and the button faces are the circuit text dialog's pictures.
const DialogueTexte::Disposition disposition{
    5310, 1890, QStringLiteral("Ajouter du texte"), QStringLiteral(":/assets/circuit/ajout_texte/fond.svg"),
    //       Left, Top, Width, Height (twips)
    QRectF(2160, 1380, 1335, 285),  // Command2 "Valider"
    QRectF(1080, 1020, 3735, 285),  // Command1, the font dialog
    QRectF(1080, 300, 3735, 645),   // Text1
    QRectF(360, 300, 735, 255),     // Label1 "Texte:"
    QStringLiteral(":/assets/circuit/ajout_texte/Command2.svg"),
    QStringLiteral(":/assets/circuit/ajout_texte/Command1.svg"), QStringLiteral("Valider"),
    QStringLiteral("Autre couleur, police, taille, style,..."), QStringLiteral("Texte:")};

constexpr Qt::WindowFlags fenetre_outil_fixe = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The dialog, shown modeless; it goes with the sheet, so that it never writes on a closed one.
Ajout_texte_optique* montrer_dialogue(fenetre_dessin_optique* feuille) {
    auto* d = Fenetre::obtenir<Ajout_texte_optique>();
    QObject::connect(feuille, &QObject::destroyed, d, &Fenetre::Unload, Qt::UniqueConnection);
    d->Show();
    return d;
}

// The note of index_texte_optique on the open sheet, nullptr when there is none there.
EtiquetteSansFenetre* note_du_menu() {
    fenetre_dessin_optique* f = Fenetre::si_chargee<fenetre_dessin_optique>();
    return f ? f->note_sur_l_aire(index_texte_optique) : nullptr;
}
}

Ajout_texte_optique::Ajout_texte_optique() : DialogueTexte(disposition, fenetre_outil_fixe) {
    HelpContextID = fenetre_dessin_optique::sujet_aide;
    // The text box first, then the font button and "Valider".
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
}

void Ajout_texte_optique::Command2_Click() {
    fenetre_dessin_optique* f = Fenetre::si_chargee<fenetre_dessin_optique>();
    // Edit mode rewrites the note in place; a note the sheet no longer shows (the window was
    // opened again, or the sheet was cleared) would hide the text: a new note takes it instead.
    EtiquetteSansFenetre* note = edition_texte_optique ? note_du_menu() : nullptr;
    if (note) {
        vers_etiquette(*note);
    } else if (f && nombre_textes < std::numeric_limits<std::int16_t>::max()) {
        nombre_textes += 1;
        nb_textes_ajoutes = std::int16_t(nombre_textes);
        if (EtiquetteSansFenetre* nouvelle = f->ajouter_note(nombre_textes)) {
            vers_etiquette(*nouvelle);
            nouvelle->Visible(true);
            // The optical elements; rays, lines and ellipses are drawn strokes, not elements.
            QList<const QWidget*> elements;
            for (const TypeElement& type : types_elements())
                if (type.palette)
                    for (auto [i, e] : f->tableau(QString::fromLatin1(type.nom))->elements())
                        if (i != 0) elements << e;
            const QPoint place = place_nouvelle_etiquette(nombre_textes, *nouvelle, elements);
            nouvelle->Left(place.x());
            nouvelle->Top(place.y());
        }
    }
    edition_texte_optique = false;
    Unload();
}

void inserer_texte_optique(fenetre_dessin_optique* fenetre) {
    montrer_dialogue(fenetre)->Text1->setFocus();
    fenetre->cadre_optique->MouseIcon(QImage());
    fenetre->cadre_optique->MousePointer(0);
}

void mnuedittexteoptique_Click() {
    EtiquetteSansFenetre* note = note_du_menu();
    if (!note) return;
    edition_texte_optique = true;
    montrer_dialogue(Fenetre::si_chargee<fenetre_dessin_optique>())->depuis_etiquette(*note);
}

void mnueffacertexteoptique_Click() {
    EtiquetteSansFenetre* note = note_du_menu();
    if (!note) return;
    edition_texte_optique = true;
    note->Caption(QString());
}

void enregistrer_notes_optique() {
    fenetre_dessin_optique_menu::definir_commande(FamilleCommande::editer_texte,
                                                  [](const LigneMenuOptique&, int) { mnuedittexteoptique_Click(); });
    fenetre_dessin_optique_menu::definir_commande(FamilleCommande::effacer_texte,
                                                  [](const LigneMenuOptique&, int) { mnueffacertexteoptique_Click(); });
    enregistrer_fenetre_passe(fenetre_de_la_passe<Ajout_texte_optique>(QStringLiteral("Ajout_texte_optique"), 2, 6));
}
