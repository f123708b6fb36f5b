#pragma once

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// What the common font dialog shows and gives back: a font with its effects and its colour.
struct ChoixPolice {
    QString FontName = QStringLiteral("MS Sans Serif");
    double FontSize = 8;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;
    std::uint32_t Color = 0;  // &HBBGGRR
    QFont police() const;
};

// The font dialog, opened on a preset choice, with the effects (strikethrough, underline) and
// the colour list; modal. The pupil's choice, or nothing when it was cancelled.
std::optional<ChoixPolice> ShowFont(QWidget* parent, const ChoixPolice& depart);
// The colour dialog, opened on a colour (a system colour &H80000000 + n is shown as it looks);
// modal. The chosen colour as &HBBGGRR, or nothing when it was cancelled.
std::optional<std::uint32_t> ShowColor(QWidget* parent, std::uint32_t depart);

// A font's style name in French, as the font dialog lists it ("Bold Italic" -> "Gras italique",
// "Condensed ExtraLight" -> "Condensé extra-maigre"); a word it does not know (a French one
// among them) is kept as it is.
QString nom_style_francais(const QString& nom);

// Replace the real dialogs (tests): each hook gets the preset and gives the answer.
using CrochetPolice = std::function<std::optional<ChoixPolice>(const ChoixPolice& depart)>;
using CrochetCouleur = std::function<std::optional<std::uint32_t>(std::uint32_t depart)>;
void installer_crochet_police(CrochetPolice crochet);
void installer_crochet_couleur(CrochetCouleur crochet);
