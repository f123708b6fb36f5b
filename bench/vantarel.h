#pragma once

// What the benchmark programs of Vantarel share: the start as its main() does, and the windows
// they wait for.
#include "bench/mesure.h"
#include "frame/demarrage.h"
#include "frame/form1.h"
#include "modules.h"
#include "quiz/fenetre_qcm.h"

namespace banc {

inline bool est_form1(QWidget* w) { return qobject_cast<Form1*>(w) != nullptr; }
inline bool est_le_qcm(QWidget* w) { return qobject_cast<fenetre_QCM*>(w) != nullptr; }

// What main() does once the application exists: the main window is loaded.
inline void preparer_vantarel(QApplication& application) { preparer_application(application, enregistrer_modules); }

// Shows the main window as the program's start does and waits until it has been painted.
inline void demarrer_jusqu_a_la_peinture() { jusqu_a_la_peinture(est_form1, [] { demarrer(); }); }

}  // namespace banc
