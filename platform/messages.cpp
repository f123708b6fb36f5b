#include "platform/messages.h"

#include "platform/attente.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {
CrochetMessages crochet_actif;

struct Bouton {
    QMessageBox::StandardButton standard;
    int code;
};

// A Yes/No box has no answer for Escape or the close box: both do nothing, as in the run time.
class BoiteSansEchappement : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool sans_echappement = false;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (sans_echappement && e->key() == Qt::Key_Escape) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (sans_echappement && !clickedButton()) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }
};

constexpr char16_t isolement_gauche_a_droite = u'\x2066';  // LRI
constexpr char16_t isolement_selon_le_texte = u'\x2068';   // FSI
constexpr char16_t fin_d_isolement = u'\x2069';            // PDI
constexpr char16_t coupure_possible = u'\x200B';           // zero-width space
constexpr char16_t sans_coupure = u'\x2060';               // word joiner
// The widest a message's text is laid out before it goes to the next line, in pixels.
constexpr int largeur_texte_maximale = 500;

// A text as the box shows it: the characters added for the display only are listed, so that
// what is selected of it can be given back as the text's own characters.
struct TexteMontre {
    QString montre;
    QList<qsizetype> ajouts;  // their places in what is shown, increasing

    void ajouter(QChar c) {
        ajouts.append(montre.size());
        montre += c;
    }
    // How many of the text's own characters come before that place of what is shown.
    qsizetype propres_avant(qsizetype place) const {
        return place - (std::lower_bound(ajouts.cbegin(), ajouts.cend(), place) - ajouts.cbegin());
    }
};

// A name's extension stays with it: a line ends only after a folder's separator or an underscore.
bool separateur(QChar c) { return QStringLiteral("/\\_").contains(c); }

bool droite_a_gauche(const QString& texte) {
    for (char32_t c : texte.toUcs4())
        if (QChar::direction(c) == QChar::DirR || QChar::direction(c) == QChar::DirAL) return true;
    return false;
}

// The path kept apart from the sentence and read left to right, each part in a right-to-left
// script kept apart too; a place to go to the next line after each separator, none between a
// drive and the separator after it.
void ajouter_chemin(TexteMontre& t, const QString& chemin) {
    t.ajouter(QChar(isolement_gauche_a_droite));
    qsizetype debut = 0;
    for (qsizetype i = 0; i <= chemin.size(); ++i) {
        if (i < chemin.size() && !separateur(chemin.at(i))) continue;
        const QString partie = chemin.mid(debut, i - debut);
        const bool isolee = droite_a_gauche(partie);
        if (isolee) t.ajouter(QChar(isolement_selon_le_texte));
        t.montre += partie;
        if (isolee) t.ajouter(QChar(fin_d_isolement));
        if (i < chemin.size()) {
            const bool lecteur = partie.endsWith(QLatin1Char(':'));
            if (lecteur) t.ajouter(QChar(sans_coupure));
            t.montre += chemin.at(i);
            if (!lecteur) t.ajouter(QChar(coupure_possible));
        }
        debut = i + 1;
    }
    t.ajouter(QChar(fin_d_isolement));
}

// A message's text, selectable, wrapped within the box's width; a copy, a drag or the mouse
// selection gives the text's own characters, never those added for the display.
class TexteSelectionnable : public QTextEdit {
public:
    TexteSelectionnable(const QString& texte, const TexteMontre& montre, QWidget* parent)
        : QTextEdit(parent), texte_(texte), montre_(montre) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::ClickFocus);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        viewport()->setAutoFillBackground(false);
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        document()->setDocumentMargin(0);
        setPlainText(montre.montre);
        QSizePolicy politique(QSizePolicy::Preferred, QSizePolicy::Preferred);
        politique.setHeightForWidth(true);
        setSizePolicy(politique);
    }

    QString texte_selectionne() const {
        const QTextCursor c = textCursor();
        const qsizetype debut = montre_.propres_avant(c.selectionStart());
        return texte_.mid(debut, montre_.propres_avant(c.selectionEnd()) - debut);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override { return int(std::ceil(mise_en_page(largeur)->size().height())); }
    // As wide as the text on one line, up to the widest a message is laid out.
    QSize minimumSizeHint() const override {
        const int largeur = std::min(int(std::ceil(mise_en_page(-1)->size().width())), largeur_texte_maximale);
        return {largeur, heightForWidth(largeur)};
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    // The text laid out at that width (none: on one line), apart from what is shown.
    std::unique_ptr<QTextDocument> mise_en_page(int largeur) const {
        std::unique_ptr<QTextDocument> d(document()->clone());
        d->setTextWidth(largeur);
        return d;
    }
    QMimeData* createMimeDataFromSelection() const override {
        auto* donnees = new QMimeData;
        donnees->setText(texte_selectionne());
        return donnees;
    }

private:
    QString texte_;
    TexteMontre montre_;
};

QList<Bouton> boutons_du_style(int style) {
    switch (style & 0x0F) {
    case vb::vbOKCancel: return {{QMessageBox::Ok, vb::vbOK}, {QMessageBox::Cancel, vb::vbCancel}};
    case vb::vbAbortRetryIgnore:
        return {{QMessageBox::Abort, vb::vbAbort}, {QMessageBox::Retry, vb::vbRetry}, {QMessageBox::Ignore, vb::vbIgnore}};
    case vb::vbYesNoCancel:
        return {{QMessageBox::Yes, vb::vbYes}, {QMessageBox::No, vb::vbNo}, {QMessageBox::Cancel, vb::vbCancel}};
    case vb::vbYesNo: return {{QMessageBox::Yes, vb::vbYes}, {QMessageBox::No, vb::vbNo}};
    case vb::vbRetryCancel: return {{QMessageBox::Retry, vb::vbRetry}, {QMessageBox::Cancel, vb::vbCancel}};
    default: return {{QMessageBox::Ok, vb::vbOK}};
    }
}
}

