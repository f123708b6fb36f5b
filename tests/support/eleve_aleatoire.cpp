#include "tests/support/eleve_aleatoire.h"

#include "frame/demarrage.h"
#include "frame/etat.h"
#include "frame/form1.h"
#include "frame/identification.h"
#include "frame/options_dialogues.h"
#include "frame/registre_activites.h"
#include "platform/aide.h"
#include "platform/calculatrice.h"
#include "platform/dialogues.h"
#include "platform/dialogues_communs.h"
#include "platform/fenetre.h"
#include "platform/glisser.h"
#include "platform/imprimante.h"
#include "platform/menu_contextuel.h"
#include "platform/messages.h"
#include "platform/sans_fenetre.h"
#include "tests/support/fixture.h"
#include "tests/support/imprimante_factice.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// --- The last steps, kept for the report of a failure, a crash or a hang -------------------

constexpr std::size_t pas_gardes = 30;

struct Journal {
    std::mutex verrou;
    std::uint32_t graine = 0;
    int nombre_pas = 0;
    std::deque<std::pair<int, std::string>> derniers;  // step number, what was done

    void noter(int pas, const QString& texte) {
        std::lock_guard<std::mutex> garde(verrou);
        for (auto it = derniers.rbegin(); it != derniers.rend(); ++it)
            if (it->first == pas) {
                it->second += "\n      " + texte.toStdString();
                return;
            }
        derniers.emplace_back(pas, texte.toStdString());
        while (derniers.size() > pas_gardes) derniers.pop_front();
    }
    std::string texte() {
        std::lock_guard<std::mutex> garde(verrou);
        std::string t = "random pupil: seed " + std::to_string(graine) + ", count " + std::to_string(nombre_pas) +
                        " (replay: same seed and count)\nlast steps:\n";
        for (const auto& [pas, action] : derniers) t += "  #" + std::to_string(pas) + " " + action + "\n";
        return t;
    }
};

Journal journal;
std::atomic<bool> journal_actif{false};
std::atomic<long long> dernier_progres_ms{0};

long long maintenant_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Written with write(2): the process is dying, the journal's text is made before the lock that a
// crash inside a step could hold (the try-lock gives up rather than wait).
void ecrire_journal_mourant() {
    if (!journal_actif.load()) return;
    if (!journal.verrou.try_lock()) {
        const char m[] = "random pupil: crash (journal busy)\n";
        [[maybe_unused]] auto n = ::write(2, m, sizeof m - 1);
        return;
    }
    journal.verrou.unlock();
    const std::string t = journal.texte();
    [[maybe_unused]] auto n = ::write(2, t.data(), t.size());
}

void signal_fatal(int numero) {
    char m[64];
    const int n = std::snprintf(m, sizeof m, "random pupil: signal %d\n", numero);
    if (n > 0) {
        [[maybe_unused]] auto e = ::write(2, m, std::size_t(n));
    }
    ecrire_journal_mourant();
    std::signal(numero, SIG_DFL);
    std::raise(numero);
}

void installer_rapport_de_crash() {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer reports the fault itself, then calls this before the process ends.
    __sanitizer_set_death_callback(&ecrire_journal_mourant);
    std::signal(SIGABRT, &signal_fatal);
#else
    for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(s, &signal_fatal);
#endif
}

QtMessageHandler gestionnaire_precedent = nullptr;
void filtrer_messages(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    // The offscreen platform's notes on what it cannot do (raise, grab the keyboard, ...).
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (gestionnaire_precedent) gestionnaire_precedent(type, contexte, message);
}

// --- The pupil ----------------------------------------------------------------------------

const QStringList extensions_surveillees = {QStringLiteral("*.doc"), QStringLiteral("*.bmp")};

QString nom_fenetre(const QWidget* f) {
    // The window's own name, as the program registers it (one class may serve several).
    for (const FenetreDeLaPasse& p : fenetres_par_adaptation())
        if (p.si_chargee() == f) return p.nom;
    if (f == aide::fenetre_aide()) return QStringLiteral("(help)");
    return QString::fromLatin1(f->metaObject()->className());
}

class Eleve {
public:
    Eleve(std::uint32_t graine, int nombre_pas);
    ~Eleve();
    BilanEleve courir();

private:
    // Scheduling and checks.
    void planifier(int ms);
    void pas();
    void demarrer_programme_choisi();
    QString verifier();
    QString verrou_present() const;
    QString etat_fenetres() const;
    QHash<QString, QDateTime> fichiers_hors_choix() const;
    void compter_et_vider_choix();

    // Actions.
    void agir();
    void agir_sur_popup(QWidget* popup);
    void cliquer(Qt::MouseButton bouton, bool double_clic);
    void glisser(bool vers_autre);
    void glisser_entre_depots();
    // Purposeful moves on a drawing sheet: a drag across the sheet (a stroke or a selection
    // frame, as the tool chosen makes it), a small handle dragged onto the sheet, a windowless
    // label dragged on its container, a right press on a control that takes drops.
    void glisser_sur_feuille();
    void glisser_poignee();
    void glisser_etiquette();
    void clic_droit_sur_depot();
    void choisir_outil();
    // The widest visible control of the window that takes drops (its sheet), if any.
    QWidget* feuille(QWidget* fenetre) const;
    // Press, moves with the button held, release (window coordinates of f; the end may lie
    // outside it, in another window).
    void faire_glisser(QWidget* f, const QString& source, QPoint depart, const QString& cible, QPoint arrivee);
    void survoler();
    void taper_texte();
    void taper_dans_boite(QWidget* f, QLineEdit* e, const QString& quoi);
    void taper_touche();
    void declencher_action();
    void fermer_fenetre();
    void cliquer_etiquette();
    // The windowless labels the pupil sees, with their windows; only those lying on a control
    // that takes drops (notes on a sheet) when sur_feuille.
    QList<QPair<QWidget*, EtiquetteSansFenetre*>> etiquettes_visibles(bool sur_feuille) const;
    bool fermer_un_dialogue();
    bool regler_dossier();
    // The teacher at a shown options dialog: the Word box ticked before the folder can be set;
    // then, now and then, the box ticked or unticked, "Valider" or "Annuler".
    bool regler_options();
    // The teacher at the main window opens an options dialog through the "Options" menu.
    void ouvrir_options();
    // The pupil works through its exercise: an empty box filled (a name, a blank), an answer
    // chosen, "Valider..." or "Continuer".
    void travailler();
    // Per window, the kinds of its controls that make the work go on.
    QList<QList<QPair<QWidget*, QWidget*>>> controles_du_travail() const;
    // A click where the pupil sees the control, when such a point is found.
    bool cliquer_sur(QWidget* fenetre, QWidget* controle, const QString& quoi);

    // What the pupil sees.
    QList<QWidget*> fenetres_visibles() const;
    QList<QWidget*> controles(QWidget* fenetre) const;
    QWidget* fenetre_au_hasard();
    QWidget* controle_au_hasard(QWidget* fenetre);
    // A control and a point of it (window coordinates) where the pupil sees it: not covered
    // by another control nor cut off by its container, when one such point is found.
    std::pair<QWidget*, QPoint> cible_au_hasard(QWidget* fenetre);
    // The visible controls that take drops, with their windows.
    QList<QPair<QWidget*, QWidget*>> controles_depots() const;
    // A point of the control (window coordinates) where the pupil sees it, when one is found.
    std::optional<QPoint> point_visible(QWidget* fenetre, QWidget* controle);
    QPoint point_dans(QWidget* controle);
    QString nom(const QWidget* w) const;
    QString texte_au_hasard();
    QString dossier_choisi_au_hasard();

