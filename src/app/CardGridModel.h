#pragma once

#include "deck/CardGrid.h"

#include <QAbstractTableModel>

#include <vector>

// The card grid as a table model: one model row per shown grid row, the 19 grid columns. Changes
// of the grid are gathered and announced once per turn of the event loop, so that hiding,
// sorting or refilling 100,000 rows costs one reset and one repaint.
class CardGridModel : public QAbstractTableModel, public CardGridObserver {
    Q_OBJECT
  public:
    explicit CardGridModel(CardGrid& grid, QObject* parent = nullptr);
    ~CardGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The grid row shown in a model row (-1 when there is none), and back (-1 when hidden).
    qint32 gridRow(int modelRow) const;
    int modelRow(qint32 gridRow) const;

    // False once the grid has been destroyed (the model then shows nothing).
    bool hasGrid() const { return grid_ != nullptr; }

    // Announces what the grid has changed since the last announcement, now.
    void flushNow();

    static bool isButtonColumn(qint32 col)
    {
        return col == colDeckDown || col == colDeckUp || col == colSideDown || col == colSideUp;
    }

    // CardGridObserver
    void cellChanged(qint32 col, qint32 row) override;
    void rowsChanged() override;
    void columnsChanged() override;
    void gridDestroyed() override;

  Q_SIGNALS:
    void columnsHiddenChanged();

  private:
    void scheduleFlush();
    void flushQueued();
    void rebuild();

    CardGrid* grid_;
    std::vector<qint32> visible_; // model row -> grid row
    std::vector<int> modelOf_;    // grid row -> model row or -1; index 0 unused
    bool flushPending_ = false;
    bool rowsDirty_ = false;
    // Changed cells since the last flush, as one block of grid rows and columns (empty: first > last).
    qint32 dirtyRow1_ = 1, dirtyRow2_ = 0, dirtyCol1_ = 1, dirtyCol2_ = 0;
    qint32 headerCol1_ = 1, headerCol2_ = 0;
};
