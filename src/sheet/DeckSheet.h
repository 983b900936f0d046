#pragma once

#include "platform/FileWrite.h"

#include <QByteArray>
#include <QImage>

struct DeckSheetContent;
struct EditorState;
class Ui;

// The deck sheet: one picture of a deck to share. The editor and the companion both draw it here,
// so the same deck gives the same picture.

// The sheet of the content; a null image when the cards do not fit one picture of bounded size.
QImage drawDeckSheet(const DeckSheetContent& content);

// The deck on screen's sheet as PNG bytes: a null text, or why there is no picture.
QString deckSheetPng(const EditorState& state, QByteArray& png);
// Writes that PNG into path, replacing a file atomically.
SaveResult saveDeckSheetFile(const EditorState& state, const QString& path);
// Saves into a file the user chooses; every outcome is told in a message box.
void saveDeckSheet(const EditorState& state, Ui& ui);
