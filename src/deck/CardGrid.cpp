#include "CardGrid.h"

#include "platform/NumericText.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

constexpr Rgb kBlack = rgb(0, 0, 0);

struct ColumnSpec {
    const char16_t* header;
    double width;
    bool hiddenAtStart;
};

// Headers of columns 10 to 12 are half-width katakana, as the players know them.
constexpr ColumnSpec kColumns[kColumnCount] = {
    {u"No.", 4, false},        {u"種類", 10, false},     {u"名前", 28.5, false},      {u"枚数", 5.5, false},
    {u" ", 5.5, false},        {u" ", 5.5, false},       {u"枚数", 5.5, true},        {u" ", 5.5, true},
    {u" ", 5.5, true},         {u"ﾉｰﾄﾞ", 4.5, true},     {u"ｺｽﾄ", 4.5, true},         {u"ｸﾞﾚｲｽﾞ", 6, true},
    {u"攻撃", 4.5, true},      {u"耐久", 4.5, true},     {u"使用者", 10.5, true},     {u"維持", 4.5, true},
    {u"種族", 10, true},       {u"戦術など", 33.85, true}, {u"絵師", 16.87, true},
};

// A cell filled by setCellShared points into a storage without owning it.
bool isShared(const QString& s) { return !s.isEmpty() && !s.data_ptr().isMutable(); }

bool isCountColumn(qint32 col) { return col == colDeck || col == colSide; }

// What a sort compares of one cell, worked out once per cell rather than once per comparison.
// Count cells compare as integers; other cells: empty texts first, then numbers by value, then
// other texts by code unit, numbers of equal value by their text: a total order. The first eight
// code units, packed, settle most text comparisons without touching the cells' text.
struct SortValue {
    double number = 0;
    std::array<quint64, 2> prefix{};
    quint8 rank = 0;  // 0 empty, 1 number, 2 other text; counts always 1
};

SortValue sortValue(QStringView cell, bool asInteger)
{
    if (asInteger)
        return {NumericText::leadingValue(cell), {}, 1};
    SortValue v;
    for (qsizetype i = 0; i < 8; ++i)
        v.prefix[size_t(i / 4)] = v.prefix[size_t(i / 4)] << 16 | (i < cell.size() ? cell[i].unicode() : 0u);
    if (cell.isEmpty())
        return v;
    v.rank = NumericText::isNumeric(cell) ? 1 : 2;
    if (v.rank == 1)
        v.number = NumericText::leadingValue(cell);
    return v;
}

