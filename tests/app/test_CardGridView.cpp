#include "app/CardGridModel.h"
#include "app/CardGridView.h"

#include "deck/CountEditing.h"
#include "deck/DeckColours.h"

#include <QAbstractItemModelTester>
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

QString noAt(const CardGridModel& model, int modelRow)
{
    return model.data(model.index(modelRow, colNo - 1)).toString();
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
        view->cardModel()->flushNow();
    }

    QPoint centre(int modelRow, qint32 col) const
    {
        return view->visualRect(view->model()->index(modelRow, col - 1)).center();
    }
    void click(int modelRow, qint32 col)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre(modelRow, col));
    }
    // What the window system delivers for a double click: press, release, double click, release.
    void doubleClick(int modelRow, qint32 col)
    {
        const QPoint at = centre(modelRow, col);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    }

    CardGrid grid;
    std::unique_ptr<CardGridView> view;
};

TEST(CardGridModel, StaysConsistentWhileRowsAreAddedSortedAndHidden)
{
    CardGrid grid;
    CardGridModel model(grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    fillGrid(grid, 8);
    model.flushNow();
    EXPECT_EQ(model.rowCount(), 8);
    EXPECT_EQ(resets.count(), 1); // dozens of changes, one announcement

    grid.sort({{colType, true}, {colNo, true}});
    model.flushNow();
    EXPECT_EQ(noAt(model, 0), u"008"_s);

    for (qint32 r : {1, 2, 5})
        grid.setRowHidden(r, true);
    model.flushNow();
    EXPECT_EQ(model.rowCount(), 5);
    grid.setRowCount(3);
    model.flushNow();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(resets.count(), 4);
}

TEST(CardGridModel, MapsShownRowsBothWays)
{
    CardGrid grid;
    fillGrid(grid, 5);
    grid.setRowHidden(2, true);
    grid.setRowHidden(4, true);
    CardGridModel model(grid);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(
        (QList<qint32>{model.gridRow(0), model.gridRow(1), model.gridRow(2), model.gridRow(3), model.gridRow(-1)}),
        (QList<qint32>{1, 3, 5, -1, -1}));
    EXPECT_EQ((QList<int>{model.modelRow(1), model.modelRow(2), model.modelRow(3), model.modelRow(4), model.modelRow(5),
                          model.modelRow(0), model.modelRow(6)}),
              (QList<int>{0, -1, 1, -1, 2, -1, -1}));
    EXPECT_EQ(model.data(model.index(1, colName - 1)).toString(), u"Card 3"_s);
}

TEST(CardGridModel, RolesOfCellsAndHeaders)
{
    CardGrid grid;
    fillGrid(grid, 1);
    grid.setCellText(colSide, 1, u"-1"_s);
    grid.setForeColor(colSide, 1, DeckColours::kCountNonZero);
    CardGridModel model(grid);
    auto at = [&](qint32 col, int role) { return model.data(model.index(0, col - 1), role); };

    EXPECT_EQ(at(colDeckDown, Qt::DisplayRole).toString(), u"<"_s);
    EXPECT_EQ(at(colDeckUp, Qt::DisplayRole).toString(), u">"_s);
    EXPECT_EQ(at(colSideDown, Qt::DisplayRole).toString(), u"<"_s);
    EXPECT_EQ(at(colSideUp, Qt::DisplayRole).toString(), u">"_s);
    EXPECT_EQ(at(colSide, Qt::DisplayRole).toString(), u"-1"_s);
    EXPECT_EQ(at(colDeck, Qt::ForegroundRole).value<QColor>(), QColor(192, 192, 192));
    EXPECT_EQ(at(colSide, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
    EXPECT_EQ(at(colDeck, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(at(colSide, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(at(colSideUp, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

    for (qint32 col = 1; col <= kColumnCount; ++col)
        EXPECT_EQ(model.headerData(col - 1, Qt::Horizontal).toString(), grid.cellText(col, 0)) << col;
    EXPECT_EQ(model.headerData(colName - 1, Qt::Horizontal).toString(), u"名前"_s);
}

TEST(CardGridModel, ReadsNothingStaleBeforeTheFlushAndCoalescesChanges)
{
    CardGrid grid;
    fillGrid(grid, 5);
    CardGridModel model(grid);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    grid.setRowCount(2); // the model still shows 5 rows until it flushes
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_FALSE(model.data(model.index(4, colName - 1)).isValid());
    EXPECT_FALSE(model.data(model.index(4, colDeckUp - 1)).isValid());
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.rowCount() == 2; }));
    EXPECT_EQ(resets.count(), 1);

    grid.setCellText(colDeck, 2, u"1"_s);
    grid.setForeColor(colDeck, 2, DeckColours::kCountNonZero);
    grid.setCellText(colSide, 1, u"1"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() == 1; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(changed.count(), 1);
    const QModelIndex topLeft = changed[0][0].value<QModelIndex>();
    const QModelIndex bottomRight = changed[0][1].value<QModelIndex>();
    EXPECT_EQ(std::tuple(topLeft.row(), topLeft.column(), bottomRight.row(), bottomRight.column()),
              std::tuple(0, colDeck - 1, 1, colSide - 1));
    EXPECT_EQ(resets.count(), 1);
}

TEST(CardGridModel, OutlivesItsGrid)
{
    auto grid = std::make_unique<CardGrid>();
    fillGrid(*grid, 3);
    CardGridModel model(*grid);
    grid.reset();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal), QVariant());
}

// A window may destroy its grid before the view; the view must then leave the grid alone.
TEST(CardGridViewLifetime, ViewOutlivesItsGrid)
{
    auto grid = std::make_unique<CardGrid>();
    fillGrid(*grid, 3);
    CardGridView view(*grid);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    grid.reset();
    EXPECT_EQ(view.model()->rowCount(), 0);
    QFont bigger = view.font();
    bigger.setPointSize(bigger.pointSize() + 4);
    view.setFont(bigger);
    view.syncColumns();
    view.selectGridBlock(1, 1, 4, 1);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
}

TEST_F(GridViewTest, ColumnsStartAsTheGridSaysAndFollowIt)
{
    CardGrid fresh;
    CardGridView v(fresh);
    EXPECT_EQ(v.objectName(), u"fpsCardList"_s);
    EXPECT_FALSE(v.isSortingEnabled());
    for (qint32 col = 1; col <= kColumnCount; ++col)
        EXPECT_EQ(v.isColumnHidden(col - 1), col >= colSide) << col;
    const int zero = v.fontMetrics().horizontalAdvance(u'0');
    EXPECT_EQ(v.columnWidth(colName - 1), qRound(28.5 * zero));
    EXPECT_EQ(v.columnWidth(colNo - 1), 4 * zero);

    fresh.setColumnHidden(colNode, false);
    EXPECT_FALSE(v.isColumnHidden(colNode - 1));
    EXPECT_EQ(v.columnWidth(colNode - 1), qRound(4.5 * zero));
}

TEST_F(GridViewTest, ButtonPressesNameTheGridCellAfterHidingAndSorting)
{
    QSignalSpy presses(view.get(), &CardGridView::ButtonClicked);
    click(1, colDeckUp);
    click(2, colSideDown);
    grid.setRowHidden(1, true);
    grid.setRowHidden(2, true);
    view->cardModel()->flushNow();
    click(1, colDeckDown); // model row 1 is now grid row 4
    grid.sort({{colNo, true}});
    view->cardModel()->flushNow();
    click(0, colSideUp); // grid row 6 after the descending sort
    ASSERT_EQ(presses.count(), 4);
    const QList<QList<int>> expected{{colDeckUp, 2}, {colSideDown, 3}, {colDeckDown, 4}, {colSideUp, 1}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((QList<int>{presses[i][0].toInt(), presses[i][1].toInt()}), expected[i]) << i;
    EXPECT_EQ(grid.cellText(colNo, 1), u"006"_s);
}

TEST_F(GridViewTest, DoubleClickOnAButtonIsTwoPressesAndNoDoubleClick)
{
    QSignalSpy presses(view.get(), &CardGridView::ButtonClicked);
    QSignalSpy doubles(view.get(), &CardGridView::DblClick);
    doubleClick(3, colDeckUp);
    EXPECT_EQ(presses.count(), 2);
    EXPECT_EQ(doubles.count(), 0);

    doubleClick(3, colName);
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ((QList<int>{doubles[0][0].toInt(), doubles[0][1].toInt()}), (QList<int>{colName, 4}));
    EXPECT_EQ(presses.count(), 2);
}

TEST_F(GridViewTest, HeaderAndCellClicksRaiseClick)
{
    QSignalSpy clicks(view.get(), &CardGridView::Click);
    QSignalSpy leaves(view.get(), &CardGridView::LeaveCell);
    grid.setRowHidden(1, true);
    view->cardModel()->flushNow();

    const int x = view->horizontalHeader()->sectionViewportPosition(colName - 1) + 5;
    QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    EXPECT_EQ(leaves.count(), 0); // a header click does not move the current cell
    click(2, colType);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ((QList<int>{clicks[0][0].toInt(), clicks[0][1].toInt()}), (QList<int>{colName, 0}));
    EXPECT_EQ((QList<int>{clicks[1][0].toInt(), clicks[1][1].toInt()}), (QList<int>{colType, 4}));
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
    ASSERT_EQ(leaves.count(), 1);
    EXPECT_EQ((QList<int>{leaves[0][0].toInt(), leaves[0][1].toInt(), leaves[0][2].toInt(), leaves[0][3].toInt()}),
              (QList<int>{colName, 1, colName, 2}));
    EXPECT_EQ(std::pair(grid.activeCol(), grid.activeRow()), std::pair(qint32(colName), qint32(2)));
    ASSERT_GE(keys.count(), 1);
    EXPECT_EQ(keys.last()[0].toInt(), int(Qt::Key_Down));

    QTest::keyClick(view.get(), Qt::Key_F, Qt::ShiftModifier);
    EXPECT_EQ(keys.last()[0].toInt(), int(Qt::Key_F));
    EXPECT_EQ(keys.last()[1].toInt(), int(Qt::ShiftModifier));

    auto refuse = QObject::connect(view.get(), &CardGridView::LeaveCell, view.get(),
                                   [](qint32, qint32, qint32, qint32, bool* cancel) { *cancel = true; });
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->currentIndex(), view->model()->index(1, colName - 1));
    EXPECT_EQ(grid.activeRow(), 2);
    QObject::disconnect(refuse);

    // A reset keeps the current cell where the grid has it.
    grid.setRowHidden(1, true);
    view->cardModel()->flushNow();
    EXPECT_EQ(view->currentIndex(), view->model()->index(0, colName - 1));
}

TEST_F(GridViewTest, GridBlockSelectionSkipsHiddenRowsAndSurvivesResets)
{
    grid.setRowHidden(3, true);
    view->selectGridBlock(1, 2, 4, 4);
    auto selectedRows = [&] {
        QList<int> rows;
        for (const QModelIndex& i : view->selectionModel()->selectedIndexes())
            if (i.column() == 0)
                rows << view->cardModel()->gridRow(i.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(selectedRows(), (QList<int>{2, 4}));
    EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), 8);
    EXPECT_EQ(grid.selection().col2, 4);

    grid.setRowHidden(2, true);
    view->cardModel()->flushNow();
    EXPECT_EQ(selectedRows(), (QList<int>{4}));
}

// The step-button handler behind the view: the count cell the user sees follows a press.
TEST_F(GridViewTest, PressedCountShowsItsNewTextAndColour)
{
    Totals totals;
    const Limits limits;
    QObject::connect(view.get(), &CardGridView::ButtonClicked, view.get(), [&](qint32 col, qint32 row, qint16 down) {
        fpsCardList_ButtonClicked(grid, totals, limits, col, row, down);
    });
    const QModelIndex count = view->model()->index(2, colDeck - 1);
    QSignalSpy changed(view->model(), &QAbstractItemModel::dataChanged);
    click(2, colDeckUp);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() == 1; }));
    EXPECT_EQ(count.data().toString(), u"1"_s);
    EXPECT_EQ(count.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
    click(2, colDeckDown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() == 2; }));
    EXPECT_EQ(count.data().toString(), u"0"_s);
    EXPECT_EQ(count.data(Qt::ForegroundRole).value<QColor>(), QColor(192, 192, 192));
    EXPECT_EQ(totals.caption(TotalLabel::lblSum), u"0"_s);
}

TEST(CardGridViewScale, HundredThousandRowsHalfHidden)
{
    CardGrid grid;
    fillGrid(grid, 100000);
    CardGridView view(grid);
    view.resize(600, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy resets(view.model(), &QAbstractItemModel::modelReset);
    for (qint32 r = 2; r <= 100000; r += 2)
        grid.setRowHidden(r, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.model()->rowCount() == 50000; }));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(view.cardModel()->gridRow(49999), 99999);
    EXPECT_EQ(view.cardModel()->modelRow(100000), -1);
    view.scrollToBottom();
    QCoreApplication::processEvents();
    const QModelIndex last = view.model()->index(49999, colNo - 1);
    EXPECT_EQ(last.data().toString(), u"99999"_s);
    EXPECT_TRUE(view.viewport()->rect().intersects(view.visualRect(last)));
}

} // namespace
