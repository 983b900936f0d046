#include "Deck.h"

#include "CardGrid.h"
#include "CountCell.h"
#include "CountEditing.h"

#include <algorithm>
#include <numeric>

namespace {

// Presses one step button until the count reaches target or a press changes nothing.
void pressTo(CardGrid& grid, Totals& totals, const Limits& limits, qint32 row, qint32 countCol, qint32 target)
{
    for (qint32 now = CountCell::value(grid.cellView(countCol, row)); now != target;) {
        const qint32 col = now < target ? countCol + 2 : countCol + 1;  // the up or the down button
        fpsCardList_ButtonClicked(grid, totals, limits, col, row);
        const qint32 after = CountCell::value(grid.cellView(countCol, row));
        if (after == now)
            return;  // the limits absorbed it
        now = after;
    }
}

}  // namespace

Deck Deck::fromGrid(const CardGrid& grid, std::vector<qint32>* rows)
{
    Deck deck;
    std::vector<qint32> found;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        const CardCounts counts{CountCell::value(grid.cellView(colDeck, r)), CountCell::value(grid.cellView(colSide, r))};
        if (counts.isZero())
            continue;
        if (const std::optional<CardNumber> number = grid.numberAt(r)) {
            deck.cards_.push_back({*number, counts});
            found.push_back(r);
        }
    }
    const auto byNumber = [&](size_t a, size_t b) { return deck.cards_[a].number < deck.cards_[b].number; };
    std::vector<size_t> order(deck.cards_.size());
    std::iota(order.begin(), order.end(), size_t(0));
    // Rows in catalogue order, as a load leaves them, need no sort.
    if (!std::is_sorted(order.begin(), order.end(), byNumber)) {
        std::stable_sort(order.begin(), order.end(), byNumber);
        std::vector<Card> sorted;
        std::vector<qint32> sortedRows;
        sorted.reserve(order.size());
        sortedRows.reserve(order.size());
        for (size_t i : order) {
            sorted.push_back(deck.cards_[i]);
            sortedRows.push_back(found[i]);
        }
        deck.cards_ = std::move(sorted);
        found = std::move(sortedRows);
    }
    if (rows)
        *rows = std::move(found);
    return deck;
}

CardCounts Deck::counts(CardNumber number) const
{
    const auto it = std::lower_bound(cards_.begin(), cards_.end(), number,
                                     [](const Card& c, CardNumber n) { return c.number < n; });
    return it != cards_.end() && it->number == number ? it->counts : CardCounts{};
}

void Deck::set(CardNumber number, CardCounts counts)
{
    const auto it = std::lower_bound(cards_.begin(), cards_.end(), number,
                                     [](const Card& c, CardNumber n) { return c.number < n; });
    const bool present = it != cards_.end() && it->number == number;
    if (counts.isZero()) {
        if (present)
            cards_.erase(it);
    } else if (present) {
        it->counts = counts;
    } else {
        cards_.insert(it, {number, counts});
    }
}

qint32 Deck::applyTo(CardGrid& grid, Totals& totals, const Limits& limits) const
{
    std::vector<Card> cards;
    for (const Difference& d : difference(fromGrid(grid), *this))
        cards.push_back({d.number, d.b});
    return pressInto(grid, totals, limits, cards);
}

qint32 Deck::pressInto(CardGrid& grid, Totals& totals, const Limits& limits, const std::vector<Card>& cards)
{
    std::vector<qint32> rows(cards.size());
    for (size_t i = 0; i < cards.size(); ++i)
        rows[i] = grid.rowOf(cards[i].number);
    // A press reads the card's type, whose text lies somewhere in the catalogue: fetching a later
    // card's ahead keeps the presses from waiting on memory one by one.
    constexpr size_t kAhead = 8;
    qint32 changed = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i + kAhead < rows.size() && rows[i + kAhead] != 0)
            for (qint32 col : {colType, colDeck, colSide})
                __builtin_prefetch(grid.cellView(col, rows[i + kAhead]).data());
        const qint32 row = rows[i];
        if (row == 0)
            continue;  // a card the catalogue does not have
        pressTo(grid, totals, limits, row, colSide, 0);
        pressTo(grid, totals, limits, row, colDeck, cards[i].counts.main);
        pressTo(grid, totals, limits, row, colSide, cards[i].counts.side);
        ++changed;
    }
    return changed;
}

Deck Deck::underLimits(const Limits& limits) const
{
    CardGrid scratch;
    Totals totals;
    for (const Card& card : cards_)
        addScratchRow(scratch, card.number);
    applyTo(scratch, totals, limits);
    return fromGrid(scratch);
}

qint32 Deck::addScratchRow(CardGrid& grid, CardNumber number)
{
    const qint32 row = grid.rowCount() + 1;
    grid.setRowCount(row);
    grid.setCellText(colNo, row, number.text());
    grid.setCellText(colDeck, row, u"0");
    grid.setCellText(colSide, row, u"0");
    return row;
}

QList<Deck::Difference> Deck::difference(const Deck& a, const Deck& b)
{
    QList<Difference> out;
    auto i = a.cards_.begin(), j = b.cards_.begin();
    while (i != a.cards_.end() || j != b.cards_.end()) {
        if (j == b.cards_.end() || (i != a.cards_.end() && i->number < j->number)) {
            out.append({i->number, i->counts, {}});
            ++i;
        } else if (i == a.cards_.end() || j->number < i->number) {
            out.append({j->number, {}, j->counts});
            ++j;
        } else {
            if (i->counts != j->counts)
                out.append({i->number, i->counts, j->counts});
            ++i, ++j;
        }
    }
    return out;
}