int compareCells(QStringView a, const SortValue& x, QStringView b, const SortValue& y, bool asInteger)
{
    if (x.rank != y.rank)
        return x.rank < y.rank ? -1 : 1;
    if (x.number != y.number)
        return x.number < y.number ? -1 : 1;
    if (asInteger)
        return 0;
    if (x.prefix != y.prefix)
        return x.prefix < y.prefix ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

CardGrid::Row::Row() { colors.fill(kBlack); }

CardGrid::CardGrid()
{
    for (qint32 c = 0; c < kColumnCount; ++c) {
        headers_[c] = QString::fromUtf16(kColumns[c].header);
        columnHidden_[c] = kColumns[c].hiddenAtStart;
    }
}

CardGrid::~CardGrid()
{
    if (observer_)
        observer_->gridDestroyed();
}

void CardGrid::setRowCount(qint32 count)
{
    count = std::max(count, 0);
    if (count < rowCount())
        for (auto it = rows_.begin() + count; it != rows_.end(); ++it)
            for (const QString& cell : it->cells)
                release(cell);
    rows_.resize(size_t(count));
    ++rowOrderVersion_;
    if (observer_)
        observer_->rowsChanged();
}

void CardGrid::adoptRows(CardGrid&& other)
{
    for (size_t r = 0; r < std::min(rows_.size(), other.rows_.size()); ++r)
        other.rows_[r].hidden = rows_[r].hidden;
    rows_ = std::move(other.rows_);
    storages_ = std::move(other.storages_);
    other.rows_.clear();
    other.storages_.clear();
    ++rowOrderVersion_;
    if (observer_)
        observer_->rowsChanged();
}

QString CardGrid::cellText(qint32 col, qint32 row) const
{
    const QStringView v = cellView(col, row);
    return v.toString();  // a deep copy, so no text handed out outlives a shared storage
}

QStringView CardGrid::cellView(qint32 col, qint32 row) const
{
    if (!validColumn(col))
        return {};
    if (row == 0)
        return headers_[col - 1];
    if (!validRow(row))
        return {};
    return rows_[size_t(row - 1)].cells[col - 1];
}

QString& CardGrid::cellRef(qint32 col, qint32 row)
{
    if (row == 0)
        return headers_[col - 1];
    return rows_[size_t(row - 1)].cells[col - 1];
}

void CardGrid::release(const QString& cell)
{
    if (!isShared(cell))
        return;
    const QChar* p = cell.constData();
    for (auto it = storages_.begin(); it != storages_.end(); ++it) {
        const QString& s = *it->text;
        if (p >= s.constData() && p < s.constData() + s.size()) {
            if (--it->users == 0)
                storages_.erase(it);
            return;
        }
    }
}

void CardGrid::setCellText(qint32 col, qint32 row, const QString& text)
{
    if (!validColumn(col) || (row != 0 && !validRow(row)))
        return;
    QString& cell = cellRef(col, row);
    release(cell);
    // A copy of a shared cell would share its storage unowned: keep only owned text here.
    cell = isShared(text) ? QString(text.constData(), text.size()) : text;
    if (observer_)
        observer_->cellChanged(col, row);
}

void CardGrid::setCellShared(qint32 col, qint32 row, QStringView text, const std::shared_ptr<const QString>& storage)
{
    if (!validColumn(col) || !validRow(row) || !storage)
        return;
    QString& cell = cellRef(col, row);
    release(cell);
    if (text.isEmpty()) {
        cell = QString();
    } else {
        auto it = std::find_if(storages_.begin(), storages_.end(),
                               [&](const Storage& s) { return s.text == storage; });
        if (it == storages_.end())
            it = storages_.insert(storages_.end(), Storage{storage, 0});
        ++it->users;
        cell = QString::fromRawData(text.data(), text.size());
    }
    if (observer_)
        observer_->cellChanged(col, row);
}

Rgb CardGrid::foreColor(qint32 col, qint32 row) const
{
    if (!validColumn(col) || !validRow(row))
        return kBlack;
    return rows_[size_t(row - 1)].colors[col - 1];
}

void CardGrid::setForeColor(qint32 col, qint32 row, Rgb color)
{
    if (!validColumn(col) || !validRow(row))
        return;
    Rgb& c = rows_[size_t(row - 1)].colors[col - 1];
    if (c == color)
        return;
    c = color;
    if (observer_)
        observer_->cellChanged(col, row);
}

bool CardGrid::rowHidden(qint32 row) const { return validRow(row) && rows_[size_t(row - 1)].hidden; }

void CardGrid::setRowHidden(qint32 row, bool hidden)
{
    if (!validRow(row) || rows_[size_t(row - 1)].hidden == hidden)
        return;
    rows_[size_t(row - 1)].hidden = hidden;
    if (observer_)
        observer_->rowsChanged();
}

void CardGrid::setRowsHidden(const std::vector<bool>& hidden)
{
    bool changed = false;
    for (size_t i = 0; i < rows_.size() && i < hidden.size(); ++i) {
        changed = changed || rows_[i].hidden != hidden[i];
        rows_[i].hidden = hidden[i];
    }
    if (changed && observer_)
        observer_->rowsChanged();
}

bool CardGrid::columnHidden(qint32 col) const { return validColumn(col) && columnHidden_[col - 1]; }

void CardGrid::setColumnHidden(qint32 col, bool hidden)
{
    if (!validColumn(col) || columnHidden_[col - 1] == hidden)
        return;
    columnHidden_[col - 1] = hidden;
    if (observer_)
        observer_->columnsChanged();
}

double CardGrid::columnWidth(qint32 col) const { return validColumn(col) ? kColumns[col - 1].width : 0.0; }

void CardGrid::sort(const QList<SortKey>& keys)
{
    QList<SortKey> used;
    for (const SortKey& k : keys)
        if (validColumn(k.col) && used.size() < 4)
            used.append(k);
    if (used.isEmpty() || rows_.size() < 2)
        return;
    constexpr size_t kMaxKeys = 4;
    std::vector<std::array<SortValue, kMaxKeys>> values(rows_.size());
    for (size_t r = 0; r < rows_.size(); ++r)
        for (qsizetype k = 0; k < used.size(); ++k)
            values[r][size_t(k)] = sortValue(rows_[r].cells[used[k].col - 1], isCountColumn(used[k].col));
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        for (qsizetype k = 0; k < used.size(); ++k) {
            const qint32 col = used[k].col;
            const int c = compareCells(rows_[a].cells[col - 1], values[a][size_t(k)], rows_[b].cells[col - 1],
                                       values[b][size_t(k)], isCountColumn(col));
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

void CardGrid::clearSelection() { selection_ = Block{}; }

void CardGrid::selectBlock(qint32 col1, qint32 row1, qint32 col2, qint32 row2)
{
    selection_ = Block{std::min(col1, col2), std::min(row1, row2), std::max(col1, col2), std::max(row1, row2)};
}

void CardGrid::setActiveCell(qint32 col, qint32 row)
{
    activeCol_ = col;
    activeRow_ = row;
}
