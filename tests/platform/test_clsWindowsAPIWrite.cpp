#include "ProfileTestFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A catalogue with the characters that trip byte-level scanning: trail bytes 0x5B, 0x5C, 0x5D.
const QByteArray kHead = cp932(u"[Card]\r\nTotal=2\r\n"_s);
const QByteArray kShowSelect = "ShowSelect = 0 ";
const QByteArray kTail =
    cp932(u"\r\nDeck=50\r\n\r\n[ソ]\r\nShowSelect=表\r\n[001]\r\nName=ー]評\r\n[card]\r\nShowSelect=2\r\n"_s);

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

bool setValue(const QString& file, const QString& key, const QString& value, const QString& section,
              const QString& appName = u"Card"_s)
{
    clsWindowsAPI api;
    api.setIniFileName(file);
    api.setAppName(appName);
    return api.SetInitValue(key, value, section);
}

TEST_F(ProfileTest, WriteChangesOnlyTheKeysLine)
{
    const QString file = write(u"cards.ini"_s, kHead + kShowSelect + kTail);
    ASSERT_TRUE(setValue(file, u"ShowSelect"_s, u"1"_s, {}));
    EXPECT_EQ(Fixtures::readBytes(file), kHead + "ShowSelect=1" + kTail);
    EXPECT_EQ(read(file, u"ShowSelect"_s, u"ソ"_s), u"表"_s);

    // Writing the value it already holds leaves the bytes alone.
    ASSERT_TRUE(setValue(file, u"showselect"_s, u"1"_s, u"CARD"_s));
    EXPECT_EQ(Fixtures::readBytes(file), kHead + "ShowSelect=1" + kTail);

    ASSERT_TRUE(setValue(file, u"Name"_s, u"新しい名前ソ"_s, u"001"_s));
    QByteArray expected = kHead + "ShowSelect=1" + kTail;
    expected.replace(cp932(u"Name=ー]評"_s), cp932(u"Name=新しい名前ソ"_s));
    EXPECT_EQ(Fixtures::readBytes(file), expected);
    EXPECT_EQ(read(file, u"Name"_s, u"001"_s), u"新しい名前ソ"_s);
}

TEST_F(ProfileTest, WriteAddsWhatIsMissing)
{
    struct Case {
        const char* label;
        QByteArray before;  // empty name: no file
        QByteArray after;
    };
    const Case cases[] = {
        {"key after the section's last key", "[Card]\r\nTotal=3\r\n\r\n[001]\r\nName=x\r\n",
         "[Card]\r\nTotal=3\r\nShowSelect=1\r\n\r\n[001]\r\nName=x\r\n"},
        {"key in a section without keys", "[Card]\r\n[001]\r\n", "[Card]\r\nShowSelect=1\r\n[001]\r\n"},
        {"key in the first of duplicate sections", "[Card]\r\nA=1\r\n[Card]\r\nB=2\r\n",
         "[Card]\r\nA=1\r\nShowSelect=1\r\n[Card]\r\nB=2\r\n"},
        {"key after a last line without line end", "[Card]\r\nTotal=3", "[Card]\r\nTotal=3\r\nShowSelect=1"},
        {"lone LF lines", "[Card]\nTotal=3\n[001]\n", "[Card]\nTotal=3\nShowSelect=1\n[001]\n"},
        {"section at the end", "[001]\r\nName=x\r\n", "[001]\r\nName=x\r\n[Card]\r\nShowSelect=1\r\n"},
        {"section after a last line without line end", "[001]\r\nName=x",
         "[001]\r\nName=x\r\n[Card]\r\nShowSelect=1\r\n"},
        {"empty file", "", "[Card]\r\nShowSelect=1\r\n"},
    };
    for (const Case& c : cases) {
        const QString file = write(u"add.ini"_s, c.before);
        ASSERT_TRUE(setValue(file, u"ShowSelect"_s, u"1"_s, {})) << c.label;
        EXPECT_EQ(Fixtures::readBytes(file), c.after) << c.label;
    }
    const QString created = path(u"created.ini"_s);
    ASSERT_TRUE(setValue(created, u"ShowSelect"_s, u"1"_s, u"  "_s));
    EXPECT_EQ(Fixtures::readBytes(created), QByteArray("[Card]\r\nShowSelect=1\r\n"));
}

