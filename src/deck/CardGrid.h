#pragma once

#include "CardNumber.h"
#include "Columns.h"

#include <QList>
#include "platform/Rgb.h"
#include <QString>
#include <QStringView>

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

// Told of every change so that a view can follow; the grid itself knows nothing of views.
class CardGridObserver {
public:
    virtual ~CardGridObserver() = default;
    virtual void cellChanged(qint32 col, qint32 row) = 0;  // text or colour of one cell
    virtual void rowsChanged() = 0;                        // row count, row order or row hidden flags
    virtual void columnsChanged() = 0;                     // column hidden flags
    // The grid is going away (a window may destroy its grid before the view that shows it).
    virtual void gridDestroyed() {}
};

// The card grid: 19 text columns, row 0 the headers, card rows from 1; per-cell fore colours, per-row
// and per-column hidden flags, a stable multi-key sort, a block selection and an active cell.
class CardGrid {
public:
    struct SortKey {
        qint32 col = colNo;
        bool descending = false;
    };
    struct Block {
        qint32 col1 = 0, row1 = 0, col2 = 0, row2 = 0;  // all 0: nothing selected
    };

    CardGrid();
    ~CardGrid();
    CardGrid(const CardGrid&) = delete;
    CardGrid& operator=(const CardGrid&) = delete;

    qint32 rowCount() const { return qint32(rows_.size()); }
    // New rows are empty and shown; rows that stay keep their cells and hidden flags.
    void setRowCount(qint32 count);

    // Takes the rows of a grid built aside (cells, colours, row count); each row position keeps its
    // hidden flag, the columns keep theirs. The other grid is left empty.
    void adoptRows(CardGrid&& other);

    // Row 0 answers the header; a cell never written answers "".
    QString cellText(qint32 col, qint32 row) const;
    // The same text without a copy, valid until the grid next changes.
    QStringView cellView(qint32 col, qint32 row) const;
    // True when the text changed; writing the text a cell holds changes nothing.
    bool setCellText(qint32 col, qint32 row, QStringView text);

    // Fast fill: text must lie inside storage, which the grid keeps alive while any cell uses it.
    void setCellShared(qint32 col, qint32 row, QStringView text, const std::shared_ptr<const QString>& storage);

    Rgb foreColor(qint32 col, qint32 row) const;  // black unless set
    void setForeColor(qint32 col, qint32 row, Rgb color);

    bool rowHidden(qint32 row) const;
    void setRowHidden(qint32 row, bool hidden);
    // Every row's flag at once (hidden[r - 1] for row r), announced as one change.
    void setRowsHidden(const std::vector<bool>& hidden);
    // Changes whenever rows are added, removed or reordered: a loop that lets events run can tell
    // whether its row numbers still mean the same rows.
    quint64 rowOrderVersion() const { return rowOrderVersion_; }
    // The row holding a card by its number in colNo, 0 when none does. Answered from an index kept
    // until the rows move or a number is written: many look-ups cost one pass over the rows.
    qint32 rowOf(CardNumber number) const;
    // The card number a row holds, from the same index; nullopt when its colNo names no card.
    std::optional<CardNumber> numberAt(qint32 row) const;
    bool columnHidden(qint32 col) const;
    void setColumnHidden(qint32 col, bool hidden);
    double columnWidth(qint32 col) const;  // in characters

    // Sorts rows 1..rowCount by up to four keys (more are ignored); stable; hidden flags move along.
    // colDeck and colSide compare as integers; other columns: empty, then numbers by value, then text.
    void sort(const QList<SortKey>& keys);
    // The order an ascending sort gives two cells of a column other than the counts.
    static bool textLess(QStringView a, QStringView b);

    void clearSelection();
    void selectBlock(qint32 col1, qint32 row1, qint32 col2, qint32 row2);
    Block selection() const { return selection_; }
    qint32 activeCol() const { return activeCol_; }
    qint32 activeRow() const { return activeRow_; }
    void setActiveCell(qint32 col, qint32 row);

