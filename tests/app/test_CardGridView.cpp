#include "app/CardGridModel.h"
#include "app/CardGridView.h"

#include "deck/DeckColours.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QContextMenuEvent>
#include <QColor>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Card rows "001".. with a name and zero counts, as a load leaves them.
void fillGrid(CardGrid& grid, qint32 rows)
{
    grid.setRowCount(rows);
    for (qint32 r = 1; r <= rows; ++r) {
        grid.setCellText(colNo, r, QStringLiteral("%1").arg(r, 3, 10, QLatin1Char('0')));
        grid.setCellText(colType, r, r % 2 ? u"Character"_s : u"Spell"_s);
        grid.setCellText(colName, r, u"Card %1"_s.arg(r));
        for (qint32 col : {colDeck, colSide}) {
            grid.setCellText(col, r, u"0"_s);
            grid.setForeColor(col, r, DeckColours::kCountZero);
        }
    }
}

// The first n arguments of every emission a spy saw, as integers.
QList<QList<int>> emitted(const QSignalSpy& spy, int n = 2)
{
    QList<QList<int>> out;
    for (const QList<QVariant>& emission : spy) {
        out.append(QList<int>());
        for (int i = 0; i < n; ++i)
            out.back() << emission[i].toInt();
    }
    return out;
}

// A shown view over a grid of a few rows, with the side-board columns shown.
class GridViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillGrid(grid, 6);
        for (qint32 col : {colSide, colSideDown, colSideUp})
            grid.setColumnHidden(col, false);
        view = std::make_unique<CardGridView>(grid);
        view->resize(900, 400);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        flush();
    }
    void flush() { view->cardModel()->flushNow(); }
    QPoint centre(int modelRow, qint32 col) const
    {
        return view->visualRect(view->model()->index(modelRow, col - 1)).center();
    }
    void click(int row, qint32 col) { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre(row, col)); }
    // What the window system delivers for a double click: press, release, double click, release.
    void doubleClick(int modelRow, qint32 col)
    {
        click(modelRow, col);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre(modelRow, col));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre(modelRow, col));
    }

    CardGrid grid;
    std::unique_ptr<CardGridView> view;
};

TEST(CardGridModel, StaysConsistentReadsNothingStaleAndCoalescesChanges)
{
    CardGrid grid;
    CardGridModel model(grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    fillGrid(grid, 8);
    model.flushNow();
    EXPECT_EQ(std::pair(model.rowCount(), resets.count()), std::pair(8, qsizetype(1)));  // dozens of changes, one reset
    grid.sort({{colType, true}, {colNo, true}});
    model.flushNow();
    EXPECT_EQ(model.data(model.index(0, colNo - 1)).toString(), u"008"_s);
    for (qint32 r : {1, 2, 5})
        grid.setRowHidden(r, true);
    model.flushNow();
    EXPECT_EQ(model.rowCount(), 5);

    grid.setRowCount(3);  // the model still shows 5 rows until it flushes, but reads no row the grid lost
    EXPECT_EQ(std::tuple(model.rowCount(), model.data(model.index(4, colName - 1)),
                         model.data(model.index(4, colDeckUp - 1))),
              std::tuple(5, QVariant(), QVariant()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.rowCount() == 1; }));
    EXPECT_EQ(resets.count(), 4);

    grid.setRowHidden(2, false);
    model.flushNow();
    changed.clear();
    grid.setCellText(colDeck, 3, u"1"_s);
    grid.setForeColor(colSide, 2, DeckColours::kCountNonZero);  // a colour alone is news too
    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() == 1; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(changed.count(), changed[0][0].value<QModelIndex>(), changed[0][1].value<QModelIndex>(),
                         resets.count()),
              std::tuple(1, model.index(0, colDeck - 1), model.index(1, colSide - 1), 5));
}

