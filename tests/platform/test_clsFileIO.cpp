#include "Fixtures.h"
#include "platform/clsFileIO.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString kPastEnd = u"62..ファイルにこれ以上データがありません。"_s;
const QString kBadFileMode = u"54..ファイル モードが不正です。"_s;
const QString kInvalidCall = u"5..プロシージャの呼び出し、または引数が不正です。"_s;

class FileIOTest : public ::testing::Test, protected Fixtures::TempFolder {
protected:
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
    static qint32 count(QString name) { return clsFileIO().CountRecord(name); }
    // What a call answered, with the message it left.
    static std::pair<bool, QString> said(bool ok, const clsFileIO& io) { return {ok, io.ErrMessage()}; }
};

TEST_F(FileIOTest, ReadDataSplitsRecords)
{
    const std::tuple<const char*, QByteArray, QStringList> cases[] = {  // no fields: ReadData fails
        {"plain", "3,001,Name", {u"3"_s, u"001"_s, u"Name"_s}}, {"separator", "--", {u"--"_s}},
        {"trailingComma", "a,", {u"a"_s, QString()}},
        {"emptyLine", "", {QString()}},         {"quotedComma", "\"x,y\",z", {u"x,y"_s, u"z"_s}},
        {"quotedOnly", "\"x\"", {u"x"_s}},     {"anySeparatorAfterQuote", "\"x\";z", {u"x"_s, u"z"_s}},
        {"unclosedQuote", "\"x", {}},           {"quoteInside", "ab\"c", {u"ab\"c"_s}},
        {"unclosedQuoteInSecond", "3,\"001", {}}, {"unclosedQuoteLater", "3,001,a,\"b,c,", {u"3"_s, u"001"_s, u"a"_s, u"\"b"_s, u"c"_s, QString()}},
        {"secondByteIsBackslash", "3,\x95\x5C,\x83\x5C", {u"3"_s, u"表"_s, u"ソ"_s}},
    };
    for (const auto& [name, line, fields] : cases) {
        SCOPED_TRACE(name);
        clsFileIO io;
        ASSERT_TRUE(open(io, withBytes(u"r.txt"_s, line + "\r\n"), 1));
        QStringList data{u"untouched"_s};
        const auto expected = fields.isEmpty() ? std::pair(false, kInvalidCall) : std::pair(true, QString());
        EXPECT_EQ(said(io.ReadData(data), io), expected);
        EXPECT_EQ(data, fields.isEmpty() ? QStringList{u"untouched"_s} : fields);
    }
}

TEST_F(FileIOTest, LineEndsOfEveryKindReadAndCounted)
{
    // 65535 bytes put the CR last in the first chunk read, its LF first in the next one.
    const QByteArray longLine(65535, 'x');
    const QString mixed = withBytes(u"e.txt"_s, longLine + "\r\na\r\nb\rc\nd\r\r\ny\r");
    clsFileIO io;
    ASSERT_TRUE(open(io, mixed, 1));
    EXPECT_EQ(readAll(io),
              (QStringList{QString::fromLatin1(longLine), u"a"_s, u"b"_s, u"c"_s, u"d"_s, QString(), u"y"_s}));
    EXPECT_EQ(io.CurrentRow(), 8);
    EXPECT_EQ((QList<qint32>{count(mixed), count(withBytes(u"crlf.txt"_s, "1\r\n2\r\n3\r\n")),
                             count(withBytes(u"empty.txt"_s, "")), count(file(u"missing.txt"_s)), count(path())}),
              (QList<qint32>{7, 3, 0, -1, -1}));

    // The empty argument takes the property and gets it written back.
    io.setFileName(file(u"crlf.txt"_s));
    QString name;
    EXPECT_EQ(io.CountRecord(name), 3);
    EXPECT_EQ(name, file(u"crlf.txt"_s));

    // A file this very instance holds open is counted without disturbing the reading.
    name = withBytes(u"deck.txt"_s, "1,001,a\r\n2,002,b\r\n");
    ASSERT_TRUE(open(io, name, 1));
    QString line;
    ASSERT_TRUE(io.ReadLine(line));
    EXPECT_EQ(io.CountRecord(name), 2);
    ASSERT_TRUE(io.ReadLine(line));
    EXPECT_EQ(std::pair(line, io.Opened()), std::pair(u"2,002,b"_s, true));
}

