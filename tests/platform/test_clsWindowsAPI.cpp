#include "platform/Cp932.h"
#include "platform/clsWindowsAPI.h"

#include "Fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray cp932(const QString& text) { return Cp932::encode(text); }

// Profile files in a temporary folder, read and written through one object per call, as the program does.
class ProfileTest : public ::testing::Test, protected Fixtures::TempFolder {
protected:
    static QString read(const QString& file, const QString& key, const QString& section)
    {
        clsWindowsAPI api;
        api.setIniFileName(file);
        return api.GetInitValue(key, section);
    }
    static bool setValue(const QString& file, const QString& key, const QString& value, const QString& section,
                         const QString& appName = u"Card"_s)
    {
        clsWindowsAPI api;
        api.setIniFileName(file);
        api.setAppName(appName);
        return api.SetInitValue(key, value, section);
    }
};

// Trail bytes 0x5B, 0x5C, 0x5D (ー, ソ/表, 評/ゾ) trip byte-level scanning; the last line has no line end.
// How names, blanks, duplicates and line ends read is checked against a line-by-line reading below.
const QString kCatalogue = u"[Card]\r\nTotal=2\r\n\r\n"
                           u"[001]\r\nType=Character\r\nName=ソード表ー評\r\nUpkeep=\r\n\r\n"
                           u"[002]\r\nAbility=攻撃する。\\n防御する。\r\n[評価ソ]\r\nName=ゾ]充["_s;

TEST_F(ProfileTest, ReadsWithAppNameKeyNameAndDefault)
{
    const QString cards = withBytes(u"cards.ini"_s, cp932(kCatalogue)), none = file(u"none.ini"_s);
    // file, key, section, KeyName, expected ("-" is the Default)
    const std::tuple<const char*, QString, QString, QString, QString, QString> cases[] = {
        {"explicit section", cards, u"Name"_s, u"001"_s, {}, u"ソード表ー評"_s},
        {"empty section uses AppName", cards, u"Total"_s, u""_s, {}, u"2"_s},
        {"blank section uses AppName", cards, u"Total"_s, u"  "_s, {}, u"2"_s},
        {"leading blank is no blank section", cards, u"Name"_s, u" 001"_s, {}, u"ソード表ー評"_s},
        {"blank key uses KeyName", cards, u" "_s, u"001"_s, u"Type"_s, u"Character"_s},
        {"escape kept as written", cards, u"Ability"_s, u"002"_s, {}, u"攻撃する。\\n防御する。"_s},
        {"trail bytes in section and value", cards, u"Name"_s, u"評価ソ"_s, {}, u"ゾ]充["_s},
        {"missing file", none, u"Name"_s, u"001"_s, {}, u"-"_s},
        {"no file name", QString(), u"Name"_s, u"001"_s, {}, u"-"_s},
    };
    for (const auto& [label, file, key, section, keyName, expected] : cases) {
        clsWindowsAPI api;
        api.setIniFileName(file);
        api.setAppName(u"Card"_s);
        api.setKeyName(keyName);
        api.setDefault(u"-"_s);
        EXPECT_EQ(api.GetInitValue(key, section), expected) << label;
    }
    EXPECT_EQ(read(cards, u"Upkeep"_s, u"001"_s), QString()) << "an empty value, an empty Default";
}

TEST_F(ProfileTest, IndexFollowsTheFileItReads)
{
    const QString second = withBytes(u"second.ini"_s, "[Card]\r\nTotal=2\r\n");
    clsWindowsAPI api;
    const auto total = [&api](const QString& file) {
        api.setIniFileName(file);
        return api.GetInitValue(u"Total"_s, u"Card"_s);
    };
    EXPECT_EQ(total(withBytes(u"first.ini"_s, "[Card]\r\nTotal=1\r\n")) + total(second), u"12"_s);
    ASSERT_TRUE(setValue(second, u"Total"_s, u"7"_s, u"Card"_s));
    EXPECT_EQ(read(second, u"Total"_s, u"Card"_s), u"7"_s) << "another object's write is seen by a new one";
}