TEST(CardGridModel, MapsShownRowsBothWaysAndShowsCellsAsTheGridHasThem)
{
    CardGrid grid;
    fillGrid(grid, 5);
    grid.setRowHidden(2, true);
    grid.setRowHidden(4, true);
    grid.setCellText(colSide, 3, u"-1"_s);
    grid.setForeColor(colSide, 3, DeckColours::kCountNonZero);
    CardGridModel model(grid);
    EXPECT_EQ(model.rowCount(), 3);
    QList<qint32> gridRows, modelRows;
    for (int m = -1; m <= 3; ++m)
        gridRows << model.gridRow(m);
    for (qint32 g = 0; g <= 6; ++g)
        modelRows << model.modelRow(g);
    EXPECT_EQ(gridRows, (QList<qint32>{-1, 1, 3, 5, -1}));
    EXPECT_EQ(modelRows, (QList<qint32>{-1, 0, -1, 1, -1, 2, -1}));

    auto at = [&](qint32 col, int role = Qt::DisplayRole) { return model.data(model.index(1, col - 1), role); };
    QStringList shown, headers, gridHeaders;
    for (qint32 col = 1; col <= kColumnCount; ++col) {
        shown << at(col).toString();
        headers << model.headerData(col - 1, Qt::Horizontal).toString();
        gridHeaders << grid.cellText(col, 0);
    }
    EXPECT_EQ(shown, QStringList({u"003"_s, u"Character"_s, u"Card 3"_s, u"0"_s, u"<"_s, u">"_s, u"-1"_s, u"<"_s,
                                  u">"_s}) + QStringList(kColumnCount - 9));
    EXPECT_EQ(std::tuple(at(colDeck, Qt::ForegroundRole).value<QColor>(),
                         at(colSide, Qt::ForegroundRole).value<QColor>(),
                         at(colDeck, Qt::TextAlignmentRole).toInt(), at(colSide, Qt::TextAlignmentRole).toInt(),
                         at(colSideUp, Qt::TextAlignmentRole).toInt()),
              std::tuple(QColor(192, 192, 192), QColor(0, 0, 0), int(Qt::AlignRight | Qt::AlignVCenter),
                         int(Qt::AlignRight | Qt::AlignVCenter), int(Qt::AlignCenter)));
    EXPECT_EQ(headers, gridHeaders);
}

TEST(CardGridView, ColumnsFollowTheGridAndTheViewOutlivesIt)
{
    auto grid = std::make_unique<CardGrid>();
    fillGrid(*grid, 3);
    CardGridView view(*grid);
    for (qint32 col = 1; col <= kColumnCount; ++col)
        EXPECT_EQ(view.isColumnHidden(col - 1), grid->columnHidden(col)) << col;
    grid->setColumnHidden(colNode, false);
    EXPECT_FALSE(view.isColumnHidden(colNode - 1));
    const int zero = view.fontMetrics().horizontalAdvance(u'0');
    for (qint32 col : {colNo, colName, colNode})
        EXPECT_EQ(view.columnWidth(col - 1), qRound(grid->columnWidth(col) * zero)) << col;

    // A window may destroy its grid before the view; the view must then leave the grid alone.
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    grid.reset();
    EXPECT_EQ(view.model()->rowCount(), 0);
    EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal), QVariant());
    QFont bigger = view.font();
    bigger.setPointSize(bigger.pointSize() + 4);
    view.setFont(bigger);
    view.syncColumns();
    view.selectGridBlock(1, 1, 4, 1);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
}

TEST_F(GridViewTest, ClicksNameTheGridCellAfterHidingAndSorting)
{
    QSignalSpy presses(view.get(), &CardGridView::ButtonClicked);
    QSignalSpy clicks(view.get(), &CardGridView::Click);
    QSignalSpy doubles(view.get(), &CardGridView::DblClick);
    QSignalSpy leaves(view.get(), &CardGridView::LeaveCell);
    click(1, colDeckUp);
    click(2, colSideDown);
    grid.setRowHidden(1, true);
    grid.setRowHidden(2, true);
    flush();
    click(1, colDeckDown);  // model row 1 is now grid row 4
    grid.sort({{colNo, true}});
    flush();
    click(0, colSideUp);  // grid row 1 holds card 6 after the descending sort
    EXPECT_EQ(emitted(presses),
              (QList<QList<int>>{{colDeckUp, 2}, {colSideDown, 3}, {colDeckDown, 4}, {colSideUp, 1}}));

    grid.setRowHidden(1, true);  // model rows 0 to 2 now show grid rows 2 to 4
    flush();
    clicks.clear();
    leaves.clear();
    const int x = view->horizontalHeader()->sectionViewportPosition(colName - 1) + 5;
    QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    EXPECT_EQ(leaves.count(), 0);  // a header click does not move the current cell
    click(2, colType);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, centre(1, colSide));  // the menu's press
    EXPECT_EQ(emitted(clicks), (QList<QList<int>>{{colName, 0}, {colType, 4}, {colSide, 3}}));

    presses.clear();
    doubleClick(2, colDeckUp);  // two presses, no double click
    doubleClick(1, colName);
    EXPECT_EQ(std::pair(presses.count(), emitted(doubles)), std::pair(qsizetype(2), QList<QList<int>>{{colName, 3}}));
}