TEST_F(FileIOTest, OpenModesAndEndFile)
{
    clsFileIO io;
    EXPECT_EQ(said(io.EndFile(), io), std::pair(true, u"52..ファイル名または番号が不正です。"_s));
    ASSERT_TRUE(open(io, withBytes(u"empty.txt"_s, ""), 1));
    EXPECT_EQ(said(io.EndFile(), io), std::pair(true, QString()));
    QString name = withBytes(u"a.txt"_s, "old\r\n");
    qint32 mode = 0;
    ASSERT_TRUE(io.OpenFile(name, mode));
    EXPECT_EQ(std::tuple(mode, io.CurrentRow(), io.EndFile()), std::tuple(1, 1, false));

    // 0 takes the property; a given mode becomes the property.
    io.setOpenMode(3);
    mode = 0;
    ASSERT_TRUE(io.OpenFile(name, mode));
    EXPECT_EQ(std::pair(mode, io.CurrentRow()), std::pair(3, 0));
    ASSERT_TRUE(io.WriteLine(u"new"_s));
    EXPECT_EQ(io.CurrentRow(), 1);
    ASSERT_TRUE(io.CloseFile());
    EXPECT_EQ(Fixtures::readBytes(name), QByteArray("old\r\nnew\r\n"));

    // Reopening flushes and closes the previous file; mode 2 truncates.
    mode = 2;
    QString empty;
    ASSERT_TRUE(io.OpenFile(empty, mode));
    EXPECT_EQ(std::tuple(empty, io.OpenMode(), said(io.EndFile(), io)),
              std::tuple(name, 2, std::pair(true, kBadFileMode)));
    ASSERT_TRUE(io.WriteLine(u"only"_s));
    ASSERT_TRUE(open(io, withBytes(u"b.txt"_s, "b\r\n"), 1));
    EXPECT_EQ(std::pair(Fixtures::readBytes(name), readAll(io)),
              std::pair(QByteArray("only\r\n"), QStringList{u"b"_s}));

    mode = 4;
    EXPECT_EQ(said(io.OpenFile(name, mode), io), std::pair(false, u"オープンモードの指定が不正です。"_s));
    EXPECT_FALSE(io.Opened());
    QString line;
    EXPECT_EQ(said(io.ReadLine(line), io), std::pair(false, u"ファイルが開かれていません。"_s));
    EXPECT_EQ(said(io.WriteLine(u"x"_s), io), std::pair(false, u"ファイルが開かれていません"_s));
}

