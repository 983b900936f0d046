#include "deck/CardGrid.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr Rgb kBlack = rgb(0, 0, 0);

// The column of every row, read top to bottom.
QStringList column(const CardGrid& grid, qint32 col)
{
    QStringList out;
    for (qint32 r = 1; r <= grid.rowCount(); ++r)
        out << grid.cellText(col, r);
    return out;
}

// Rows given as (colNo, colType, colDeck, colSide).
void fill(CardGrid& grid, const std::vector<std::tuple<QString, QString, QString, QString>>& rows)
{
    grid.setRowCount(qint32(rows.size()));
    qint32 r = 1;
    for (const auto& [no, type, deck, side] : rows) {
        grid.setCellText(colNo, r, no);
        grid.setCellText(colType, r, type);
        grid.setCellText(colDeck, r, deck);
        grid.setCellText(colSide, r, side);
        ++r;
    }
}

struct ColumnLayout {
    qint32 col;
    const char16_t* header;
    double width;
    bool hiddenAtStart;
};

const ColumnLayout kLayout[] = {
    {colNo, u"No.", 4, false},
    {colType, u"種類", 10, false},
    {colName, u"名前", 28.5, false},
    {colDeck, u"枚数", 5.5, false},
    {colDeckDown, u" ", 5.5, false},
    {colDeckUp, u" ", 5.5, false},
    {colSide, u"枚数", 5.5, true},
    {colSideDown, u" ", 5.5, true},
    {colSideUp, u" ", 5.5, true},
    {colNode, u"ﾉｰﾄﾞ", 4.5, true},
    {colCost, u"ｺｽﾄ", 4.5, true},
    {colGlaze, u"ｸﾞﾚｲｽﾞ", 6, true},
    {colAttack, u"攻撃", 4.5, true},
    {colToughness, u"耐久", 4.5, true},
    {colUser, u"使用者", 10.5, true},
    {colUpkeep, u"維持", 4.5, true},
    {colClass, u"種族", 10, true},
    {colSkill, u"戦術など", 33.85, true},
    {colIllustration, u"絵師", 16.87, true},
};

TEST(CardGridLayout, HeadersWidthsAndHiddenColumnsAtStart)
{
    const CardGrid grid;
    ASSERT_EQ(std::size(kLayout), size_t(kColumnCount));
    for (const ColumnLayout& c : kLayout) {
        SCOPED_TRACE(c.col);
        EXPECT_EQ(grid.cellText(c.col, 0), QString::fromUtf16(c.header));
        EXPECT_DOUBLE_EQ(grid.columnWidth(c.col), c.width);
        EXPECT_EQ(grid.columnHidden(c.col), c.hiddenAtStart);
    }
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.cellText(0, 0), QString());
    EXPECT_EQ(grid.cellText(kColumnCount + 1, 0), QString());
}

TEST(CardGridCells, NeverWrittenAndOutOfRangeReadEmptyAndWritesOutsideAreIgnored)
{
    CardGrid grid;
    grid.setRowCount(2);
    EXPECT_EQ(grid.cellText(colName, 2), QString());
    EXPECT_EQ(grid.foreColor(colDeck, 1), kBlack);

    grid.setCellText(colName, 1, u"Ember Sprite"_s);
    const std::initializer_list<std::pair<qint32, qint32>> outside{
        {0, 1}, {20, 1}, {colName, 3}, {colName, -1}, {-5, 0}};
    for (const auto& [col, row] : outside) {
        SCOPED_TRACE(QStringLiteral("%1,%2").arg(col).arg(row).toStdString());
        EXPECT_EQ(grid.cellText(col, row), QString());
        EXPECT_TRUE(grid.cellView(col, row).isEmpty());
        EXPECT_EQ(grid.foreColor(col, row), kBlack);
        grid.setCellText(col, row, u"x"_s);
        grid.setForeColor(col, row, rgb(1, 2, 3));
    }
    for (const qint32 row : {-1, 0, 3}) {
        grid.setRowHidden(row, true);
        EXPECT_FALSE(grid.rowHidden(row));
    }
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(column(grid, colName), (QStringList{u"Ember Sprite"_s, QString()}));
    EXPECT_FALSE(grid.rowHidden(1));
    EXPECT_FALSE(grid.rowHidden(2));

    grid.setCellText(colName, 0, u"Title"_s); // the header row is writable
    EXPECT_EQ(grid.cellText(colName, 0), u"Title"_s);
}