void installer_crochet_messages(CrochetMessages crochet) { crochet_actif = std::move(crochet); }

namespace {
int montrer_boite(const QString& texte, const TexteMontre* montre, int style, const QString& titre_montre) {
    BoiteSansEchappement boite(QApplication::activeWindow());
    boite.setWindowTitle(titre_montre);
    boite.setTextFormat(Qt::PlainText);
    boite.setText(texte);
    switch (style & 0x70) {
    case vb::vbCritical: boite.setIcon(QMessageBox::Critical); break;
    case vb::vbQuestion: boite.setIcon(QMessageBox::Question); break;
    case vb::vbExclamation: boite.setIcon(QMessageBox::Warning); break;
    case vb::vbInformation: boite.setIcon(QMessageBox::Information); break;
    default: boite.setIcon(QMessageBox::NoIcon); break;
    }
    const QList<Bouton> boutons = boutons_du_style(style);
    QMessageBox::StandardButtons ensemble;
    for (const Bouton& b : boutons) ensemble |= b.standard;
    boite.setStandardButtons(ensemble);
    const int defaut = (style >> 8) & 0x03;
    boite.setDefaultButton(boutons.value(defaut, boutons.first()).standard);
    // The close box of a box with a Cancel button answers Cancel, as the run time did.
    bool echappement = false;
    for (const Bouton& b : boutons)
        if (b.code == vb::vbCancel || boutons.size() == 1) {
            boite.setEscapeButton(b.standard);
            echappement = true;
        }
    boite.sans_echappement = !echappement;
    if (montre) {
        // The text takes the label's place in the box's grid.
        auto* etiquette = boite.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        auto* grille = qobject_cast<QGridLayout*>(boite.layout());
        if (etiquette && grille) {
            int ligne = 0, colonne = 0, lignes = 0, colonnes = 0;
            grille->getItemPosition(grille->indexOf(etiquette), &ligne, &colonne, &lignes, &colonnes);
            etiquette->hide();
            grille->addWidget(new TexteSelectionnable(texte, *montre, &boite), ligne, colonne, lignes, colonnes);
        }
    }
    {
        const AttenteEvenements attente;
        boite.exec();
    }
    const auto clique = boite.standardButton(boite.clickedButton());
    for (const Bouton& b : boutons)
        if (b.standard == clique) return b.code;
    return boutons.size() == 1 ? vb::vbOK : vb::vbCancel;
}
}

int MsgBox(const QString& texte, int style, const QString& titre) {
    const QString titre_montre = titre.isEmpty() ? titre_application : titre;
    if (crochet_actif) return crochet_actif(texte, style, titre_montre);
    return montrer_boite(texte, nullptr, style, titre_montre);
}

int MsgBoxFichier(const QString& texte, const QString& chemin, const QString& suite, int style, const QString& titre) {
    const QString entier = texte + chemin + suite;
    const QString titre_montre = titre.isEmpty() ? titre_application : titre;
    if (crochet_actif) return crochet_actif(entier, style, titre_montre);
    TexteMontre montre{texte, {}};
    ajouter_chemin(montre, chemin);
    montre.montre += suite;
    return montrer_boite(entier, &montre, style, titre_montre);
}
