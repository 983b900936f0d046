#pragma once

#include "deckfile/DeckList.h"

#include <QDialog>

class DeckTableModel;
class QLabel;
class QPlainTextEdit;
class QTableView;
class QTimer;
struct EditorState;

// "テキストから読み込み": a deck list to edit (the clipboard's text to start with), read as it is
// typed, showing the deck it will load and every line it could not read. Accepting it leaves the
// loading to the caller.
class frmDeckListImport : public QDialog {
    Q_OBJECT
public:
    frmDeckListImport(const EditorState& state, const QString& text, QWidget* parent = nullptr);

    QString text() const;

private:
    void preview();

    const EditorState& state_;
    DeckList list_;
    QPlainTextEdit *edit_, *issues_;
    QLabel* summary_;
    QTableView* cards_;
    DeckTableModel* model_;
    QTimer* typing_;
};
