#pragma once

#include "deck/Deck.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

struct EditorState;
class Ui;

// One change a player can take back: the counts it changed, by card number, before (a) and after
// (b), and the deck file the title named before and after. Only what changed is kept: a press is
// one card, an opening of 100,000 cards a few MB.
struct DeckStep {
    QString label;
    QList<Deck::Difference> changes;
    QString deckBefore, deckAfter;

    // The step from the deck and name an editor had to those it has now; none (no changes, same
    // name) when nothing changed.
    static DeckStep since(const QString& label, const Deck& before, const QString& deckBefore, const EditorState& now);
    // A press on a step button of row, whose counts were before: the card's name, its section and
    // the change in the label ("灯守見習いリノ メイン +1"); none when the limits absorbed it.
    static DeckStep ofPress(const EditorState& now, qint32 row, CardCounts before);
    bool isEmpty() const { return changes.isEmpty() && deckBefore == deckAfter; }
};

// The steps done and undone, newest last. Recording a step drops those that could be redone;
// past the capacity the oldest go.
class DeckHistory {
public:
    static constexpr qsizetype kCapacity = 1000;
    explicit DeckHistory(qsizetype capacity = kCapacity) : capacity_(capacity) {}

    void record(DeckStep step);  // an empty step is not recorded
    // A press on a step button through the step handler, recorded when it changed a count.
    bool press(EditorState& state, qint32 col, qint32 row);
    // Runs a change of the whole deck (an opening, a reload, the side-board reset) and records
    // what it did, under the label label() gives afterwards.
    void recordChange(EditorState& state, const std::function<void()>& change, const std::function<QString()>& label);
    const DeckStep* nextUndo() const { return done_ > 0 ? &steps_[size_t(done_ - 1)] : nullptr; }
    const DeckStep* nextRedo() const { return done_ < qsizetype(steps_.size()) ? &steps_[size_t(done_)] : nullptr; }

    // Takes the step back (or does it again) in the editor: the counts it changed pressed back to
    // what they were (or became) through the step handler, the title and deck name with them.
    // Nothing is read from a file; a card the catalogue no longer has is left out. False when
    // there is no step to take.
    bool undo(EditorState& state, Ui& ui);
    bool redo(EditorState& state, Ui& ui);
    void clear();

private:
    std::deque<DeckStep> steps_;
    qsizetype done_ = 0;  // steps_[0, done_) are done
    qsizetype capacity_;
};
