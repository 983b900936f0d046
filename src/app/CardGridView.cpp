#include "CardGridView.h"

#include "CardGridDelegate.h"
#include "CardGridModel.h"

#include <QHeaderView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTimerEvent>

#include <cmath>

using namespace Qt::StringLiterals;

CardGridView::CardGridView(CardGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new CardGridModel(grid, this)), delegate_(new CardGridDelegate(this))
{
    setObjectName(u"fpsCardList"_s);
    setModel(model_);
    setItemDelegate(delegate_);
    setSortingEnabled(false); // sorting is the grid's business, through the header click handler
    setAlternatingRowColors(false);
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);

    // A header click is a click on row 0, not a column selection (which would also move the
    // current cell and raise LeaveCell).
    disconnect(horizontalHeader(), SIGNAL(sectionPressed(int)), this, nullptr);
    disconnect(horizontalHeader(), SIGNAL(sectionEntered(int)), this, nullptr);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    applyColumnWidths();
    syncColumns();

    connect(model_, &CardGridModel::columnsHiddenChanged, this, &CardGridView::syncColumns);
    connect(model_, &QAbstractItemModel::modelReset, this, &CardGridView::restoreAfterReset);
    connect(delegate_, &CardGridDelegate::repaintNeeded, this, [this](const QModelIndex& index) { update(index); });
    connect(delegate_, &CardGridDelegate::buttonPressed, this, [this](const QModelIndex& index) {
        const qint32 row = gridRowOf(index);
        if (row >= 1)
            Q_EMIT ButtonClicked(index.column() + 1, row, 0);
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const qint32 row = gridRowOf(index);
        if (row >= 1)
            Q_EMIT Click(index.column() + 1, row);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const qint32 row = gridRowOf(index);
        // On a button the second click is a press, already counted by the delegate.
        if (row >= 1 && !CardGridModel::isButtonColumn(index.column() + 1))
            Q_EMIT DblClick(index.column() + 1, row);
    });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { Q_EMIT Click(section + 1, 0); });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        const qint32 row = model_->gridRow(section);
        if (row >= 1)
            Q_EMIT Click(0, row);
    });
    restoreAfterReset();
}

CardGridView::~CardGridView() = default;

qint32 CardGridView::gridRowOf(const QModelIndex& index) const
{
    return index.isValid() ? model_->gridRow(index.row()) : -1;
}

void CardGridView::applyColumnWidths()
{
    if (!model_->hasGrid())
        return;
    const int zero = fontMetrics().horizontalAdvance(u'0');
    for (qint32 col = 1; col <= kColumnCount; ++col)
        setColumnWidth(col - 1, int(std::lround(grid_.columnWidth(col) * zero)));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void CardGridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyColumnWidths();
}

void CardGridView::syncColumns()
{
    if (!model_->hasGrid())
        return;
    for (qint32 col = 1; col <= kColumnCount; ++col)
        setColumnHidden(col - 1, grid_.columnHidden(col));
}

