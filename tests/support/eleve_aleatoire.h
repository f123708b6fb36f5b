#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <cstdint>

// A pupil at random: from a seed, a given number of steps across every visible window of the
// program, as a mouse and a keyboard would make them — clicks and double clicks at random points
// (through the windows, so masks and grabs choose the receiver), right clicks, drags inside a
// control and from one control to another (where a sheet and its palettes show, mostly from one
// control that takes drops onto another, often the sheet), moves without a button, typing into
// boxes, keys, the commands of the menu and tool bars, windows closed. What a panel's opening
// uncovers catches its eye. Where a sheet shows, the pupil works there: it takes the sheet's
// tools, drags across the sheet (strokes, selection frames, a frame around all of it), drags
// its small handles and the notes lying on it, and right-clicks what takes drops; in a pop-up
// menu, a command that opens a dialog ("...") draws it more than the others. The help is read
// briefly, then closed. Message boxes, pop-up menus, Save As, the font and colour dialogs and
// the calculator are answered at random through their hooks; prints go to a printer double.
// The pupil also works through its exercise now and then (an answer chosen, "Valider...",
// "Continuer"), so that sheets, drawings and texts get finished. Now and then the teacher, at
// the main window, opens an options dialog through the "Options" menu, ticks its Word box, sets
// its report folder and validates (or cancels), so that finished work writes its reports.
// Report folders and pictures go to folders chosen inside a temporary folder, which is also the
// current directory for the run; a report folder is sometimes one where no report can be written
// (missing, read-only, under a file), so that the reports' failures are gone through too.
// Windows are named as the program registers them.
//
// The next step is always waiting on the event queue before a step acts, so a pupil also clicks
// while the program pauses or waits for a dialog, as a real one does. After each step it checks
// that the program is not locked (a window of it visible and enabled, or a lasting state with
// none), that no identification dialog stays open for a window that has closed, and that no
// .doc or .bmp file was written outside the chosen folders (the temporary folder tree and the
// program's folder are scanned). A program ended by its own quit command is started again. A
// crash, a sanitizer report or a hang prints the seed and the last steps.
struct BilanEleve {
    QString echec;  // empty when every check held; otherwise what failed, the seed and the last steps
    int pas = 0;    // steps made
    int redemarrages = 0;
    int documents = 0;    // .doc files written in the chosen folders
    QMap<QString, int> documents_par_sorte;  // the same by kind of report: quiz, drawings, texts
    int rapports_refuses = 0;  // reports that told their failure in a message box
    int images = 0;       // .bmp files written in the chosen folders
    int impressions = 0;  // jobs sent to the printer double
    int boites = 0;       // message boxes answered
    QMap<QString, int> actions;  // steps of each kind
    QMap<QString, int> fenetres;  // the windows acted in, with the times the pupil acted there
    // The figures on one line each, for the long runs' report.
    QString resume() const;
};

// Runs the pupil from a fresh program (tests/support/fixture.h) and leaves the program reset.
// Needs a QApplication.
BilanEleve faire_jouer_eleve(std::uint32_t graine, int nombre_pas);
