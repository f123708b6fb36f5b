#include "platform/dialogues_communs.h"

#include "platform/attente.h"
#include "platform/couleurs.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QRegularExpression>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstdlib>
#include <tuple>
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

// The words of the fonts' style names, in French.
struct MotStyle {
    const char* anglais;
    const char* francais;
};
const MotStyle mots_style[] = {
    {"regular", "normal"},   {"normal", "normal"},         {"book", "normal"},        {"roman", "normal"},
    {"plain", "normal"},     {"bold", "gras"},             {"italic", "italique"},    {"oblique", "oblique"},
    {"light", "maigre"},     {"thin", "fin"},              {"hairline", "fin"},       {"medium", "médium"},
    {"black", "noir"},       {"heavy", "noir"},            {"condensed", "condensé"}, {"narrow", "étroit"},
    {"expanded", "étendu"},  {"extended", "étendu"},       {"wide", "large"},         {"semi", "demi"},
    {"demi", "demi"},        {"extra", "extra"},           {"ultra", "extra"},
};
// Words that join the next one with a hyphen ("ExtraLight" -> "extra-maigre").
bool prefixe(const QString& mot) { return mot == QStringLiteral("demi") || mot == QStringLiteral("extra"); }

// A style of another width than the normal one ("Condensed", "SemiExpanded"), told by its name:
// the font database gives the styles' weights and slants, not their widths.
bool largeur_autre(const QString& style) {
    static const QRegularExpression largeurs(QStringLiteral("(^|[ -])(condensé|étroit|étendu|large)($|[ -])"),
                                             QRegularExpression::CaseInsensitiveOption);
    return largeurs.match(nom_style_francais(style)).hasMatch();
}

// Shows the style list's names in French; the list keeps the fonts' own names, which the dialog
// looks the fonts up by.
class StylesEnFrancais : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& valeur, const QLocale&) const override {
        return nom_style_francais(valeur.toString());
    }
};

// Qt's font dialog as a page, with the colour list under it and the OK and Cancel buttons.
class DialoguePolice : public QDialog {
public:
    DialoguePolice(QWidget* parent, const ChoixPolice& depart) : QDialog(parent) {
        setWindowTitle(QStringLiteral("Police"));
        auto* disposition = new QVBoxLayout(this);
        page_ = new QFontDialog(this);
        page_->setWindowFlags(Qt::Widget);
        page_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        styles_en_francais();
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
    // The page's lists are, in order, the families, the styles and the sizes; the style's box
    // above its list hands the focus to that list.
    void styles_en_francais() {
        const QList<QListView*> listes = page_->findChildren<QListView*>(QString(), Qt::FindDirectChildrenOnly);
        if (listes.size() < 2) return;
        QListView* styles = listes[1];
        styles->setItemDelegate(new StylesEnFrancais(styles));
        // The page fills the list in the fonts' own order and then picks in it: the list is put
        // in order as soon as it is filled.
        if (auto* modele = qobject_cast<QStringListModel*>(styles->model()))
            connect(modele, &QAbstractItemModel::modelReset, this, [familles = listes[0], modele] {
                const QStringList noms = modele->stringList();
                const QStringList ordonnes = styles_en_ordre(familles->currentIndex().data().toString(), noms);
                if (ordonnes != noms) modele->setStringList(ordonnes);
            });
        for (QLineEdit* boite : page_->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (boite->focusProxy() != styles) continue;
            // The page writes the chosen style's own name in the box: it is shown in French.
            auto traduire = [boite] {
                const QString francais = nom_style_francais(boite->text());
                if (francais != boite->text()) boite->setText(francais);
            };
            connect(boite, &QLineEdit::textChanged, boite, traduire);
            traduire();
        }
    }

    // The regular style first (upright, of the normal width, its weight the nearest to the normal
    // one): the page preselects the first style when the font asked for has no style of its name
    // ("Regular" for "Book"). Then the others by weight, upright before slanted, the normal width
    // before the others: "Normal", "Maigre", "Maigre italique", "Italique", "Gras"...
    static QStringList styles_en_ordre(const QString& famille, QStringList noms) {
        if (noms.isEmpty()) return noms;
        auto rang = [&famille](const QString& style) {
            return std::tuple{QFontDatabase::weight(famille, style),
                              int(QFontDatabase::font(famille, style, 12).style()), largeur_autre(style)};
        };
        auto ecart_au_regulier = [&rang](const QString& style) {
            const auto [poids, pente, largeur] = rang(style);
            return std::tuple{largeur, pente != QFont::StyleNormal, std::abs(poids - QFont::Normal), poids};
        };
        std::stable_sort(noms.begin(), noms.end(), [&](const QString& a, const QString& b) { return rang(a) < rang(b); });
        const auto regulier = std::min_element(noms.begin(), noms.end(), [&](const QString& a, const QString& b) {
            return ecart_au_regulier(a) < ecart_au_regulier(b);
        });
        std::rotate(noms.begin(), regulier, regulier + 1);
        return noms;
    }

    QFont depart_;
    QFontDialog* page_;
    QComboBox* couleurs_;
};
}

QString nom_style_francais(const QString& nom) {
    // Words are split at spaces, hyphens and capitals inside a word ("SemiBold").
    static const QRegularExpression coupures(QStringLiteral("[\\s_-]+|(?<=[a-z])(?=[A-Z])"));
    QStringList mots;
    for (const QString& mot : nom.split(coupures, Qt::SkipEmptyParts)) {
        // A word of the font's own (or already French) is left as it is.
        QString traduit = mot;
        for (const MotStyle& m : mots_style)
            if (mot.compare(QLatin1String(m.anglais), Qt::CaseInsensitive) == 0) {
                traduit = QString::fromUtf8(m.francais);
                break;
            }
        mots << traduit;
    }
    QString francais;
    for (int i = 0; i < mots.size(); ++i) {
        francais += mots[i];
        if (i + 1 < mots.size()) francais += prefixe(mots[i]) ? QLatin1Char('-') : QLatin1Char(' ');
    }
    if (!francais.isEmpty()) francais[0] = francais[0].toUpper();
    return francais;
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
    // Qt's own dialog, in French like the others, never the desktop's (which keeps its custom
    // colours in the user's settings).
    const QColor c = QColorDialog::getColor(couleur_vb(depart), parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) return std::nullopt;
    return vers_bgr(c);
}
