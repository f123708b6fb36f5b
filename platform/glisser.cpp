#include "platform/glisser.h"

#include "platform/sans_fenetre.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <unordered_map>

namespace glisser {
namespace {

// What one control has registered.
struct Inscription {
    GestionDragOver sur_survol;
    GestionDragDrop sur_depot;
    NoticeFin notice;
    int mode = manuel;
    QImage icone;
};

// A control under the pointer: the control, the widget that holds it (itself, or the container of
// a windowless control) and the control's rectangle in that widget's pixels.
struct Cible {
    QPointer<QObject> controle;
    QPointer<QWidget> widget;
    QRectF zone;
    // The pointer in the control's own pixels.
    QPointF local(QPointF ecran) const { return widget->mapFromGlobal(ecran) - zone.topLeft(); }
    // The control's top-left corner on the screen.
    QPointF coin() const { return widget->mapToGlobal(zone.topLeft()); }
};

// The image that follows the pointer: a child of the window under the pointer, in front of its
// other children, that takes no mouse.
class ImageGlisse : public QWidget {
public:
    explicit ImageGlisse(QWidget* fenetre) : QWidget(fenetre) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("image_du_glisser"));
    }
    // Shows the icon centred on the point, or the outline with its corner at coin (window pixels).
    void montrer(const QImage& icone, QPointF point, QPointF coin, QSizeF taille) {
        const QRect avant = zone_;
        icone_ = icone;
        if (!icone.isNull())
            zone_ = QRect(QPoint(int(std::floor(point.x())), int(std::floor(point.y()))) -
                              QPoint(icone.width() / 2, icone.height() / 2),
                          icone.size());
        else
            zone_ = QRect(QPoint(int(std::floor(coin.x())), int(std::floor(coin.y()))), taille.toSize());
        setGeometry(parentWidget()->rect());
        if (!devant()) raise();
        show();
        update(QRegion(avant) + zone_);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!icone_.isNull()) {
            p.drawImage(zone_.topLeft(), icone_);
            return;
        }
        // The outline: a grey frame two pixels thick along the inside of the rectangle.
        const QColor gris(0x80, 0x80, 0x80);
        const QRect z = zone_;
        if (z.width() <= 4 || z.height() <= 4) {
            p.fillRect(z, gris);
            return;
        }
        p.fillRect(QRect(z.left(), z.top(), z.width(), 2), gris);
        p.fillRect(QRect(z.left(), z.bottom() - 1, z.width(), 2), gris);
        p.fillRect(QRect(z.left(), z.top() + 2, 2, z.height() - 4), gris);
        p.fillRect(QRect(z.right() - 1, z.top() + 2, 2, z.height() - 4), gris);
    }

private:
    // In front of the window's other child widgets (raising repaints the whole window).
    bool devant() const {
        const QObjectList& freres = parentWidget()->children();
        for (auto it = freres.crbegin(); it != freres.crend(); ++it)
            if ((*it)->isWidgetType()) return *it == this;
        return false;
    }
    QImage icone_;
    QRect zone_;
};

QPoint pixel(QPointF p) { return QPoint(int(std::floor(p.x())), int(std::floor(p.y()))); }

class Controleur : public QObject {
public:
    static Controleur& instance() {
        static QPointer<Controleur> unique;
        if (!unique) {
            unique = new Controleur(qApp);
            qApp->installEventFilter(unique);
        }
        return *unique;
    }

    Inscription& inscrire(QObject* controle) {
        auto it = inscriptions_.find(controle);
        if (it == inscriptions_.end()) {
            it = inscriptions_.emplace(controle, Inscription{}).first;
            connect(controle, &QObject::destroyed, this, [this](QObject* o) { inscriptions_.erase(o); });
        }
        return it->second;
    }
    const Inscription* inscription(const QObject* controle) const {
        const auto it = inscriptions_.find(controle);
        return it == inscriptions_.end() ? nullptr : &it->second;
    }

    void declarer(QWidget* conteneur, RechercheSansFenetre recherche) {
        if (!recherche) {
            sans_fenetre_.erase(conteneur);
            return;
        }
        if (!sans_fenetre_.count(conteneur))
            connect(conteneur, &QObject::destroyed, this, [this](QObject* o) { sans_fenetre_.erase(o); });
        sans_fenetre_[conteneur] = std::move(recherche);
    }

