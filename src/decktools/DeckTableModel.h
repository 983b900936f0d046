#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// The tables of the deck-tool windows: texts made on demand from the window's own figures, so a
// table of 100,000 rows is set in one reset and costs no item per cell.
class DeckTableModel : public QAbstractTableModel {
public:
    struct Shape {
        QStringList headers;
        int rows = 0;
        std::function<QString(int row, int column)> text;
        int firstNumber = 0;                  // columns from this one hold numbers, set to the right
        std::function<bool(int row)> total;  // a row of totals, in bold
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The whole table anew, in one reset.
    void setShape(Shape shape);
    // Sorting a column: the window orders its figures, then sets the shape again.
    std::function<void(int column, Qt::SortOrder order)> sorter;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    Shape shape_;
};

class QTableView;

// A read-only table of whole rows over model, named name, its rows a line of text high.
QTableView* deckTableView(DeckTableModel* model, const QString& name);
