#include "deck/CardGrid.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

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

// One row per text, its cells given as "No,Type,Deck,Side,Cost".
void fill(CardGrid& grid, const QStringList& rows)
{
    grid.setRowCount(qint32(rows.size()));
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        const QStringList cells = rows[r - 1].split(u',');
        for (qsizetype i = 0; i < cells.size(); ++i)
            grid.setCellText(std::array{colNo, colType, colDeck, colSide, colCost}[size_t(i)], r, cells[i]);
    }
}

TEST(CardGrid, HeadersWidthsAndHiddenColumnsAtStart)
{
    const std::tuple<qint32, const char16_t*, double, bool> layout[] = {
        {colNo, u"No.", 4, false},         {colType, u"種類", 10, false},     {colName, u"名前", 28.5, false},
        {colDeck, u"枚数", 5.5, false},    {colDeckDown, u" ", 5.5, false},   {colDeckUp, u" ", 5.5, false},
        {colSide, u"枚数", 5.5, true},     {colSideDown, u" ", 5.5, true},    {colSideUp, u" ", 5.5, true},
        {colNode, u"ﾉｰﾄﾞ", 4.5, true},     {colCost, u"ｺｽﾄ", 4.5, true},      {colGlaze, u"ｸﾞﾚｲｽﾞ", 6, true},
        {colAttack, u"攻撃", 4.5, true},   {colToughness, u"耐久", 4.5, true}, {colUser, u"使用者", 10.5, true},
        {colUpkeep, u"維持", 4.5, true},   {colClass, u"種族", 10, true},     {colSkill, u"戦術など", 33.85, true},
        {colIllustration, u"絵師", 16.87, true},
    };
    const CardGrid grid;
    ASSERT_EQ(std::size(layout), size_t(kColumnCount));
    for (const auto& [col, header, width, hidden] : layout)
        EXPECT_EQ(std::tuple(grid.cellText(col, 0), grid.columnWidth(col), grid.columnHidden(col)),
                  std::tuple(QString::fromUtf16(header), width, hidden)) << col;
}

TEST(CardGrid, CellsOutOfRangeAndRowCountChanges)
{
    CardGrid grid;
    fill(grid, {u"1"_s, u"2"_s, u"3"_s, u"4"_s});
    for (const auto& [col, row] : {std::pair{0, 1}, {20, 1}, {colName, 5}, {colName, -1}, {-5, 0}, {20, 0}}) {
        grid.setCellText(col, row, u"x"_s);
        grid.setForeColor(col, row, rgb(1, 2, 3));
        grid.setRowHidden(row, true);
        EXPECT_EQ(std::tuple(grid.cellView(col, row).isEmpty(), grid.foreColor(col, row), grid.rowHidden(row)),
                  std::tuple(true, kBlack, row == 1)) << col << ',' << row;
    }
    grid.setCellText(colName, 0, u"Title"_s);  // the header row is writable
    EXPECT_EQ(grid.cellText(colName, 0), u"Title"_s);

    // Rows that stay keep their cells, colours and flags; rows that come back are new.
    grid.setRowHidden(2, true);
    grid.setRowHidden(4, true);
    grid.setForeColor(colDeck, 2, rgb(10, 20, 30));
    grid.setRowCount(3);
    grid.setRowCount(5);
    EXPECT_EQ(std::tuple(column(grid, colNo), grid.rowHidden(2), grid.rowHidden(4), grid.foreColor(colDeck, 2)),
              std::tuple(QStringList{u"1"_s, u"2"_s, u"3"_s, QString(), QString()}, true, false, rgb(10, 20, 30)));
    grid.setRowCount(-3);
    EXPECT_EQ(grid.rowCount(), 0);
}

// Header clicks, with their descending order and tie-breaking keys, are covered by the search dialog's tests.
TEST(CardGrid, SortKeysDirectionsAndComparisons)
{
    const QStringList mixed = {u"a,,10,0,x"_s, u"b,,9,-1,10"_s, u"c,,0,2,"_s, u"d,,-1,10,9"_s, u"e,,0,1,B"_s};
    const QStringList ties = {u"2,A,0,0"_s, u"1,A,0,0"_s};
    const std::tuple<const char*, QStringList, QList<CardGrid::SortKey>, qint32, QStringList> cases[] = {
        {"deck counts as integers, ties in order", mixed, {{colDeck, false}}, colNo,
         {u"d"_s, u"c"_s, u"e"_s, u"b"_s, u"a"_s}},
        {"side counts as integers", mixed, {{colSide, false}}, colSide, {u"-1"_s, u"0"_s, u"1"_s, u"2"_s, u"10"_s}},
        {"text: empty, numbers by value, text", mixed, {{colCost, false}}, colCost,
         {QString(), u"9"_s, u"10"_s, u"B"_s, u"x"_s}},
        {"text past the packed prefix", {u"a,,,,abcdefghijklmZ"_s, u"b,,,,abcdefghijklmA"_s, u"c,,,,abcdefghijkl"_s},
         {{colCost, false}}, colNo, {u"c"_s, u"b"_s, u"a"_s}},
        {"a fifth key is ignored", ties,
         {{colType, false}, {colDeck, false}, {colSide, false}, {colName, false}, {colNo, false}}, colNo,
         {u"2"_s, u"1"_s}},
        {"invalid columns take no place", ties,
         {{0, false}, {25, false}, {colType, false}, {colDeck, false}, {colNo, false}}, colNo, {u"1"_s, u"2"_s}},
    };
    for (const auto& [label, rows, keys, col, expected] : cases) {
        CardGrid grid;
        fill(grid, rows);
        grid.sort(keys);
        EXPECT_EQ(column(grid, col), expected) << label;
    }

    // Rows move whole: cells, colours and the hidden flag.
    CardGrid grid;
    fill(grid, mixed);
    grid.setRowHidden(3, true);
    grid.setForeColor(colDeck, 3, rgb(10, 20, 30));
    grid.setCellText(colName, 3, u"Third"_s);
    grid.sort({{colDeck, false}});  // row 3 ("c") moves to row 2, row 5 ("e") to row 3
    EXPECT_EQ(std::tuple(grid.cellText(colName, 2), grid.rowHidden(2), grid.rowHidden(3), grid.foreColor(colDeck, 2),
                         grid.foreColor(colDeck, 3)),
              std::tuple(u"Third"_s, true, false, rgb(10, 20, 30), kBlack));
}

TEST(CardGrid, SharedCellsOutliveTheCallersPointerSortsAndOverwrites)
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
    EXPECT_EQ(column(grid, colName) << grid.cellText(colClass, 3),
              (QStringList{u"Ember Sprite"_s, u"Frost Golem"_s, u"猫又"_s, QString()}));
    grid.sort({{colName, true}});
    EXPECT_EQ(column(grid, colName), (QStringList{u"猫又"_s, u"Frost Golem"_s, u"Ember Sprite"_s}));

    // A copy of a shared cell written elsewhere must own its text.
    grid.setCellText(colUser, 1, QString::fromRawData(grid.cellView(colName, 2).data(), 5));
    grid.setCellText(colName, 2, u"Replaced"_s);
    grid.setRowCount(1);
    grid.setRowCount(3);
    const QString kept = grid.cellText(colName, 1);
    // The last shared cell goes, and with it the storage; the copy must not have pointed into it.
    grid.setCellText(colName, 1, u"Own"_s);
    EXPECT_EQ(std::pair(kept, grid.cellText(colUser, 1)), std::pair(u"猫又"_s, u"Frost"_s));
}

}  // namespace