TEST(CardGridRows, SetRowCountKeepsRemainingRowsWithTheirFlags)
{
    CardGrid grid;
    grid.setRowCount(4);
    for (qint32 r = 1; r <= 4; ++r)
        grid.setCellText(colNo, r, QString::number(r));
    grid.setRowHidden(2, true);
    grid.setRowHidden(4, true);
    grid.setForeColor(colDeck, 2, rgb(192, 192, 192));

    grid.setRowCount(3);
    grid.setRowCount(5);
    EXPECT_EQ(column(grid, colNo), (QStringList{u"1"_s, u"2"_s, u"3"_s, QString(), QString()}));
    EXPECT_EQ(std::vector<bool>(
                  {grid.rowHidden(1), grid.rowHidden(2), grid.rowHidden(3), grid.rowHidden(4), grid.rowHidden(5)}),
              std::vector<bool>({false, true, false, false, false}));
    EXPECT_EQ(grid.foreColor(colDeck, 2), rgb(192, 192, 192));

    grid.setRowCount(-3);
    EXPECT_EQ(grid.rowCount(), 0);
}

TEST(CardGridSort, LaterKeysBreakTiesAndEachKeyHasItsDirection)
{
    CardGrid grid;
    fill(grid, {{u"001"_s, u"Spell"_s, u"2"_s, u"0"_s},
                {u"002"_s, u"Character"_s, u"2"_s, u"1"_s},
                {u"003"_s, u"Character"_s, u"1"_s, u"0"_s},
                {u"004"_s, u"Spell"_s, u"2"_s, u"1"_s},
                {u"005"_s, u"Character"_s, u"2"_s, u"1"_s}});

    grid.sort({{colDeck, true}, {colSide, true}, {colType, false}, {colNo, false}});
    EXPECT_EQ(column(grid, colNo), (QStringList{u"002"_s, u"005"_s, u"004"_s, u"001"_s, u"003"_s}));

    grid.sort({{colType, true}, {colNo, true}});
    EXPECT_EQ(column(grid, colNo), (QStringList{u"004"_s, u"001"_s, u"005"_s, u"003"_s, u"002"_s}));
}

TEST(CardGridSort, CountColumnsCompareAsIntegers)
{
    CardGrid grid;
    fill(grid, {{u"a"_s, {}, u"10"_s, u"0"_s},
                {u"b"_s, {}, u"9"_s, u"-1"_s},
                {u"c"_s, {}, u"0"_s, u"2"_s},
                {u"d"_s, {}, u"-1"_s, u"10"_s}});
    grid.sort({{colDeck, false}});
    EXPECT_EQ(column(grid, colDeck), (QStringList{u"-1"_s, u"0"_s, u"9"_s, u"10"_s}));
    grid.sort({{colSide, false}});
    EXPECT_EQ(column(grid, colSide), (QStringList{u"-1"_s, u"0"_s, u"2"_s, u"10"_s}));
    grid.sort({{colSide, true}});
    EXPECT_EQ(column(grid, colSide), (QStringList{u"10"_s, u"2"_s, u"0"_s, u"-1"_s}));
}

TEST(CardGridSort, TextColumnsPutEmptyThenNumbersByValueThenText)
{
    CardGrid grid;
    grid.setRowCount(5);
    const QStringList costs{u"x"_s, u"10"_s, QString(), u"9"_s, u"B"_s};
    for (qint32 r = 1; r <= 5; ++r)
        grid.setCellText(colCost, r, costs[r - 1]);
    grid.sort({{colCost, false}});
    EXPECT_EQ(column(grid, colCost), (QStringList{QString(), u"9"_s, u"10"_s, u"B"_s, u"x"_s}));
}

TEST(CardGridSort, StableAndRowsMoveWholeWithFlagsAndColours)
{
    CardGrid grid;
    fill(grid, {{u"001"_s, u"Spell"_s, u"0"_s, u"0"_s},
                {u"002"_s, u"Character"_s, u"0"_s, u"0"_s},
                {u"003"_s, u"Spell"_s, u"0"_s, u"0"_s},
                {u"004"_s, u"Character"_s, u"0"_s, u"0"_s}});
    grid.setRowHidden(3, true);
    grid.setForeColor(colDeck, 3, rgb(10, 20, 30));
    grid.setCellText(colName, 3, u"Third"_s);

    grid.sort({{colType, false}}); // equal types keep their order
    EXPECT_EQ(column(grid, colNo), (QStringList{u"002"_s, u"004"_s, u"001"_s, u"003"_s}));
    EXPECT_EQ(grid.cellText(colName, 4), u"Third"_s);
    EXPECT_TRUE(grid.rowHidden(4));
    EXPECT_FALSE(grid.rowHidden(3));
    EXPECT_EQ(grid.foreColor(colDeck, 4), rgb(10, 20, 30));
    EXPECT_EQ(grid.foreColor(colDeck, 3), kBlack);
}