    // Sending input to the QWindow of a top-level widget, at its window coordinates.
    void souris(QEvent::Type type, QWidget* haut, QPoint p, Qt::MouseButton bouton,
                Qt::KeyboardModifiers touches = Qt::NoModifier);
    void taper_dans(QWidget* haut, const QString& texte);
    void touche(QWidget* haut, int code, const QString& texte = QString(),
                Qt::KeyboardModifiers touches = Qt::NoModifier);

    int hasard(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(gen_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(gen_) < p; }
    void noter(const QString& texte) { journal.noter(courant_, texte); }
    void compter(const QString& action) { ++bilan_.actions[action]; }
    void regarder();

    std::mt19937 gen_;
    int nombre_pas_;
    int fait_ = 0;
    int courant_ = 0;     // the step whose action runs now (the innermost one)
    int profondeur_ = 0;  // steps on the stack: more than one while a step's action waits in a loop
    bool fini_ = false;
    int apres_la_fin_ = 0;
    int essais_fermeture_ = 0;  // steps made after the end, to let waiting handlers return
    Qt::MouseButtons boutons_;  // the buttons held
    int verrou_pas_ = 0;  // consecutive checks that found the program locked
    QElapsedTimer verrou_duree_;
    QElapsedTimer depuis_action_;
    QObject contexte_;
    QTemporaryDir racine_;
    QString choix_;     // the chosen folders' parent
    QString courant_dossier_;
    QString dossier_precedent_;
    QString dossier_programme_;
    QHash<QString, QDateTime> hors_choix_depart_;
    QSet<const QWidget*> vus_;             // the controls seen at the last step (never dereferenced)
    QList<QPointer<QWidget>> nouveaux_;  // the controls that appeared since the last step
    ImprimanteFactice imprimante_;
    BilanEleve bilan_;
};

Eleve::Eleve(std::uint32_t graine, int nombre_pas) : gen_(graine), nombre_pas_(nombre_pas) {
    {
        std::lock_guard<std::mutex> garde(journal.verrou);
        journal.graine = graine;
        journal.nombre_pas = nombre_pas;
        journal.derniers.clear();
    }
    choix_ = racine_.path() + "/choisis";
    for (const char* d : {"qcm", "schemas", "textes", "images", "lecture_seule"}) QDir().mkpath(choix_ + "/" + d);
    // Report folders where nothing can be written: one read-only, one under a plain file (the
    // read-only one is writable all the same to the superuser); "absent" is never made.
    QFile(choix_ + "/lecture_seule").setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QFile fichier(choix_ + "/fichier");
    fichier.open(QIODevice::WriteOnly);
    courant_dossier_ = racine_.path() + "/courant";
    QDir().mkpath(courant_dossier_);
    dossier_precedent_ = QDir::currentPath();
    QDir::setCurrent(courant_dossier_);
    dossier_programme_ = QCoreApplication::applicationDirPath();
    gestionnaire_precedent = qInstallMessageHandler(&filtrer_messages);
    installer_pilote_impression(&imprimante_);

    installer_crochet_messages([this](const QString& texte, int style, const QString&) {
        static const QList<int> boutons[] = {{vb::vbOK},
                                             {vb::vbOK, vb::vbCancel},
                                             {vb::vbAbort, vb::vbRetry, vb::vbIgnore},
                                             {vb::vbYes, vb::vbNo, vb::vbCancel},
                                             {vb::vbYes, vb::vbNo},
                                             {vb::vbRetry, vb::vbCancel}};
        const QList<int>& choix = boutons[qBound(0, style & 7, 5)];
        const int reponse = choix[hasard(int(choix.size()))];
        ++bilan_.boites;
        if (texte.startsWith(QLatin1String("Sauvegarde du fichier au format Word impossible"))) ++bilan_.rapports_refuses;
        noter(QStringLiteral("box \"%1\" (style %2) -> %3").arg(texte.left(60)).arg(style).arg(reponse));
        return reponse;
    });
    installer_crochet_enregistrer_sous([this](const QString&, const QString& titre) {
        QString f;
        if (!chance(0.25)) {
            static const char* noms[] = {"dessin", "schema.bmp", "Copie.BMP", "photo.png", "élève 1", "a"};
            f = choix_ + "/images/" + QString::fromUtf8(noms[hasard(6)]);
        }
        noter("Save As \"" + titre + "\" -> " + (f.isEmpty() ? QStringLiteral("cancel") : f));
        return f;
    });
    installer_crochet_police([this](const ChoixPolice& depart) -> std::optional<ChoixPolice> {
        if (chance(0.3)) return std::nullopt;
        static const char* familles[] = {"Arial", "Times New Roman", "Comic Sans MS", "MS Sans Serif", "Courier New"};
        ChoixPolice c = depart;
        c.FontName = familles[hasard(5)];
        c.FontSize = 6 + hasard(43);
        c.FontBold = chance(0.5);
        c.FontItalic = chance(0.5);
        c.FontStrikethru = chance(0.2);
        c.FontUnderline = chance(0.2);
        c.Color = std::uint32_t(gen_()) & 0xFFFFFF;
        noter(QStringLiteral("font -> %1 %2").arg(c.FontName).arg(c.FontSize));
        return c;
    });
    installer_crochet_couleur([this](std::uint32_t) -> std::optional<std::uint32_t> {
        if (chance(0.3)) return std::nullopt;
        const std::uint32_t c = std::uint32_t(gen_()) & 0xFFFFFF;
        noter(QStringLiteral("colour -> %1").arg(c, 6, 16, QLatin1Char('0')));
        return c;
    });
    installer_crochet_calculatrice([this](const QString& programme) {
        const bool lance = chance(0.5);
        noter("calculator " + programme + (lance ? " started" : " missing"));
        return lance;
    });
    installer_crochet_menu_contextuel([this](QMenu* menu) -> QAction* {
        QList<QAction*> possibles;
        std::function<void(QMenu*)> parcourir = [&](QMenu* m) {
            for (QAction* a : m->actions()) {
                if (a->isSeparator() || !a->isVisible()) continue;
                if (a->menu())
                    parcourir(a->menu());
                else
                    possibles.append(a);
            }
        };
        parcourir(menu);
        // A command that opens a dialog ("...") draws the pupil now and then.
        QList<QAction*> dialogues;
        for (QAction* a : possibles)
            if (a->text().endsWith(QLatin1String("..."))) dialogues << a;
        QAction* a = (possibles.isEmpty() || chance(0.15)) ? nullptr
                     : (!dialogues.isEmpty() && chance(0.35)) ? dialogues[hasard(int(dialogues.size()))]
                                                             : possibles[hasard(int(possibles.size()))];
        noter("pop-up menu -> " + (a ? a->text() : QStringLiteral("dismissed")));
        return a;
    });
    journal_actif = true;
    installer_rapport_de_crash();
}

Eleve::~Eleve() {
    journal_actif = false;
    reinitialiser_programme();
    installer_crochet_messages({});
    installer_crochet_enregistrer_sous({});
    installer_crochet_police({});
    installer_crochet_couleur({});
    installer_crochet_calculatrice({});
    installer_crochet_menu_contextuel({});
    installer_pilote_impression(nullptr);
    QFile(choix_ + "/lecture_seule").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qInstallMessageHandler(gestionnaire_precedent);
    QDir::setCurrent(dossier_precedent_);
}

void Eleve::demarrer_programme_choisi() {
    reinitialiser_programme();
    demarrer();
    chemin_QCM = QDir::toNativeSeparators(choix_ + "/qcm");
    chemin_schema = QDir::toNativeSeparators(choix_ + "/schemas");
    chemin_textes = QDir::toNativeSeparators(choix_ + "/textes");
}

BilanEleve Eleve::courir() {
    demarrer_programme_choisi();
    hors_choix_depart_ = fichiers_hors_choix();
    dernier_progres_ms = maintenant_ms();
    // A watchdog: a step that never comes back (an endless loop, a wait that nothing ends).
    std::atomic<bool> arret{false};
    std::thread chien([&arret] {
        while (!arret.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            if (maintenant_ms() - dernier_progres_ms.load() > 120000) {
                const char m[] = "random pupil: no step for 120 s (hang)\n";
                [[maybe_unused]] auto n = ::write(2, m, sizeof m - 1);
                ecrire_journal_mourant();
                std::abort();
            }
        }
    });
    planifier(0);
    while (!fini_) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    arret = true;
    chien.join();
    if (bilan_.echec.isEmpty()) {
        const QString fin = verifier();
        if (!fin.isEmpty()) bilan_.echec = fin + "\n" + QString::fromStdString(journal.texte());
    }
    compter_et_vider_choix();
    bilan_.pas = fait_;
    return bilan_;
}

void Eleve::planifier(int ms) { QTimer::singleShot(ms, &contexte_, [this] { pas(); }); }

void Eleve::pas() {
    if (fini_) return;
    dernier_progres_ms = maintenant_ms();
    ++profondeur_;
    const int precedent = courant_;
    struct Sortie {
        Eleve* e;
        int precedent;
        ~Sortie() {
            --e->profondeur_;
            e->courant_ = precedent;
        }
    } sortie{this, precedent};

    if (bilan_.echec.isEmpty()) {
        const QString echec = verifier();
        if (!echec.isEmpty())
            bilan_.echec = echec + "\n" + etat_fenetres() + "\n" + QString::fromStdString(journal.texte());
    }
    if (!bilan_.echec.isEmpty() || fait_ >= nombre_pas_) {
        // The run is over: at the top it ends; inside a waiting handler the pupil closes windows
        // until every wait has returned.
        if (profondeur_ == 1) {
            fini_ = true;
            return;
        }
        if (++apres_la_fin_ > 5000) {
            const std::string t = "random pupil: a handler still waits 5000 steps after the end\n" +
                                  etat_fenetres().toStdString() + "\n" + bilan_.echec.toStdString() + "\n";
            [[maybe_unused]] auto n = ::write(2, t.data(), t.size());
            ecrire_journal_mourant();
            std::abort();
        }
        courant_ = fait_ + apres_la_fin_;
        planifier(1);
        // After a failure, or when closing windows does not end the waits, the program is
        // ended by its own quit routine, which every wait of it honours.
        if (application_terminee()) return;
        if (!bilan_.echec.isEmpty() || apres_la_fin_ > 200) {
            noter(QStringLiteral("the program is ended"));
            terminer_application();
            return;
        }
        fermer_un_dialogue();
        return;
    }
    if (application_terminee()) {
        // The pupil quit the program: once every waiting handler has returned, it starts again.
        if (profondeur_ == 1) {
            journal.noter(fait_, QStringLiteral("program ended: started again"));
            ++bilan_.redemarrages;
            compter_et_vider_choix();
            demarrer_programme_choisi();
        }
        planifier(profondeur_ == 1 ? 0 : 1);
        return;
    }
    // Inside a pause or a wait of the program, a pupil acts at a hand's pace, not at every turn
    // of the loop (a panel's slide turns it hundreds of times).
    if (profondeur_ > 1 && depuis_action_.isValid() && depuis_action_.elapsed() < 2) {
        planifier(1);
        return;
    }
    depuis_action_.start();
    courant_ = ++fait_;
    if (profondeur_ == 1 && fait_ % 500 == 0) compter_et_vider_choix();
    imprimante_.echouer = chance(0.1);
    bilan_.impressions += int(imprimante_.travaux.size());
    imprimante_.travaux.clear();
    // A lasting lock lets time pass between checks: a pause of the program may be ending.
    planifier(verrou_pas_ > 0 ? 50 : (chance(0.01) ? hasard(200) : 0));
    agir();
}

// --- Checks -------------------------------------------------------------------------------

QString Eleve::etat_fenetres() const {
    QStringList l;
    for (Fenetre* f : Fenetre::fenetres_chargees())
        l << QStringLiteral("%1%2%3").arg(nom_fenetre(f), f->isVisible() ? "" : " (hidden)",
                                          f->isEnabled() ? "" : " (disabled)");
    return "loaded windows: " + l.join(", ") + QStringLiteral("; steps waiting: %1").arg(profondeur_ - 1);
}

QString Eleve::verrou_present() const {
    if (fini_ || application_terminee()) return QString();
    QStringList desactivees;
    bool une_active = false;
    for (Fenetre* f : Fenetre::fenetres_chargees()) {
        if (!f->isEnabled()) desactivees << nom_fenetre(f);
        if (f->isVisible() && f->isEnabled()) une_active = true;
    }
    if (une_active) return QString();
    return desactivees.isEmpty() ? QStringLiteral("no window of the program is visible")
                                 : "no visible window can be used; disabled: " + desactivees.join(", ");
}

QString Eleve::verifier() {
    const QString verrou = verrou_present();
    if (verrou.isEmpty()) {
        verrou_pas_ = 0;
    } else {
        if (verrou_pas_++ == 0) verrou_duree_.start();
        // A lock is a state that lasts: a handler's pause may show none for a moment.
        if (verrou_pas_ >= 20 && verrou_duree_.elapsed() >= 1000) return "locked: " + verrou;
    }
    for (Fenetre* f : Fenetre::fenetres_chargees())
        if (auto* d = qobject_cast<IdentificationActivite*>(f); d && d->isVisible() && !d->cible_chargee())
            return "dialog left open after its window closed: " + nom_fenetre(d);
    if (fait_ % 25 == 0 || fait_ >= nombre_pas_ || fini_) {
        const QHash<QString, QDateTime> maintenant = fichiers_hors_choix();
        for (auto it = maintenant.cbegin(); it != maintenant.cend(); ++it)
            if (!hors_choix_depart_.contains(it.key()) || hors_choix_depart_.value(it.key()) != it.value())
                return "file written outside the chosen folders: " + it.key();
    }
    return QString();
}

QHash<QString, QDateTime> Eleve::fichiers_hors_choix() const {
    QHash<QString, QDateTime> fichiers;
    auto ajouter = [&](const QString& dossier, bool sous_dossiers) {
        QDirIterator it(dossier, extensions_surveillees, QDir::Files | QDir::Hidden,
                        sous_dossiers ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
        while (it.hasNext()) {
            const QString f = it.next();
            if (f.startsWith(choix_ + "/")) continue;
            fichiers.insert(f, it.fileInfo().lastModified());
        }
    };
    ajouter(racine_.path(), true);
    ajouter(dossier_programme_, false);
    return fichiers;
}

void Eleve::compter_et_vider_choix() {
    // Reports and pictures are counted, then removed so that a long run keeps the disk free.
    QDirIterator it(choix_, extensions_surveillees, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        if (f.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive)) {
            ++bilan_.documents;
            static const QPair<QString, QString> sortes[] = {{QStringLiteral("evaluation_QCM_"), QStringLiteral("quiz")},
                                                             {QStringLiteral("evaluation_schema_"), QStringLiteral("drawings")},
                                                             {QStringLiteral("evaluation_texte_"), QStringLiteral("texts")}};
            QString sorte = QStringLiteral("other");
            for (const auto& [prefixe, nom] : sortes)
                if (it.fileName().startsWith(prefixe)) sorte = nom;
            ++bilan_.documents_par_sorte[sorte];
        } else
            ++bilan_.images;
        QFile::remove(f);
    }
}

// --- What the pupil sees ------------------------------------------------------------------

QList<QWidget*> Eleve::fenetres_visibles() const {
    QList<QWidget*> l;
    for (Fenetre* f : Fenetre::fenetres_chargees())
        if (f->isVisible() && f->windowHandle()) l << f;
    if (QWidget* a = aide::fenetre_aide(); a && a->isVisible() && a->windowHandle()) l << a;
    return l;
}

QList<QWidget*> Eleve::controles(QWidget* fenetre) const {
    QList<QWidget*> l;
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && w->window() == fenetre && w->width() > 0 && w->height() > 0) l << w;
    return l;
}

