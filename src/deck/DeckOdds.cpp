#include "DeckOdds.h"

#include "CardGrid.h"
#include "DeckStats.h"

#include <QHash>

#include <algorithm>

double chanceOfAny(qint64 deckSize, qint64 copies, qint64 drawn)
{
    if (deckSize <= 0 || copies <= 0 || drawn <= 0)
        return 0;
    const qint64 n = std::min(drawn, deckSize), k = std::min(copies, deckSize);
    if (n > deckSize - k)
        return 1;  // too few other cards to fill the draw
    // C(N-K, n) / C(N, n) is also C(N-n, K) / C(N, K): the shorter of the two products. Long
    // double keeps the error of a product of 100,000 factors far below 1e-12.
    long double none = 1;
    const long double size = deckSize;
    if (n <= k) {
        for (qint64 i = 0; i < n; ++i)
            none *= (size - k - i) / (size - i);
    } else {
        for (qint64 i = 0; i < k; ++i)
            none *= (size - n - i) / (size - i);
    }
    return double(1 - none);
}

namespace {

// Most cards share a handful of copy counts: each count's odds are worked out once.
class OddsOf {
public:
    OddsOf(qint64 deckSize, qint64 drawn, qint64 opening) : size_(deckSize), drawn_(drawn), opening_(opening) {}
    void fill(OddsRow& row)
    {
        auto it = known_.constFind(row.copies);
        if (it == known_.cend())
            it = known_.insert(row.copies, {chanceOfAny(size_, row.copies, drawn_), chanceOfAny(size_, row.copies, opening_)});
        row.drawn = it->first;
        row.opening = it->second;
    }

private:
    qint64 size_, drawn_, opening_;
    QHash<qint64, std::pair<double, double>> known_;
};

}  // namespace

DeckOdds deckOdds(const CardGrid& grid, DeckPart part, qint64 drawn, qint64 opening)
{
    const DeckStats stats = deckStats(grid);
    const DeckSection& section = part == DeckPart::Main ? stats.main : stats.after;
    DeckOdds odds{section.total, drawn, opening, {}};
    OddsOf of(odds.deckSize, drawn, opening);
    std::vector<qint32> rows;
    const Deck deck = Deck::fromGrid(grid, &rows);
    odds.rows.reserve(qsizetype(rows.size()) + section.type.size() + section.cost.size());
    const auto add = [&](OddsRow row) {
        of.fill(row);
        row.listed = odds.rows.size();
        odds.rows.append(std::move(row));
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        const Deck::Card& card = deck.cards()[i];
        if (const qint64 copies = partCopies(card.counts, part); copies > 0)
            add({OddsRow::Kind::Card, card.number, grid.cellText(colName, rows[i]), copies});
    }
    for (const DeckTally& t : section.type)
        add({OddsRow::Kind::Type, std::nullopt, t.text, t.copies});
    for (const DeckTally& t : section.cost)
        add({OddsRow::Kind::Cost, std::nullopt, t.text, t.copies});
    return odds;
}

void setOddsDrawn(DeckOdds& odds, qint64 drawn)
{
    odds.drawn = drawn;
    QHash<qint64, double> known;
    for (OddsRow& row : odds.rows) {
        auto it = known.constFind(row.copies);
        if (it == known.cend())
            it = known.insert(row.copies, chanceOfAny(odds.deckSize, row.copies, drawn));
        row.drawn = *it;
    }
}

void sortOdds(QList<OddsRow>& rows, OddsColumn column, bool descending)
{
    // -1, 0, 1 as a is before, level with, after b in ascending order.
    const auto compare = [column](const OddsRow& a, const OddsRow& b) -> int {
        switch (column) {
        case OddsColumn::Listed:
            break;
        case OddsColumn::Text:
            return CardGrid::textLess(a.text, b.text) ? -1 : CardGrid::textLess(b.text, a.text) ? 1 : 0;
        case OddsColumn::Copies:
            return a.copies < b.copies ? -1 : a.copies > b.copies ? 1 : 0;
        case OddsColumn::Drawn:
            return a.drawn < b.drawn ? -1 : a.drawn > b.drawn ? 1 : 0;
        case OddsColumn::Opening:
            return a.opening < b.opening ? -1 : a.opening > b.opening ? 1 : 0;
        }
        return a.listed < b.listed ? -1 : a.listed > b.listed ? 1 : 0;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const OddsRow& a, const OddsRow& b) {
        if (a.kind != b.kind)
            return a.kind < b.kind;
        const int c = compare(a, b);
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return a.listed < b.listed;
    });
}
