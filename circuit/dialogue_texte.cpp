#include "circuit/dialogue_texte.h"

#include "frame/adaptation.h"
#include "platform/dialogues_communs.h"
#include "platform/images.h"
#include "platform/sans_fenetre.h"

#include <QPainter>
#include <algorithm>
#include <limits>
#include <utility>

namespace {
constexpr double px = 15;  // twips per design pixel

// A button whose face is the central part of a picture, its caption drawn over it.
class BoutonFace : public BoutonCommande {
public:
    BoutonFace(QWidget* parent, const QString& legende) : BoutonCommande(parent, legende) {}
    void definir_face(const QString& image) {
        const QImage tout = image_integree(image);
        const QSize t = size();
        face_ = tout.copy(QRect(QPoint((tout.width() - t.width()) / 2, (tout.height() - t.height()) / 2), t));
        update();
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        if (face_.isNull()) return BoutonCommande::paintEvent(e);
        QPainter p(this);
        p.drawImage(rect(), face_);
        p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(0x80, 0x80, 0x80));
        p.drawText(rect(), Qt::AlignCenter, text());
        if (isDown()) p.fillRect(rect(), QColor(0, 0, 0, 24));
    }

private:
    QImage face_;
};
}

DialogueTexte::DialogueTexte(const Disposition& d, Qt::WindowFlags drapeaux) : Fenetre(d.largeur, d.hauteur, drapeaux) {
    setWindowTitle(d.titre);
    image_de_fond(image_integree(d.fond, QSize(int(d.largeur / px), int(d.hauteur / px))));
    QWidget* c = client();
    auto* valider = new BoutonFace(c, d.legende_valider);
    Command2 = valider;
    placer(Command2, d.valider.x(), d.valider.y(), d.valider.width(), d.valider.height());
    auto* police = new BoutonFace(c, d.legende_police);
    Command1 = police;
    placer(Command1, d.police.x(), d.police.y(), d.police.width(), d.police.height());
    Text1 = new ZoneTexte(c);
    placer(Text1, d.texte.x(), d.texte.y(), d.texte.width(), d.texte.height());
    Label1 = new Etiquette(c, d.legende_etiquette);
    placer(Label1, d.etiquette.x(), d.etiquette.y(), d.etiquette.width(), d.etiquette.height());
    Label1->transparente(true);
    valider->definir_face(d.face_valider);
    police->definir_face(d.face_police);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Text1);
    connect(Command1, &QPushButton::clicked, this, &DialogueTexte::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void DialogueTexte::Form_Load() { regle_15_twips(*this); }

QPoint DialogueTexte::place_nouvelle_etiquette(int n, const EtiquetteSansFenetre& nouvelle,
                                               const QList<const QWidget*>& elements) {
    constexpr int gauche = 100, haut = 100, ecart = 30, colonne = 96;
    const QWidget* feuille = nouvelle.conteneur();
    const QSizeF taille = nouvelle.zone().size();
    const double largeur = feuille ? feuille->width() : 0, hauteur = feuille ? feuille->height() : 0;
    // The text of the other labels shown: a hidden template or an emptied label covers nothing.
    QList<QRectF> occupees;
    if (const CoucheSansFenetre* couche = feuille ? CoucheSansFenetre::si_existe(feuille) : nullptr)
        for (ElementSansFenetre* e : couche->elements()) {
            const auto* autre = qobject_cast<const EtiquetteSansFenetre*>(e);
            if (autre && autre != &nouvelle && autre->Visible() && !autre->Caption().isEmpty())
                occupees << autre->zone();
        }
    // The placed elements, painted over the labels: one cleared off the sheet lies outside it.
    for (const QWidget* e : elements)
        if (feuille && e->parentWidget() == feuille && e->isVisibleTo(feuille)) occupees << QRectF(e->geometry());

    QList<QPoint> places{QPoint(gauche, haut + ecart * n)};
    for (int y = haut + ecart; y < hauteur; y += ecart) places << QPoint(gauche, y);
    QList<int> colonnes;
    for (int x = gauche; x < largeur; x += colonne) colonnes << x;
    for (int x = gauche - colonne; x >= 0; x -= colonne) colonnes << x;
    for (int decalage : {0, ecart / 2})
        for (int x : colonnes)
            for (int y = haut % ecart + decalage; y < hauteur; y += ecart) places << QPoint(x, y);

    // Measured at each place: how far it runs off the sheet, then how much it covers.
    QPoint meilleure = places.first();
    std::pair<double, double> moindre{std::numeric_limits<double>::infinity(), 0};
    for (const QPoint& p : places) {
        const QRectF r(p, taille);
        const double dehors = std::max(0.0, r.right() - largeur) + std::max(0.0, r.bottom() - hauteur);
        double couvert = 0;
        for (const QRectF& t : occupees) {
            const QRectF commun = r.intersected(t);
            couvert += commun.width() * commun.height();
        }
        if (std::pair(dehors, couvert) < moindre) {
            moindre = {dehors, couvert};
            meilleure = p;
        }
        if (dehors == 0 && couvert == 0) break;
    }
    return meilleure;
}

void DialogueTexte::couleur(std::uint32_t bgr) {
    couleur_ = bgr;
    couleur_texte(Text1, bgr);
}

void DialogueTexte::Command1_Click() {
    const std::optional<ChoixPolice> choix = ShowFont(this, ChoixPolice{});
    if (!choix) return;
    Text1->setFont(choix->police());
    couleur(choix->Color);
}

void DialogueTexte::vers_etiquette(EtiquetteSansFenetre& e) const {
    e.Caption(Text1->text());
    e.ForeColor(couleur_);
    e.Font(Text1->font());
}

void DialogueTexte::depuis_etiquette(const EtiquetteSansFenetre& e) {
    Text1->setText(e.Caption());
    QFont f = Text1->font();
    const QFont& l = e.Font();
    f.setBold(l.bold());
    f.setItalic(l.italic());
    f.setPointSizeF(l.pointSizeF());
    f.setStrikeOut(l.strikeOut());
    f.setUnderline(l.underline());
    Text1->setFont(f);
    couleur(e.ForeColor());
}
