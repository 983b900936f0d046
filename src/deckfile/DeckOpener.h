#pragma once

#include <QString>

struct EditorState;
class Ui;

// Loads a deck file into a freshly reloaded grid by replaying one step-button press per copy, so
// every limit applies as to a deck built by hand. istrFileName "" asks the user for the file; a
// given path loses one enclosing double quote at each end (in the caller's variable). Answers 0.
qint32 plngOpenFile(EditorState& state, Ui& ui, QString& istrFileName);

// The name shown in the title for a given path: the text after its last separator.
QString deckDisplayName(const QString& path);