QWidget* Eleve::fenetre_au_hasard() {
    const QList<QWidget*> l = fenetres_visibles();
    if (l.isEmpty()) return nullptr;
    // Mostly the window in front (loaded last): the one the pupil is working in; a sheet in
    // front keeps it there more.
    QWidget* f = chance(feuille(l.last()) ? 0.8 : 0.5) ? l.last() : l[hasard(int(l.size()))];
    ++bilan_.fenetres[nom_fenetre(f)];
    return f;
}

QWidget* Eleve::controle_au_hasard(QWidget* fenetre) {
    // Mostly a control of the window, otherwise the window itself (any point of it).
    if (chance(0.4)) return fenetre;
    const QList<QWidget*> l = controles(fenetre);
    if (l.isEmpty()) return fenetre;
    // What has just appeared draws a pupil's eye (a panel opened, a question shown), and so do
    // buttons: a sheet gets started and answered now and then.
    QList<QWidget*> nouveaux;
    for (const QPointer<QWidget>& w : nouveaux_)
        if (w && l.contains(w.data())) nouveaux << w.data();
    if (!nouveaux.isEmpty() && chance(0.5)) return nouveaux[hasard(int(nouveaux.size()))];
    // On a sheet, the work draws the eye more than the buttons.
    if (chance(feuille(fenetre) ? 0.15 : 0.4)) {
        QList<QWidget*> boutons;
        for (QWidget* w : l)
            if (qobject_cast<QAbstractButton*>(w)) boutons << w;
        if (!boutons.isEmpty()) return boutons[hasard(int(boutons.size()))];
    }
    return l[hasard(int(l.size()))];
}

