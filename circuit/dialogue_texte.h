#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

#include <QPoint>
#include <QRectF>
#include <cstdint>

class EtiquetteSansFenetre;

// A drawing sheet's text dialog: a text box that previews the chosen style, a font button and
// "Valider". Each sheet gives its own layout and says what "Valider" does; the font choice and
// the copying of a text and its style to and from a label are shared.
class DialogueTexte : public Fenetre {
    Q_OBJECT
public:
    // The places in twips of the client area; the face pictures show their central part.
    struct Disposition {
        double largeur, hauteur;
        QString titre;
        QString fond;
        QRectF valider, police, texte, etiquette;
        QString face_valider, face_police;
        QString legende_valider, legende_police, legende_etiquette;
    };
    // A sheet chooses its window's kind (an ordinary window unless told).
    explicit DialogueTexte(const Disposition& d, Qt::WindowFlags drapeaux = Qt::Window);

    BoutonCommande* Command2 = nullptr;  // "Valider"
    BoutonCommande* Command1 = nullptr;  // the font dialog
    ZoneTexte* Text1 = nullptr;
    Etiquette* Label1 = nullptr;

    // The font dialog, preset every time to the default choice; OK gives its style to Text1.
    void Command1_Click();
    virtual void Command2_Click() = 0;

    // Text1's text and whole style to a label; a label's text and style, its font name aside,
    // to Text1.
    void vers_etiquette(EtiquetteSansFenetre& e) const;
    void depuis_etiquette(const EtiquetteSansFenetre& e);
    std::uint32_t couleur_Text1() const { return couleur_; }

    // Where the new label number n (from 1), already given its text and style, goes on its sheet
    // (its container), in sheet pixels: its own place, Left 100 and Top 100 + 30 x n, when it
    // lies there wholly on the sheet and covers no other label's text and none of the placed
    // `elements` shown on the sheet (widgets of the sheet, their whole box). Otherwise the first
    // place that does, among the places of that column from Top 130 down, then a grid of cells
    // 96 x 30 pixels laid on that column (Left 4 + 96 i, Top 10 + 30 j): column by column from
    // that one rightwards and then leftwards, each top down, and the same cells again 15 pixels
    // lower. When none does, the first of those places that leaves the least of it off the
    // sheet, and then covers the least of the others' text and of the elements.
    static QPoint place_nouvelle_etiquette(int n, const EtiquetteSansFenetre& nouvelle,
                                           const QList<const QWidget*>& elements);

protected:
    void Form_Load() override;

private:
    void couleur(std::uint32_t bgr);
    std::uint32_t couleur_ = 0;
};