void CardGridView::setCurrentQuietly(const QModelIndex& index)
{
    const QScopedValueRollback<bool> guard(quiet_, true);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

// A reset forgets the current cell and the selection; the grid remembers both by grid row.
void CardGridView::restoreAfterReset()
{
    if (!model_->hasGrid())
        return;
    const int row = model_->modelRow(grid_.activeRow());
    const qint32 col = grid_.activeCol();
    if (row >= 0 && CardGrid::validColumn(col))
        setCurrentQuietly(model_->index(row, col - 1));
    applyGridSelection();
}

void CardGridView::applyGridSelection()
{
    const CardGrid::Block block = grid_.selection();
    const qint32 col1 = std::max(block.col1, 1);
    const qint32 col2 = std::min(block.col2, kColumnCount);
    const qint32 row1 = std::max(block.row1, 1);
    const qint32 row2 = std::min(block.row2, grid_.rowCount());
    QItemSelection selection;
    if (col1 <= col2 && row1 <= row2) {
        // Shown rows keep grid order, so the shown rows of the block are one run of model rows.
        int first = -1, last = -1;
        for (qint32 r = row1; r <= row2 && first < 0; ++r)
            first = model_->modelRow(r);
        for (qint32 r = row2; r >= row1 && last < 0; --r)
            last = model_->modelRow(r);
        if (first >= 0 && last >= first)
            selection.select(model_->index(first, col1 - 1), model_->index(last, col2 - 1));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CardGridView::selectGridBlock(qint32 col1, qint32 row1, qint32 col2, qint32 row2)
{
    if (!model_->hasGrid())
        return;
    model_->flushNow();
    grid_.selectBlock(col1, row1, col2, row2);
    applyGridSelection();
}

void CardGridView::clearGridSelection()
{
    grid_.clearSelection();
    selectionModel()->clearSelection();
}

void CardGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (quiet_ || !current.isValid() || !model_->hasGrid())
        return;
    const qint32 newCol = current.column() + 1;
    const qint32 newRow = gridRowOf(current);
    const qint32 oldCol = previous.isValid() ? previous.column() + 1 : grid_.activeCol();
    const qint32 oldRow = previous.isValid() ? gridRowOf(previous) : grid_.activeRow();
    bool cancel = false;
    Q_EMIT LeaveCell(oldCol, oldRow, newCol, newRow, &cancel);
    if (cancel && previous.isValid()) {
        setCurrentQuietly(previous);
        return;
    }
    grid_.setActiveCell(newCol, newRow);
}

// With no current cell (its row hidden by a filter) Qt makes the first shown cell current as the
// focus arrives: no move of the user's, so the active cell and the preview stay as they are.
void CardGridView::focusInEvent(QFocusEvent* event)
{
    if (currentIndex().isValid()) {
        QTableView::focusInEvent(event);
        return;
    }
    {
        const QScopedValueRollback<bool> guard(quiet_, true);
        QTableView::focusInEvent(event);
    }
    setCurrentQuietly({});
}

namespace {
// X11 sends a held key's auto-repeat as a release and a press of one timestamp, and Qt marks the
// pair as auto-repeat only when the press has reached it by the time it reads the release, which
// a busy window often misses. A release of Space therefore counts once this long has passed without
// that press; the press of a pair follows its release within a few milliseconds.
constexpr int kRepeatWaitMs = 50;
constexpr quint64 kRepeatPairMs = 10;  // the distance of timestamps within a pair, as Qt allows it
}  // namespace

void CardGridView::keyPressEvent(QKeyEvent* event)
{
    const bool repeatPair = event->key() == Qt::Key_Space && spaceRelease_.isActive() &&
                            event->timestamp() >= spaceReleasedAt_ &&
                            event->timestamp() - spaceReleasedAt_ <= kRepeatPairMs;
    if (repeatPair)
        spaceRelease_.stop();  // still held
    else
        settleSpaceRelease();
    Q_EMIT KeyDown(event->key(), int(event->modifiers()));
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
        return;
    }
    // Space holds a step button down as it does any button, and presses it when let go; on
    // other cells it does nothing, leaving the selection as it was.
    if (event->key() == Qt::Key_Space) {
        const QModelIndex current = currentIndex();
        if (!event->isAutoRepeat() && !repeatPair && CardGridModel::isButtonColumn(current.column() + 1) &&
            gridRowOf(current) >= 1) {
            spaceDown_ = current;
            delegate_->holdButton(current);
        }
        return;
    }
    QTableView::keyPressEvent(event);
}

void CardGridView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !spaceDown_.isValid()) {
        QTableView::keyReleaseEvent(event);
        return;
    }
    spaceReleasedAt_ = event->timestamp();
    spaceRelease_.start(kRepeatWaitMs, Qt::PreciseTimer, this);
}

void CardGridView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == spaceRelease_.timerId())
        settleSpaceRelease();
    else
        QTableView::timerEvent(event);
}

// A waiting release is a press before anything else the user does, which may move the current cell.
void CardGridView::settleSpaceRelease()
{
    if (!spaceRelease_.isActive())
        return;
    spaceRelease_.stop();
    pressHeldButton();
}

void CardGridView::pressHeldButton()
{
    const QModelIndex held = spaceDown_;
    spaceDown_ = QPersistentModelIndex();
    delegate_->releaseButton();
    const qint32 row = gridRowOf(held);
    // A release told late may find a load under way.
    if (isEnabled() && held == currentIndex() && row >= 1)
        Q_EMIT ButtonClicked(held.column() + 1, row, 0);
}

void CardGridView::setHiddenForChanges(bool hidden)
{
    if (hidden) {
        if (changeHides_++ == 0) {
            // Hiding a focused view makes Qt pass the focus on as by Tab, which moves its current cell.
            focusBeforeHide_ = hasFocus();
            if (focusBeforeHide_)
                clearFocus();
            hide();
        }
        return;
    }
    if (changeHides_ == 0 || --changeHides_ > 0)
        return;
    model_->flushNow();
    show();
    if (focusBeforeHide_)
        setFocus();
}

// Card rows only: not the header, not the empty space below the last row.
void CardGridView::contextMenuEvent(QContextMenuEvent* event)
{
    const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QModelIndex index = keyboard ? currentIndex() : indexAt(event->pos());
    const qint32 row = gridRowOf(index);
    event->accept();
    if (row < 1)
        return;
    const QRect cell = visualRect(index);
    Q_EMIT ContextMenu(row, viewport()->mapToGlobal(keyboard ? cell.bottomLeft() : event->pos()));
}

void CardGridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    delegate_->releaseButton();
}

// A waiting release of Space is a press before this one. A right press moves the current cell as a
// left one does; it is also a click, as the menu it opens takes the release: the row is selected as
// by a left click before the menu acts on it.
void CardGridView::mousePressEvent(QMouseEvent* event)
{
    settleSpaceRelease();
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const qint32 row = gridRowOf(index);
    if (event->button() == Qt::RightButton && row >= 1)
        Q_EMIT Click(index.column() + 1, row);
}
