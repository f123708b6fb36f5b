#include "platform/nombres.h"

#include <QLocale>

namespace nombres {

double Val(const QString& texte) {
    // Blanks, tabs and line feeds are skipped anywhere, as the run time did.
    QString s;
    for (QChar c : texte)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
    int i = 0;
    QString nombre;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) nombre += s[i++];
    bool chiffres = false, point = false;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c.isDigit() && c.unicode() < 128) {
            nombre += c;
            chiffres = true;
        } else if (c == '.' && !point) {
            nombre += c;
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!chiffres) return 0.0;
    // Exponent part (1E3, 2.5e-1).
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        int j = i + 1;
        QString exposant = "e";
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) exposant += s[j++];
        bool chiffres_exp = false;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
            exposant += s[j++];
            chiffres_exp = true;
        }
        if (chiffres_exp) nombre += exposant;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(nombre, &ok);
    return ok ? v : 0.0;
}

double arrondi_decimal(double v, int decimales) {
    // Work on the shortest decimal text of v so that 7.45 (stored as 7.4499...) rounds to 7.5.
    const QString texte = QString::number(v, 'g', 15);
    const double p = std::pow(10.0, decimales);
    const double exact = QLocale::c().toDouble(texte);
    const double mis_a_l_echelle = exact * p;
    // Nudge by a relative epsilon so that x.5 read back as x.4999999 still goes up.
    const double r = std::round(mis_a_l_echelle + (mis_a_l_echelle >= 0 ? 1e-9 : -1e-9));
    return r / p;
}
}
