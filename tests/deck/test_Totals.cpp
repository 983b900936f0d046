#include "deck/DeckColours.h"
#include "deck/Totals.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr TotalLabel kAll[] = {TotalLabel::lblSum,          TotalLabel::lblSideSum,  TotalLabel::lblSide,
                               TotalLabel::lblCharacterSum, TotalLabel::lblSpellSum, TotalLabel::lblCommandSum};

TEST(Totals, StartAndResetStateAreTheLoadedState)
{
    Totals t;
    for (TotalLabel label : kAll) {
        t.setCaption(label, u"17"_s);
        t.setBackground(label, rgb(1, 2, 3));
    }
    EXPECT_FALSE(t == Totals());
    t.resetForLoad();
    EXPECT_TRUE(t == Totals());
    for (TotalLabel label : kAll)
        EXPECT_EQ(t.caption(label), u"0"_s);
    EXPECT_EQ(t.background(TotalLabel::lblSum), DeckColours::kBelowLimit);
    EXPECT_EQ(t.background(TotalLabel::lblSideSum), DeckColours::kBelowLimit);
    EXPECT_EQ(t.background(TotalLabel::lblSide), DeckColours::kBelowLimit);
    EXPECT_EQ(t.background(TotalLabel::lblCharacterSum), DeckColours::kAtLimit);
    EXPECT_EQ(t.background(TotalLabel::lblSpellSum), DeckColours::kAtLimit);
    EXPECT_EQ(t.background(TotalLabel::lblCommandSum), DeckColours::kAtLimit);
}

TEST(Totals, AddReadsTheLeadingNumberAndWritesPlainText)
{
    struct Case {
        const char16_t* before;
        qint32 delta;
        const char16_t* after;
        qint32 valueBefore;
    };
    const Case cases[] = {
        {u"0", 1, u"1", 0},
        {u"49", 1, u"50", 49},
        {u"0", -1, u"-1", 0},
        {u"", 1, u"1", 0},
        {u"abc", -1, u"-1", 0},
        {u"12 cards", 1, u"13", 12},
        {u" 7", 1, u"8", 7},
        {u"2.5", 1, u"3.5", 2},
        {u"1e3", 1, u"1001", 1000},
        {u"-0", 1, u"1", 0},
        {u"2147483647", 1, u"2147483648", 2147483647},
        {u"9e99", 1, u"9e+99", 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.before).toStdString());
        Totals t;
        t.setCaption(TotalLabel::lblSpellSum, QString::fromUtf16(c.before));
        EXPECT_EQ(t.value(TotalLabel::lblSpellSum), c.valueBefore);
        t.add(TotalLabel::lblSpellSum, c.delta);
        EXPECT_EQ(t.caption(TotalLabel::lblSpellSum), QString::fromUtf16(c.after));
        EXPECT_EQ(t.caption(TotalLabel::lblCommandSum), u"0"_s); // the others stay
    }
}

} // namespace
