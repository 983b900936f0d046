#include "Fixtures.h"
#include "platform/clsFileIO.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kPastEnd = u"62..ファイルにこれ以上データがありません。"_s;
const QString kBadFileMode = u"54..ファイル モードが不正です。"_s;

class FileIOTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QString withBytes(const QString& name, const QByteArray& bytes) const
    {
        Fixtures::writeBytes(path(name), bytes);
        return path(name);
    }
    // Every line of the file through ReadLine, until EndFile.
    static QStringList readAll(clsFileIO& io)
    {
        QStringList lines;
        QString line;
        while (!io.EndFile() && io.ReadLine(line))
            lines << line;
        return lines;
    }
    static bool open(clsFileIO& io, QString name, qint32 mode) { return io.OpenFile(name, mode); }
};

struct RecordCase {
    const char* name;
    QByteArray line;
    QStringList fields;  // empty: ReadData fails
};

TEST_F(FileIOTest, ReadDataSplitsRecords)
{
    const RecordCase cases[] = {
        {"plain", "3,001,Name", {u"3"_s, u"001"_s, u"Name"_s}},
        {"separator", "--", {u"--"_s}},
        {"two", "a,b", {u"a"_s, u"b"_s}},
        {"trailingComma", "a,", {u"a"_s, QString()}},
        {"emptyLine", "", {QString()}},
        {"single", "5", {u"5"_s}},
        {"twoNumbers", "3,1", {u"3"_s, u"1"_s}},
        {"quotedComma", "\"x,y\",z", {u"x,y"_s, u"z"_s}},
        {"quotedOnly", "\"x\"", {u"x"_s}},
        {"anySeparatorAfterQuote", "\"x\";z", {u"x"_s, u"z"_s}},
        {"unclosedQuote", "\"x", {}},
        {"quoteInside", "ab\"c", {u"ab\"c"_s}},
        {"secondByteIsBackslash", "3,\x95\x5C,\x83\x5C", {u"3"_s, u"表"_s, u"ソ"_s}},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.name);
        clsFileIO io;
        ASSERT_TRUE(open(io, withBytes(u"r.txt"_s, c.line + "\r\n"), 1));
        QStringList data{u"untouched"_s};
        const bool ok = io.ReadData(data);
        if (c.fields.isEmpty()) {
            EXPECT_FALSE(ok);
            EXPECT_EQ(io.ErrMessage(), u"5..プロシージャの呼び出し、または引数が不正です。"_s);
            EXPECT_EQ(data, QStringList{u"untouched"_s});
        } else {
            EXPECT_TRUE(ok);
            EXPECT_EQ(data, c.fields);
            EXPECT_EQ(io.ErrMessage(), QString());
        }
    }
}

TEST_F(FileIOTest, LineEndsOfEveryKind)
{
    // 65535 bytes put the CR last in the first chunk read, its LF first in the next one.
    const QByteArray longLine(65535, 'x');
    clsFileIO io;
    ASSERT_TRUE(open(io, withBytes(u"e.txt"_s, longLine + "\r\na\r\nb\rc\nd\r\r\ny\r"), 1));
    EXPECT_EQ(readAll(io),
              (QStringList{QString::fromLatin1(longLine), u"a"_s, u"b"_s, u"c"_s, u"d"_s, QString(), u"y"_s}));
    EXPECT_EQ(io.CurrentRow(), 8);
}

TEST_F(FileIOTest, CountRecord)
{
    clsFileIO io;
    QString name = withBytes(u"crlf.txt"_s, "1\r\n2\r\n3\r\n");
    EXPECT_EQ(io.CountRecord(name), 3);
    name = withBytes(u"empty.txt"_s, "");
    EXPECT_EQ(io.CountRecord(name), 0);
    name = path(u"missing.txt"_s);
    EXPECT_EQ(io.CountRecord(name), -1);
    name = dir.path();
    EXPECT_EQ(io.CountRecord(name), -1);
    name = withBytes(u"lf.txt"_s, "1\n2\n3\n");
    EXPECT_EQ(io.CountRecord(name), 3);
    name = withBytes(u"cr.txt"_s, "1\r2\r3");
    EXPECT_EQ(io.CountRecord(name), 3);

    // The empty argument takes the property and gets it written back.
    io.setFileName(path(u"crlf.txt"_s));
    name.clear();
    EXPECT_EQ(io.CountRecord(name), 3);
    EXPECT_EQ(name, path(u"crlf.txt"_s));
}

