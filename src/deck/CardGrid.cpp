#include "CardGrid.h"

#include <algorithm>

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

}  // namespace

CardGrid::CardGrid()
{
    for (qint32 c = 0; c < kColumnCount; ++c) {
        headers_[c] = QString::fromUtf16(kColumns[c].header);
        columnHidden_[c] = kColumns[c].hiddenAtStart;
    }
    palette_.push_back(kBlack);
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
            for (Cell c : it->cells)
                if (c.begin >= kOwnBase)
                    ownGarbage_ += c.size;
    rows_.resize(size_t(count));
    if (count == 0) {
        storages_.clear();
        nextBase_ = 1;
        own_.clear();
        ownGarbage_ = 0;
    }
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
    nextBase_ = other.nextBase_;
    own_ = std::move(other.own_);
    ownGarbage_ = other.ownGarbage_;
    palette_ = std::move(other.palette_);
    other.rows_.clear();
    other.storages_.clear();
    other.own_.clear();
    other.palette_.assign(1, kBlack);
    ++rowOrderVersion_;
    if (observer_)
        observer_->rowsChanged();
}

QStringView CardGrid::view(Cell cell) const
{
    if (cell.size == 0)
        return {};
    if (cell.begin >= kOwnBase)
        return QStringView(own_).sliced(cell.begin - kOwnBase, cell.size);
    auto it = std::upper_bound(storages_.begin(), storages_.end(), cell.begin,
                               [](quint32 b, const Storage& s) { return b < s.base; });
    --it;
    return QStringView(*it->text).sliced(cell.begin - it->base, cell.size);
}

QString CardGrid::cellText(qint32 col, qint32 row) const { return cellView(col, row).toString(); }

QStringView CardGrid::cellView(qint32 col, qint32 row) const
{
    if (!validColumn(col))
        return {};
    if (row == 0)
        return headers_[col - 1];
    if (!validRow(row))
        return {};
    return view(rows_[size_t(row - 1)].cells[size_t(col - 1)]);
}

void CardGrid::setOwned(qint32 col, qint32 row, QStringView text)
{
    Cell& cell = cellRef(col, row);
    if (cell.begin >= kOwnBase) {
        // A count stepping from "2" to "3" is written over its old text.
        if (text.size() <= qsizetype(cell.size)) {
            std::copy(text.begin(), text.end(), own_.begin() + (cell.begin - kOwnBase));
            ownGarbage_ += cell.size - quint32(text.size());
            cell.size = quint32(text.size());
            return;
        }
        ownGarbage_ += cell.size;
    }
    cell = Cell{};
    if (text.isEmpty())
        return;
    QString copy;  // text may lie in own_, which appending or compacting moves
    if (text.data() >= own_.constData() && text.data() < own_.constData() + own_.size()) {
        copy = text.toString();
        text = copy;
    }
    if (ownGarbage_ > std::max<qsizetype>(own_.size() / 2, 4096))
        compactTexts();
    if (own_.size() + text.size() >= qsizetype(kOwnBase))
        return;  // 2^31 characters of own text: nothing this program writes
    const qsizetype at = own_.size();
    own_.append(text);
    cell = Cell{kOwnBase + quint32(at), quint32(text.size())};
}

bool CardGrid::setCellText(qint32 col, qint32 row, QStringView text)
{
    if (!validColumn(col) || (row != 0 && !validRow(row)))
        return false;
    // Compared in line: a press writes short counts, and a library call would cost more than they do.
    const QStringView now = cellView(col, row);
    if (now.size() == text.size() && std::equal(now.begin(), now.end(), text.begin()))
        return false;
    if (row == 0)
        headers_[col - 1] = text.toString();
    else
        setOwned(col, row, text);
    if (col == colNo)
        ++numbersVersion_;
    changed(col, row);
    return true;
}

void CardGrid::index() const
{
    if (indexedOrder_ != rowOrderVersion_ || indexedNumbers_ != numbersVersion_) {
        indexedOrder_ = rowOrderVersion_;
        indexedNumbers_ = numbersVersion_;
        regularRow_.clear();
        promotionalRow_.clear();
        rowNumber_.assign(size_t(rowCount()), std::nullopt);
        for (qint32 r = 1; r <= rowCount(); ++r) {
            const std::optional<CardNumber> n = CardNumber::parse(cellView(colNo, r));
            rowNumber_[size_t(r - 1)] = n;
            if (!n)
                continue;
            std::vector<qint32>& rows = n->isPromotional() ? promotionalRow_ : regularRow_;
            if (size_t(n->value()) >= rows.size())
                rows.resize(std::max(size_t(n->value()) + 1, rows.size() * 2), 0);
            if (rows[size_t(n->value())] == 0)  // the first row holding a number, as a search finds it
                rows[size_t(n->value())] = r;
        }
    }
}

