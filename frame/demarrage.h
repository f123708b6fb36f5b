#pragma once

class QApplication;

// The start that main(), the tools, the benchmarks and the tests that start as the program does
// all go through.
//
// Before the application object exists: the system's language settled for the program, no
// session bus started for it, and, until the main window shows, a thread the system refuses to Qt
// (the display's, the bus's) ends the program with a French message and a failure status rather
// than leaving it waiting without a window.
void preparer_processus();
// Once it exists: program-wide settings (French platform dialogs that keep nothing between runs,
// F1 help, no quit when the main window hides); fontconfig's configuration is read on a thread of
// its own meanwhile and, given the activities' registration, the activities register and the main
// window loads (neither measures a text). Returns once that reading is over, so that no text is
// ever measured while it goes on.
void preparer_application(QApplication& application, void (*enregistrer_modules)() = nullptr);
// Shows the main window centred, loading it first if it is not loaded (its load is the start-up
// sequence).
void demarrer();
