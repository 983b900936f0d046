#include "deck/CardNumber.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One text read every way the program reads a card number. Columns: the text; the card it names
// in the grid ("" for none); its row after a load of 300 regular cards and 3 promotional ones;
// the catalogue section it is looked up under.
struct NumberCase {
    QString text;
    QString card;
    qint32 rowAfterLoad;
    QString section;
};

const NumberCase kCases[] = {
    {u"001"_s, u"001"_s, 1, u"001"_s},
    {u"1"_s, u""_s, 1, u"001"_s},
    {u"300"_s, u"300"_s, 300, u"300"_s},
    {u"1000"_s, u"1000"_s, 0, u"1000"_s},
    {u"0001"_s, u""_s, 1, u"001"_s},
    {u"000"_s, u""_s, 0, u"000"_s},
    {u"0"_s, u""_s, 0, u"000"_s},
    {u"-1"_s, u""_s, 0, u"-001"_s},
    {u"2.5"_s, u""_s, 2, u"002"_s},
    {u"3.5"_s, u""_s, 4, u"004"_s},
    {u" 7 "_s, u""_s, 7, u"007"_s},
    {u""_s, u""_s, 0, u""_s},
    {u"   "_s, u""_s, 0, u"   "_s},
    {u"302"_s, u"302"_s, 302, u"302"_s},  // past the regular cards: a promotional card's row
    {u"2147483647"_s, u"2147483647"_s, 0, u"2147483647"_s},
    {u"2147483648"_s, u""_s, 0, u"2147483648"_s},
    {u"1e20"_s, u""_s, 0, u"1e20"_s},
    {u"P01"_s, u"P01"_s, 301, u"P01"_s},
    {u"P3"_s, u""_s, 303, u"P3"_s},
    {u"P100"_s, u"P100"_s, 0, u"P100"_s},
    {u"P001"_s, u""_s, 301, u"P001"_s},
    {u"P"_s, u""_s, 0, u"P"_s},
    {u"P0"_s, u""_s, 0, u"P0"_s},
    {u"P00"_s, u""_s, 0, u"P00"_s},
    {u"p01"_s, u""_s, 0, u"p01"_s},
    {u"abc"_s, u""_s, 0, u"abc"_s},
};

TEST(CardNumber, EveryReadingOfANumber)
{
    for (const NumberCase& c : kCases) {
        const std::optional<CardNumber> card = CardNumber::parse(c.text);
        EXPECT_EQ(std::tuple(card ? card->text() : QString(u""_s), CardNumber::rowAfterLoad(c.text, 300, 303),
                             CardNumber::sectionText(c.text)),
                  std::tuple(c.card, c.rowAfterLoad, c.section))
            << '"' << c.text.toStdString() << '"';
    }
    // Catalogue order: regular cards by number, then promotional cards; a row after a load names its card.
    EXPECT_TRUE(CardNumber::regular(2) < CardNumber::regular(10) && CardNumber::regular(999999) < CardNumber::promotional(1));
    EXPECT_EQ(std::pair(CardNumber::atRowAfterLoad(300, 300), CardNumber::atRowAfterLoad(302, 300)),
              std::pair(CardNumber::regular(300), CardNumber::promotional(2)));
}

}  // namespace
