#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;
class Facteur_impression;

// Driving the program as a pupil does, shared by the test programs.

// A left click delivered to the widget itself, at a point of it (a widget without holes).
void cliquer(QWidget* controle, QPoint point = QPoint(2, 2));
// A mouse move without a button over a widget (its MouseMove).
void survoler(QWidget* controle, QPoint point = QPoint(2, 2));
// Replaces what a box shows by a text typed key by key.
void taper(QLineEdit* boite, const QString& texte);
void taper(QComboBox* liste, const QString& texte);

// A drag as a pupil's mouse makes it, through the window (tests/support/souris.h): press at the
// start, a move to each step with the button held, release at the end (all points in the
// control's coordinates, even when they lie outside it).
void glisser_souris(QWidget* controle, QPoint depart, const QList<QPoint>& etapes, QPoint arrivee,
                    Qt::MouseButton bouton = Qt::LeftButton);

// Runs the action on the print-settings dialog once a print waits on it. A dialog still open
// 10 s later is closed, so that a print that never ends fails the test instead of hanging it.
void pendant_l_attente(const std::function<void(Facteur_impression*)>& action);

// Converts a file with LibreOffice into the given filter ("txt:Text (encoded):UTF8", "pdf")
// in the output folder; the converted file, or "" when LibreOffice is missing or fails.
QString convertir_avec_libreoffice(const QString& fichier, const QString& filtre, const QString& extension,
                                   const QString& dossier_sortie);
// True when LibreOffice can be run (tests that need it skip otherwise).
bool libreoffice_present();
