#pragma once

#include "platform/FileWrite.h"

#include <QByteArray>
#include <QString>

struct EditorState;
class Ui;

// The deck on screen as a deck file (CP932, CR LF): main-deck records, then "--" and the
// side-board records, rows in the grid's current order, hidden rows included. Throws the
// RuntimeError of a count that does not fit.
QByteArray deckFileBytes(const EditorState& state, Ui& ui);
// Writes them into path, replacing a file atomically; a failure leaves any existing file as it was.
SaveResult saveDeckFile(const EditorState& state, Ui& ui, const QString& path);

// Saves into a file the user chooses, and tells the user how it went.
// `saved`, when given, receives what the save did (a null path when the dialog was cancelled).
void fsubSaveFile(EditorState& state, Ui& ui, SaveResult* saved = nullptr);