TEST(CardGridSort, OnlyFourValidKeysAreUsed)
{
    CardGrid grid;
    fill(grid, {{u"2"_s, u"A"_s, u"0"_s, u"0"_s}, {u"1"_s, u"A"_s, u"0"_s, u"0"_s}});
    // Four keys that tie, then colNo as a fifth: ignored, so the order stays.
    grid.sort({{colType, false}, {colDeck, false}, {colSide, false}, {colName, false}, {colNo, false}});
    EXPECT_EQ(column(grid, colNo), (QStringList{u"2"_s, u"1"_s}));
    // Invalid columns do not take a place among the four.
    grid.sort({{0, false}, {25, false}, {colType, false}, {colDeck, false}, {colNo, false}});
    EXPECT_EQ(column(grid, colNo), (QStringList{u"1"_s, u"2"_s}));
}

TEST(CardGridSharedCells, OutliveTheCallersPointerSortsAndOverwrites)
{
    CardGrid grid;
    grid.setRowCount(3);
    {
        auto storage = std::make_shared<const QString>(u"Ember SpriteFrost Golem猫又"_s);
        const QStringView all(*storage);
        grid.setCellShared(colName, 1, all.mid(0, 12), storage);
        grid.setCellShared(colName, 2, all.mid(12, 11), storage);
        grid.setCellShared(colName, 3, all.mid(23, 2), storage);
        grid.setCellShared(colClass, 3, all.mid(0, 0), storage);
    }
    EXPECT_EQ(column(grid, colName), (QStringList{u"Ember Sprite"_s, u"Frost Golem"_s, u"猫又"_s}));
    EXPECT_EQ(grid.cellText(colClass, 3), QString());

    grid.sort({{colName, true}});
    EXPECT_EQ(column(grid, colName), (QStringList{u"猫又"_s, u"Frost Golem"_s, u"Ember Sprite"_s}));

    // A copy of a shared cell written elsewhere must own its text.
    grid.setCellText(colUser, 1, QString::fromRawData(grid.cellView(colName, 2).data(), 5));
    grid.setCellText(colName, 2, u"Replaced"_s);
    grid.setRowCount(1);
    grid.setRowCount(3);
    EXPECT_EQ(grid.cellText(colName, 1), u"猫又"_s);
    EXPECT_EQ(grid.cellText(colName, 2), QString());
    // The last shared cell goes, and with it the storage; the copy must not have pointed into it.
    grid.setCellText(colName, 1, u"Own"_s);
    EXPECT_EQ(grid.cellText(colUser, 1), u"Frost"_s);
}

class RecordingObserver : public CardGridObserver {
  public:
    std::vector<std::pair<qint32, qint32>> cells;
    int rows = 0;
    int columns = 0;
    int destroyed = 0;
    void gridDestroyed() override { ++destroyed; }
    void cellChanged(qint32 col, qint32 row) override { cells.emplace_back(col, row); }
    void rowsChanged() override { ++rows; }
    void columnsChanged() override { ++columns; }
};

TEST(CardGridObserver, IsToldOfEveryRealChangeAndNothingElse)
{
    CardGrid grid;
    RecordingObserver seen;
    grid.setObserver(&seen);

    grid.setRowCount(3);
    EXPECT_EQ(seen.rows, 1);

    grid.setCellText(colName, 2, u"Ember Sprite"_s);
    grid.setCellText(colName, 0, u"Name"_s);
    grid.setForeColor(colDeck, 3, rgb(192, 192, 192));
    grid.setForeColor(colDeck, 3, rgb(192, 192, 192)); // same colour: no news
    grid.setCellText(colName, 4, u"nowhere"_s);
    grid.setForeColor(colDeck, 9, rgb(1, 1, 1));
    auto storage = std::make_shared<const QString>(u"abc"_s);
    grid.setCellShared(colType, 1, QStringView(*storage), storage);
    EXPECT_EQ(seen.cells,
              (std::vector<std::pair<qint32, qint32>>{{colName, 2}, {colName, 0}, {colDeck, 3}, {colType, 1}}));

    grid.setRowHidden(2, true);
    grid.setRowHidden(2, true);
    grid.setRowHidden(7, true);
    EXPECT_EQ(seen.rows, 2);
    grid.sort({{colName, false}});
    EXPECT_EQ(seen.rows, 3);

    grid.setColumnHidden(colSide, false);
    grid.setColumnHidden(colSide, false);
    grid.setColumnHidden(colNo, false); // already shown
    grid.setColumnHidden(0, true);
    EXPECT_EQ(seen.columns, 1);
    EXPECT_FALSE(grid.columnHidden(colSide));

    grid.setObserver(nullptr);
    grid.setCellText(colName, 1, u"quiet"_s);
    EXPECT_EQ(seen.cells.size(), 4u);
}

TEST(CardGridObserver, IsToldWhenTheGridGoes)
{
    RecordingObserver seen;
    {
        CardGrid grid;
        grid.setObserver(&seen);
    }
    EXPECT_EQ(seen.destroyed, 1);
}

} // namespace
