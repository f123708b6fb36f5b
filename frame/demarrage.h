#pragma once

class QApplication;

// Program-wide settings: French platform dialogs, F1 help, no quit when the main window hides.
void preparer_application(QApplication& application);
// Creates the main window (its load is the start-up sequence) and shows it centred.
void demarrer();
