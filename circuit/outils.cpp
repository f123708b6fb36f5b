// The drawing tools: the keys of Toolbar2 and the window's pointer as the mouse goes over it.
#include "circuit/ajout_texte.h"
#include "circuit/effacement.h"
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "platform/pointeurs.h"

#include <QEvent>

// A cursor picture is black on white: its white becomes the transparent part.
QImage sans_fond_blanc(const QImage& image) {
    QImage c = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if ((c.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) c.setPixel(x, y, 0);
    return c;
}

namespace {
constexpr int POINTEUR_DEFAUT = 0;
constexpr int POINTEUR_SYMBOLE = 5;  // four arrows
constexpr int POINTEUR_PROPRE = 99;  // Cadre's MouseIcon

struct CurseurOutil {
    int image;  // of curseur_list
    QPoint point_chaud;
};
constexpr CurseurOutil curseur_fil{1, {15, 15}};
constexpr CurseurOutil curseur_selection{2, {1, 1}};

// The buttons each key releases.
constexpr int relaches_famille[] = {27, 28, 30};
constexpr int relaches_selection[] = {19, 20, 21, 22, 23, 24, 25, 28, 30};
constexpr int relaches_curseur[] = {25, 27, 28};
}

void fenetre_dessin::montrer_palette(Famille famille) {
    for (std::size_t f = 0; f < palettes.size(); ++f) palettes[f]->setVisible(Famille(f) == famille);
}

void fenetre_dessin::Toolbar2_ButtonClick(const QString& cle) {
    auto relacher_tous = [this](const auto& boutons) {
        for (int b : boutons) relacher(b);
    };
    auto outil = [this](const CurseurOutil& c) {
        Cadre->MouseIcon(sans_fond_blanc(curseur_list.image(c.image)), c.point_chaud);
        Cadre->MousePointer(POINTEUR_PROPRE);
    };
    for (const CadrePalette& p : cadres_palettes) {
        if (cle != QLatin1String(p.cle)) continue;
        montrer_palette(p.famille);
        outil_fil = false;
        outil_selection = 0;
        relacher_tous(relaches_famille);
        Cadre->MouseIcon(QImage());
        Cadre->MousePointer(POINTEUR_DEFAUT);
        return;
    }
    if (cle == QLatin1String("fil")) {
        for (CadreGroupe* p : palettes) p->hide();
        outil_fil = true;
        outil_selection = 0;
        relacher_tous(relaches_famille);
        outil(curseur_fil);
    } else if (cle == QStringLiteral("sélection")) {
        for (CadreGroupe* p : palettes) p->hide();
        outil_fil = false;
        outil_selection = -1;
        relacher_tous(relaches_selection);
        outil(curseur_selection);
    } else if (cle == QLatin1String("texte")) {
        Cadre->MouseIcon(QImage());
        Cadre->MousePointer(POINTEUR_DEFAUT);
        montrer_Ajout_texte();
        Fenetre::obtenir<Ajout_texte>()->Text1->setFocus();
    } else if (cle == QLatin1String("effacer")) {
        effacer_schema();
    } else if (cle == QLatin1String("Curseur")) {
        Cadre->MousePointer(POINTEUR_DEFAUT);
        relacher(25);
        outil_fil = false;
        relacher(27);
        outil_selection = 0;
        relacher(28);
    }
}

void fenetre_dessin::brancher_pointeurs() {
    auto defaut = [this] { pointeurs::definir(this, POINTEUR_DEFAUT); };
    connect(client(), &ZoneClient::mouvement, this, defaut);
    connect(Savoir, &BoitePicture::MouseMove, this, defaut);
    for (CadreGroupe* p : palettes) {
        p->setMouseTracking(true);
        p->installEventFilter(this);
    }
}

void fenetre_dessin::pointeur_symbole() { pointeurs::definir(this, POINTEUR_SYMBOLE); }

bool fenetre_dessin::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseMove)
        for (CadreGroupe* p : palettes)
            if (objet == p) pointeurs::definir(this, POINTEUR_DEFAUT);
    return FenetreActivite::eventFilter(objet, evenement);
}
