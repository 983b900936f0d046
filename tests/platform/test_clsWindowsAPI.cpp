#include "platform/Cp932.h"
#include "platform/clsWindowsAPI.h"

#include "ProfileTestFixture.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kCatalogue = cp932(u"[Card]\r\n"
                                    u"Total=2\r\n"
                                    u"ShowSelect=0\r\n"
                                    u"\r\n"
                                    u"[001]\r\n"
                                    u"Type=Character\r\n"
                                    u"Name=ソード表ー評\r\n"
                                    u"Upkeep=\r\n"
                                    u"Class=人間／妖怪\r\n"
                                    u"\r\n"
                                    u"[002]\r\n"
                                    u"Name=  \t空白の剣 \t\r\n"
                                    u"Ability=攻撃する。\\n防御する。\r\n"
                                    u"[card]\r\n"
                                    u"ShowSelect=9\r\n"
                                    u"Extra=later\r\n"_s);

TEST_F(ProfileTest, SectionAndKeyArguments)
{
    const QString file = write(u"cards.ini"_s, kCatalogue);
    struct Case {
        const char* label;
        QString key, section, keyName, expected;
    };
    const Case cases[] = {
        {"explicit section", u"Name"_s, u"001"_s, {}, u"ソード表ー評"_s},
        {"empty section uses AppName", u"Total"_s, u""_s, {}, u"2"_s},
        {"blank section uses AppName", u"Total"_s, u"  "_s, {}, u"2"_s},
        {"leading blank is no blank section", u"Name"_s, u" 001"_s, {}, u"ソード表ー評"_s},
        {"blank key uses KeyName", u" "_s, u"001"_s, u"Type"_s, u"Character"_s},
        {"names ignore ASCII case", u"nAmE"_s, u"001"_s, {}, u"ソード表ー評"_s},
        {"blanks around the value trimmed", u"Name"_s, u"002"_s, {}, u"空白の剣"_s},
        {"escape kept as written", u"Ability"_s, u"002"_s, {}, u"攻撃する。\\n防御する。"_s},
        {"first duplicate section wins", u"ShowSelect"_s, u"CARD"_s, {}, u"0"_s},
        {"later duplicate is not merged", u"Extra"_s, u"Card"_s, {}, u""_s},
    };
    for (const Case& c : cases) {
        clsWindowsAPI api;
        api.setIniFileName(file);
        api.setAppName(u"Card"_s);
        api.setKeyName(c.keyName);
        EXPECT_EQ(api.GetInitValue(c.key, c.section), c.expected) << c.label;
    }
}

TEST_F(ProfileTest, NothingFoundAnswersDefault)
{
    const QString file = write(u"cards.ini"_s, kCatalogue);
    struct Case {
        const char* label;
        QString file, key, section;
    };
    const Case cases[] = {
        {"missing file", path(u"none.ini"_s), u"Name"_s, u"001"_s},
        {"no file name", QString(), u"Name"_s, u"001"_s},
        {"missing section", file, u"Name"_s, u"003"_s},
        {"missing key", file, u"Cost"_s, u"001"_s},
        {"empty value", file, u"Upkeep"_s, u"001"_s},
        {"key of the next section", file, u"Ability"_s, u"001"_s},
        {"key above every section", write(u"top.ini"_s, "Name=x\r\n[001]\r\n"), u"Name"_s, u"001"_s},
    };
    for (const Case& c : cases) {
        for (const QString& dflt : {QString(), u"0"_s}) {
            const QString value = read(c.file, c.key, c.section, {}, dflt);
            EXPECT_EQ(value, dflt) << c.label << " default \"" << dflt.toStdString() << '"';
        }
    }
}

TEST_F(ProfileTest, LongValuesAreCutWithoutSplittingACharacter)
{
    struct Case {
        const char* label;
        QString value;
        qsizetype keptChars;
    };
    const Case cases[] = {
        {"3000 double-byte characters", QString(3000, u'表'), 2047},
        {"cut right after a character", u"a"_s + QString(3000, u'表'), 2048},
        {"cut inside a character drops it", u"ab"_s + QString(3000, u'表'), 2048},
        {"exactly 4095 bytes", QString(4095, u'x'), 4095},
        {"4096 bytes", QString(4096, u'x'), 4095},
    };
    for (const Case& c : cases) {
        const QString file = write(u"long.ini"_s, cp932(u"[001]\r\nText="_s + c.value + u"\r\nName=n\r\n"_s));
        const QString value = read(file, u"Text"_s, u"001"_s);
        EXPECT_EQ(value, c.value.left(c.keptChars)) << c.label;
        EXPECT_LE(cp932(value).size(), 4095) << c.label;
        EXPECT_EQ(read(file, u"Name"_s, u"001"_s), u"n"_s) << c.label;
    }
}

TEST_F(ProfileTest, EveryLineEnd)
{
    for (const QString& eol : {u"\r\n"_s, u"\n"_s, u"\r"_s}) {
        const QString text = u"[Card]"_s + eol + u"Total=3"_s + eol + eol + u"[評価ソ]"_s + eol +
                             u"Name=ゾ]充["_s + eol + u"Type=Spell"_s;  // no final line end
        const QString file = write(u"eol.ini"_s, cp932(text));
        const QString label = u"line end "_s + QString::number(eol.size()) + eol.back().unicode();
        EXPECT_EQ(read(file, u"Total"_s, u"Card"_s), u"3"_s) << label.toStdString();
        EXPECT_EQ(read(file, u"Name"_s, u"評価ソ"_s), u"ゾ]充["_s) << label.toStdString();
        EXPECT_EQ(read(file, u"Type"_s, u"評価ソ"_s), u"Spell"_s) << label.toStdString();
    }
}

