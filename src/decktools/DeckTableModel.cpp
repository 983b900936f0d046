#include "DeckTableModel.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

void DeckTableModel::setShape(Shape shape)
{
    beginResetModel();
    shape_ = std::move(shape);
    endResetModel();
}

int DeckTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shape_.rows; }

int DeckTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shape_.headers.size());
}

QVariant DeckTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return shape_.text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int((index.column() >= shape_.firstNumber ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::FontRole:
        if (shape_.total && shape_.total(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant DeckTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return shape_.headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void DeckTableModel::sort(int column, Qt::SortOrder order)
{
    if (sorter)
        sorter(column, order);
}

QTableView* deckTableView(DeckTableModel* model, const QString& name)
{
    auto* table = new QTableView;
    table->setObjectName(name);
    table->setModel(model);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    return table;
}