std::pair<QWidget*, QPoint> Eleve::cible_au_hasard(QWidget* fenetre) {
    QWidget* c = fenetre;
    QPoint p;
    for (int essai = 0; essai < 6; ++essai) {
        c = controle_au_hasard(fenetre);
        p = c->mapTo(fenetre, point_dans(c));
        QWidget* dessous = fenetre->childAt(p);
        if (c == fenetre || dessous == c || c->isAncestorOf(dessous)) break;
    }
    return {c, p};
}

QPoint Eleve::point_dans(QWidget* controle) {
    return QPoint(hasard(controle->width()), hasard(controle->height()));
}

QString Eleve::nom(const QWidget* w) const {
    if (!w) return QStringLiteral("(gone)");
    const QWidget* haut = w->window();
    QString n = nom_fenetre(haut);
    if (w != haut)
        n += "/" + (w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName());
    return n;
}

QString Eleve::texte_au_hasard() {
    static const QString lettres = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789    éèêàçùôïÉÀ'-.,;:!?/\\*<>|\"&%()");
    if (chance(0.1)) return mot_de_passe_options;  // the teacher, sitting by
    if (chance(0.05)) return QStringLiteral("12,5");
    const int longueur = chance(0.03) ? 200 + hasard(200) : hasard(13);
    QString t;
    for (int i = 0; i < longueur; ++i) t += lettres[hasard(int(lettres.size()))];
    return t;
}

QString Eleve::dossier_choisi_au_hasard() {
    // Mostly a folder that takes the reports; now and then one that does not.
    static const char* bons[] = {"qcm", "schemas", "textes", "images"};
    static const char* mauvais[] = {"absent", "lecture_seule", "fichier/dossier"};
    const char* d = chance(0.8) ? bons[hasard(4)] : mauvais[hasard(3)];
    return QDir::toNativeSeparators(choix_ + "/" + d);
}

// --- Input --------------------------------------------------------------------------------

// The events go to the window system layer as a mouse and a keyboard give them, delivered at
// once, and nothing else is handled meanwhile: the pupil's next step comes only from the event
// loop (the program's own pauses and waits included), never from the sending of input.
void Eleve::souris(QEvent::Type type, QWidget* haut, QPoint p, Qt::MouseButton bouton,
                   Qt::KeyboardModifiers touches) {
    QPointer<QWindow> w = haut ? haut->windowHandle() : nullptr;
    if (!w) return;
    int& t = QTest::lastMouseTimestamp;
    auto envoyer = [&](QEvent::Type quoi, Qt::MouseButton b) {
        if (!w) return;
        qt_handleMouseEvent(w, QPointF(p), w->mapToGlobal(QPointF(p)), boutons_, b, quoi, touches, ++t);
    };
    switch (type) {
    case QEvent::MouseButtonPress:
        boutons_ |= bouton;
        envoyer(type, bouton);
        break;
    case QEvent::MouseButtonRelease:
        boutons_ &= ~bouton;
        envoyer(type, bouton);
        t += QTest::mouseDoubleClickInterval;  // the next click is not the second of a double click
        break;
    case QEvent::MouseButtonDblClick:
        // The first click, then the second press; the caller sends the last release.
        boutons_ |= bouton;
        envoyer(QEvent::MouseButtonPress, bouton);
        boutons_ &= ~bouton;
        envoyer(QEvent::MouseButtonRelease, bouton);
        boutons_ |= bouton;
        envoyer(QEvent::MouseButtonPress, bouton);
        break;
    default:
        envoyer(QEvent::MouseMove, Qt::NoButton);
        break;
    }
}

void Eleve::touche(QWidget* haut, int code, const QString& texte, Qt::KeyboardModifiers touches) {
    QPointer<QWindow> w = haut ? haut->windowHandle() : nullptr;
    if (!w || !w->isVisible()) return;
    qt_handleKeyEvent(w, QEvent::KeyPress, code, touches, texte);
    if (w) qt_handleKeyEvent(w, QEvent::KeyRelease, code, touches, texte);
}

void Eleve::taper_dans(QWidget* haut, const QString& texte) {
    QPointer<QWidget> f(haut);
    for (const QChar c : texte) {
        if (!f || !f->isVisible()) return;
        // Latin-1 keys bear the code of their capital letter, as the keyboard gives them.
        const QChar majuscule = c.toUpper();
        const int code = majuscule.unicode() < 0x100 ? int(majuscule.unicode()) : int(Qt::Key_unknown);
        touche(f, code, QString(c));
    }
}

// --- Actions ------------------------------------------------------------------------------

// "Valider...", "Continuer": what takes an exercise on.
bool bouton_pour_continuer(QWidget* w) {
    auto* b = qobject_cast<QAbstractButton*>(w);
    return b && (b->text().startsWith(QLatin1String("Valider")) || b->text().startsWith(QLatin1String("Continuer")));
}

// The Word box of an options dialog.
QAbstractButton* case_word(DialogueOptions* d) {
    if (auto* q = qobject_cast<Options_QCM*>(d)) return q->Check3;
    if (auto* q = qobject_cast<Options_DESSIN*>(d)) return q->Check1;
    if (auto* q = qobject_cast<Options_TEXTES*>(d)) return q->Check1;
    return nullptr;
}

