#include "platform/messages.h"

#include "platform/attente.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

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

int MsgBox(const QString& texte, int style, const QString& titre) {
    const QString titre_montre = titre.isEmpty() ? titre_application : titre;
    if (crochet_actif) return crochet_actif(texte, style, titre_montre);

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
    {
        const AttenteEvenements attente;
        boite.exec();
    }
    const auto clique = boite.standardButton(boite.clickedButton());
    for (const Bouton& b : boutons)
        if (b.standard == clique) return b.code;
    return boutons.size() == 1 ? vb::vbOK : vb::vbCancel;
}
