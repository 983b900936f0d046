#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// The open and save dialogs of deck files. Filters come in the "description|pattern;pattern|…"
// form the deck routines use and are turned into Qt name filters here. Both dialogs start where the
// last one of this run ended (FileDialog).
namespace DeckFileDialog {

// "デッキファイル(*.txt,*.deck)|*.txt;*.deck" -> "デッキファイル(*.txt,*.deck) (*.txt *.deck)"; "*.*" -> "*".
QStringList nameFilters(const QString& filter);
QString open(QWidget* parent, const QString& filter);  // "" when cancelled
// Adds the selected filter's extension to a name typed without one; asks before replacing a file.
QString save(QWidget* parent, const QString& filter);

// The dialogs as open() and save() set them up, before they are shown.
void prepareOpen(QFileDialog& dialog, const QString& filter);
void prepareSave(QFileDialog& dialog, const QString& filter);

}  // namespace DeckFileDialog
