#pragma once

#include "platform/FileWrite.h"

#include <QByteArray>
#include <QImage>

class QPainter;
class QRect;
class QSize;
struct DeckSheetContent;
struct EditorState;
struct SheetCard;
class Ui;

// The deck sheet: one picture of a deck to share. The editor and the companion both draw it here,
// so the same deck gives the same picture.

// The sheet of the content; a null image when the cards do not fit one picture of bounded size.
QImage drawDeckSheet(const DeckSheetContent& content);

// One card as the sheet draws it, for any window that shows cards the same way: its picture (a
// plain frame with its texts where it has none) at the tile's width, a count badge unless count is
// "", and below it the number, type and name where the tile leaves a caption's height.
void drawSheetTile(QPainter& p, const SheetCard& card, const QRect& tile, const QString& count);
// A tile of that width with its caption (no caption below 60 pixels).
QSize sheetTileSize(int width);

// The deck on screen's sheet as PNG bytes: a null text, or why there is no picture.
QString deckSheetPng(const EditorState& state, QByteArray& png);
// Writes that PNG into path, replacing a file atomically.
SaveResult saveDeckSheetFile(const EditorState& state, const QString& path);
// Saves into a file the user chooses; every outcome is told in a message box.
void saveDeckSheet(const EditorState& state, Ui& ui);
