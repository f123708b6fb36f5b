#include "platform/aide.h"

#include "platform/fenetre.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QPointer<QWidget> fenetre;
QPointer<QTextBrowser> navigateur;
int sujet_courant = 0;

class FiltreF1 : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* touche = static_cast<QKeyEvent*>(e);
        if (touche->key() != Qt::Key_F1 || touche->isAutoRepeat()) return false;
        auto* w = qobject_cast<QWidget*>(objet);
        if (!w) return false;
        auto* f = qobject_cast<Fenetre*>(w->window());
        if (!f) return false;
        aide::ouvrir(f->HelpContextID);
        return true;
    }
};

QString page_du_sujet(int sujet) {
    const QString page = QStringLiteral(":/assets/aide/sujet_%1.html").arg(sujet);
    return QFile::exists(page) ? page : QStringLiteral(":/assets/aide/sommaire.html");
}
}

namespace aide {
bool sujet_a_sa_page(int sujet) { return page_du_sujet(sujet) != QStringLiteral(":/assets/aide/sommaire.html"); }

void installer_touche_f1() {
    static FiltreF1* filtre = nullptr;
    if (filtre) return;
    filtre = new FiltreF1(qApp);
    qApp->installEventFilter(filtre);
}

void ouvrir(int sujet) {
    if (!fenetre) {
        fenetre = new QWidget(nullptr, Qt::Window);
        fenetre->setAttribute(Qt::WA_DeleteOnClose, false);
        fenetre->setWindowTitle(QStringLiteral("Aide de Vantarel"));
        auto* disposition = new QVBoxLayout(fenetre);
        disposition->setContentsMargins(0, 0, 0, 0);
        navigateur = new QTextBrowser(fenetre);
        navigateur->setOpenLinks(true);
        disposition->addWidget(navigateur);
        fenetre->resize(640, 480);
    }
    sujet_courant = sujet;
    navigateur->setSource(QUrl(QStringLiteral("qrc") + page_du_sujet(sujet)));
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

void envoyer_f1(QWidget* repli) {
    QWidget* cible = QApplication::focusWidget();
    if (!cible) cible = QApplication::activeWindow();
    if (!cible) cible = repli;
    if (!cible) return;
    QCoreApplication::postEvent(cible, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
}

int sujet_affiche() { return fenetre ? sujet_courant : 0; }
QWidget* fenetre_aide() { return fenetre.data(); }

void fermer() {
    delete fenetre.data();
    sujet_courant = 0;
}
}
