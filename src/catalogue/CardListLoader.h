#pragma once

#include <QtGlobal>

struct EditorState;
class Ui;

// Reads the whole catalogue into the grid: one row per card, every count 0, every total reset, the
// limits and the card total taken over. The full load also shows the wait window and collects the
// search dialog's maxima and item lists. Everything is built aside and put in place only when the
// whole load succeeded: a failed load tells the user why and leaves the state as it was. Either
// way the wait window is closed and the main controls are enabled again.
// Answers 0 when the load completed, -1 when it failed.
qint32 flngLoadCardList(EditorState& state, Ui& ui, bool ibolFullLoad);
