#include "platform/dialogues_communs.h"

#include "platform/attente.h"
#include "platform/couleurs.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
CrochetPolice crochet_police;
CrochetCouleur crochet_couleur;

struct CouleurNommee {
    std::uint32_t bgr;
    const char* nom;
};
// The colours the font dialog offers, as the system's font dialog listed them.
const CouleurNommee couleurs_police[] = {
    {0x000000, "Noir"},   {0x000080, "Bordeaux"}, {0x008000, "Vert"},        {0x008080, "Olive"},
    {0x800000, "Marine"}, {0x800080, "Violet"},   {0x808000, "Bleu-vert"},   {0x808080, "Gris"},
    {0xC0C0C0, "Argent"}, {0x0000FF, "Rouge"},    {0x00FF00, "Vert clair"},  {0x00FFFF, "Jaune"},
    {0xFF0000, "Bleu"},   {0xFF00FF, "Fuchsia"},  {0xFFFF00, "Bleu clair"},  {0xFFFFFF, "Blanc"},
};

QIcon pastille(std::uint32_t bgr) {
    QPixmap p(16, 12);
    p.fill(couleur_vb(bgr));
    return QIcon(p);
}

// Qt's font dialog as a page, with the colour list under it and the OK and Cancel buttons.
class DialoguePolice : public QDialog {
public:
    DialoguePolice(QWidget* parent, const ChoixPolice& depart) : QDialog(parent) {
        setWindowTitle(QStringLiteral("Police"));
        auto* disposition = new QVBoxLayout(this);
        page_ = new QFontDialog(this);
        page_->setWindowFlags(Qt::Widget);
        page_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        // The dialog lists installed families: a substituted name (MS Sans Serif) shows as the
        // font that stands for it.
        depart_ = depart.police();
        depart_.setFamily(QFontInfo(depart_).family());
        page_->setCurrentFont(depart_);
        disposition->addWidget(page_);
        auto* ligne = new QHBoxLayout;
        ligne->addWidget(new QLabel(QStringLiteral("Couleur :"), this));
        couleurs_ = new QComboBox(this);
        for (const CouleurNommee& c : couleurs_police) couleurs_->addItem(pastille(c.bgr), QString::fromUtf8(c.nom), uint(c.bgr));
        int i = couleurs_->findData(uint(depart.Color & 0xFFFFFF));
        if (i < 0) {
            couleurs_->addItem(pastille(depart.Color), QStringLiteral("Personnalisée"), uint(depart.Color & 0xFFFFFF));
            i = couleurs_->count() - 1;
        }
        couleurs_->setCurrentIndex(i);
        ligne->addWidget(couleurs_);
        ligne->addStretch();
        disposition->addLayout(ligne);
        auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        disposition->addWidget(boutons);
    }
    ChoixPolice choix() const {
        const QFont f = page_->currentFont();
        ChoixPolice c;
        c.FontName = f.family();
        c.FontSize = f.pointSizeF();
        c.FontBold = f.bold();
        c.FontItalic = f.italic();
        c.FontStrikethru = f.strikeOut();
        c.FontUnderline = f.underline();
        c.Color = std::uint32_t(couleurs_->currentData().toUInt());
        return c;
    }

protected:
    // Showing the page may fill its lists again: the preset is chosen once it is shown.
    void showEvent(QShowEvent* e) override {
        QDialog::showEvent(e);
        page_->setCurrentFont(depart_);
    }

private:
    QFont depart_;
    QFontDialog* page_;
    QComboBox* couleurs_;
};
}

QFont ChoixPolice::police() const {
    QFont f(FontName);
    f.setPointSizeF(FontSize > 0 ? FontSize : 8);
    f.setBold(FontBold);
    f.setItalic(FontItalic);
    f.setStrikeOut(FontStrikethru);
    f.setUnderline(FontUnderline);
    return f;
}

void installer_crochet_police(CrochetPolice crochet) { crochet_police = std::move(crochet); }
void installer_crochet_couleur(CrochetCouleur crochet) { crochet_couleur = std::move(crochet); }

std::optional<ChoixPolice> ShowFont(QWidget* parent, const ChoixPolice& depart) {
    if (crochet_police) return crochet_police(depart);
    DialoguePolice dialogue(parent, depart);
    const AttenteEvenements attente;
    if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
    return dialogue.choix();
}

std::optional<std::uint32_t> ShowColor(QWidget* parent, std::uint32_t depart) {
    if (crochet_couleur) return crochet_couleur(depart);
    const AttenteEvenements attente;
    const QColor c = QColorDialog::getColor(couleur_vb(depart), parent);
    if (!c.isValid()) return std::nullopt;
    return vers_bgr(c);
}