TEST_F(FileIOTest, CountRecordWhileTheFileIsHeldOpen)
{
    clsFileIO holder;
    QString name = withBytes(u"deck.txt"_s, "1,001,a\r\n2,002,b\r\n");
    ASSERT_TRUE(open(holder, name, 1));
    QString line;
    ASSERT_TRUE(holder.ReadLine(line));
    EXPECT_EQ(holder.CountRecord(name), 2);
    ASSERT_TRUE(holder.ReadLine(line));
    EXPECT_EQ(line, u"2,002,b"_s);
    EXPECT_TRUE(holder.Opened());
}

TEST_F(FileIOTest, EndFile)
{
    clsFileIO io;
    EXPECT_TRUE(io.EndFile());
    EXPECT_EQ(io.ErrMessage(), u"52..ファイル名または番号が不正です。"_s);
    ASSERT_TRUE(open(io, withBytes(u"empty.txt"_s, ""), 1));
    EXPECT_TRUE(io.EndFile());
    EXPECT_EQ(io.ErrMessage(), QString());
    ASSERT_TRUE(open(io, withBytes(u"one.txt"_s, "x"), 1));
    EXPECT_FALSE(io.EndFile());
    ASSERT_TRUE(open(io, path(u"w.txt"_s), 2));
    EXPECT_TRUE(io.EndFile());
    EXPECT_EQ(io.ErrMessage(), kBadFileMode);
}

TEST_F(FileIOTest, OpenModes)
{
    clsFileIO io;
    QString name = withBytes(u"a.txt"_s, "old\r\n");
    qint32 mode = 0;
    ASSERT_TRUE(io.OpenFile(name, mode));
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(io.CurrentRow(), 1);

    // 0 takes the property; a given mode becomes the property.
    io.setOpenMode(3);
    mode = 0;
    ASSERT_TRUE(io.OpenFile(name, mode));
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(io.CurrentRow(), 0);
    ASSERT_TRUE(io.WriteLine(u"new"_s));
    EXPECT_EQ(io.CurrentRow(), 1);
    EXPECT_TRUE(io.CloseFile());
    EXPECT_EQ(Fixtures::readBytes(name), QByteArray("old\r\nnew\r\n"));

    // Reopening flushes and closes the previous file; mode 2 truncates.
    mode = 2;
    QString empty;
    ASSERT_TRUE(io.OpenFile(empty, mode));
    EXPECT_EQ(empty, name);
    EXPECT_EQ(io.OpenMode(), 2);
    ASSERT_TRUE(io.WriteLine(u"only"_s));
    ASSERT_TRUE(open(io, withBytes(u"b.txt"_s, "b\r\n"), 1));
    EXPECT_EQ(Fixtures::readBytes(name), QByteArray("only\r\n"));
    EXPECT_EQ(readAll(io), QStringList{u"b"_s});

    mode = 4;
    EXPECT_FALSE(io.OpenFile(name, mode));
    EXPECT_EQ(io.ErrMessage(), u"オープンモードの指定が不正です。"_s);
    EXPECT_FALSE(io.Opened());
    QString line;
    EXPECT_FALSE(io.ReadLine(line));
    EXPECT_EQ(io.ErrMessage(), u"ファイルが開かれていません。"_s);
    EXPECT_FALSE(io.WriteLine(u"x"_s));
    EXPECT_EQ(io.ErrMessage(), u"ファイルが開かれていません"_s);
}

TEST_F(FileIOTest, PlatformErrors)
{
    struct OpenCase {
        const char* name;
        QString file;
        qint32 mode;
        QString message;
    };
    const QString regular = withBytes(u"plain.txt"_s, "x\r\n");
    const OpenCase cases[] = {
        {"missingFile", path(u"none.txt"_s), 1, u"53..ファイルが見つかりません。"_s},
        {"belowRegularFileRead", regular + u"/deck.txt"_s, 1, u"76..パスが見つかりません。"_s},
        {"belowRegularFileWrite", regular + u"/deck.txt"_s, 2, u"76..パスが見つかりません。"_s},
        {"directory", dir.path(), 1, u"75..パス名が無効です。"_s},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.name);
        clsFileIO io;
        EXPECT_FALSE(open(io, c.file, c.mode));
        EXPECT_EQ(io.ErrMessage(), c.message);
        EXPECT_FALSE(io.Opened());
    }

    clsFileIO io;
    ASSERT_TRUE(open(io, regular, 1));
    EXPECT_FALSE(io.WriteLine(u"y"_s));
    EXPECT_EQ(io.ErrMessage(), kBadFileMode);
    QString line;
    QStringList data;
    EXPECT_TRUE(io.ReadLine(line));
    EXPECT_EQ(io.ErrMessage(), QString());
    EXPECT_FALSE(io.ReadLine(line));
    EXPECT_EQ(io.ErrMessage(), kPastEnd);
    EXPECT_FALSE(io.ReadData(data));
    EXPECT_EQ(io.ErrMessage(), kPastEnd);

    ASSERT_TRUE(open(io, path(u"w.txt"_s), 2));
    EXPECT_FALSE(io.ReadLine(line));
    EXPECT_EQ(io.ErrMessage(), kBadFileMode);

    // A full device must not pass for a written line.
    ASSERT_TRUE(open(io, u"/dev/full"_s, 2));
    EXPECT_FALSE(io.WriteLine(u"lost"_s));
    EXPECT_EQ(io.ErrMessage(), u"61..ディスクの空き容量が不足しています。"_s);
    EXPECT_FALSE(io.WriteData({u"a"_s}, false));
    EXPECT_TRUE(io.ErrMessage().startsWith(u"61.."_s));
}

