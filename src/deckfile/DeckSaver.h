#pragma once

#include <QString>

struct EditorState;
class Ui;

// Writes the deck on screen to a file the user chooses: main-deck records, then "--" and the
// side-board records, rows in the grid's current order, hidden rows included. The file is
// replaced atomically; a failure is reported and leaves any existing file as it was.
void fsubSaveFile(EditorState& state, Ui& ui);
