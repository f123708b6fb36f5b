#include "circuit/dialogue_texte.h"

#include "frame/adaptation.h"
#include "platform/dialogues_communs.h"
#include "platform/images.h"
#include "platform/sans_fenetre.h"

namespace {
constexpr double px = 15;  // twips per design pixel

// A button whose face is the central part of a picture, its caption kept for the reader.
void face(BoutonCommande* b, const QString& image, const QString& legende) {
    const QImage tout = image_integree(image);
    const QSize taille = b->size();
    const QRect centre(QPoint((tout.width() - taille.width()) / 2, (tout.height() - taille.height()) / 2), taille);
    b->setIcon(QPixmap::fromImage(tout.copy(centre)));
    b->setIconSize(taille);
    b->setText(QString());
    b->setAccessibleName(legende);
    b->setToolTip(QString());
    b->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
}
}

DialogueTexte::DialogueTexte(const Disposition& d) : Fenetre(d.largeur, d.hauteur) {
    setWindowTitle(d.titre);
    image_de_fond(image_integree(d.fond, QSize(int(d.largeur / px), int(d.hauteur / px))));
    QWidget* c = client();
    Command2 = new BoutonCommande(c, d.legende_valider);
    placer(Command2, d.valider.x(), d.valider.y(), d.valider.width(), d.valider.height());
    Command1 = new BoutonCommande(c, d.legende_police);
    placer(Command1, d.police.x(), d.police.y(), d.police.width(), d.police.height());
    Text1 = new ZoneTexte(c);
    placer(Text1, d.texte.x(), d.texte.y(), d.texte.width(), d.texte.height());
    Label1 = new Etiquette(c, d.legende_etiquette);
    placer(Label1, d.etiquette.x(), d.etiquette.y(), d.etiquette.width(), d.etiquette.height());
    Label1->transparente(true);
    face(Command2, d.face_valider, d.legende_valider);
    face(Command1, d.face_police, d.legende_police);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Text1);
    connect(Command1, &QPushButton::clicked, this, &DialogueTexte::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void DialogueTexte::Form_Load() { regle_15_twips(*this); }

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
