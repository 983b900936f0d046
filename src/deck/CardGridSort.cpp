// The grid's multi-key sort and the text order it shares with the sort keys of other columns.
#include "CardGrid.h"

#include "platform/NumericText.h"

#include <algorithm>
#include <numeric>

namespace {

bool isCountColumn(qint32 col) { return col == colDeck || col == colSide; }

// What a sort compares of one cell, worked out once per cell rather than once per comparison.
// Count cells compare as integers; other cells: empty texts first, then numbers by value, then
// other texts by code unit, numbers of equal value by their text: a total order. The first
// twelve code units, packed, and the length settle nearly every text comparison without going
// back to the cells' text, which lies scattered over the catalogue.
constexpr qsizetype kPrefixUnits = 12;
struct SortValue {
    double number = 0;
    std::array<quint64, kPrefixUnits / 4> prefix{};
    quint32 size = 0;
    quint8 rank = 0;  // 0 empty, 1 number, 2 other text; counts always 1
};

SortValue sortValue(QStringView cell, bool asInteger)
{
    if (asInteger)
        return {NumericText::leadingValue(cell), {}, 0, 1};
    SortValue v;
    v.size = quint32(cell.size());
    for (qsizetype i = 0; i < kPrefixUnits; ++i)
        v.prefix[size_t(i / 4)] = v.prefix[size_t(i / 4)] << 16 | (i < cell.size() ? cell[i].unicode() : 0u);
    if (cell.isEmpty())
        return v;
    v.rank = NumericText::isNumeric(cell) ? 1 : 2;
    if (v.rank == 1)
        v.number = NumericText::leadingValue(cell);
    return v;
}

// -1, 0 or 1 as far as the values tell; kUndecided when only the whole texts can.
constexpr int kUndecided = 2;
int compareValues(const SortValue& x, const SortValue& y, bool asInteger)
{
    if (x.rank != y.rank)
        return x.rank < y.rank ? -1 : 1;
    if (x.number != y.number)
        return x.number < y.number ? -1 : 1;
    if (asInteger)
        return 0;
    if (x.prefix != y.prefix)
        return x.prefix < y.prefix ? -1 : 1;
    // Equal prefixes holding every unit of both texts: the same text.
    return x.size == y.size && x.size <= quint32(kPrefixUnits) ? 0 : kUndecided;
}

}  // namespace

void CardGrid::sort(const QList<SortKey>& keys)
{
    QList<SortKey> used;
    for (const SortKey& k : keys)
        if (validColumn(k.col) && used.size() < 4)
            used.append(k);
    if (used.isEmpty() || rows_.size() < 2)
        return;
    // One table per key, filled in row order; the text of a later row is fetched ahead, as the
    // texts of sorted rows lie in no useful order in memory.
    constexpr size_t kAhead = 16;
    std::array<std::vector<SortValue>, 4> values;
    std::array<bool, 4> asInteger{};
    for (qsizetype k = 0; k < used.size(); ++k) {
        const size_t col = size_t(used[k].col - 1);
        asInteger[size_t(k)] = isCountColumn(used[k].col);
        std::vector<SortValue>& column = values[size_t(k)];
        column.resize(rows_.size());
        for (size_t r = 0; r < rows_.size(); ++r) {
            if (r + kAhead < rows_.size())
                __builtin_prefetch(view(rows_[r + kAhead].cells[col]).data());
            column[r] = sortValue(view(rows_[r].cells[col]), asInteger[size_t(k)]);
        }
    }
    std::vector<quint32> order(rows_.size());
    std::iota(order.begin(), order.end(), quint32(0));
    std::stable_sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        for (qsizetype k = 0; k < used.size(); ++k) {
            int c = compareValues(values[size_t(k)][a], values[size_t(k)][b], asInteger[size_t(k)]);
            if (c == kUndecided) {
                const size_t col = size_t(used[k].col - 1);
                c = view(rows_[a].cells[col]).compare(view(rows_[b].cells[col]));
            }
            if (c != 0)
                return used[k].descending ? c > 0 : c < 0;
        }
        return false;
    });
    // Rows follow their cycles of the permutation in place: each moves once, and no second table
    // of rows is allocated.
    std::vector<bool> placed(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        if (placed[i])
            continue;
        Row first = std::move(rows_[i]);
        size_t j = i;
        for (; order[j] != i; j = order[j]) {
            rows_[j] = std::move(rows_[order[j]]);
            placed[j] = true;
        }
        rows_[j] = std::move(first);
        placed[j] = true;
    }
    ++rowOrderVersion_;
    if (observer_)
        observer_->rowsChanged();
}

bool CardGrid::textLess(QStringView a, QStringView b)
{
    const int c = compareValues(sortValue(a, false), sortValue(b, false), false);
    return c == kUndecided ? a.compare(b) < 0 : c < 0;
}
