#pragma once

class QApplication;

// What main() does before the application object exists: the system's language settled for the
// program, then fontconfig's configuration read on a thread of its own.
void preparer_processus();
// Program-wide settings: French platform dialogs, F1 help, no quit when the main window hides.
void preparer_application(QApplication& application);
// Creates the main window (its load is the start-up sequence) and shows it centred.
void demarrer();