    bool en_cours() const { return en_cours_; }
    QObject* source() const { return en_cours_ ? source_.data() : nullptr; }
    QPointF pointeur() const { return pointeur_connu_ ? pointeur_ : QPointF(QCursor::pos()); }

    // Begins dragging the control from the pointer's place.
    void commencer_par_code(QObject* source) {
        if (!source) return;
        const QPointF ici = pointeur();
        QPointF saisie;
        QSizeF taille;
        if (source->isWidgetType()) {
            auto* w = static_cast<QWidget*>(source);
            saisie = ici - w->mapToGlobal(QPointF(0, 0));
            taille = w->size();
        } else {
            // A windowless control: its rectangle is known where the pointer finds it.
            const Cible c = cible_a(ici);
            if (c.controle == source) {
                saisie = ici - c.coin();
                taille = c.zone.size();
            }
        }
        commencer(source, saisie, taille, boutons_);
    }

    void annuler_glisser() {
        if (!en_cours_) return;
        QPointer<QObject> source = source_;
        arreter();
        noter_fin(source, false);
    }

    void deplacer(QPointF ecran) {
        pointeur_ = ecran;
        pointeur_connu_ = true;
        if (!en_cours_) return;
        if (!source_) {
            arreter();
            return;
        }
        const Cible c = cible_a(ecran);
        if (c.controle != courante_.controle) {
            const Cible ancienne = courante_;
            courante_ = c;
            survoler(ancienne, ecran, sortie);
            if (!en_cours_) return;
            survoler(c, ecran, entree);
        } else {
            survoler(c, ecran, survol);
        }
        if (en_cours_) montrer_image();
    }

    void relacher(QPointF ecran) {
        pointeur_ = ecran;
        pointeur_connu_ = true;
        if (!en_cours_) return;
        QPointer<QObject> source = source_;
        const Cible c = source ? cible_a(ecran) : Cible{};
        arreter();
        if (!source) return;
        bool depot = false;
        if (const Inscription* i = c.controle ? inscription(c.controle) : nullptr; i && i->sur_depot) {
            const GestionDragDrop gestion = i->sur_depot;  // a copy: the handler may register others
            const QPointF p = c.local(ecran);
            gestion(source, float(p.x()), float(p.y()));
            depot = true;
        }
        noter_fin(source, depot);
    }

    void deposer() { relacher(pointeur()); }

    void icone_changee(const QObject* controle) {
        if (en_cours_ && source_ == controle) montrer_image();
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        const auto type = e->type();
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
            type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
            return false;
        // Only the widgets' events: the window's own event must reach Qt, which keeps the grab.
        if (!objet->isWidgetType() || objet == image_.data()) return false;
        auto* souris = static_cast<QMouseEvent*>(e);
        const QPointF ecran = souris->globalPosition();
        boutons_ = souris->buttons();
        if (en_cours_) {
            if (type == QEvent::MouseMove) {
                // The button went up where no release reached us: the drag ends without a drop.
                if (boutons_depart_ != Qt::NoButton && boutons_ == Qt::NoButton)
                    annuler_glisser();
                else
                    deplacer(ecran);
            } else if (type == QEvent::MouseButtonRelease && boutons_ == Qt::NoButton) {
                relacher(ecran);
            }
            e->accept();
            return true;
        }
        pointeur_ = ecran;
        pointeur_connu_ = true;
        if (attente_) return attendre(type, souris);
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
            souris->button() == Qt::LeftButton)
            armer(static_cast<QWidget*>(objet), ecran);
        return false;
    }