TEST_F(GridViewTest, MovingTheCurrentCellRaisesLeaveCellWhichMayCancel)
{
    QSignalSpy leaves(view.get(), &CardGridView::LeaveCell);
    QSignalSpy keys(view.get(), &CardGridView::KeyDown);
    view->setFocus();
    click(0, colName);
    ASSERT_EQ(view->currentIndex(), view->model()->index(0, colName - 1));
    leaves.clear();

    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(emitted(leaves, 4), (QList<QList<int>>{{colName, 1, colName, 2}}));
    EXPECT_EQ(std::pair(grid.activeCol(), grid.activeRow()), std::pair(qint32(colName), qint32(2)));
    QTest::keyClick(view.get(), Qt::Key_F, Qt::ShiftModifier);
    EXPECT_EQ(emitted(keys),
              (QList<QList<int>>{{Qt::Key_Down, 0}, {Qt::Key_Shift, Qt::ShiftModifier}, {Qt::Key_F, Qt::ShiftModifier}}));

    auto refuse = QObject::connect(view.get(), &CardGridView::LeaveCell, view.get(),
                                   [](qint32, qint32, qint32, qint32, bool* cancel) { *cancel = true; });
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->currentIndex(), view->model()->index(1, colName - 1));
    EXPECT_EQ(grid.activeRow(), 2);
    QObject::disconnect(refuse);

    // A reset keeps the current cell where the grid has it.
    grid.setRowHidden(1, true);
    flush();
    EXPECT_EQ(view->currentIndex(), view->model()->index(0, colName - 1));
}

TEST_F(GridViewTest, SpacePressesAFocusedButtonAndTheMenuComesOnlyOnCardRows)
{
    QSignalSpy presses(view.get(), &CardGridView::ButtonClicked);
    QSignalSpy menus(view.get(), &CardGridView::ContextMenu);
    view->setFocus();
    click(1, colName);
    view->selectGridBlock(colNo, 3, colDeck, 3);
    presses.clear();
    QTest::keyClick(view.get(), Qt::Key_Space);  // on a text cell: nothing, the selection stays
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Right);
    // Space on a button holds it and presses it once let go. Held, auto-repeat comes as release and
    // press pairs of one timestamp, marked as such or, where Qt misses a pair on X11, not. No press
    // if the grid is disabled before the release is told from auto-repeat.
    const auto space = [&](QEvent::Type type, ulong time, bool marked) {
        QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, u" "_s, marked);
        e.setTimestamp(time);
        QApplication::sendEvent(view.get(), &e);
    };
    space(QEvent::KeyPress, 1000, false);
    for (const auto& [time, marked] : {std::pair(1500ul, true), {1540ul, false}, {1580ul, false}}) {
        space(QEvent::KeyRelease, time, marked);
        space(QEvent::KeyPress, time, marked);
    }
    const qsizetype whileHeld = presses.count();
    space(QEvent::KeyRelease, 1700, false);
    const bool pressed = QTest::qWaitFor([&] { return presses.count() == 1; });
    space(QEvent::KeyPress, 2000, false);
    space(QEvent::KeyRelease, 2100, false);
    view->setEnabled(false);  // as a load starts
    QTest::qWait(100);
    view->setEnabled(true);
    // A waiting release is a press before the current cell moves, by key or by click.
    space(QEvent::KeyPress, 2200, false);
    space(QEvent::KeyRelease, 2300, false);
    QTest::keyClick(view.get(), Qt::Key_Left);
    space(QEvent::KeyPress, 2400, false);
    space(QEvent::KeyRelease, 2500, false);
    click(1, colName);
    EXPECT_EQ(std::tuple(whileHeld, pressed, emitted(presses), selected.size()),
              std::tuple(qsizetype(0), true, QList<QList<int>>{{colDeckUp, 2}, {colDeckUp, 2}, {colDeckDown, 2}},
                         qsizetype(4)));

    const auto menuAt = [&](QWidget* target, QPoint pos) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
        QApplication::sendEvent(target, &e);
    };
    menuAt(view->viewport(), centre(3, colType));
    menuAt(view->horizontalHeader()->viewport(), QPoint(30, 5));
    menuAt(view->viewport(), QPoint(30, view->viewport()->height() - 2));  // below the last row
    QTest::keyClick(view.get(), Qt::Key_Menu);
    QTest::keyClick(view.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(emitted(menus, 1), (QList<QList<int>>{{4}, {2}, {2}}));
}

}  // namespace
