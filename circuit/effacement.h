#pragma once

// Clearing the circuit drawing. Nothing is destroyed: every placed symbol, lead and wire moves
// to (-5000, -5000), far off the sheet, and keeps its index and properties; the text labels of
// this window lose their captions where they stand. The drawing tools' buttons are released
// and the drawing area gets its standard pointer back. No counter, tool mode, rubber band or
// selection line changes. Both work on the circuit window, which their callers keep open.

// Clears without asking (a theme's start, the next question).
void initialiser_schema();
// Asks "Initialisation: Voulez-vous tout effacer?" (Yes/No, No by default) after releasing
// the buttons and resetting the pointer, and clears on Yes.
void effacer_schema();
