#include "CatalogueGenerator.h"

#include "platform/Cp932.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CatalogueGenerator, StoredFormatAndDeterminism)
{
    const QByteArray bytes = generateCatalogue(200, 3, 11);
    EXPECT_EQ(generateCatalogue(200, 3, 11), bytes);
    EXPECT_NE(generateCatalogue(200, 3, 12), bytes);
    // every character has a CP932 form; CR LF line ends only
    EXPECT_EQ(std::tuple(bytes.contains('?'), bytes.count('\n'), bytes.count('\r')),
              std::tuple(false, bytes.count("\r\n"), bytes.count("\r\n")));
    EXPECT_EQ(generateCatalogue(0, 0, 1), QByteArray("[Card]\r\nTotal=0\r\nShowSelect=1\r\nDeck=50\r\nLimit=3\r\n"));

    const QString text = Cp932::decode(bytes);
    EXPECT_TRUE(text.startsWith(u"[Card]\r\nTotal=200\r\nShowSelect=1\r\nDeck=50\r\nLimit=3\r\n\r\n[001]\r\n"_s));
    EXPECT_TRUE(text.contains(u"\\n"_s)) << "multi-line texts use the escape";
    // Every card, 001 to 200 and P01 to P03 in turn, carries the full set of keys in the stored order.
    const QRegularExpression card(u"\\[(\\d{3}|P\\d{2})\\]\r\nType=(Character|Spell|Command)\r\nName=(.+)\r\n"
                                  u"Node=\\d\r\nCost=\\d\r\nGlaze=\\d\r\nAttack=\\d*\r\nToughness=\\d*\r\nUser=.*\r\n"
                                  u"Upkeep=\\d*\r\nClass=.*\r\nSkill=.*\r\nAbility=.+\r\nText=.*\r\n"
                                  u"Illustration=.+\r\nFile=\\1\\.jpg\r\n"_s);
    QStringList sections;
    QSet<QString> names;
    for (const QRegularExpressionMatch& m : card.globalMatch(text)) {
        sections << m.captured(1);
        names.insert(m.captured(3));
    }
    QStringList expected;
    for (int i = 1; i <= 200; ++i)
        expected << QString::number(i).rightJustified(3, u'0');
    EXPECT_EQ(sections, expected << u"P01"_s << u"P02"_s << u"P03"_s);
    EXPECT_EQ(names.size(), sections.size()) << "names are unique";
    EXPECT_EQ(text.count(u"\r\n["_s), 203) << "nothing but the settings and the cards";
}

}  // namespace
