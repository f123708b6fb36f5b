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

    // Where a sheet of that width lays its new label number n (n from 1), in sheet pixels: Left
    // 100 and Top 100 + 30 x the row, down a column of that many rows. The next round of the
    // column goes half-way between those rows, the two after in a column 96 pixels to the right,
    // as long as the sheet has room. Then the columns are passed over again, each pass shifted
    // 12 pixels further right, then by the pixels between, then one pixel down. No two numbers
    // share a place, and a short word of the first rounds hides no other.
    static QPoint place_nouvelle_etiquette(int n, int rangs, int largeur_feuille);

protected:
    void Form_Load() override;

private:
    void couleur(std::uint32_t bgr);
    std::uint32_t couleur_ = 0;
};