void Eleve::regarder() {
    QSet<const QWidget*> vus;
    nouveaux_.clear();
    for (QWidget* f : fenetres_visibles())
        for (QWidget* w : controles(f)) {
            // A control that its container cuts off whole (a shut panel's labels) is not seen
            // yet: it catches the eye when the panel opens.
            if (w->visibleRegion().isEmpty()) continue;
            vus.insert(w);
            if (!vus_.contains(w)) nouveaux_ << w;
        }
    vus_ = vus;
}

void Eleve::agir() {
    regarder();
    if (QWidget* popup = QApplication::activePopupWidget()) {
        agir_sur_popup(popup);
        return;
    }
    // The teacher sets a report folder in a folder box before anything else is done there.
    if (regler_dossier() || regler_options()) return;
    // The help is read briefly, then closed: the pupil goes back to the work.
    if (QWidget* a = aide::fenetre_aide(); a && a->isVisible() && chance(0.25)) {
        compter("close the help");
        noter("close the help");
        a->close();
        return;
    }
    // Deep inside waiting handlers, the pupil only closes dialogs: each wait may end.
    if (profondeur_ > 6) {
        compter("close a window (deep)");
        if (!fermer_un_dialogue()) survoler();
        return;
    }
    // Where the program shows a sheet and its palettes, the pupil works there: places, draws,
    // takes tools, drags handles and asks the placed elements for their menus.
    const bool sur_feuille = controles_depots().size() >= 2;
    // An exercise under way in the window in front (an answer to choose, a button to go on)
    // keeps the pupil at it more than anything else.
    const auto travail_en_cours = [this] {
        const QList<QWidget*> l = fenetres_visibles();
        if (l.isEmpty()) return false;
        const QList<QWidget*> c = controles(l.last());
        return std::any_of(c.cbegin(), c.cend(), [](QWidget* w) { return qobject_cast<QRadioButton*>(w) || bouton_pour_continuer(w); });
    };
    if (sur_feuille) compter("steps with a sheet shown");
    struct Poids {
        int poids;
        std::function<void()> action;
    };
    const Poids poids[] = {
        {30, [this] { cliquer(Qt::LeftButton, false); }},
        {8, [this] { cliquer(Qt::RightButton, false); }},
        {8, [this] { cliquer(Qt::LeftButton, true); }},
        {10, [this] { glisser(false); }},
        {6, [this] { glisser(true); }},
        {sur_feuille ? 25 : 0, [this] { glisser_entre_depots(); }},
        {sur_feuille ? 12 : 0, [this] { clic_droit_sur_depot(); }},
        {sur_feuille ? 25 : 0, [this] { glisser_sur_feuille(); }},
        {sur_feuille ? 8 : 0, [this] { glisser_poignee(); }},
        {sur_feuille ? 8 : 0, [this] { choisir_outil(); }},
        {3, [this] { glisser_etiquette(); }},
        {6, [this] { survoler(); }},
        {10, [this] { taper_texte(); }},
        {5, [this] { taper_touche(); }},
        {7, [this] { declencher_action(); }},
        {sur_feuille ? 6 : travail_en_cours() ? 60 : 20, [this] { travailler(); }},
        {4, [this] { ouvrir_options(); }},
        {1, [this] { fermer_fenetre(); }},
        {5, [this] { cliquer_etiquette(); }},
    };
    int total = 0;
    for (const Poids& p : poids) total += p.poids;
    int tirage = hasard(total);
    for (const Poids& p : poids) {
        if (tirage < p.poids) {
            p.action();
            return;
        }
        tirage -= p.poids;
    }
}

void Eleve::agir_sur_popup(QWidget* popup) {
    QPointer<QWidget> p(popup);
    if (chance(0.2)) {
        compter("popup: Escape");
        noter("Escape on the pop-up " + nom(popup));
        touche(popup, Qt::Key_Escape, QStringLiteral("\x1b"));
    } else {
        compter("popup: click");
        const QPoint pt = point_dans(popup);
        noter(QStringLiteral("click in the pop-up %1 (%2,%3)").arg(nom(popup)).arg(pt.x()).arg(pt.y()));
        souris(QEvent::MouseButtonPress, popup, pt, Qt::LeftButton);
        if (p) souris(QEvent::MouseButtonRelease, p, pt, Qt::LeftButton);
    }
    // A pop-up that stays open would take every further click: the pupil presses Escape.
    if (p && p->isVisible() && chance(0.5)) touche(p, Qt::Key_Escape, QStringLiteral("\x1b"));
}

bool Eleve::regler_dossier() {
    for (QWidget* f : fenetres_visibles())
        for (QLineEdit* e : f->findChildren<QLineEdit*>()) {
            if (!e->isVisible() || !e->isEnabled() || !QDir::isAbsolutePath(e->text())) continue;
            if (QDir::fromNativeSeparators(e->text()).startsWith(choix_ + "/")) continue;
            const QString dossier = dossier_choisi_au_hasard();
            compter("folder box set");
            noter("folder box " + nom(e) + " <- " + dossier);
            // A click into the box (triple: the whole text selected), then the folder typed.
            QPointer<QLineEdit> boite(e);
            QPointer<QWidget> haut(f);
            const QPoint p = e->mapTo(f, QPoint(4, e->height() / 2));
            souris(QEvent::MouseButtonPress, haut, p, Qt::LeftButton);
            souris(QEvent::MouseButtonRelease, haut, p, Qt::LeftButton);
            if (!boite || !haut || !haut->isVisible()) return true;
            touche(haut, Qt::Key_A, QString(), Qt::ControlModifier);
            touche(haut, Qt::Key_Backspace, QStringLiteral("\b"));
            taper_dans(haut, dossier);
            return true;
        }
    return false;
}

bool Eleve::cliquer_sur(QWidget* fenetre, QWidget* controle, const QString& quoi) {
    const auto p = point_visible(fenetre, controle);
    if (!p) return false;
    ++bilan_.fenetres[nom_fenetre(fenetre)];
    compter(quoi);
    noter(QStringLiteral("%1: click %2 \"%3\" at (%4,%5) of the window")
              .arg(quoi, nom(controle), controle->property("text").toString().left(40))
              .arg(p->x())
              .arg(p->y()));
    QPointer<QWidget> haut(fenetre);
    souris(QEvent::MouseButtonPress, fenetre, *p, Qt::LeftButton);
    if (haut) souris(QEvent::MouseButtonRelease, haut, *p, Qt::LeftButton);
    return true;
}

bool Eleve::regler_options() {
    for (QWidget* f : fenetres_visibles()) {
        auto* d = qobject_cast<DialogueOptions*>(f);
        QAbstractButton* word = d ? case_word(d) : nullptr;
        if (!word || !d->isEnabled() || !word->isVisible()) continue;
        // A folder box that still holds the program's folder cannot be typed into while the
        // Word box is unticked: the teacher ticks it first, then sets the folder.
        const bool dossier_a_regler =
            !QDir::fromNativeSeparators(d->repertoire_instal->text()).startsWith(choix_ + "/");
        if (dossier_a_regler && !word->isChecked()) return cliquer_sur(d, word, QStringLiteral("options: tick the Word box"));
        if (dossier_a_regler || !chance(0.5)) return false;
        const double tirage = std::uniform_real_distribution<double>(0.0, 1.0)(gen_);
        if (tirage < 0.1)
            return cliquer_sur(d, word, word->isChecked() ? QStringLiteral("options: untick the Word box")
                                                          : QStringLiteral("options: tick the Word box"));
        if (!word->isChecked() && tirage < 0.5) return cliquer_sur(d, word, QStringLiteral("options: tick the Word box"));
        return tirage < 0.85 ? cliquer_sur(d, d->Command2, QStringLiteral("options: Valider"))
                             : cliquer_sur(d, d->Command1, QStringLiteral("options: Annuler"));
    }
    return false;
}

