#include "platform/couleurs.h"

#include <QGuiApplication>
#include <QPalette>

QColor couleur_systeme(std::uint32_t valeur) {
    struct Role {
        QPalette::ColorGroup groupe;
        QPalette::ColorRole role;
    };
    // The run time's system colours 0 to 24, in their order.
    static const Role roles[] = {
        {QPalette::Active, QPalette::Button},           // 0 scroll bars
        {QPalette::Active, QPalette::Dark},             // 1 desktop
        {QPalette::Active, QPalette::Highlight},        // 2 active title bar
        {QPalette::Inactive, QPalette::Mid},            // 3 inactive title bar
        {QPalette::Active, QPalette::Window},           // 4 menu bar
        {QPalette::Active, QPalette::Base},             // 5 window background
        {QPalette::Active, QPalette::Shadow},           // 6 window frame
        {QPalette::Active, QPalette::WindowText},       // 7 menu text
        {QPalette::Active, QPalette::Text},             // 8 window text
        {QPalette::Active, QPalette::HighlightedText},  // 9 title bar text
        {QPalette::Active, QPalette::Button},           // 10 active border
        {QPalette::Inactive, QPalette::Button},         // 11 inactive border
        {QPalette::Active, QPalette::Mid},              // 12 application workspace
        {QPalette::Active, QPalette::Highlight},        // 13 highlight
        {QPalette::Active, QPalette::HighlightedText},  // 14 highlight text
        {QPalette::Active, QPalette::Button},           // 15 button face
        {QPalette::Active, QPalette::Dark},             // 16 button shadow
        {QPalette::Disabled, QPalette::Text},           // 17 grey text
        {QPalette::Active, QPalette::ButtonText},       // 18 button text
        {QPalette::Disabled, QPalette::WindowText},     // 19 inactive title bar text
        {QPalette::Active, QPalette::Light},            // 20 3D highlight
        {QPalette::Active, QPalette::Shadow},           // 21 3D dark shadow
        {QPalette::Active, QPalette::Midlight},         // 22 3D light
        {QPalette::Active, QPalette::ToolTipText},      // 23 tooltip text
        {QPalette::Active, QPalette::ToolTipBase},      // 24 tooltip background
    };
    const std::uint32_t n = valeur & 0x7FFFFFFFu;
    if (n >= std::size(roles)) return QColor(0, 0, 0);
    const QPalette palette = QGuiApplication::palette();
    return palette.color(roles[n].groupe, roles[n].role);
}