TEST_F(FileIOTest, PlatformErrors)
{
    const QString regular = withBytes(u"plain.txt"_s, "x\r\n");
    const QString fifo = file(u"fifo"_s);  // opening it would wait for a writer
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::tuple<QString, qint32, QString> cases[] = {
        {file(u"none.txt"_s), 1, u"53..ファイルが見つかりません。"_s},
        {regular + u"/deck.txt"_s, 1, u"76..パスが見つかりません。"_s},
        {regular + u"/deck.txt"_s, 2, u"76..パスが見つかりません。"_s},
        {path(), 1, u"75..パス名が無効です。"_s},
        {u"/dev/zero"_s, 1, u"75..パス名が無効です。"_s},
        {fifo, 1, u"75..パス名が無効です。"_s},
    };
    for (const auto& [file, mode, message] : cases) {
        clsFileIO io;
        EXPECT_EQ(said(open(io, file, mode), io), std::pair(false, message)) << file.toStdString() << ' ' << mode;
        EXPECT_FALSE(io.Opened());
    }

    clsFileIO io;
    ASSERT_TRUE(open(io, regular, 1));
    EXPECT_EQ(said(io.WriteLine(u"y"_s), io), std::pair(false, kBadFileMode));
    QString line;
    QStringList data;
    const auto first = said(io.ReadLine(line), io), second = said(io.ReadLine(line), io);
    EXPECT_EQ(std::tuple(first, second, said(io.ReadData(data), io)),
              std::tuple(std::pair(true, QString()), std::pair(false, kPastEnd), std::pair(false, kPastEnd)));
    ASSERT_TRUE(open(io, file(u"w.txt"_s), 2));
    EXPECT_EQ(said(io.ReadLine(line), io), std::pair(false, kBadFileMode));

    // A full device must not pass for a written line.
    ASSERT_TRUE(open(io, u"/dev/full"_s, 2));
    EXPECT_EQ(said(io.WriteLine(u"lost"_s), io), std::pair(false, u"61..ディスクの空き容量が不足しています。"_s));
    io.setErrMessage({});
    EXPECT_EQ(said(io.WriteData({u"a"_s}, false), io), std::pair(false, u"61..ディスクの空き容量が不足しています。"_s));
}

TEST_F(FileIOTest, WritesExactBytes)
{
    clsFileIO io;
    const QString name = file(u"out.txt"_s);
    ASSERT_TRUE(open(io, name, 2));
    EXPECT_EQ((QList<bool>{io.WriteData({u"a"_s, u"b"_s}, false), io.WriteData({u"a"_s, u"b"_s}, true),
                           io.WriteLine(u"ソ表～①"_s), io.WriteLine(QString()), io.CloseFile()}),
              QList<bool>(5, true));
    EXPECT_EQ(Fixtures::readBytes(name), QByteArray("a,b\r\n\"a\",\"b\"\r\n\x83\x5C\x95\x5C\x81\x60\x87\x40\r\n\r\n"));
    ASSERT_TRUE(open(io, name, 1));
    EXPECT_EQ(readAll(io), (QStringList{u"a,b"_s, u"\"a\",\"b\""_s, u"ソ表～①"_s, QString()}));
}

TEST_F(FileIOTest, DamagedInputReadsSafely)
{
    // A NUL is a character and a lead byte never swallows a line end; random bytes are the deck fuzzer's.
    EXPECT_EQ(count(withBytes(u"d.bin"_s, "\x81\r\na\x9F\n\x81 \xE0")), 3);
    clsFileIO io;
    ASSERT_TRUE(open(io, withBytes(u"n.bin"_s, QByteArray("a\0b\r\n\0", 6)), 1));
    EXPECT_EQ(readAll(io), (QStringList{QStringView(u"a\0b", 3).toString(), QString(QChar(0))}));

    // The longest line held; one byte more is skipped with an error, and reading goes on after it.
    const QByteArray longest(clsFileIO::kMaxLineBytes, '\x88');
    const QString longFile = withBytes(u"h.bin"_s, longest + "\r\n" + longest + "x\r\nend\r" + longest + "xy");
    EXPECT_EQ(count(longFile), 4);
    ASSERT_TRUE(open(io, longFile, 1));
    QString line;
    ASSERT_TRUE(io.ReadLine(line));
    EXPECT_EQ(line.size(), longest.size() / 2);  // 0x88 0x88 is one double-byte character
    const auto tooLong = std::pair(false, u"14..文字列領域が不足しています。"_s);
    EXPECT_EQ(said(io.ReadLine(line), io), tooLong);
    EXPECT_EQ(said(io.ReadLine(line), io), std::pair(true, QString()));
    EXPECT_EQ(line, u"end"_s);
    EXPECT_EQ(said(io.ReadLine(line), io), tooLong);
    EXPECT_TRUE(io.EndFile());
}

}  // namespace