void Eleve::ouvrir_options() {
    Form1* f = Fenetre::si_chargee<Form1>();
    if (!f || !f->isVisible() || !f->isEnabled()) {
        declencher_action();
        return;
    }
    const QPair<QMenu*, QAction*> options[] = {
        {f->mnuoptionQCM, f->mnuoptionsQCM}, {f->mnuoptionsSCHEMA, f->mnuoptionsDESSIN}, {f->mnuoptiontexte, f->mnuoptionstexte}};
    // Mostly the quiz's, whose Word box starts unticked.
    const auto [menu, a] = options[chance(0.5) ? 0 : 1 + hasard(2)];
    ++bilan_.fenetres[nom_fenetre(f)];
    compter("options opened");
    noter("menu " + f->mnuoptions->title() + " > " + menu->title().trimmed() + " > " + a->text());
    a->trigger();
}

QList<QList<QPair<QWidget*, QWidget*>>> Eleve::controles_du_travail() const {
    QList<QList<QPair<QWidget*, QWidget*>>> travail;
    for (QWidget* f : fenetres_visibles()) {
        if (qobject_cast<DialogueOptions*>(f)) continue;
        // The exercise under way: its buttons, its answers to choose, its empty boxes.
        QList<QPair<QWidget*, QWidget*>> exercice[3];
        QList<QPair<QWidget*, QWidget*>> choix;
        for (QWidget* w : controles(f)) {
            auto* e = qobject_cast<QLineEdit*>(w);
            if (qobject_cast<QRadioButton*>(w))
                exercice[1].append(qMakePair(f, w));
            else if (bouton_pour_continuer(w))
                exercice[0].append(qMakePair(f, w));
            else if (e && e->text().isEmpty() && !e->isReadOnly())
                exercice[2].append(qMakePair(f, w));
            // What the hand shows as a choice: the main window's activities, a panel's tab, the
            // themes of an open panel. Taken only when no exercise is under way in the window.
            else if (w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor &&
                     !w->visibleRegion().isEmpty())
                choix.append(qMakePair(f, w));
        }
        bool sous_exercice = false;
        for (const auto& l : exercice)
            if (!l.isEmpty()) {
                travail.append(l);
                sous_exercice = true;
            }
        if (!sous_exercice && !choix.isEmpty()) travail.append(choix);
    }
    return travail;
}

void Eleve::travailler() {
    QList<QList<QPair<QWidget*, QWidget*>>> travail = controles_du_travail();
    if (travail.isEmpty()) {
        cliquer(Qt::LeftButton, false);
        return;
    }
    // Mostly in the window in front, the one the pupil is working in.
    const QWidget* devant = fenetres_visibles().last();
    if (chance(0.8) && std::any_of(travail.cbegin(), travail.cend(), [devant](const auto& l) { return l[0].first == devant; }))
        travail.removeIf([devant](const auto& l) { return l[0].first != devant; });
    const QList<QPair<QWidget*, QWidget*>>& sorte = travail[hasard(int(travail.size()))];
    const auto [f, c] = sorte[hasard(int(sorte.size()))];
    if (auto* e = qobject_cast<QLineEdit*>(c)) {
        taper_dans_boite(f, e, QStringLiteral("work: fill a box"));
        return;
    }
    if (!cliquer_sur(f, c, QStringLiteral("work: click"))) cliquer(Qt::LeftButton, false);
}

void Eleve::cliquer(Qt::MouseButton bouton, bool double_clic) {
    QWidget* f = fenetre_au_hasard();
    if (!f) return;
    const auto [c, p] = cible_au_hasard(f);
    const Qt::KeyboardModifiers touches = chance(0.05) ? Qt::ShiftModifier : Qt::NoModifier;
    const QString quoi = double_clic ? QStringLiteral("double click") : (bouton == Qt::RightButton ? QStringLiteral("right click") : QStringLiteral("click"));
    compter(quoi);
    noter(QStringLiteral("%1 %2 at (%3,%4) of the window").arg(quoi, nom(c)).arg(p.x()).arg(p.y()));
    QPointer<QWidget> haut(f);
    if (double_clic) {
        souris(QEvent::MouseButtonDblClick, f, p, bouton, touches);
        if (haut) souris(QEvent::MouseButtonRelease, haut, p, bouton, touches);
        return;
    }
    souris(QEvent::MouseButtonPress, f, p, bouton, touches);
    if (haut) souris(QEvent::MouseButtonRelease, haut, p, bouton, touches);
}

void Eleve::glisser(bool vers_autre) {
    QWidget* f = fenetre_au_hasard();
    if (!f) return;
    const auto [c, depart] = cible_au_hasard(f);
    // The end: in the same control, or in any control of any visible window (through the screen).
    QPoint arrivee;
    QString cible = nom(c);
    if (vers_autre) {
        QWidget* f2 = fenetre_au_hasard();
        const auto [c2, p2] = cible_au_hasard(f2);
        arrivee = f->mapFromGlobal(f2->mapToGlobal(p2));
        cible = nom(c2);
    } else {
        arrivee = c->mapTo(f, point_dans(c));  // may leave it: the drag goes where the hand goes
    }
    compter(vers_autre ? "drag to another control" : "drag inside a control");
    faire_glisser(f, nom(c), depart, cible, arrivee);
}

void Eleve::glisser_entre_depots() {
    // A drag made on purpose: from a control that takes drops (an element of a palette, one
    // already placed) onto another (the sheet, an element), mostly of the same window.
    const QList<QPair<QWidget*, QWidget*>> depots = controles_depots();
    if (depots.size() < 2) {
        glisser(true);
        return;
    }
    const auto [f, c] = depots[hasard(int(depots.size()))];
    QList<QWidget*> voisins;
    for (const auto& [g, w] : depots)
        if (g == f && w != c) voisins << w;
    QWidget* c2 = (!voisins.isEmpty() && chance(0.8)) ? voisins[hasard(int(voisins.size()))]
                                                     : depots[hasard(int(depots.size()))].second;
    // Half the time onto the widest of them: the sheet.
    if (!voisins.isEmpty() && chance(0.5))
        c2 = *std::max_element(voisins.cbegin(), voisins.cend(), [](const QWidget* a, const QWidget* b) {
            return a->width() * a->height() < b->width() * b->height();
        });
    const auto depart = point_visible(f, c);
    const auto arrivee = point_visible(c2->window(), c2);
    if (!depart || !arrivee) {
        glisser(true);
        return;
    }
    ++bilan_.fenetres[nom_fenetre(f)];
    compter("drag between controls that take drops");
    faire_glisser(f, nom(c), *depart, nom(c2), f->mapFromGlobal(c2->window()->mapToGlobal(*arrivee)));
}

QWidget* Eleve::feuille(QWidget* fenetre) const {
    QWidget* f = nullptr;
    for (QWidget* w : controles(fenetre))
        if (glisser::prend_les_depots(w) && (!f || w->width() * w->height() > f->width() * f->height())) f = w;
    return f;
}

void Eleve::glisser_sur_feuille() {
    const QList<QPair<QWidget*, QWidget*>> depots = controles_depots();
    QWidget* f = depots.isEmpty() ? nullptr : depots[hasard(int(depots.size()))].first;
    QWidget* c = f ? feuille(f) : nullptr;
    const auto depart = c ? point_visible(f, c) : std::nullopt;
    const auto arrivee = c ? point_visible(f, c) : std::nullopt;
    if (!depart || !arrivee) {
        glisser(false);
        return;
    }
    ++bilan_.fenetres[nom_fenetre(f)];
    if (chance(0.25)) {
        // A frame from corner to corner, around whatever lies on the sheet.
        compter("frame around a sheet");
        const QPoint coin(hasard(8), hasard(8));
        faire_glisser(f, nom(c), c->mapTo(f, coin), nom(c),
                      c->mapTo(f, QPoint(c->width() - 1, c->height() - 1) - coin));
        return;
    }
    compter("drag across a sheet");
    faire_glisser(f, nom(c), *depart, nom(c), *arrivee);
}