    void setObserver(CardGridObserver* observer) { observer_ = observer; }

    static bool validColumn(qint32 col) { return col >= 1 && col <= kColumnCount; }
    bool validRow(qint32 row) const { return row >= 1 && row <= rowCount(); }

    // Fills cells from one storage with views into it, without telling the observer. Several threads
    // may write at once as long as each writes rows of its own that hold no text of the grid's own;
    // meanwhile one thread may also write texts of the grid's own and colours into rows no writer
    // has left to write, as long as no text of the grid's own is overwritten (which could compact
    // them); nothing else may change the grid.
    class SharedWriter {
    public:
        SharedWriter(CardGrid& grid, const std::shared_ptr<const QString>& storage);
        void set(qint32 col, qint32 row, QStringView text) const;  // text must lie inside the storage
        // False when the grid's text space had no room for the storage: set() then writes texts
        // of the grid's own, and only one thread may write.
        bool sharesStorage() const { return base_ != kOwnBase; }

    private:
        CardGrid& grid_;
        const QChar* begin_;
        quint32 base_;
    };

    // Held while other threads write cells through SharedWriters. Compacting the grid's own texts
    // rewrites every cell, so it must not happen meanwhile; a debug build asserts that it does not.
    class OtherThreadsWriting {
    public:
        explicit OtherThreadsWriting(CardGrid& grid) : grid_(grid) { ++grid_.otherThreadsWriting_; }
        ~OtherThreadsWriting() { --grid_.otherThreadsWriting_; }
        OtherThreadsWriting(const OtherThreadsWriting&) = delete;
        OtherThreadsWriting& operator=(const OtherThreadsWriting&) = delete;

    private:
        CardGrid& grid_;
    };

private:
    // A cell is a span of the grid's text space: shared storages sit below kOwnBase one after the
    // other, the grid's own texts above it. Eight bytes a cell keep 100,000 rows small.
    struct Cell {
        quint32 begin = 0;
        quint32 size = 0;
    };
    struct Row {
        std::array<Cell, kColumnCount> cells{};
        std::array<quint8, kColumnCount> colours{};  // into palette_; 0 is black
        bool hidden = false;
    };
    struct Storage {
        quint32 base;
        std::shared_ptr<const QString> text;
    };
    static constexpr quint32 kOwnBase = 0x80000000u;

    QStringView view(Cell cell) const;
    Cell& cellRef(qint32 col, qint32 row) { return rows_[size_t(row - 1)].cells[size_t(col - 1)]; }
    // The base of storage in the text space, attached on first use; kOwnBase when there is no room.
    quint32 attach(const std::shared_ptr<const QString>& storage);
    void setOwned(qint32 col, qint32 row, QStringView text);
    void index() const;
    void compactTexts();
    quint8 colourIndex(Rgb color);
    void changed(qint32 col, qint32 row)
    {
        if (observer_)
            observer_->cellChanged(col, row);
    }

    std::vector<Row> rows_;
    std::array<QString, kColumnCount> headers_;
    std::array<bool, kColumnCount> columnHidden_{};
    std::vector<Storage> storages_;  // by base
    quint32 nextBase_ = 1;
    QString own_;
    qsizetype ownGarbage_ = 0;  // characters of own_ no cell uses any more
    std::vector<Rgb> palette_;
    Block selection_;
    quint64 rowOrderVersion_ = 0;
    qint32 activeCol_ = 1;
    qint32 activeRow_ = 1;
    CardGridObserver* observer_ = nullptr;
    std::atomic<int> otherThreadsWriting_ = 0;
    quint64 numbersVersion_ = 0;  // colNo writes through setCellText
    mutable std::vector<qint32> regularRow_, promotionalRow_;  // by card number
    mutable std::vector<std::optional<CardNumber>> rowNumber_;  // by row - 1
    mutable quint64 indexedOrder_ = ~quint64(0), indexedNumbers_ = 0;
};