// What the profile rules give when every line is looked at in turn: the reference the index must match.
std::optional<QString> referenceRead(const QString& text, const QString& section, const QString& key)
{
    // The generated lines hold no blanks but spaces and tabs, so trimmed() trims what the profile trims.
    const auto same = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    bool seen = false, inside = false;
    for (const QString& line : QString(text).replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').split(u'\n')) {
        const QString t = line.trimmed();
        if (t.startsWith(u'[')) {
            if (inside)
                return std::nullopt;
            const qsizetype close = t.indexOf(u']');
            inside = !seen && same(t.mid(1, close < 0 ? -1 : close - 1).trimmed(), section);
            seen = seen || inside;
        } else if (inside && t.contains(u'=') && same(t.left(t.indexOf(u'=')).trimmed(), key)) {
            return t.mid(t.indexOf(u'=') + 1).trimmed();
        }
    }
    return std::nullopt;
}

TEST_F(ProfileTest, IndexAgreesWithReadingLineByLine)
{
    const QStringList pieces = {u"[A]"_s,  u" [ b ] "_s, u"[a]"_s, u"[表]"_s,  u"[c"_s,   u"k=1"_s,
                                u"K = 2"_s, u"k2=x=y"_s, u"=v"_s,  u"junk"_s,  u"ソ=ゾ"_s, u"\tk2\t= 3 "_s,
                                u"b=[x]"_s, u""_s,       u"  "_s,  u"x=\x01"_s, u"k="_s,  u"[ゾ]"_s,  u"表=ー]"_s};
    const QStringList eols = {u"\r\n"_s, u"\n"_s, u"\r"_s};
    const QStringList names = {u"A"_s, u"b"_s, u"表"_s, u"c"_s, u"k"_s, u"k2"_s, u"ソ"_s, u"x"_s, u"B"_s, u"ゾ"_s};
    QRandomGenerator rng(7);
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int i = rng.bounded(1, 25); i > 0; --i)
            text += pieces[rng.bounded(pieces.size())] + eols[rng.bounded(eols.size())];
        clsWindowsAPI api;
        api.setIniFileName(withBytes(u"random.ini"_s, cp932(text)));
        api.setDefault(u"-"_s);
        for (const QString& section : names) {
            for (const QString& key : names) {
                const std::optional<QString> expected = referenceRead(text, section, key);
                ASSERT_EQ(api.GetInitValue(key, section), expected && !expected->isEmpty() ? *expected : u"-"_s)
                    << "section " << section.toStdString() << " key " << key.toStdString() << " in\n"
                    << text.toStdString();
            }
        }
    }
}

TEST_F(ProfileTest, WriteChangesOnlyTheKeysLineOrAddsIt)
{
    // Trail bytes ']' and '[' in names and values, a later duplicate section, "ShowSelect" in other sections.
    const QString tail =
        u"\r\nDeck=50\r\n\r\n[ソ]\r\nShowSelect=表\r\n[001]\r\nName=ー]評\r\n[card]\r\nShowSelect=2\r\n"_s;
    const QString renamed = QString(tail).replace(u"ー]評"_s, u"新しい名前ソ"_s);
    // before, key, section, value, after
    const std::tuple<QString, QString, QString, QString, QString> cases[] = {
        {u"[Card]\r\nShowSelect = 0 "_s + tail, u"ShowSelect"_s, {}, u"1"_s, u"[Card]\r\nShowSelect=1"_s + tail},
        {u"[Card]\r\nShowSelect=1"_s + tail, u"showselect"_s, u"CARD"_s, u"1"_s, u"[Card]\r\nShowSelect=1"_s + tail},
        {u"[Card]"_s + tail, u"Name"_s, u"001"_s, u"新しい名前ソ"_s, u"[Card]"_s + renamed},
        {u"[Card]\r\nTotal=3\r\n\r\n[001]\r\nName=x\r\n"_s, u"ShowSelect"_s, {}, u"1"_s,
         u"[Card]\r\nTotal=3\r\nShowSelect=1\r\n\r\n[001]\r\nName=x\r\n"_s},
        {u"[Card]\r\n[001]\r\n"_s, u"ShowSelect"_s, {}, u"1"_s, u"[Card]\r\nShowSelect=1\r\n[001]\r\n"_s},
        {u"[Card]\r\nA=1\r\n[Card]\r\nB=2\r\n"_s, u"ShowSelect"_s, {}, u"1"_s,
         u"[Card]\r\nA=1\r\nShowSelect=1\r\n[Card]\r\nB=2\r\n"_s},
        {u"[Card]\r\nTotal=3"_s, u"ShowSelect"_s, {}, u"1"_s, u"[Card]\r\nTotal=3\r\nShowSelect=1"_s},
        {u"[Card]\nTotal=3\n[001]\n"_s, u"ShowSelect"_s, {}, u"1"_s, u"[Card]\nTotal=3\nShowSelect=1\n[001]\n"_s},
        {u"[001]\r\nName=x\r\n"_s, u"ShowSelect"_s, {}, u"1"_s, u"[001]\r\nName=x\r\n[Card]\r\nShowSelect=1\r\n"_s},
        {u"[001]\r\nName=x"_s, u"ShowSelect"_s, u" "_s, u"1"_s, u"[001]\r\nName=x\r\n[Card]\r\nShowSelect=1\r\n"_s},
        {u""_s, u"ShowSelect"_s, {}, u"1"_s, u"[Card]\r\nShowSelect=1\r\n"_s},
    };
    for (const auto& [before, key, section, value, after] : cases) {
        const QString file = withBytes(u"add.ini"_s, cp932(before));
        ASSERT_TRUE(setValue(file, key, value, section)) << before.toStdString();
        EXPECT_EQ(Fixtures::readBytes(file), cp932(after)) << before.toStdString();
    }
    ASSERT_TRUE(setValue(file(u"created.ini"_s), u"ShowSelect"_s, u"1"_s, {}));
    EXPECT_EQ(Fixtures::readBytes(file(u"created.ini"_s)), QByteArray("[Card]\r\nShowSelect=1\r\n"));
}

