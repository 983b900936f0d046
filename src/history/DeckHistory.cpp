#include "DeckHistory.h"

#include "HistoryText.h"

#include "catalogue/EditorState.h"
#include "deck/CountCell.h"
#include "deck/CountEditing.h"
#include "platform/AppInfo.h"
#include "platform/Ui.h"

namespace {

void show(EditorState& state, Ui& ui, const DeckStep& step, bool after)
{
    std::vector<Deck::Card> cards;
    cards.reserve(size_t(step.changes.size()));
    for (const Deck::Difference& d : step.changes)
        cards.push_back({d.number, after ? d.b : d.a});
    Deck::pressInto(state.fpsCardList, state.totals, state.limits, cards);
    state.deckName = after ? step.deckAfter : step.deckBefore;
    ui.setWindowTitle(state.deckName.isEmpty() ? AppInfo::plainWindowTitle()
                                               : AppInfo::fileWindowTitle(state.deckName));
    ui.totalsChanged();
}

}  // namespace

DeckStep DeckStep::since(const QString& label, const Deck& before, const QString& deckBefore, const EditorState& now)
{
    return {label, Deck::difference(before, Deck::fromGrid(now.fpsCardList)), deckBefore, now.deckName};
}

DeckStep DeckStep::ofPress(const EditorState& now, qint32 row, CardCounts before)
{
    const CardGrid& grid = now.fpsCardList;
    const std::optional<CardNumber> number = grid.numberAt(row);
    const CardCounts after{CountCell::value(grid.cellView(colDeck, row)), CountCell::value(grid.cellView(colSide, row))};
    if (!number || after == before)
        return {};
    const bool side = after.main == before.main;  // a main-deck press may move the side board too
    const QString label = HistoryText::press(grid.cellText(colName, row), side,
                                             side ? after.side - before.side : after.main - before.main);
    return {label, {{*number, before, after}}, now.deckName, now.deckName};
}

void DeckHistory::record(DeckStep step)
{
    if (step.isEmpty())
        return;
    steps_.erase(steps_.begin() + done_, steps_.end());
    steps_.push_back(std::move(step));
    while (qsizetype(steps_.size()) > capacity_)
        steps_.pop_front();
    done_ = qsizetype(steps_.size());
}

bool DeckHistory::press(EditorState& state, qint32 col, qint32 row)
{
    CardGrid& grid = state.fpsCardList;
    const CardCounts before{CountCell::value(grid.cellView(colDeck, row)), CountCell::value(grid.cellView(colSide, row))};
    const bool changed = fpsCardList_ButtonClicked(grid, state.totals, state.limits, col, row);
    if (changed)
        record(DeckStep::ofPress(state, row, before));
    return changed;
}

void DeckHistory::recordChange(EditorState& state, const std::function<void()>& change,
                               const std::function<QString()>& label)
{
    const Deck before = Deck::fromGrid(state.fpsCardList);
    const QString deckBefore = state.deckName;
    change();
    record(DeckStep::since(label(), before, deckBefore, state));
}

bool DeckHistory::undo(EditorState& state, Ui& ui)
{
    if (done_ == 0)
        return false;
    show(state, ui, steps_[size_t(--done_)], false);
    return true;
}

bool DeckHistory::redo(EditorState& state, Ui& ui)
{
    if (done_ == qsizetype(steps_.size()))
        return false;
    show(state, ui, steps_[size_t(done_++)], true);
    return true;
}

void DeckHistory::clear()
{
    steps_.clear();
    done_ = 0;
}
