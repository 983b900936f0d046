#pragma once

#include <QPointer>

class QMenu;
class QWidget;
class Ui;
class frmDeckStats;
struct EditorState;

// The tools on the whole deck that the row menu offers: the statistics window and the deck sheet.
// Their windows open beside the main window and follow it when its width changes; what they draw
// of the deck is drawn again when the deck changes.
class DeckTools {
public:
    DeckTools(QWidget& window, const EditorState& state, Ui& ui);

    // The tools' entries at the end of a row's context menu.
    void addMenuEntries(QMenu& menu);

    void showDeckStats();
    frmDeckStats* deckStats() const;
    // Draws the deck on screen as a sheet and saves it where the user chooses.
    void saveDeckSheet();

    // The deck's counts changed.
    void deckChanged();
    // The main window changed its width: the open windows are placed beside it again.
    void followWindow();

private:
    QWidget& window_;
    const EditorState& state_;
    Ui& ui_;
    QPointer<frmDeckStats> stats_;
    bool statsPending_ = false;  // a redraw of the statistics is queued
};