TEST_F(ProfileTest, WriteInALargeFile)
{
    // Large enough that the writer takes it in several pieces; every section must still be found.
    QByteArray original;
    for (int i = 0; i < 40000; ++i)
        original += cp932(u"[S%1]\r\nType=ソ表\r\nName=評ー%1\r\nText=能力\\n十字\r\n"_s.arg(i));
    ASSERT_GT(original.size(), 2 << 20);
    for (const int i : {0, 1, 9999, 20000, 29999, 39999}) {
        const QString file = withBytes(u"large.ini"_s, original);
        ASSERT_TRUE(setValue(file, u"Name"_s, u"新ソ"_s, u"S"_s + QString::number(i))) << i;
        const QByteArray oldLine = cp932(u"\nName=評ー%1\r"_s.arg(i));  // one line of the file
        EXPECT_EQ(Fixtures::readBytes(file), QByteArray(original).replace(oldLine, cp932(u"\nName=新ソ\r"_s))) << i;
    }
    const QString file = withBytes(u"large.ini"_s, original);
    ASSERT_TRUE(setValue(file, u"Name"_s, u"x"_s, u"S40000"_s));
    EXPECT_EQ(Fixtures::readBytes(file), original + "[S40000]\r\nName=x\r\n");
}

TEST_F(ProfileTest, FailedWriteLeavesFilesAlone)
{
    const QByteArray bytes = "[Card]\r\nTotal=3\r\n";
    const QString regular = withBytes(u"file.txt"_s, bytes);
    ASSERT_TRUE(QDir(path()).mkpath(u"folder.ini"_s));
    EXPECT_FALSE(setValue(regular + u"/x.ini"_s, u"ShowSelect"_s, u"1"_s, {}) ||
                 setValue(file(u"folder.ini"_s), u"ShowSelect"_s, u"1"_s, {}));
    EXPECT_TRUE(QFileInfo(file(u"folder.ini"_s)).isDir());
    // Opening a FIFO would wait for a writer forever: it reads as missing and is never written.
    const QString fifo = file(u"fifo.ini"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(std::pair(read(fifo, u"Total"_s, u"Card"_s), setValue(fifo, u"Total"_s, u"1"_s, u"Card"_s)),
              std::pair(QString(), false));

    // Names that could not be read back as written are refused.
    const std::tuple<const char*, QString, QString, QString> refused[] = {
        {"no section", u"K"_s, u"1"_s, u" "_s},
        {"bracket in section", u"K"_s, u"1"_s, u"a]b"_s},
        {"equals sign in key", u"K=2"_s, u"1"_s, u"Card"_s},
        {"line end in value", u"K"_s, u"1\r\n[x]"_s, u"Card"_s},
        {"key without CP932 form", u"K😀"_s, u"1"_s, u"Card"_s},
    };
    for (const auto& [label, key, value, section] : refused)
        EXPECT_FALSE(setValue(regular, key, value, section, {})) << label;
    EXPECT_EQ(Fixtures::readBytes(regular), bytes);
}

// Arbitrary files are the profile fuzzer's, decoding bad bytes the codec's; these are the inputs with a known answer.
// Long values are cut at 4095 bytes without splitting a character; bad bytes read as far as they can.
TEST_F(ProfileTest, LongValuesAndBadInputNeverBreakAReader)
{
    const auto text = [](const QString& value) { return cp932(u"[Card]\r\nText="_s + value + u"\r\n"_s); };
    static const char kNul[] = "[Ca\0rd]\r\n[Card]\r\nTo\0tal=3\r\nDeck=5\0" "0\r\n";
    const QByteArray nul(kNul, sizeof kNul - 1);
    const QByteArray invalid = "[Card]\r\nName=\x81\r\nDeck=50\r\n";
    const QByteArray longLine = "[Card]\r\nTotal=" + QByteArray(10 << 20, 'x') + "\r\nDeck=50\r\n";
    const std::tuple<const char*, QByteArray, QString, QString> cases[] = {
        {"10 MB line", longLine, u"Deck"_s, u"50"_s},
        {"10 MB line cut", longLine, u"Total"_s, QString(4095, u'x')},
        {"10 MB of brackets", "[Card]\r\nDeck=50\r\n" + QByteArray(10 << 20, '[') + "]\r\n", u"Deck"_s, u"50"_s},
        {"NUL bytes", nul, u"Deck"_s, u"5"_s},
        {"NUL inside the name", nul, u"Total"_s, QString()},
        {"lone lead byte before CR LF", invalid, u"Name"_s, u"\uFFFD"_s},
        {"cut inside a character drops it", text(QString(3000, u'表')), u"Text"_s, QString(2047, u'表')},
        {"cut right after a character", text(u"a"_s + QString(3000, u'表')), u"Text"_s, u"a"_s + QString(2047, u'表')},
        {"exactly 4095 bytes", text(QString(4095, u'x')), u"Text"_s, QString(4095, u'x')},
        {"4096 bytes", text(QString(4096, u'x')), u"Text"_s, QString(4095, u'x')},
        {"half-width katakana take one byte", text(u"表"_s + QString(4096, u'ｱ')), u"Text"_s,
         u"表"_s + QString(4093, u'ｱ')},
    };
    for (const auto& [label, bytes, key, expected] : cases) {
        clsWindowsAPI api;
        api.setIniFileName(withBytes(u"bad.ini"_s, bytes));
        api.setAppName(u"Card"_s);
        EXPECT_EQ(api.GetInitValue(key, {}), expected) << label;
        ASSERT_TRUE(api.SetInitValue(u"ShowSelect"_s, u"1"_s, {})) << label;
        EXPECT_EQ(api.GetInitValue(u"ShowSelect"_s, {}), u"1"_s) << label;
    }
}

TEST_F(ProfileTest, RegistryRoundTripInAProfileOfItsOwn)
{
    const QByteArray saved = qgetenv("TESSARIN_REGISTRY");
    const QString registry = file(u"sub/registry.ini"_s);
    qputenv("TESSARIN_REGISTRY", registry.toLocal8Bit());
    constexpr qint32 kUser = qint32(0x80000001u);
    clsWindowsAPI api;
    api.setDefault(u"none"_s);
    api.setSubKey(u"Software\\Tessarin"_s);
    EXPECT_EQ(api.GetRegStrValue(u"Path"_s, {}, kUser), u"none"_s) << "before anything is stored";
    ASSERT_TRUE(api.SetRegStrValue(u"Path"_s, u"C:\\カード\\表"_s, {}, kUser));
    // Sub keys match in any case; another root holds nothing; the profile holds it under root and sub key.
    EXPECT_EQ((QStringList{api.GetRegStrValue(u"Path"_s, u"software\\tessarin"_s, kUser),
                           api.GetRegStrValue(u"Path"_s, {}, qint32(0x80000002u)),
                           read(registry, u"Path"_s, u"80000001\\Software\\Tessarin"_s)}),
              (QStringList{u"C:\\カード\\表"_s, u"none"_s, u"C:\\カード\\表"_s}));
    qputenv("TESSARIN_REGISTRY", registry.toLocal8Bit() + "/below");
    EXPECT_FALSE(api.SetRegStrValue(u"Path"_s, u"x"_s, {}, kUser));
    saved.isNull() ? qunsetenv("TESSARIN_REGISTRY") : qputenv("TESSARIN_REGISTRY", saved);
    EXPECT_FALSE(api.ComputerName().isEmpty());
}

}  // namespace
