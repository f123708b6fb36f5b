#include "platform/polices.h"

#include <QApplication>
#include <QFont>

void installer_polices() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Lucida Sans Unicode"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont defaut(QStringLiteral("MS Sans Serif"));
    defaut.setPointSizeF(8.25);
    QApplication::setFont(defaut);
}