TEST_F(ProfileTest, IndexFollowsTheFileItReads)
{
    const QString first = write(u"first.ini"_s, "[Card]\r\nTotal=1\r\n");
    const QString second = write(u"second.ini"_s, "[Card]\r\nTotal=2\r\n");

    clsWindowsAPI api;
    api.setIniFileName(first);
    EXPECT_EQ(api.GetInitValue(u"Total"_s, u"Card"_s), u"1"_s);
    api.setIniFileName(second);
    EXPECT_EQ(api.GetInitValue(u"Total"_s, u"Card"_s), u"2"_s);

    ASSERT_TRUE(api.SetInitValue(u"Total"_s, u"5"_s, u"Card"_s));
    EXPECT_EQ(api.GetInitValue(u"Total"_s, u"Card"_s), u"5"_s) << "a write refreshes the index";

    // Another object changes the file: a new object sees it, the reader that indexed it keeps its index.
    clsWindowsAPI writer;
    writer.setIniFileName(second);
    ASSERT_TRUE(writer.SetInitValue(u"Total"_s, u"7"_s, u"Card"_s));
    EXPECT_EQ(read(second, u"Total"_s, u"Card"_s), u"7"_s);
    EXPECT_EQ(api.GetInitValue(u"Total"_s, u"Card"_s), u"5"_s) << "the file is read once per object";

    api.setIniFileName(first);
    api.setIniFileName(second);
    EXPECT_EQ(api.GetInitValue(u"Total"_s, u"Card"_s), u"7"_s);
}

TEST_F(ProfileTest, ValueViewSharesTheDecodedText)
{
    const QString file = write(u"cards.ini"_s, kCatalogue);
    clsWindowsAPI api;
    api.setIniFileName(file);
    const std::shared_ptr<const QString> text = api.storage();
    const QStringView name = api.valueView(u"Name", u"001");
    EXPECT_EQ(name, u"ソード表ー評");
    EXPECT_GE(name.data(), text->constData());
    EXPECT_LE(name.data() + name.size(), text->constData() + text->size());
    EXPECT_TRUE(api.valueView(u"Upkeep", u"001").isEmpty());
    EXPECT_TRUE(api.valueView(u"Name", u"999").isEmpty());
}

// What the profile rules give when every line is looked at in turn: the reference the index must match.
std::optional<QString> referenceRead(const QString& text, const QString& section, const QString& key)
{
    const auto fold = [](const QString& s) {
        QString out = s;
        for (QChar& c : out)
            if (c >= u'A' && c <= u'Z')
                c = QChar(c.unicode() + 32);
        return out;
    };
    const auto trim = [](QString s) {
        while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
            s.remove(0, 1);
        while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
            s.chop(1);
        return s;
    };
    QString normalised = text;
    normalised.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    bool seen = false, inside = false;
    for (const QString& line : normalised.split(u'\n')) {
        const QString t = trim(line);
        if (t.startsWith(u'[')) {
            if (inside)
                return std::nullopt;
            const qsizetype close = t.indexOf(u']');
            inside = !seen && fold(trim(t.mid(1, close < 0 ? -1 : close - 1))) == fold(section);
            seen = seen || inside;
        } else if (inside && t.contains(u'=') && fold(trim(t.left(t.indexOf(u'=')))) == fold(key)) {
            return trim(t.mid(t.indexOf(u'=') + 1));
        }
    }
    return std::nullopt;
}

TEST_F(ProfileTest, IndexAgreesWithReadingLineByLine)
{
    const QStringList pieces = {u"[A]"_s,  u" [ b ] "_s, u"[a]"_s, u"[表]"_s,  u"[c"_s,   u"k=1"_s,
                                u"K = 2"_s, u"k2=x=y"_s, u"=v"_s,  u"junk"_s,  u"ソ=ゾ"_s, u"\tk2\t= 3 "_s,
                                u"b=[x]"_s, u""_s,       u"  "_s,  u"x=\x01"_s};
    const QStringList eols = {u"\r\n"_s, u"\n"_s, u"\r"_s};
    const QStringList names = {u"A"_s, u"b"_s, u"表"_s, u"c"_s, u"k"_s, u"k2"_s, u"ソ"_s, u"x"_s, u"B"_s};
    QRandomGenerator rng(7);
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int i = rng.bounded(1, 25); i > 0; --i)
            text += pieces[rng.bounded(pieces.size())] + eols[rng.bounded(eols.size())];
        const QString file = write(u"random.ini"_s, cp932(text));
        clsWindowsAPI api;
        api.setIniFileName(file);
        api.setDefault(u"-"_s);
        for (const QString& section : names) {
            for (const QString& key : names) {
                const std::optional<QString> expected = referenceRead(text, section, key);
                const QString want = expected && !expected->isEmpty() ? *expected : u"-"_s;
                ASSERT_EQ(api.GetInitValue(key, section), want)
                    << "section " << section.toStdString() << " key " << key.toStdString() << " in\n"
                    << text.toStdString();
            }
        }
    }
}

}  // namespace