private:
    using QObject::QObject;

    void commencer(QObject* source, QPointF saisie, QSizeF taille, Qt::MouseButtons boutons) {
        annuler_glisser();
        attente_ = false;
        source_ = source;
        saisie_ = saisie;
        taille_ = taille;
        boutons_depart_ = boutons;
        courante_ = Cible{};
        en_cours_ = true;
        connect(source, &QObject::destroyed, this, &Controleur::source_detruite, Qt::UniqueConnection);
        deplacer(pointeur());
    }

    // QWidget announces its destruction before its guards are cleared: compare the pointer.
    void source_detruite(QObject* objet) {
        if (en_cours_ && (!source_ || source_.data() == objet)) arreter();
    }

    void arreter() {
        en_cours_ = false;
        if (source_) disconnect(source_, &QObject::destroyed, this, &Controleur::source_detruite);
        source_ = nullptr;
        courante_ = Cible{};
        delete image_;
    }

    void noter_fin(QObject* source, bool depot) {
        if (!source) return;
        if (const Inscription* i = inscription(source); i && i->notice) {
            const NoticeFin notice = i->notice;
            notice(depot);
        }
    }

    void survoler(const Cible& c, QPointF ecran, int etat) {
        if (!c.controle || !c.widget) return;
        const Inscription* i = inscription(c.controle);
        if (!i || !i->sur_survol) return;
        const GestionDragOver gestion = i->sur_survol;
        const QPointF p = c.local(ecran);
        gestion(source_, float(p.x()), float(p.y()), etat);
    }

    // A left press: the control pressed, if it is in automatic mode, waits for the pointer to move.
    void armer(QWidget* presse, QPointF ecran) {
        Cible c = windowless_a(presse, presse->mapFromGlobal(ecran));
        const Inscription* i = c.controle ? inscription(c.controle) : nullptr;
        if (!i || i->mode != automatique) {
            c = Cible{presse, presse, QRectF(QPointF(0, 0), QSizeF(presse->size()))};
            i = inscription(presse);
        }
        if (!i || i->mode != automatique) return;
        attente_ = true;
        attente_source_ = c.controle;
        attente_depart_ = ecran;
        attente_saisie_ = ecran - c.coin();
        attente_taille_ = c.zone.size();
    }

    // While an automatic control waits: a move of the start distance begins its drag; the moves
    // before it are the drag's and reach no control; a release first is a click.
    bool attendre(QEvent::Type type, QMouseEvent* souris) {
        if (type == QEvent::MouseButtonRelease || !(boutons_ & Qt::LeftButton) || !attente_source_) {
            attente_ = false;
            return false;
        }
        if (type != QEvent::MouseMove) return false;
        if ((souris->globalPosition() - attente_depart_).manhattanLength() >= QApplication::startDragDistance())
            commencer(attente_source_, attente_saisie_, attente_taille_, boutons_);
        souris->accept();
        return true;
    }

    // The windowless control declared by the widget at a point of it, or a null one.
    Cible windowless_a(QWidget* w, QPointF point) const {
        const auto it = sans_fenetre_.find(w);
        if (it == sans_fenetre_.end()) return {};
        const SansFenetre e = it->second(point);
        if (!e.controle) return {};
        return Cible{e.controle, w, e.zone};
    }

    // The visible top-level window at a screen point: the one the platform names, else the
    // source's, else any.
    QWidget* fenetre_a(QPoint ecran) const {
        QList<QWidget*> candidates;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->isVisible() && !t->isMinimized() && t->geometry().contains(ecran)) candidates.append(t);
        if (candidates.isEmpty()) return nullptr;
        if (QWindow* w = QGuiApplication::topLevelAt(ecran))
            for (QWidget* t : candidates)
                if (t->windowHandle() == w) return t;
        if (auto* s = qobject_cast<QWidget*>(source_.data()); s && candidates.contains(s->window()))
            return s->window();
        return candidates.constFirst();
    }

    // The front-most child of w that takes the mouse at a point of w, descending; w itself if none.
    static QWidget* enfant_a(QWidget* w, QPointF point) {
        const QObjectList& enfants = w->children();
        for (auto it = enfants.crbegin(); it != enfants.crend(); ++it) {
            if (!(*it)->isWidgetType()) continue;
            auto* c = static_cast<QWidget*>(*it);
            if (c->isWindow() || !c->isVisible() || !c->isEnabled() ||
                c->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            const QPointF dedans = point - QPointF(c->pos());
            const QPoint px = pixel(dedans);
            if (!c->rect().contains(px)) continue;
            if (const QRegion masque = c->mask(); !masque.isEmpty() && !masque.contains(px)) continue;
            return enfant_a(c, dedans);
        }
        return w;
    }

    Cible cible_a(QPointF ecran) const {
        QWidget* haut = fenetre_a(pixel(ecran));
        if (!haut || !haut->isEnabled()) return {};
        QWidget* w = enfant_a(haut, haut->mapFromGlobal(ecran));
        if (Cible c = windowless_a(w, w->mapFromGlobal(ecran)); c.controle) return c;
        return Cible{w, w, QRectF(QPointF(0, 0), QSizeF(w->size()))};
    }

    void montrer_image() {
        QWidget* haut = fenetre_a(pixel(pointeur_));
        if (image_ && image_->parentWidget() != haut) delete image_;
        if (!haut) return;
        if (!image_) image_ = new ImageGlisse(haut);
        const Inscription* i = inscription(source_);
        const QImage icone = i ? i->icone : QImage();
        image_->montrer(icone, haut->mapFromGlobal(pointeur_), haut->mapFromGlobal(pointeur_ - saisie_), taille_);
    }

    std::unordered_map<const QObject*, Inscription> inscriptions_;
    std::unordered_map<const QObject*, RechercheSansFenetre> sans_fenetre_;
    QPointF pointeur_;
    bool pointeur_connu_ = false;
    Qt::MouseButtons boutons_ = Qt::NoButton;
    // The drag.
    bool en_cours_ = false;
    QPointer<QObject> source_;
    QPointF saisie_;
    QSizeF taille_;
    Qt::MouseButtons boutons_depart_ = Qt::NoButton;
    Cible courante_;
    QPointer<ImageGlisse> image_;
    // A left press on a control in automatic mode, waiting for the pointer to move.
    bool attente_ = false;
    QPointer<QObject> attente_source_;
    QPointF attente_depart_;
    QPointF attente_saisie_;
    QSizeF attente_taille_;
};

}  // namespace

