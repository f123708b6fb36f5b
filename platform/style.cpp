#include "platform/style.h"

#include "platform/images.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace {
QPixmap png_de_qt(const QString& chemin) { return QPixmap::fromImage(lire_image(chemin)); }

class StylePlateforme : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap image, const QStyleOption* option, const QWidget* widget) const override {
        // The arrow a menu bar or a tool bar shows when its items do not fit, at the sizes Qt's
        // common style gives it.
        if (image == SP_ToolBarHorizontalExtensionButton) {
            const bool droite_a_gauche =
                option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
            const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                                     .arg(droite_a_gauche ? QStringLiteral("rtl-") : QString());
            QIcon icone;
            for (int taille : {8, 16, 32}) icone.addPixmap(png_de_qt(base.arg(taille)));
            return icone;
        }
        if (image == SP_ToolBarVerticalExtensionButton) {
            const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-v-%1.png");
            QIcon icone;
            for (int taille : {5, 10, 20}) icone.addPixmap(png_de_qt(base.arg(taille)));
            return icone;
        }
        return QProxyStyle::standardIcon(image, option, widget);
    }
};
}

void installer_style() {
    // Built without a base, the proxy makes for itself the style the application would have made
    // (the one a -style argument or QT_STYLE_OVERRIDE names, else the desktop's): asking the
    // application for its style first would make and polish that style once more, for nothing.
    static QPointer<QStyle> installe;
    if (installe && QApplication::style() == installe) return;
    installe = new StylePlateforme();
    QApplication::setStyle(installe);
}
