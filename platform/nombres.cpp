#include "platform/nombres.h"

#include <QLocale>

namespace nombres {

namespace {
// The value of a digit of a base up to 16; 99 for any other character.
int valeur_chiffre(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return 99;
}

// &H and &O numbers: digits of the base up to the first other character. Up to &HFFFF the
// value is a 16-bit integer, beyond it a 32-bit one (both signed); a final "&" asks for 32 bits.
double entier_prefixe(const QString& s, int base) {
    quint64 v = 0;
    bool chiffres = false;
    int i = 2;
    for (; i < s.size(); ++i) {
        const int d = valeur_chiffre(s[i]);
        if (d >= base) break;
        v = v * quint64(base) + quint64(d);
        chiffres = true;
        if (v > 0xFFFFFFFFull) return 0.0;
    }
    if (!chiffres) return 0.0;
    const bool long_demande = i < s.size() && s[i] == '&';
    if (v <= 0xFFFF && !long_demande) return double(qint16(quint16(v)));
    return double(qint32(quint32(v)));
}
}

double Val(const QString& texte) {
    // Blanks, tabs and line feeds are skipped anywhere, as the run time did.
    QString s;
    for (QChar c : texte)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H') return entier_prefixe(s, 16);
        if (s[1] == 'o' || s[1] == 'O') return entier_prefixe(s, 8);
    }
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
    // Exponent part (1E3, 2.5e-1, 1D2).
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
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
