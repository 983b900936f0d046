#pragma once

#include <QImage>

struct DeckSheetContent;
struct EditorState;
class Ui;

// The deck sheet: one picture of a deck to share. The editor and the companion both draw it here,
// so the same deck gives the same picture.

// The sheet of the content; a null image when the cards do not fit one picture of bounded size.
QImage drawDeckSheet(const DeckSheetContent& content);

// Draws the deck on screen and writes it as PNG to a file the user chooses, replacing the file
// atomically; every outcome is told in a message box.
void saveDeckSheet(const EditorState& state, Ui& ui);
