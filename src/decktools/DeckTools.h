#pragma once

#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QWidget;
class RecentDecks;
class Ui;
class frmDeckCompare;
class frmDeckHand;
class frmDeckStats;
struct EditorState;

// The tools on the whole deck that the row menu offers: the statistics window, the deck sheet,
// trial hands, a comparison with another deck file and the deck list as text. Their windows open
// beside the main window and follow it when its width changes; what they show of the deck is drawn
// again when the deck changes.
class DeckTools {
public:
    // What only the main window can do for the tools.
    struct Links {
        // Runs a change of the whole deck as one step the player can take back, then brings the
        // search up to date as after a deck opening.
        std::function<void(const std::function<void()>& change, const std::function<QString()>& label)> recordChange;
        std::function<void(const QString& cardNo)> openCard;
        RecentDecks* settings = nullptr;  // small choices kept between runs
    };

    DeckTools(QWidget& window, EditorState& state, Ui& ui);
    ~DeckTools();
    void setLinks(Links links);

    // The tools' entries in a row's context menu: the first ones after the row's own, the others
    // after the main window's edit entries.
    void addMenuEntries(QMenu& menu);
    void addLaterMenuEntries(QMenu& menu);

    void showDeckStats();
    frmDeckStats* deckStats() const;
    // Draws the deck on screen as a sheet and saves it where the user chooses.
    void saveDeckSheet();
    void showDeckHand();
    frmDeckHand* deckHand() const;
    // Asks for a deck file and compares the deck on screen with it.
    void compareDeck();
    frmDeckCompare* deckCompare() const;
    // The deck list on the clipboard, and a list to load from it.
    void copyList();
    void importList();
    // Off while a load runs, as the main window's controls are: a list loaded from the keys then
    // would start a load inside it.
    void setKeysEnabled(bool enabled);
    QAction* copyListAction() const { return copy_; }
    QAction* importListAction() const { return import_; }

    // The deck's counts changed.
    void deckChanged();
    // While one lives, a change of the whole deck runs (a load lets events run part-way): the
    // windows are drawn again once, after it, from the deck it leaves.
    class Held {
    public:
        explicit Held(DeckTools& tools) : tools_(tools) { ++tools_.held_; }
        ~Held();
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        DeckTools& tools_;
    };
    // The main window changed its width: the open windows are placed beside it again.
    void followWindow();

private:
    void open(QWidget* tool);

    QWidget& window_;
    EditorState& state_;
    Ui& ui_;
    Links links_;
    QAction *copy_, *import_;
    QPointer<frmDeckStats> stats_;
    QPointer<frmDeckHand> hand_;
    QPointer<frmDeckCompare> compare_;
    bool redrawPending_ = false;  // a redraw of the open windows is queued
    int held_ = 0;
    bool changedWhileHeld_ = false;
};
