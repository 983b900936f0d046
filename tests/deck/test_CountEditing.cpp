#include "deck/CountEditing.h"

#include "ErrorNumber.h"
#include "RecordingUi.h"

#include <gtest/gtest.h>

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr Rgb kGrey = rgb(192, 192, 192);
constexpr Rgb kBlack = rgb(0, 0, 0);
constexpr Rgb kYellow = rgb(255, 255, 128);
constexpr Rgb kWhite = rgb(255, 255, 255);
constexpr Rgb kRed = rgb(255, 128, 128);
constexpr Rgb kSentinel = rgb(1, 2, 3);

constexpr TotalLabel kAll[] = {TotalLabel::lblSum,          TotalLabel::lblSideSum,  TotalLabel::lblSide,
                               TotalLabel::lblCharacterSum, TotalLabel::lblSpellSum, TotalLabel::lblCommandSum};
using Six = std::array<qint32, 6>;
using SixColours = std::array<Rgb, 6>;
constexpr SixColours kSentinels{kSentinel, kSentinel, kSentinel, kSentinel, kSentinel, kSentinel};

const Limits kLimits{50, 10, 3};

void setRow(CardGrid& grid, qint32 row, qint32 deck, qint32 side, const QString& type)
{
    grid.setCellText(colNo, row, QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0')));
    grid.setCellText(colType, row, type);
    grid.setCellText(colDeck, row, QString::number(deck));
    grid.setCellText(colSide, row, QString::number(side));
}

// The six totals' values (&Totals::value) or backgrounds (&Totals::background), in kAll's order.
template <typename T> std::array<T, 6> six(const Totals& t, T (Totals::*get)(TotalLabel) const)
{
    std::array<T, 6> v{};
    for (size_t i = 0; i < 6; ++i)
        v[i] = (t.*get)(kAll[i]);
    return v;
}
void setTotals(Totals& t, const Six& captions, const SixColours& colours)
{
    for (size_t i = 0; i < 6; ++i) {
        t.setCaption(kAll[i], QString::number(captions[i]));
        t.setBackground(kAll[i], colours[i]);
    }
}

TEST(Totals, StartAndResetState)
{
    Totals t;
    setTotals(t, {17, 17, 17, 17, 17, 17}, kSentinels);
    t.resetForLoad();
    EXPECT_TRUE(t == Totals());
    EXPECT_EQ(std::pair(six(t, &Totals::value), six(t, &Totals::background)),
              std::pair(Six{}, SixColours{kYellow, kYellow, kYellow, kWhite, kWhite, kWhite}));
    EXPECT_EQ(t.caption(TotalLabel::lblSum), u"0"_s);
}

// Each case starts one card row from (deck, side) with totals well inside every limit, presses once
// and expects the row and the change of every total (Sum, SideSum, Side, Character, Spell, Command).
// Plain steps from zero are in the press sequence further down.
// name, deck, side, type, column pressed, deck and side after, change of every total
const std::tuple<const char*, qint32, qint32, const char16_t*, qint32, qint32, qint32, Six> kPressCases[] = {
    {"deck3_up_absorbed", 3, 0, u"Character", colDeckUp, 3, 0, {0, 0, 0, 0, 0, 0}},
    {"deck3_down", 3, 0, u"Character", colDeckDown, 2, 0, {-1, -1, 0, -1, 0, 0}},
    {"deck2_side1_up_absorbed", 2, 1, u"Spell", colDeckUp, 2, 1, {0, 0, 0, 0, 0, 0}},
    {"deck2_side1_sideUp_absorbed", 2, 1, u"Spell", colSideUp, 2, 1, {0, 0, 0, 0, 0, 0}},
    {"deck0_side2_up", 0, 2, u"Spell", colDeckUp, 1, 2, {1, 1, 0, 0, 1, 0}},
    {"deck2_sideMinus2_down", 2, -2, u"Command", colDeckDown, 1, -1, {-1, 0, 0, 0, 0, -1}},
    {"deck1_sideMinus1_down", 1, -1, u"Command", colDeckDown, 0, 0, {-1, 0, 0, 0, 0, -1}},
    {"deck2_sideMinus1_down", 2, -1, u"Command", colDeckDown, 1, -1, {-1, -1, 0, 0, 0, -1}},
    {"deck0_down_absorbed", 0, 0, u"Character", colDeckDown, 0, 0, {0, 0, 0, 0, 0, 0}},
    {"deck2_sideMinus2_sideDown_absorbed", 2, -2, u"Character", colSideDown, 2, -2, {0, 0, 0, 0, 0, 0}},
    {"side1_to_0_lowers_side", 1, 1, u"Spell", colSideDown, 1, 0, {0, -1, -1, 0, 0, 0}},
    {"sideMinus1_to_0_keeps_side", 1, -1, u"Spell", colSideUp, 1, 0, {0, 1, 0, 0, 0, 0}},
    {"other_type_no_type_total", 0, 0, u"Artifact", colDeckUp, 1, 0, {1, 1, 0, 0, 0, 0}},
    {"type_match_is_case_sensitive", 0, 0, u"character", colDeckUp, 1, 0, {1, 1, 0, 0, 0, 0}},
    {"command_up", 2, -1, u"Command", colDeckUp, 3, -1, {1, 1, 0, 0, 0, 1}},
    {"count_column_press_only_colours", 2, -1, u"Command", colDeck, 2, -1, {0, 0, 0, 0, 0, 0}},
    {"name_column_press_only_colours", 0, 1, u"Spell", colName, 0, 1, {0, 0, 0, 0, 0, 0}},
};

TEST(CountEditing, EdgeCasesOfOnePress)
{
    const Six start{20, 20, 5, 7, 6, 7};
    for (const auto& [name, deck, side, type, col, deckAfter, sideAfter, deltas] : kPressCases) {
        SCOPED_TRACE(name);
        CardGrid grid;
        grid.setRowCount(2);
        setRow(grid, 1, 1, 0, u"Spell"_s);  // a neighbour that must stay as it is
        setRow(grid, 2, deck, side, QString::fromUtf16(type));
        for (qint32 column : {colDeck, colSide})  // wrong colours everywhere, so that each refresh shows
            for (qint32 row : {1, 2})
                grid.setForeColor(column, row, kSentinel);
        Totals totals;
        setTotals(totals, start, kSentinels);
        Six expected{};
        for (size_t i = 0; i < 6; ++i)
            expected[i] = start[i] + deltas[i];

        const bool changed = fpsCardList_ButtonClicked(grid, totals, kLimits, col, 2);

        EXPECT_EQ(
            std::tuple(grid.cellText(colDeck, 2).toInt(), grid.cellText(colSide, 2).toInt(),
                       six(totals, &Totals::value), changed),
            std::tuple(deckAfter, sideAfter, expected, expected != start || deckAfter != deck || sideAfter != side));
        EXPECT_EQ(std::pair(grid.foreColor(colDeck, 2), grid.foreColor(colSide, 2)),
                  std::pair(deckAfter == 0 ? kGrey : kBlack, sideAfter == 0 ? kGrey : kBlack));
        // The size totals are coloured, the type totals never.
        EXPECT_EQ(six(totals, &Totals::background),
                  (SixColours{kYellow, kYellow, kYellow, kSentinel, kSentinel, kSentinel}));
        EXPECT_EQ(std::pair(grid.cellText(colDeck, 1), grid.foreColor(colDeck, 1)), std::pair(u"1"_s, kSentinel));
    }
}

TEST(CountEditing, CountCellsThatAreNotNumbersThrowToTheCaller)
{
    const std::tuple<QString, QString, int> cases[] = {
        {u"abc"_s, u"0"_s, 13}, {u"1"_s, u""_s, 13}, {u"1x"_s, u"0"_s, 13}, {u"0"_s, u"99999999999"_s, 6}};
    for (const auto& [deck, side, error] : cases) {
        CardGrid grid;
        grid.setRowCount(1);
        grid.setCellText(colDeck, 1, deck);
        grid.setCellText(colSide, 1, side);
        Totals totals;
        EXPECT_EQ(errorNumber([&] { fpsCardList_ButtonClicked(grid, totals, kLimits, colDeckUp, 1); }), error)
            << deck.toStdString() << '/' << side.toStdString();
        EXPECT_TRUE(totals == Totals());
    }
}

// A run of presses past every size limit: the size totals are yellow below their limit, white at it
// and red above; presses off the card rows change nothing.
TEST(CountEditing, SizeTotalsTakeTheirLimitsColourAndPressesOffTheCardsChangeNothing)
{
    CardGrid grid;
    grid.setRowCount(2);
    setRow(grid, 1, 0, 0, u"Character"_s);
    setRow(grid, 2, 0, 0, u"Spell"_s);
    Totals totals;
    // column, row pressed, changed, totals after, colours of the three size totals after
    const std::tuple<qint32, qint32, bool, Six, std::array<Rgb, 3>> steps[] = {
        {colDeckUp, 1, true, {1, 1, 0, 1, 0, 0}, {kYellow, kYellow, kYellow}},
        {colDeckUp, 2, true, {2, 2, 0, 1, 1, 0}, {kWhite, kWhite, kYellow}},
        {colDeckUp, 2, true, {3, 3, 0, 1, 2, 0}, {kRed, kRed, kYellow}},
        {colSideUp, 1, true, {3, 4, 1, 1, 2, 0}, {kRed, kRed, kWhite}},
        {colSideUp, 1, true, {3, 5, 2, 1, 2, 0}, {kRed, kRed, kRed}},
        {colDeckDown, 2, true, {2, 4, 2, 1, 1, 0}, {kWhite, kRed, kRed}},
        {colDeckUp, 0, false, {2, 4, 2, 1, 1, 0}, {kWhite, kRed, kRed}},
        {colDeckUp, 3, false, {2, 4, 2, 1, 1, 0}, {kWhite, kRed, kRed}},
        {colSideUp, -1, false, {2, 4, 2, 1, 1, 0}, {kWhite, kRed, kRed}},
        {20, 1, false, {2, 4, 2, 1, 1, 0}, {kWhite, kRed, kRed}},
        {colSideDown, 2, true, {2, 3, 2, 1, 1, 0}, {kWhite, kRed, kRed}},
        {colSideDown, 1, true, {2, 2, 1, 1, 1, 0}, {kWhite, kWhite, kWhite}},
    };
    int i = 0;
    for (const auto& [col, row, changed, after, sizeColours] : steps) {
        const bool pressed = fpsCardList_ButtonClicked(grid, totals, Limits{2, 1, 3}, col, row);
        const SixColours colours = six(totals, &Totals::background);
        EXPECT_EQ(std::tuple(pressed, six(totals, &Totals::value), std::array{colours[0], colours[1], colours[2]}),
                  std::tuple(changed, after, sizeColours)) << "step " << i++;
    }
    EXPECT_EQ(std::pair(grid.cellText(colDeck, 0), grid.cellText(colSide, 0)), std::pair(u"枚数"_s, u"枚数"_s));
}

TEST(SideReset, SideCountsToZeroAndSideTotalsFollowTheMainDeck)
{
    CardGrid grid;
    grid.setRowCount(4);
    const std::pair<qint32, qint32> counts[] = {{3, -2}, {2, 1}, {1, 1}, {2, -1}};
    for (qint32 r = 1; r <= 4; ++r)
        setRow(grid, r, counts[r - 1].first, counts[r - 1].second, u"Spell"_s);
    Totals totals;
    setTotals(totals, {8, 7, 2, 0, 8, 0}, SixColours{kRed, kSentinel, kSentinel, kSentinel, kSentinel, kSentinel});
    RecordingUi ui;
    fsubSideReset(grid, totals, ui);
    EXPECT_EQ(ui.processEventsCalls, 4) << "the window stays responsive, once per row";
    QStringList rows;  // deck, side, side colour
    for (qint32 r = 1; r <= 4; ++r)
        rows << u"%1 %2 %3"_s.arg(grid.cellText(colDeck, r)).arg(grid.cellText(colSide, r))
                    .arg(grid.foreColor(colSide, r) == kGrey);
    EXPECT_EQ(rows, (QStringList{u"3 0 1"_s, u"2 0 1"_s, u"1 0 1"_s, u"2 0 1"_s}));
    // The side sum takes the deck's caption and colour, the side board starts over.
    Totals expected;
    setTotals(expected, {8, 8, 0, 0, 8, 0}, SixColours{kRed, kRed, kYellow, kSentinel, kSentinel, kSentinel});
    EXPECT_TRUE(totals == expected);
}

}  // namespace