void DragOver(QObject* controle, GestionDragOver gestion) {
    Controleur::instance().inscrire(controle).sur_survol = std::move(gestion);
}
void DragDrop(QObject* controle, GestionDragDrop gestion) {
    Controleur::instance().inscrire(controle).sur_depot = std::move(gestion);
}
void fin_du_glisser(QObject* controle, NoticeFin notice) {
    Controleur::instance().inscrire(controle).notice = std::move(notice);
}

bool prend_les_depots(const QObject* controle) {
    const Inscription* i = Controleur::instance().inscription(controle);
    return i && i->sur_depot;
}
void DragMode(QObject* controle, int mode) { Controleur::instance().inscrire(controle).mode = mode; }
int DragMode(const QObject* controle) {
    const Inscription* i = Controleur::instance().inscription(controle);
    return i ? i->mode : manuel;
}
void DragIcon(QObject* controle, const QImage& icone) {
    Controleur::instance().inscrire(controle).icone = icone;
    Controleur::instance().icone_changee(controle);
}
QImage DragIcon(const QObject* controle) {
    const Inscription* i = Controleur::instance().inscription(controle);
    return i ? i->icone : QImage();
}
void copier_reglages(const QObject* modele, QObject* copie) {
    DragMode(copie, DragMode(modele));
    DragIcon(copie, DragIcon(modele));
}

void Drag(QObject* source, int action) {
    Controleur& c = Controleur::instance();
    if (action == commencer) {
        c.commencer_par_code(source);
    } else if (c.en_cours() && (!source || c.source() == source)) {
        if (action == deposer)
            c.deposer();
        else
            c.annuler_glisser();
    }
}
bool en_cours() { return Controleur::instance().en_cours(); }
QObject* source() { return Controleur::instance().source(); }

void deplacer(QPointF ecran) { Controleur::instance().deplacer(ecran); }
void relacher(QPointF ecran) { Controleur::instance().relacher(ecran); }
QPointF pointeur() { return Controleur::instance().pointeur(); }

void declarer_sans_fenetre(QWidget* conteneur, RechercheSansFenetre recherche) {
    Controleur::instance().declarer(conteneur, std::move(recherche));
}

void declarer_etiquettes(QWidget* conteneur) {
    declarer_sans_fenetre(conteneur, [conteneur](QPointF point) {
        const CoucheSansFenetre* couche = CoucheSansFenetre::si_existe(conteneur);
        EtiquetteSansFenetre* e = couche ? couche->etiquette_a(point) : nullptr;
        return e ? SansFenetre{e, e->zone()} : SansFenetre{};
    });
}

}  // namespace glisser