TEST_F(ProfileTest, WriteInALargeFile)
{
    // Large enough that the writer takes it in several pieces; every section must still be found.
    QByteArray original;
    for (int i = 0; i < 40000; ++i)
        original += cp932(u"[S"_s + QString::number(i) + u"]\r\nType=ソ表\r\nName=評ー"_s + QString::number(i) +
                          u"\r\nText=能力\\n十字\r\n"_s);
    ASSERT_GT(original.size(), 2 << 20);
    for (const int i : {0, 1, 9999, 20000, 29999, 39999}) {
        const QString file = write(u"large.ini"_s, original);
        const QString section = u"S"_s + QString::number(i);
        ASSERT_TRUE(setValue(file, u"Name"_s, u"新ソ"_s, section)) << i;
        QByteArray expected = original;
        const QByteArray oldLine = cp932(u"\nName=評ー"_s + QString::number(i) + u"\r"_s);
        const qsizetype at = expected.indexOf(oldLine);
        ASSERT_GE(at, 0);
        expected.replace(at, oldLine.size(), cp932(u"\nName=新ソ\r"_s));
        EXPECT_EQ(Fixtures::readBytes(file), expected) << i;
    }
    const QString file = write(u"large.ini"_s, original);
    ASSERT_TRUE(setValue(file, u"Name"_s, u"x"_s, u"S40000"_s));
    EXPECT_EQ(Fixtures::readBytes(file), original + "[S40000]\r\nName=x\r\n");
}

TEST_F(ProfileTest, FailedWriteLeavesFilesAlone)
{
    const QString regular = write(u"file.txt"_s, "[Card]\r\nTotal=3\r\n");
    EXPECT_FALSE(setValue(regular + u"/x.ini"_s, u"ShowSelect"_s, u"1"_s, {}));
    EXPECT_EQ(Fixtures::readBytes(regular), QByteArray("[Card]\r\nTotal=3\r\n"));

    ASSERT_TRUE(QDir(path(QString())).mkpath(u"folder.ini"_s));
    EXPECT_FALSE(setValue(path(u"folder.ini"_s), u"ShowSelect"_s, u"1"_s, {}));
    EXPECT_TRUE(QFileInfo(path(u"folder.ini"_s)).isDir());

    // Names that could not be read back as written are refused, the file untouched.
    const struct {
        const char* label;
        QString key, value, section;
    } refused[] = {
        {"no section", u"K"_s, u"1"_s, u" "_s},
        {"bracket in section", u"K"_s, u"1"_s, u"a]b"_s},
        {"equals sign in key", u"K=2"_s, u"1"_s, u"Card"_s},
        {"line end in value", u"K"_s, u"1\r\n[x]"_s, u"Card"_s},
        {"key without CP932 form", u"K😀"_s, u"1"_s, u"Card"_s},
    };
    for (const auto& r : refused) {
        clsWindowsAPI api;
        api.setIniFileName(regular);
        EXPECT_FALSE(api.SetInitValue(r.key, r.value, r.section)) << r.label;
        EXPECT_EQ(Fixtures::readBytes(regular), QByteArray("[Card]\r\nTotal=3\r\n")) << r.label;
    }
}