TEST_F(FileIOTest, WritesExactBytes)
{
    clsFileIO io;
    ASSERT_TRUE(open(io, path(u"out.txt"_s), 2));
    EXPECT_TRUE(io.WriteData({u"a"_s, u"b"_s}, false));
    EXPECT_TRUE(io.WriteData({u"a"_s, u"b"_s}, true));
    EXPECT_TRUE(io.WriteLine(u"ソ表～①"_s));
    EXPECT_TRUE(io.WriteLine(QString()));
    EXPECT_TRUE(io.CloseFile());
    EXPECT_EQ(Fixtures::readBytes(path(u"out.txt"_s)),
              QByteArray("a,b\r\n\"a\",\"b\"\r\n\x83\x5C\x95\x5C\x81\x60\x87\x40\r\n\r\n"));

    ASSERT_TRUE(open(io, path(u"out.txt"_s), 1));
    EXPECT_EQ(readAll(io), (QStringList{u"a,b"_s, u"\"a\",\"b\""_s, u"ソ表～①"_s, QString()}));
}

TEST_F(FileIOTest, KillFile)
{
    clsFileIO io;
    QString name = withBytes(u"k.txt"_s, "x");
    EXPECT_TRUE(io.KillFile(name));
    EXPECT_FALSE(QFile::exists(name));
    io.setErrMessage(u"earlier"_s);
    EXPECT_FALSE(io.KillFile(name));
    EXPECT_EQ(io.ErrMessage(), u"earlier"_s);
    withBytes(u"k.txt"_s, "x");
    QString empty;
    EXPECT_TRUE(io.KillFile(empty));  // the property from the first call
    EXPECT_EQ(empty, name);
    EXPECT_FALSE(QFile::exists(name));
}

TEST_F(FileIOTest, DamagedInputReadsSafely)
{
    QByteArray random(1 << 20, Qt::Uninitialized);
    QRandomGenerator gen(20240611);
    for (char& b : random)
        b = char(gen.bounded(256));
    const QByteArray hugeLine(10 * 1024 * 1024, '\x88');

    struct DamageCase {
        const char* name;
        QByteArray bytes;
        qint32 lines;
    };
    const DamageCase cases[] = {
        {"random", random, qint32(random.count('\n') + random.count('\r') - random.count("\r\n") +
                                  (random.endsWith('\r') || random.endsWith('\n') ? 0 : 1))},
        {"hugeLine", hugeLine + "\r\nend", 2},
        {"nulBytes", QByteArray("a\0b\r\n\0\r\n", 8), 2},
        {"invalidCp932", "\x81\r\na\x9F\n\x81 \xE0", 3},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        QString name = withBytes(u"d.bin"_s, c.bytes);
        clsFileIO io;
        EXPECT_EQ(io.CountRecord(name), c.lines);
        ASSERT_TRUE(open(io, name, 1));
        QStringList data;
        qint32 records = 0;
        while (!io.EndFile()) {
            if (!io.ReadData(data)) {
                EXPECT_TRUE(io.ErrMessage().startsWith(u"5.."_s)) << io.ErrMessage().toStdString();
            }
            ++records;
        }
        EXPECT_EQ(records, c.lines);
    }

    clsFileIO io;
    ASSERT_TRUE(open(io, path(u"d.bin"_s), 1));
    EXPECT_EQ(readAll(io), (QStringList{u"\uFFFD"_s, u"a\uFFFD"_s, u"\uFFFD \uFFFD"_s}));
    ASSERT_TRUE(open(io, withBytes(u"n.bin"_s, QByteArray("a\0b", 3)), 1));
    EXPECT_EQ(readAll(io), QStringList{QStringView(u"a\0b", 3).toString()});
    ASSERT_TRUE(open(io, withBytes(u"h.bin"_s, hugeLine), 1));
    QString line;
    ASSERT_TRUE(io.ReadLine(line));
    EXPECT_EQ(line.size(), hugeLine.size() / 2);  // 0x88 0x88 is one double-byte character
}

}  // namespace
