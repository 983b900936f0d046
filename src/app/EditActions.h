#pragma once

#include "deckfile/RecentDecks.h"
#include "history/DeckHistory.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QWidget;
class Ui;
struct EditorState;
struct OpenResult;
struct SaveResult;

// What the main window adds beyond its buttons: undo and redo of every change to the deck, the
// deck files used lately, and keyboard shortcuts for its buttons. The main window's routines run
// their changes through it so that each becomes one step.
class EditActions : public QObject {
public:
    struct Buttons {
        QPushButton* open;
        QPushButton* save;
        QPushButton* search;
    };
    // openDeck opens a path as デッキを開く does with it.
    EditActions(QWidget& window, EditorState& state, Ui& ui, Buttons buttons, std::function<void(QString)> openDeck);
    ~EditActions() override;

    // After a row's own entries and the deck tools': 元に戻す, やり直し and 最近使ったデッキ.
    void addMenuEntries(QMenu& menu);

    // A press on a step button, one step when it changed a count.
    bool press(qint32 col, qint32 row);
    // A change of the whole deck (an opening, the main or the side-board リセット), one step.
    void recordChange(const std::function<void()>& change, const std::function<QString()>& label);
    // Undo and redo are off while a load runs, as the buttons are, and while a whole-deck change
    // lets events run: a step taken then would land inside another.
    void setStepsEnabled(bool enabled);
    // The file an opening or a save used goes to the top of the recent decks.
    void used(const QString& path);

    DeckHistory& history() { return history_; }
    RecentDecks& recent() { return recent_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

private:
    void takeStep(bool undo);
    void refresh();

    EditorState& state_;
    Ui& ui_;
    std::function<void(QString)> openDeck_;
    DeckHistory history_;
    RecentDecks recent_;
    QAction* undo_;
    QAction* redo_;
    bool enabled_ = true;
    bool changing_ = false;
};
