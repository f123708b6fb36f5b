#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class QVBoxLayout;

// The client area of a window: back colour, an optional background picture drawn at (0, 0),
// and mouse moves reported as a signal (the window's own MouseMove).
class ZoneClient : public QWidget {
    Q_OBJECT
public:
    explicit ZoneClient(QWidget* parent);
    void definir_image_fond(const QImage& image);
signals:
    void mouvement();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QImage fond_;
};

// Base of every window of the program, with the run time's window rules:
// - one instance per class, created and loaded (Form_Load) on first touch through
//   Fenetre::obtenir<T>(); the instance is registered before its load runs;
// - Show() shows it modeless, Hide() hides it (touching it first loads it, not shown);
// - Unload() runs Form_Unload(annuler); an unloaded window is left alone and the next
//   touch builds a fresh one in its design state.
// Controls sit on client(), whose size is the designed client area; a menu bar or a tool bar
// sits above it, outside the client area.
class Fenetre : public QWidget {
    Q_OBJECT
public:
    ~Fenetre() override;

    // The loaded instance of T, loading it (hidden) when it is not loaded.
    template <class T>
    static T* obtenir();
    // The loaded instance of T, or nullptr without loading it.
    template <class T>
    static T* si_chargee();
    // Unloads T when it is loaded; returns false when its unload was cancelled.
    template <class T>
    static bool decharger();

    void Show();
    void Hide();
    bool Unload();
    // True from creation until the window is unloaded; a handler that paused checks it.
    bool vivante() const { return vivante_; }

    // The window's mouse pointer (values of pointeurs.h): any value but 0 shows over every
    // control of the window, whatever their own pointers; 0 gives each control its own again.
    void MousePointer(int valeur);
    int MousePointer() const { return pointeur_; }

    // Centred on the screen at its first showing (otherwise the system's default place).
    bool centree_au_premier_affichage = false;

    // The topic of the help pages that F1 opens in this window.
    int HelpContextID = 0;

    ZoneClient* client() const { return client_; }
    // The window's back colour (&HBBGGRR) and background picture.
    void couleur_de_fond(std::uint32_t bgr);
    void image_de_fond(const QImage& image) { client_->definir_image_fond(image); }

    // Client size in twips, as designed for 15 twips per pixel; the 15-twips rule scales it.
    double largeur_twips() const { return largeur_twips_; }
    double hauteur_twips() const { return hauteur_twips_; }
    void definir_taille_twips(double largeur, double hauteur);

    // Every loaded window, in the order of their loading.
    static QList<Fenetre*> fenetres_chargees();
    // Unloads every window without running its unload handler (end of the program, tests).
    static void tout_detruire();
    // True once the program is ending: no unload handler asks its question any more.
    static bool fin_du_programme();
    static void terminer_programme();
    static void reinitialiser_fin_du_programme();

protected:
    explicit Fenetre(double largeur_twips, double hauteur_twips, Qt::WindowFlags drapeaux = Qt::Window);

    virtual void Form_Load() {}
    virtual void Form_Unload(bool& annuler) { Q_UNUSED(annuler); }

    // Puts a bar (menu bar or tool bar) above the client area.
    void ajouter_barre(QWidget* barre);
    void closeEvent(QCloseEvent* e) override;

private:
    void appliquer_taille();
    static void enregistrer(Fenetre* f);
    void charger() { Form_Load(); }

    ZoneClient* client_ = nullptr;
    QVBoxLayout* disposition_ = nullptr;
    double largeur_twips_;
    double hauteur_twips_;
    bool vivante_ = true;
    bool deja_montree_ = false;
    int pointeur_ = 0;
    template <class T>
    struct Emplacement {
        static inline QPointer<T> instance;
    };
};

template <class T>
T* Fenetre::obtenir() {
    T* f = Emplacement<T>::instance.data();
    if (f && f->vivante()) return f;
    f = new T();
    Emplacement<T>::instance = f;
    enregistrer(f);
    f->charger();
    return f;
}

template <class T>
T* Fenetre::si_chargee() {
    T* f = Emplacement<T>::instance.data();
    return (f && f->vivante()) ? f : nullptr;
}

template <class T>
bool Fenetre::decharger() {
    T* f = si_chargee<T>();
    return f ? f->Unload() : true;
}