std::optional<CardNumber> CardGrid::numberAt(qint32 row) const
{
    if (!validRow(row))
        return std::nullopt;
    index();
    return rowNumber_[size_t(row - 1)];
}

qint32 CardGrid::rowOf(CardNumber number) const
{
    index();
    const std::vector<qint32>& rows = number.isPromotional() ? promotionalRow_ : regularRow_;
    return size_t(number.value()) < rows.size() ? rows[size_t(number.value())] : 0;
}

// Rewrites the grid's own texts without the ones no cell uses, and lets go of unused storages.
void CardGrid::compactTexts()
{
    Q_ASSERT_X(otherThreadsWriting_ == 0, "CardGrid::compactTexts", "another thread is writing cells");
    QString fresh;
    fresh.reserve(own_.size() - ownGarbage_);
    std::vector<bool> used(storages_.size(), false);
    for (Row& r : rows_)
        for (Cell& c : r.cells) {
            if (c.size == 0)
                continue;
            if (c.begin >= kOwnBase) {
                const qsizetype at = fresh.size();
                fresh.append(QStringView(own_).sliced(c.begin - kOwnBase, c.size));
                c.begin = kOwnBase + quint32(at);
            } else {
                auto it = std::upper_bound(storages_.begin(), storages_.end(), c.begin,
                                           [](quint32 b, const Storage& s) { return b < s.base; });
                used[size_t(it - storages_.begin() - 1)] = true;
            }
        }
    own_ = std::move(fresh);
    ownGarbage_ = 0;
    for (size_t i = storages_.size(); i-- > 0;)
        if (!used[i])
            storages_.erase(storages_.begin() + qsizetype(i));
}

quint32 CardGrid::attach(const std::shared_ptr<const QString>& storage)
{
    for (const Storage& s : storages_)
        if (s.text == storage)
            return s.base;
    if (qsizetype(nextBase_) + storage->size() >= qsizetype(kOwnBase))
        return kOwnBase;
    storages_.push_back({nextBase_, storage});
    nextBase_ += quint32(storage->size()) + 1;
    return storages_.back().base;
}

CardGrid::SharedWriter::SharedWriter(CardGrid& grid, const std::shared_ptr<const QString>& storage)
    : grid_(grid), begin_(storage ? storage->constData() : nullptr), base_(storage ? grid.attach(storage) : kOwnBase)
{
    ++grid_.numbersVersion_;  // its writes may be numbers, on threads that could not say so
}

void CardGrid::SharedWriter::set(qint32 col, qint32 row, QStringView text) const
{
    if (base_ == kOwnBase) {
        grid_.setOwned(col, row, text);  // no room left in the text space
        return;
    }
    Cell& cell = grid_.cellRef(col, row);
    if (cell.begin >= kOwnBase)
        grid_.ownGarbage_ += cell.size;
    cell = text.isEmpty() ? Cell{} : Cell{base_ + quint32(text.data() - begin_), quint32(text.size())};
}

void CardGrid::setCellShared(qint32 col, qint32 row, QStringView text, const std::shared_ptr<const QString>& storage)
{
    if (!validColumn(col) || !validRow(row) || !storage)
        return;
    SharedWriter(*this, storage).set(col, row, text);
    if (col == colNo)
        ++numbersVersion_;
    changed(col, row);
}

quint8 CardGrid::colourIndex(Rgb color)
{
    for (size_t i = 0; i < palette_.size(); ++i)
        if (palette_[i] == color)
            return quint8(i);
    if (palette_.size() == 256) {
        // Keep only the colours in use; a grid showing 256 colours at once is not this program's.
        std::vector<Rgb> used{kBlack};  // new rows are black
        for (Row& r : rows_)
            for (quint8& c : r.colours) {
                const Rgb rgb = palette_[c];
                auto it = std::find(used.begin(), used.end(), rgb);
                if (it == used.end())
                    it = used.insert(used.end(), rgb);
                c = quint8(it - used.begin());
            }
        palette_ = std::move(used);
        if (palette_.size() >= 256)
            return 0;
        return colourIndex(color);
    }
    palette_.push_back(color);
    return quint8(palette_.size() - 1);
}

Rgb CardGrid::foreColor(qint32 col, qint32 row) const
{
    if (!validColumn(col) || !validRow(row))
        return kBlack;
    return palette_[rows_[size_t(row - 1)].colours[size_t(col - 1)]];
}

void CardGrid::setForeColor(qint32 col, qint32 row, Rgb color)
{
    if (!validColumn(col) || !validRow(row) || foreColor(col, row) == color)
        return;
    const quint8 index = colourIndex(color);
    rows_[size_t(row - 1)].colours[size_t(col - 1)] = index;
    changed(col, row);
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
