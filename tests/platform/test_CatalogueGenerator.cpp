#include "CatalogueGenerator.h"

#include "platform/Cp932.h"
#include "platform/clsWindowsAPI.h"

#include "Fixtures.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CatalogueGenerator, StoredFormatDeterminismAndReadBack)
{
    const QByteArray bytes = generateCatalogue(200, 3, 11);
    EXPECT_EQ(generateCatalogue(200, 3, 11), bytes);
    EXPECT_NE(generateCatalogue(200, 3, 12), bytes);
    EXPECT_FALSE(bytes.contains('?')) << "every character has a CP932 form";
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "CR LF line ends only";
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));

    const QString text = Cp932::decode(bytes);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_EQ(text.count(u"\r\n["_s), 203) << "one header per card after the settings";
    EXPECT_TRUE(text.startsWith(u"[Card]\r\nTotal=200\r\nShowSelect=1\r\nDeck=50\r\nLimit=3\r\n"_s));
    // Every card carries the full set of keys, in the stored order.
    const QString keys = u"Type=.*\r\nName=.*\r\nNode=\\d\r\nCost=\\d\r\nGlaze=\\d\r\nAttack=\\d*\r\n"
                         u"Toughness=\\d*\r\nUser=.*\r\nUpkeep=\\d*\r\nClass=.*\r\nSkill=.*\r\nAbility=.+\r\n"
                         u"Text=.*\r\nIllustration=.+\r\nFile=.+\\.jpg\r\n"_s;
    EXPECT_EQ(text.count(QRegularExpression(u"\r\n\\[(\\d{3}|P\\d{2})\\]\r\n"_s + keys)), 203);
    EXPECT_TRUE(text.contains(u"\\n"_s)) << "multi-line texts use the escape";
    EXPECT_EQ(generateCatalogue(0, 0, 1), QByteArray("[Card]\r\nTotal=0\r\nShowSelect=1\r\nDeck=50\r\nLimit=3\r\n"));

    QTemporaryDir dir;
    clsWindowsAPI api;
    api.setIniFileName(dir.filePath(u"cardlist.ini"_s));
    Fixtures::writeBytes(api.IniFileName(), bytes);
    QStringList sections{u"P01"_s, u"P02"_s, u"P03"_s};
    for (int i = 1; i <= 200; ++i)
        sections << QString::number(i).rightJustified(3, u'0');
    QSet<QString> names;
    const QSet<QString> types{u"Character"_s, u"Spell"_s, u"Command"_s};
    for (const QString& section : sections) {
        names.insert(api.GetInitValue(u"Name"_s, section));
        EXPECT_TRUE(types.contains(api.GetInitValue(u"Type"_s, section))) << section.toStdString();
        EXPECT_EQ(api.GetInitValue(u"File"_s, section), section + u".jpg"_s);
    }
    EXPECT_EQ(names.size(), sections.size()) << "names are unique";
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(api.GetInitValue(u"Name"_s, u"P04"_s), QString()) << "the promotional sequence ends";
    EXPECT_EQ(api.GetInitValue(u"Name"_s, u"201"_s), QString());
}

}  // namespace
