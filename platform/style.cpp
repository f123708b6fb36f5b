#include "platform/style.h"

#include "platform/images.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIconEngine>
#include <QImage>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace {
// An icon whose PNG pictures are read the first time it is drawn or measured.
class IconeDifferee : public QIconEngine {
public:
    explicit IconeDifferee(QStringList chemins) : chemins_(std::move(chemins)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State etat) override {
        icone().paint(p, r, Qt::AlignCenter, mode, etat);
    }
    // Qt asks for sizes in the screen's pixels: the pictures are taken at those sizes as they are.
    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override {
        return icone().pixmap(taille, qreal(1), mode, etat);
    }
    QPixmap scaledPixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat, qreal) override {
        return pixmap(taille, mode, etat);
    }
    QSize actualSize(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override {
        return icone().actualSize(taille, mode, etat);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State etat) override {
        return icone().availableSizes(mode, etat);
    }
    bool isNull() override { return chemins_.isEmpty(); }
    QIconEngine* clone() const override { return new IconeDifferee(*this); }

private:
    QIcon& icone() {
        if (icone_.isNull())
            for (const QString& c : chemins_) icone_.addPixmap(QPixmap::fromImage(lire_image(c)));
        return icone_;
    }
    QStringList chemins_;
    QIcon icone_;
};

// A surface of 96 dots per inch, for measuring as on a screen of 15 twips per pixel.
const QImage& surface_96_dpi() {
    static const QImage surface = [] {
        QImage i(1, 1, QImage::Format_Mono);
        i.setDotsPerMeterX(3780);  // 96.01 dpi
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return surface;
}

class StylePlateforme : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // The windows keep their pixel sizes on every screen (their controls are rescaled by the
    // twips per pixel), but a style draws its tick boxes and option buttons larger as the screen's
    // dots per inch grow: they would no longer fit their controls. They keep the size they have at
    // 96 dpi, as the controls do.
    int pixelMetric(PixelMetric mesure, const QStyleOption* option, const QWidget* widget) const override {
        switch (mesure) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: {
            // The option's base part only, marked as such: no style may take it for the whole.
            QStyleOption a_96_dpi = option ? *option : QStyleOption();
            a_96_dpi.type = QStyleOption::SO_Default;
            a_96_dpi.version = QStyleOption::Version;
            const QFont police = widget ? widget->font() : QApplication::font();
            a_96_dpi.fontMetrics = QFontMetrics(police, &surface_96_dpi());
            return QProxyStyle::pixelMetric(mesure, &a_96_dpi, widget);
        }
        default:
            return QProxyStyle::pixelMetric(mesure, option, widget);
        }
    }

    QIcon standardIcon(StandardPixmap image, const QStyleOption* option, const QWidget* widget) const override {
        // The arrow a menu bar or a tool bar shows when its items do not fit, at the sizes Qt's
        // common style gives it. Every menu bar makes its arrow button as it is created; the
        // pictures are read only if the arrow is ever shown.
        if (image == SP_ToolBarHorizontalExtensionButton) {
            const bool droite_a_gauche =
                option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
            const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                                     .arg(droite_a_gauche ? QStringLiteral("rtl-") : QString());
            return QIcon(new IconeDifferee({base.arg(8), base.arg(16), base.arg(32)}));
        }
        if (image == SP_ToolBarVerticalExtensionButton) {
            const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-v-%1.png");
            return QIcon(new IconeDifferee({base.arg(5), base.arg(10), base.arg(20)}));
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
