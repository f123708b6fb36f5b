#pragma once

#include <QStringList>
#include <functional>

// Starts the system's calculator, detached from the program: the first of the usual calculator
// programs that starts, with the environment the program received (the user's own language).
// False when none could be started.
bool lancer_calculatrice();
// The programs tried, in order.
QStringList programmes_calculatrice();

// Replaces the starting of a program (tests): the hook gets each program in turn and answers
// whether it started.
using CrochetCalculatrice = std::function<bool(const QString& programme)>;
void installer_crochet_calculatrice(CrochetCalculatrice crochet);
