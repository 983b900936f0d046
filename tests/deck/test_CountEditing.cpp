#include "deck/CountEditing.h"

#include "ErrorNumber.h"
#include "RecordingUi.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

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

const Limits kLimits{50, 10, 3};

void setRow(CardGrid& grid, qint32 row, qint32 deck, qint32 side, const QString& type)
{
    grid.setCellText(colNo, row, QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0')));
    grid.setCellText(colType, row, type);
    grid.setCellText(colDeck, row, QString::number(deck));
    grid.setCellText(colSide, row, QString::number(side));
}

qint32 deckOf(const CardGrid& grid, qint32 row) { return grid.cellText(colDeck, row).toInt(); }
qint32 sideOf(const CardGrid& grid, qint32 row) { return grid.cellText(colSide, row).toInt(); }

std::array<qint32, 6> values(const Totals& t)
{
    std::array<qint32, 6> v{};
    for (size_t i = 0; i < 6; ++i)
        v[i] = t.value(kAll[i]);
    return v;
}

TEST(Totals, StartAndResetState)
{
    Totals t;
    for (TotalLabel label : kAll) {
        t.setCaption(label, u"17"_s);
        t.setBackground(label, kSentinel);
    }
    EXPECT_FALSE(t == Totals());
    t.resetForLoad();
    EXPECT_TRUE(t == Totals());
    for (TotalLabel label : kAll) {
        EXPECT_EQ(t.caption(label), u"0"_s);
        EXPECT_EQ(t.background(label), label <= TotalLabel::lblSide ? kYellow : kWhite) << int(label);
    }
    // The arithmetic on captions is checked through the step buttons below.
}

// Each case starts one card row from (deck, side) with totals well inside every limit, presses once
// and expects the row and the change of every total (Sum, SideSum, Side, Character, Spell, Command).
struct PressCase {
    const char* name;
    qint32 deck, side;
    const char16_t* type;
    qint32 col;
    qint32 deckAfter, sideAfter;
    std::array<qint32, 6> deltas;
};

const PressCase kPressCases[] = {
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
    {"side0_to_minus1_keeps_side", 1, 0, u"Spell", colSideDown, 1, -1, {0, -1, 0, 0, 0, 0}},
    {"sideMinus1_to_0_keeps_side", 1, -1, u"Spell", colSideUp, 1, 0, {0, 1, 0, 0, 0, 0}},
    {"side0_to_1_raises_side", 1, 0, u"Spell", colSideUp, 1, 1, {0, 1, 1, 0, 0, 0}},
    {"other_type_no_type_total", 0, 0, u"Artifact", colDeckUp, 1, 0, {1, 1, 0, 0, 0, 0}},
    {"type_match_is_case_sensitive", 0, 0, u"character", colDeckUp, 1, 0, {1, 1, 0, 0, 0, 0}},
    {"character_up", 0, 0, u"Character", colDeckUp, 1, 0, {1, 1, 0, 1, 0, 0}},
    {"spell_up", 1, 0, u"Spell", colDeckUp, 2, 0, {1, 1, 0, 0, 1, 0}},
    {"command_up", 2, -1, u"Command", colDeckUp, 3, -1, {1, 1, 0, 0, 0, 1}},
    {"count_column_press_only_colours", 2, -1, u"Command", colDeck, 2, -1, {0, 0, 0, 0, 0, 0}},
    {"name_column_press_only_colours", 0, 1, u"Spell", colName, 0, 1, {0, 0, 0, 0, 0, 0}},
};

TEST(CountEditing, EdgeCasesOfOnePress)
{
    for (const PressCase& c : kPressCases) {
        SCOPED_TRACE(c.name);
        CardGrid grid;
        grid.setRowCount(2);
        setRow(grid, 1, 1, 0, u"Spell"_s);  // a neighbour that must stay as it is
        setRow(grid, 2, c.deck, c.side, QString::fromUtf16(c.type));
        // Wrong colours everywhere, so that each refresh shows.
        for (qint32 col : {colDeck, colSide})
            for (qint32 row : {1, 2})
                grid.setForeColor(col, row, kSentinel);
        Totals totals;
        const std::array<qint32, 6> start{20, 20, 5, 7, 6, 7};
        std::array<qint32, 6> expected{};
        for (size_t i = 0; i < 6; ++i) {
            totals.setCaption(kAll[i], QString::number(start[i]));
            totals.setBackground(kAll[i], kSentinel);
            expected[i] = start[i] + c.deltas[i];
        }

        const bool changed = fpsCardList_ButtonClicked(grid, totals, kLimits, c.col, 2);

        EXPECT_EQ(deckOf(grid, 2), c.deckAfter);
        EXPECT_EQ(sideOf(grid, 2), c.sideAfter);
        EXPECT_EQ(values(totals), expected);
        EXPECT_EQ(changed, expected != start || c.deckAfter != c.deck || c.sideAfter != c.side);
        EXPECT_EQ(grid.foreColor(colDeck, 2), c.deckAfter == 0 ? kGrey : kBlack);
        EXPECT_EQ(grid.foreColor(colSide, 2), c.sideAfter == 0 ? kGrey : kBlack);
        for (TotalLabel sized : {TotalLabel::lblSum, TotalLabel::lblSideSum, TotalLabel::lblSide})
            EXPECT_EQ(totals.background(sized), kYellow);
        EXPECT_EQ(totals.background(TotalLabel::lblCharacterSum), kSentinel);  // never coloured
        EXPECT_EQ(grid.cellText(colDeck, 1), u"1"_s);
        EXPECT_EQ(grid.foreColor(colDeck, 1), kSentinel);
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

// Long random runs: the copy limit always holds, the counters agree with the grid, the size totals are
// yellow below their limit, white at it and red above, and presses off the card rows change nothing.
TEST(CountEditing, RandomPressesKeepLimitsAndTotalsConsistent)
{
    const QString types[] = {u"Character"_s, u"Spell"_s, u"Command"_s, u"Trap"_s};
    std::set<Rgb> coloursSeen;
    for (unsigned seed : {1u, 7u, 42u, 2024u, 99991u}) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const Limits limits{pick(1, 12), pick(0, 6), pick(1, 5)};
        const qint32 rows = pick(1, 6);
        CardGrid grid;
        grid.setRowCount(rows);
        for (qint32 r = 1; r <= rows; ++r)
            setRow(grid, r, 0, 0, types[pick(0, 3)]);
        Totals totals;
        const auto texts = [&] {
            QStringList out;
            for (qint32 r = 0; r <= rows; ++r)
                out << grid.cellText(colDeck, r) << grid.cellText(colSide, r);
            for (TotalLabel l : kAll)
                out << totals.caption(l);
            return out;
        };

        for (int press = 0; press < 4000; ++press) {
            const qint32 col = pick(0, 9) == 0 ? pick(0, 20) : std::array{5, 6, 8, 9}[size_t(pick(0, 3))];
            const qint32 row = pick(0, 30) == 0 ? pick(-1, rows + 1) : pick(1, rows);
            const QStringList before = texts();
            const bool changed = fpsCardList_ButtonClicked(grid, totals, limits, col, row);

            std::array<qint32, 6> sums{};
            for (qint32 r = 1; r <= rows; ++r) {
                const qint32 deck = deckOf(grid, r);
                const qint32 side = sideOf(grid, r);
                ASSERT_GE(deck, 0);
                ASSERT_LE(deck, limits.glngCopyLimit);
                ASSERT_GE(deck + side, 0);
                ASSERT_LE(deck + side, limits.glngCopyLimit);
                sums[0] += deck;
                sums[1] += deck + side;
                sums[2] += std::max(side, 0);
                for (size_t t = 0; t < 3; ++t)
                    if (grid.cellText(colType, r) == types[t])
                        sums[3 + t] += deck;
            }
            ASSERT_EQ(values(totals), sums) << "press " << press;
            ASSERT_EQ(changed, before != texts()) << "press " << press;
            if (row < 1 || row > rows) {
                ASSERT_FALSE(changed) << "press " << press;
                continue;
            }
            ASSERT_EQ(grid.foreColor(colDeck, row), deckOf(grid, row) ? kBlack : kGrey);
            ASSERT_EQ(grid.foreColor(colSide, row), sideOf(grid, row) ? kBlack : kGrey);
            const qint32 sizeLimits[] = {limits.glngDeckLimit, limits.glngDeckLimit, limits.glngSideLimit};
            for (size_t i = 0; i < 3; ++i) {
                const Rgb colour = sums[i] < sizeLimits[i] ? kYellow : sums[i] == sizeLimits[i] ? kWhite : kRed;
                ASSERT_EQ(totals.background(kAll[i]), colour) << i;
                coloursSeen.insert(colour);
            }
        }
    }
    EXPECT_EQ(coloursSeen.size(), 3u);
}

TEST(SideReset, SideCountsToZeroAndSideTotalsFollowTheMainDeck)
{
    CardGrid grid;
    grid.setRowCount(4);
    const std::pair<qint32, qint32> counts[] = {{3, -2}, {2, 1}, {1, 1}, {2, -1}};
    for (qint32 r = 1; r <= 4; ++r)
        setRow(grid, r, counts[r - 1].first, counts[r - 1].second, u"Spell"_s);
    Totals totals;
    for (size_t i = 0; i < 6; ++i) {
        totals.setCaption(kAll[i], QString::number(std::array{8, 7, 2, 0, 8, 0}[i]));
        totals.setBackground(kAll[i], i == 0 ? kRed : kSentinel);
    }
    const Totals before = totals;
    RecordingUi ui;
    fsubSideReset(grid, totals, ui);
    EXPECT_EQ(ui.processEventsCalls, 4) << "the window stays responsive, once per row";
    for (qint32 r = 1; r <= 4; ++r) {
        EXPECT_EQ(grid.cellText(colSide, r), u"0"_s);
        EXPECT_EQ(grid.foreColor(colSide, r), kGrey);
        EXPECT_EQ(deckOf(grid, r), counts[r - 1].first);
    }
    Totals expected = before;  // the side sum takes the deck's caption and colour, the side board starts over
    expected.setCaption(TotalLabel::lblSideSum, u"8"_s);
    expected.setBackground(TotalLabel::lblSideSum, kRed);
    expected.setCaption(TotalLabel::lblSide, u"0"_s);
    expected.setBackground(TotalLabel::lblSide, kYellow);
    EXPECT_TRUE(totals == expected);
}

}  // namespace
