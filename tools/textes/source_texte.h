#pragma once
// The sources of the fill-in text pictures, as the generator reads them and as the content test
// checks them: settings, text lines, and the blanks written between brackets.
//
// A blank: "[réponse{autre}{autre}|réglage|réglage]". The first answer is the one the text
// expects; each one in braces is another answer a teacher accepts, and the gap holds the widest.
// Settings: "@Left" or "@Left,Top" (twips), "wWidth" (twips), "#row".
#include <QFile>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>
#include <map>
#include <optional>

// The entry boxes: Comic Sans MS 8.25 points (11 pixels at 96 dpi), drawn with Comic Neue; a box
// shows its text from 3 pixels inside its left edge and needs a few pixels on the right.
constexpr int TAILLE_BOITE_PX = 11, JEU_BOITE = 8;

struct TrouSource {
    QString reponse;
    QStringList autres;                               // other accepted answers
    std::optional<int> gauche, haut, largeur, rang;  // twips, twips, twips, row

    QStringList reponses() const { return QStringList{reponse} + autres; }

    // The widest accepted answer, in whole pixels of the box's font.
    int besoin(const QFontMetricsF& boite) const {
        double l = 0;
        for (const QString& r : reponses()) l = std::max(l, boite.horizontalAdvance(r));
        return int(std::ceil(l));
    }
    QString plus_large(const QFontMetricsF& boite) const {
        QString p = reponse;
        for (const QString& r : autres)
            if (boite.horizontalAdvance(r) > boite.horizontalAdvance(p)) p = r;
        return p;
    }
};

// Reads what stands between "[" and "]"; `erreurs` receives what is wrong with it.
inline TrouSource lire_trou(const QString& dedans, QStringList& erreurs) {
    TrouSource t;
    const QStringList champs = dedans.split('|');
    QString tete = champs[0];
    const qsizetype accolade = tete.indexOf('{');
    if (accolade >= 0) {
        QString reste = tete.mid(accolade);
        tete.truncate(accolade);
        while (reste.startsWith('{')) {
            const qsizetype fin = reste.indexOf('}');
            if (fin < 0) break;
            const QString autre = reste.mid(1, fin - 1).trimmed();
            if (autre.isEmpty() || t.autres.contains(autre)) erreurs << QStringLiteral("réponse acceptée vide ou répétée");
            else t.autres << autre;
            reste = reste.mid(fin + 1).trimmed();
        }
        if (!reste.isEmpty()) erreurs << QStringLiteral("accolades mal formées dans « %1 »").arg(dedans);
    }
    t.reponse = tete.trimmed();
    if (t.reponse.isEmpty()) erreurs << QStringLiteral("trou sans réponse");
    if (t.autres.contains(t.reponse)) erreurs << QStringLiteral("« %1 » acceptée deux fois").arg(t.reponse);
    for (const QString& champ : champs.mid(1)) {
        if (champ.startsWith('@')) {
            const QStringList v = champ.mid(1).split(',');
            t.gauche = v[0].toInt();
            if (v.size() > 1) t.haut = v[1].toInt();
        } else if (champ.startsWith('w')) {
            t.largeur = champ.mid(1).toInt();
        } else if (champ.startsWith('#')) {
            t.rang = champ.mid(1).toInt();
        } else {
            erreurs << QStringLiteral("réglage de trou inconnu « %1 »").arg(champ);
        }
    }
    return t;
}

struct SourceTexte {
    std::map<QString, int> reglages;  // "haut", "pas", "hauteur", "trous"
    QStringList texte;                // the lines after "---", without the empty ones at the end
};

// Reads tools/textes/sources/<liste>/<numero>.txt under `racine`; false when it cannot be read.
inline bool lire_source(const QString& racine, const QString& liste, int numero, SourceTexte& s) {
    QFile f(QStringLiteral("%1/tools/textes/sources/%2/%3.txt").arg(racine, liste).arg(numero));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    const QStringList lignes = QString::fromUtf8(f.readAll()).split('\n');
    qsizetype i = 0;
    for (; i < lignes.size() && lignes[i] != QLatin1String("---"); ++i) {
        const QStringList mots = lignes[i].split(' ', Qt::SkipEmptyParts);
        if (mots.size() == 2) s.reglages[mots[0]] = mots[1].toInt();
    }
    s.texte = lignes.mid(i + 1);
    while (!s.texte.isEmpty() && s.texte.last().trimmed().isEmpty()) s.texte.removeLast();
    return true;
}

// The row of each blank: the fixed ones first, then the others in reading order. ordre[row] is
// the index of the blank of that row, -1 for a row no blank takes; `erreurs` receives the
// impossible row numbers.
inline QList<int> rangs_des_trous(const QList<std::optional<int>>& rangs, int nombre, QStringList& erreurs) {
    QList<int> ordre(nombre, -1);
    for (int k = 0; k < rangs.size(); ++k) {
        if (!rangs[k]) continue;
        const int r = *rangs[k];
        if (r < 0 || r >= nombre || ordre[r] != -1) erreurs << QStringLiteral("rang %1 impossible").arg(r);
        else ordre[r] = k;
    }
    int libre = 0;
    for (int k = 0; k < rangs.size(); ++k) {
        if (rangs[k]) continue;
        while (libre < nombre && ordre[libre] != -1) ++libre;
        if (libre < nombre) ordre[libre] = k;
    }
    return ordre;
}
