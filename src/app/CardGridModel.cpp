#include "CardGridModel.h"

#include <QColor>

#include <algorithm>

using namespace Qt::StringLiterals;

CardGridModel::CardGridModel(CardGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(&grid)
{
    rebuild();
    grid.setObserver(this);
}

CardGridModel::~CardGridModel()
{
    if (grid_)
        grid_->setObserver(nullptr);
}

int CardGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(visible_.size());
}

int CardGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CardGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qint32 row = gridRow(index.row());
    // Until the next flush the map may name rows the grid no longer has.
    if (!grid_ || row < 1 || row > grid_->rowCount())
        return {};
    const qint32 col = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        if (col == colDeckDown || col == colSideDown)
            return u"<"_s;
        if (col == colDeckUp || col == colSideUp)
            return u">"_s;
        return grid_->cellText(col, row);
    case Qt::ForegroundRole:
        if (isButtonColumn(col))
            return {};
        return QColor::fromRgb(grid_->foreColor(col, row));
    case Qt::TextAlignmentRole:
        if (col == colDeck || col == colSide)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (isButtonColumn(col))
            return int(Qt::AlignCenter);
        return {};
    default:
        return {};
    }
}

QVariant CardGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role != Qt::DisplayRole || section < 0 || section >= kColumnCount || !grid_)
            return {};
        return grid_->cellText(section + 1, 0);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CardGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

qint32 CardGridModel::gridRow(int modelRow) const
{
    if (modelRow < 0 || size_t(modelRow) >= visible_.size())
        return -1;
    return visible_[size_t(modelRow)];
}

int CardGridModel::modelRow(qint32 gridRow) const
{
    if (gridRow < 1 || size_t(gridRow) >= modelOf_.size())
        return -1;
    return modelOf_[size_t(gridRow)];
}

void CardGridModel::rebuild()
{
    visible_.clear();
    modelOf_.clear();
    if (!grid_)
        return;
    const qint32 rows = grid_->rowCount();
    modelOf_.assign(size_t(rows) + 1, -1);
    visible_.reserve(size_t(rows));
    for (qint32 r = 1; r <= rows; ++r) {
        if (grid_->rowHidden(r))
            continue;
        modelOf_[size_t(r)] = int(visible_.size());
        visible_.push_back(r);
    }
}

void CardGridModel::cellChanged(qint32 col, qint32 row)
{
    if (row == 0) {
        if (headerCol1_ > headerCol2_) {
            headerCol1_ = headerCol2_ = col;
        } else {
            headerCol1_ = std::min(headerCol1_, col);
            headerCol2_ = std::max(headerCol2_, col);
        }
    } else {
        if (dirtyRow1_ > dirtyRow2_) {
            dirtyRow1_ = dirtyRow2_ = row;
            dirtyCol1_ = dirtyCol2_ = col;
        } else {
            dirtyRow1_ = std::min(dirtyRow1_, row);
            dirtyRow2_ = std::max(dirtyRow2_, row);
            dirtyCol1_ = std::min(dirtyCol1_, col);
            dirtyCol2_ = std::max(dirtyCol2_, col);
        }
    }
    scheduleFlush();
}

void CardGridModel::rowsChanged()
{
    rowsDirty_ = true;
    scheduleFlush();
}

void CardGridModel::columnsChanged()
{
    Q_EMIT columnsHiddenChanged();
}

void CardGridModel::gridDestroyed()
{
    beginResetModel();
    grid_ = nullptr;
    rebuild();
    rowsDirty_ = false;
    dirtyRow1_ = 1, dirtyRow2_ = 0;
    headerCol1_ = 1, headerCol2_ = 0;
    endResetModel();
}

void CardGridModel::scheduleFlush()
{
    if (flushPending_)
        return;
    flushPending_ = true;
    QMetaObject::invokeMethod(this, &CardGridModel::flushQueued, Qt::QueuedConnection);
}

void CardGridModel::flushQueued()
{
    if (flushPending_)
        flushNow();
}

void CardGridModel::flushNow()
{
    flushPending_ = false;
    const bool rows = rowsDirty_;
    const qint32 r1 = dirtyRow1_, r2 = dirtyRow2_, c1 = dirtyCol1_, c2 = dirtyCol2_;
    const qint32 h1 = headerCol1_, h2 = headerCol2_;
    rowsDirty_ = false;
    dirtyRow1_ = 1, dirtyRow2_ = 0;
    headerCol1_ = 1, headerCol2_ = 0;

    if (h1 <= h2)
        Q_EMIT headerDataChanged(Qt::Horizontal, h1 - 1, h2 - 1);
    if (rows) {
        beginResetModel();
        rebuild();
        endResetModel();
        return;
    }
    if (r1 > r2)
        return;
    // The shown rows of the block are one run of model rows, because the map keeps grid order.
    const auto first = std::lower_bound(visible_.begin(), visible_.end(), r1);
    const auto last = std::upper_bound(visible_.begin(), visible_.end(), r2);
    if (first == last)
        return;
    Q_EMIT dataChanged(index(int(first - visible_.begin()), c1 - 1), index(int(last - visible_.begin()) - 1, c2 - 1),
                       {Qt::DisplayRole, Qt::ForegroundRole});
}
