#pragma once

class QApplication;

// What main() does before the application object exists: the system's language settled for the
// program.
void preparer_processus();
// Program-wide settings: French platform dialogs that keep nothing between runs, F1 help, no quit
// when the main window hides; fontconfig's configuration starts reading on a thread of its own.
void preparer_application(QApplication& application);
// Creates the main window (its load is the start-up sequence) and shows it centred.
void demarrer();
