#pragma once

#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>

// Scripted message boxes: a test states each box it expects (text, answer); a box that was
// not expected, or that comes with another text, is recorded as a failure and answered with
// its first button.
class MessagesScriptes {
public:
    MessagesScriptes();
    ~MessagesScriptes();
    // Expects a box with this text (and, when given, this style and title), answered by code.
    void attendre(const QString& texte, int reponse, int style = -1, const QString& titre = QString());
    // Every expected box came and nothing unexpected: empty text, or what went wrong.
    QString bilan() const;
    bool en_ordre() const { return bilan().isEmpty(); }
    // The boxes shown so far, as "title|text|style".
    const QStringList& montrees() const { return montrees_; }
    void oublier();

private:
    struct Attendue {
        QString texte;
        int reponse;
        int style;
        QString titre;
    };
    QList<Attendue> attendues_;
    QStringList erreurs_;
    QStringList montrees_;
};

// Scripted Save As dialog: answers with the next file name of the list ("" for Cancel).
class EnregistrerSousScripte {
public:
    EnregistrerSousScripte();
    ~EnregistrerSousScripte();
    void repondre(const QString& fichier) { reponses_.append(fichier); }
    QString dernier_filtre;
    QString dernier_titre;
    int appels = 0;

private:
    QStringList reponses_;
};

// Puts the program back to a fresh state: every window unloaded without questions,
// shared state as before start-up, screen at 15 twips per pixel, French locale.
void reinitialiser_programme();
// Creates the main window as the program start does (its load is the start-up sequence).
class Form1;
Form1* demarrer_programme();

class QWidget;
// Renders a whole window (bars included) into a PNG under $VANTAREL_CAPTURES, when that
// variable is set, for a look by eye; returns the file written or "".
QString capture_pour_examen(QWidget* fenetre, const QString& nom);

// Runs an action on the next modal window of that kind as soon as it is up (each modal dialog
// runs its own event loop, so the test acts from a timer).
template <class T, class Action>
void quand_modale(Action action) {
    auto* minuterie = new QTimer(qApp);
    minuterie->setInterval(10);
    QObject::connect(minuterie, &QTimer::timeout, minuterie, [minuterie, action] {
        if (T* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            minuterie->deleteLater();
            minuterie->stop();
            action(w);
        }
    });
    minuterie->start();
}