TEST_F(ProfileTest, BadInputNeverBreaksAReader)
{
    QRandomGenerator rng(4242);
    QByteArray random(1 << 20, Qt::Uninitialized);
    for (char& b : random)
        b = char(rng.bounded(256));
    const QByteArray huge = "[Card]\r\nTotal=" + QByteArray(10 * 1024 * 1024, 'x') + "\r\nDeck=50\r\n";
    const QByteArray brackets = "[Card]\r\nDeck=50\r\n" + QByteArray(10 * 1024 * 1024, '[') + "]\r\n";
    const QByteArray nul = raw("[Ca\0rd]\r\n[Card]\r\nTo\0tal=3\r\nDeck=5\0" "0\r\n");
    const QByteArray invalid = "[Card]\r\nName=\x81\r\nDeck=\x80\xFD\xFF\r\nLimit=3\x82";

    struct Case {
        const char* label;
        QByteArray bytes;
        QString deck;
    };
    const Case cases[] = {
        {"random bytes", random, QString()},
        {"random bytes after a section", "[Card]\r\nDeck=50\r\n" + random, u"50"_s},
        {"10 MB line", huge, u"50"_s},
        {"10 MB of brackets", brackets, u"50"_s},
        {"NUL bytes", nul, u"5"_s},
        {"invalid CP932", invalid, u"\uFFFD\uFFFD\uFFFD"_s},
    };
    for (const Case& c : cases) {
        const QString file = write(u"bad.ini"_s, c.bytes);
        clsWindowsAPI api;
        api.setIniFileName(file);
        api.setAppName(u"Card"_s);
        EXPECT_EQ(api.GetInitValue(u"Deck"_s, {}), c.deck) << c.label;
        EXPECT_LE(cp932(api.GetInitValue(u"Total"_s, {})).size(), 4095) << c.label;
        for (int i = 0; i < 50; ++i)
            api.GetInitValue(u"Name"_s, QString::number(i));
        ASSERT_TRUE(api.SetInitValue(u"ShowSelect"_s, u"1"_s, {})) << c.label;
        EXPECT_EQ(api.GetInitValue(u"ShowSelect"_s, {}), u"1"_s) << c.label;
    }
    EXPECT_EQ(read(write(u"nul.ini"_s, nul), u"Total"_s, u"Card"_s), QString()) << "a NUL inside the name";
    EXPECT_EQ(read(write(u"inv.ini"_s, invalid), u"Limit"_s, u"Card"_s), u"3\uFFFD"_s);
    EXPECT_EQ(read(write(u"inv.ini"_s, invalid), u"Name"_s, u"Card"_s), u"\uFFFD"_s);
}

TEST_F(ProfileTest, RegistryLivesInAProfileOfItsOwn)
{
    const QByteArray saved = qgetenv("TESSARIN_REGISTRY");
    const QString registry = path(u"sub/registry.ini"_s);
    qputenv("TESSARIN_REGISTRY", registry.toLocal8Bit());
    constexpr qint32 kCurrentUser = qint32(0x80000001u);

    clsWindowsAPI api;
    api.setDefault(u"none"_s);
    api.setSubKey(u"Software\\Tessarin"_s);
    EXPECT_EQ(api.GetRegStrValue(u"Path"_s, {}, kCurrentUser), u"none"_s) << "before anything is stored";
    ASSERT_TRUE(api.SetRegStrValue(u"Path"_s, u"C:\\カード\\表"_s, {}, kCurrentUser));
    ASSERT_TRUE(api.SetRegStrValue(QString(), u"既定"_s, u"Software\\Other"_s, kCurrentUser));
    ASSERT_TRUE(api.SetRegStrValue(u"Empty"_s, QString(), {}, kCurrentUser));

    EXPECT_EQ(api.GetRegStrValue(u"Path"_s, u""_s, kCurrentUser), u"C:\\カード\\表"_s);
    EXPECT_EQ(api.GetRegStrValue(u"Path"_s, u"software\\tessarin"_s, kCurrentUser), u"C:\\カード\\表"_s);
    EXPECT_EQ(api.GetRegStrValue(QString(), u"Software\\Other"_s, kCurrentUser), u"既定"_s);
    EXPECT_EQ(api.GetRegStrValue(u"Empty"_s, {}, kCurrentUser), QString()) << "stored empty is no failure";
    EXPECT_EQ(api.GetRegStrValue(u"Path"_s, {}, qint32(0x80000002u)), u"none"_s) << "another root";
    EXPECT_EQ(api.GetRegStrValue(u"Path"_s, u"Software"_s, kCurrentUser), u"none"_s) << "another key";
    EXPECT_EQ(read(registry, u"Path"_s, u"80000001\\Software\\Tessarin"_s), u"C:\\カード\\表"_s);

    qputenv("TESSARIN_REGISTRY", registry.toLocal8Bit() + "/below");
    EXPECT_FALSE(api.SetRegStrValue(u"Path"_s, u"x"_s, {}, kCurrentUser));
    EXPECT_EQ(api.GetRegStrValue(u"Path"_s, {}, kCurrentUser), u"none"_s);

    if (saved.isNull())
        qunsetenv("TESSARIN_REGISTRY");
    else
        qputenv("TESSARIN_REGISTRY", saved);

    EXPECT_FALSE(api.ComputerName().isEmpty());
}

}  // namespace