void Eleve::glisser_poignee() {
    // The handles of a sheet (a resize handle, the end pins of a stroke) are its smallest
    // controls: the pupil takes one and moves it somewhere on the sheet.
    QList<QPair<QWidget*, QWidget*>> poignees;
    for (QWidget* f : fenetres_visibles())
        for (QWidget* w : controles(f))
            if (w->width() <= 10 && w->height() <= 10 && !w->visibleRegion().isEmpty()) poignees.append(qMakePair(f, w));
    if (poignees.isEmpty()) {
        glisser_sur_feuille();
        return;
    }
    const auto [f, c] = poignees[hasard(int(poignees.size()))];
    QWidget* s = feuille(f);
    const auto arrivee = s ? point_visible(f, s) : std::nullopt;
    const QPoint depart = c->mapTo(f, point_dans(c));
    ++bilan_.fenetres[nom_fenetre(f)];
    compter("drag a handle");
    faire_glisser(f, nom(c), depart, s ? nom(s) : nom(f), arrivee ? *arrivee : point_dans(f));
}

void Eleve::glisser_etiquette() {
    const QList<QPair<QWidget*, EtiquetteSansFenetre*>> etiquettes = etiquettes_visibles(true);
    if (etiquettes.isEmpty()) {
        glisser(false);
        return;
    }
    const auto [f, l] = etiquettes[hasard(int(etiquettes.size()))];
    QWidget* c = l->conteneur();
    const QPoint depart = c->mapTo(f, QPointF(l->Left() + hasard(int(l->Width())), l->Top() + hasard(int(l->Height()))).toPoint());
    ++bilan_.fenetres[nom_fenetre(f)];
    compter("drag a windowless label");
    faire_glisser(f, nom(c) + " \"" + l->Caption().left(20) + "\"", depart, nom(c), c->mapTo(f, point_dans(c)));
}

void Eleve::choisir_outil() {
    // The tools of a window that shows a sheet: the actions of its buttons.
    QList<QPair<QWidget*, QAction*>> outils;
    for (const auto& [f, c] : controles_depots())
        for (QAbstractButton* b : f->findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || !b->isEnabled()) continue;
            for (QAction* a : b->actions())
                if (!a->isSeparator() && a->isVisible() && a->isEnabled() && !outils.contains(qMakePair(f, a)))
                    outils.append(qMakePair(f, a));
        }
    if (outils.isEmpty()) {
        declencher_action();
        return;
    }
    const auto [f, a] = outils[hasard(int(outils.size()))];
    ++bilan_.fenetres[nom_fenetre(f)];
    compter("tool");
    noter("tool \"" + a->toolTip() + "\" (" + a->objectName() + ") of " + nom(f));
    a->trigger();
}

void Eleve::clic_droit_sur_depot() {
    const QList<QPair<QWidget*, QWidget*>> depots = controles_depots();
    if (depots.isEmpty()) {
        cliquer(Qt::RightButton, false);
        return;
    }
    const auto [f, c] = depots[hasard(int(depots.size()))];
    const auto p = point_visible(f, c);
    if (!p) {
        cliquer(Qt::RightButton, false);
        return;
    }
    ++bilan_.fenetres[nom_fenetre(f)];
    compter("right click a control that takes drops");
    noter(QStringLiteral("right click %1 at (%2,%3) of the window").arg(nom(c)).arg(p->x()).arg(p->y()));
    QPointer<QWidget> haut(f);
    souris(QEvent::MouseButtonPress, f, *p, Qt::RightButton);
    if (haut) souris(QEvent::MouseButtonRelease, haut, *p, Qt::RightButton);
}

QList<QPair<QWidget*, QWidget*>> Eleve::controles_depots() const {
    QList<QPair<QWidget*, QWidget*>> depots;
    for (QWidget* f : fenetres_visibles())
        for (QWidget* w : controles(f))
            if (glisser::prend_les_depots(w)) depots.append(qMakePair(f, w));
    return depots;
}

std::optional<QPoint> Eleve::point_visible(QWidget* fenetre, QWidget* controle) {
    for (int essai = 0; essai < 6; ++essai) {
        const QPoint p = controle->mapTo(fenetre, point_dans(controle));
        QWidget* dessous = fenetre->childAt(p);
        if (dessous == controle || controle->isAncestorOf(dessous)) return p;
    }
    return std::nullopt;
}

void Eleve::faire_glisser(QWidget* f, const QString& source, QPoint depart, const QString& cible, QPoint arrivee) {
    const int etapes = 1 + hasard(6);
    const Qt::MouseButton bouton = chance(0.85) ? Qt::LeftButton : Qt::RightButton;
    noter(QStringLiteral("drag %1 (%2,%3) -> %4 (%5,%6) in %7 moves%8")
              .arg(source)
              .arg(depart.x())
              .arg(depart.y())
              .arg(cible)
              .arg(arrivee.x())
              .arg(arrivee.y())
              .arg(etapes)
              .arg(bouton == Qt::RightButton ? " (right button)" : ""));
    QPointer<QWidget> haut(f);
    souris(QEvent::MouseButtonPress, f, depart, bouton);
    bool glisse = false;
    for (int i = 1; i <= etapes && haut; ++i) {
        const QPoint p = depart + (arrivee - depart) * i / etapes + QPoint(hasard(5) - 2, hasard(5) - 2);
        souris(QEvent::MouseMove, haut, p, Qt::NoButton);
        glisse = glisse || glisser::en_cours();
    }
    // The program took the press as the start of a control's drag and drop.
    if (glisse) compter("a control dragged");
    if (haut) souris(QEvent::MouseButtonRelease, haut, arrivee, bouton);
}

void Eleve::survoler() {
    QWidget* f = fenetre_au_hasard();
    if (!f) return;
    compter("move");
    const QString qui = nom(f);
    QPointer<QWidget> haut(f);
    const int n = 1 + hasard(4);
    QString trajet;
    for (int i = 0; i < n && haut; ++i) {
        const QPoint p = point_dans(haut);
        trajet += QStringLiteral(" (%1,%2)").arg(p.x()).arg(p.y());
        souris(QEvent::MouseMove, haut, p, Qt::NoButton);
    }
    noter("move over " + qui + trajet);
}

void Eleve::taper_texte() {
    QList<QPair<QWidget*, QLineEdit*>> boites;
    for (QWidget* f : fenetres_visibles())
        for (QLineEdit* e : f->findChildren<QLineEdit*>())
            if (e->isVisible() && e->isEnabled()) boites.append({f, e});
    if (boites.isEmpty()) {
        taper_touche();
        return;
    }
    const auto [f, e] = boites[hasard(int(boites.size()))];
    taper_dans_boite(f, e, QStringLiteral("type"));
}

void Eleve::taper_dans_boite(QWidget* f, QLineEdit* e, const QString& quoi) {
    ++bilan_.fenetres[nom_fenetre(f)];
    const QString texte =
        QDir::isAbsolutePath(e->text()) ? dossier_choisi_au_hasard() : texte_au_hasard();
    const bool remplacer = chance(0.7);
    const bool entree = chance(0.2);
    compter(quoi);
    noter(QStringLiteral("type \"%1\" into %2%3%4").arg(texte.left(80), nom(e), remplacer ? " (replacing)" : "",
                                                      entree ? " then Enter" : ""));
    QPointer<QWidget> haut(f);
    const QPoint p = e->mapTo(f, point_dans(e));
    souris(QEvent::MouseButtonPress, f, p, Qt::LeftButton);
    if (!haut) return;
    souris(QEvent::MouseButtonRelease, haut, p, Qt::LeftButton);
    if (!haut || !haut->isVisible()) return;
    if (remplacer) touche(haut, Qt::Key_A, QString(), Qt::ControlModifier);
    taper_dans(haut, texte);
    if (entree) touche(haut, Qt::Key_Return, QStringLiteral("\r"));
}

void Eleve::taper_touche() {
    QWidget* f = fenetre_au_hasard();
    if (!f) return;
    struct Touche {
        Qt::Key code;
        const char* texte;
    };
    static const Touche touches[] = {{Qt::Key_Return, "\r"}, {Qt::Key_Escape, "\x1b"}, {Qt::Key_Tab, "\t"},
                                     {Qt::Key_Space, " "},    {Qt::Key_Delete, "\x7f"}, {Qt::Key_Backspace, "\b"},
                                     {Qt::Key_Left, ""},      {Qt::Key_Right, ""},       {Qt::Key_Up, ""},
                                     {Qt::Key_Down, ""},      {Qt::Key_F1, ""},          {Qt::Key_Home, ""}};
    const Touche& t = touches[hasard(int(std::size(touches)))];
    compter("key");
    noter("key " + QKeySequence(t.code).toString() + " in " + nom(f));
    touche(f, t.code, QString::fromLatin1(t.texte));
}

void Eleve::declencher_action() {
    // The commands a pupil reaches: the menu bars' menus (and their submenus) and the buttons
    // of the tool bars. The pop-up menus' commands come only through a pop-up.
    QList<QAction*> actions;
    QList<QWidget*> fenetres_des_actions;
    auto ajouter = [&](QAction* a, QWidget* f) {
        if (actions.contains(a)) return;
        actions << a;
        fenetres_des_actions << f;
    };
    for (QWidget* f : fenetres_visibles()) {
        std::function<void(QMenu*)> parcourir = [&](QMenu* m) {
            for (QAction* a : m->actions()) {
                if (a->isSeparator() || !a->isVisible() || !a->isEnabled()) continue;
                if (a->menu())
                    parcourir(a->menu());
                else
                    ajouter(a, f);
            }
        };
        for (QMenuBar* barre : f->findChildren<QMenuBar*>()) {
            if (!barre->isVisible() || !barre->isEnabled()) continue;
            for (QAction* a : barre->actions())
                if (a->menu() && a->isVisible() && a->isEnabled()) parcourir(a->menu());
        }
        for (QAbstractButton* b : f->findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || !b->isEnabled()) continue;
            for (QAction* a : b->actions())
                if (!a->isSeparator() && a->isVisible() && a->isEnabled()) ajouter(a, f);
        }
        for (QAction* a : f->findChildren<QAction*>()) {
            if (!a->isEnabled() || !a->isVisible() || a->isSeparator()) continue;
            for (QObject* o : a->associatedObjects()) {
                QWidget* w = qobject_cast<QWidget*>(o);
                if (w && !qobject_cast<QMenu*>(w) && !qobject_cast<QMenuBar*>(w) && w->isVisible() && w->isEnabled()) {
                    ajouter(a, f);
                    break;
                }
            }
        }
    }
    if (actions.isEmpty()) {
        cliquer(Qt::LeftButton, false);
        return;
    }
    const int i = hasard(int(actions.size()));
    ++bilan_.fenetres[nom_fenetre(fenetres_des_actions[i])];
    compter("command");
    noter("command \"" + actions[i]->text() + "\" (" + actions[i]->objectName() + ") of " + nom(fenetres_des_actions[i]));
    actions[i]->trigger();
}

void Eleve::fermer_fenetre() {
    QWidget* f = fenetre_au_hasard();
    if (!f) return;
    compter("close a window");
    noter("close " + nom(f));
    f->close();
}

bool Eleve::fermer_un_dialogue() {
    // The window loaded last among the visible ones: the dialog a handler may wait on, or at
    // worst the main window, whose quit ends every wait.
    // A window that refuses to close (a question answered No, a dialog that insists) is passed
    // over the next time: each visible window is tried in turn, from the front.
    const QList<QWidget*> l = fenetres_visibles();
    if (l.isEmpty()) return false;
    QWidget* d = l[int(l.size()) - 1 - (essais_fermeture_++ % int(l.size()))];
    noter("close the window " + nom(d));
    d->close();
    return true;
}

QList<QPair<QWidget*, EtiquetteSansFenetre*>> Eleve::etiquettes_visibles(bool sur_feuille) const {
    QList<QPair<QWidget*, EtiquetteSansFenetre*>> etiquettes;
    for (QWidget* f : fenetres_visibles())
        for (ElementSansFenetre* e : elements_sans_fenetre(f)) {
            auto* l = qobject_cast<EtiquetteSansFenetre*>(e);
            if (l && l->Visible() && l->Enabled() && l->conteneur() && l->conteneur()->isVisible() &&
                (!sur_feuille || glisser::prend_les_depots(l->conteneur())) && l->Width() >= 1 && l->Height() >= 1)
                etiquettes.append({f, l});
        }
    return etiquettes;
}

void Eleve::cliquer_etiquette() {
    const QList<QPair<QWidget*, EtiquetteSansFenetre*>> etiquettes = etiquettes_visibles(false);
    if (etiquettes.isEmpty()) {
        cliquer(Qt::LeftButton, false);
        return;
    }
    const auto [f, l] = etiquettes[hasard(int(etiquettes.size()))];
    ++bilan_.fenetres[nom_fenetre(f)];
    const QPointF dans(l->Left() + hasard(int(l->Width())), l->Top() + hasard(int(l->Height())));
    const QPoint p = l->conteneur()->mapTo(f, dans.toPoint());
    const bool double_clic = chance(0.2);
    compter(double_clic ? "double click a windowless label" : "click a windowless label");
    noter(QStringLiteral("%1 the windowless label \"%2\" of %3 at (%4,%5)")
              .arg(double_clic ? "double click" : "click", l->Caption().left(40), nom(l->conteneur()))
              .arg(p.x())
              .arg(p.y()));
    QPointer<QWidget> haut(f);
    souris(double_clic ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, f, p, Qt::LeftButton);
    if (haut) souris(QEvent::MouseButtonRelease, haut, p, Qt::LeftButton);
}

}  // namespace

QString BilanEleve::resume() const {
    QStringList l;
    l << QStringLiteral("steps %1, restarts %2, message boxes %3, prints %4, .doc %5, .bmp %6")
             .arg(pas)
             .arg(redemarrages)
             .arg(boites)
             .arg(impressions)
             .arg(documents)
             .arg(images);
    QStringList d;
    for (auto it = documents_par_sorte.cbegin(); it != documents_par_sorte.cend(); ++it)
        d << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    l << QStringLiteral("reports: written %1 (%2), failures told %3")
             .arg(documents)
             .arg(d.isEmpty() ? QStringLiteral("none") : d.join(", "))
             .arg(rapports_refuses);
    QStringList f;
    for (auto it = fenetres.cbegin(); it != fenetres.cend(); ++it) f << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    l << "windows: " + f.join(", ");
    QStringList a;
    for (auto it = actions.cbegin(); it != actions.cend(); ++it) a << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    l << "actions: " + a.join(", ");
    return l.join("\n");
}

BilanEleve faire_jouer_eleve(std::uint32_t graine, int nombre_pas) {
    Eleve eleve(graine, nombre_pas);
    return eleve.courir();
}
