// Runs the tessarin-deck binary the way a user would.

#include "Fixtures.h"

#include "platform/Cp932.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome run(const QStringList& args)
{
    QProcess p;
    p.start(QString::fromUtf8(TESSARIN_DECK_BINARY), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class CompanionTest : public ::testing::Test {
protected:
    Fixtures::TempHome home;
    void SetUp() override
    {
        QList<Fixtures::CatalogueCard> cards;
        for (int i = 1; i <= 40; ++i)
            cards.append({u"%1"_s.arg(i, 3, 10, QChar(u'0')),
                          {u"Type="_s + (i % 2 ? u"Character"_s : u"Spell"_s), u"Name=札"_s + QString::number(i)}});
        cards.append({u"P01"_s, {u"Type=Command"_s, u"Name=記念札"_s}});
        home.writeCatalogue(Fixtures::catalogueLines(u"40"_s, QString(), u"20"_s, u"3"_s, cards));
    }
    QString deck(const QString& name, const QStringList& lines)
    {
        Fixtures::writeCp932Lines(home.file(name), lines);
        return home.file(name);
    }
    static QStringList complete()
    {
        QStringList deck, side;  // 20 main-deck cards, 10 brought in, 10 taken out
        for (int i = 1; i <= 10; ++i) {
            deck << u"2,%1,x"_s.arg(i, 3, 10, QChar(u'0'));
            side << u"1,%1,x"_s.arg(i + 10, 3, 10, QChar(u'0')) << u"-1,%1,x"_s.arg(i, 3, 10, QChar(u'0'));
        }
        return deck << u"--"_s << side;
    }
};

TEST_F(CompanionTest, CheckReportsAsJsonWithExitStatuses)
{
    const QByteArray catalogue = Fixtures::readBytes(home.cataloguePath());
    const QString good = deck(u"good.txt"_s, complete());
    const QString partial = deck(u"partial.txt"_s, {u"3,001,x"_s, u"1,P01,x"_s});

    Outcome r = run({u"--home"_s, home.path(), u"check"_s, u"--json"_s, good});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o[u"file"_s].toString(), good);
    EXPECT_EQ(QList({o[u"deckLimit"_s].toInt(), o[u"sideLimit"_s].toInt(), o[u"copyLimit"_s].toInt()}),
              QList({20, 10, 3}));
    EXPECT_EQ(o[u"totals"_s].toObject(), (QJsonObject{{u"sum"_s, 20}, {u"sideSum"_s, 20}, {u"side"_s, 10},
                                                      {u"character"_s, 10}, {u"spell"_s, 10}, {u"command"_s, 0}}));
    EXPECT_EQ(o[u"colours"_s].toObject(),
              (QJsonObject{{u"sum"_s, u"white"_s}, {u"sideSum"_s, u"white"_s}, {u"side"_s, u"white"_s}}));
    EXPECT_FALSE(o[u"readError"_s].toBool());
    EXPECT_TRUE(o[u"error"_s].isNull());
    const QJsonArray cards = o[u"cards"_s].toArray();
    ASSERT_EQ(cards.size(), 20);
    EXPECT_EQ(cards[0].toObject(),
              (QJsonObject{{u"no"_s, u"001"_s}, {u"name"_s, u"札1"_s}, {u"deck"_s, 2}, {u"side"_s, -1}}));

    r = run({u"--home"_s, home.path(), u"check"_s, u"--json"_s, good, partial});
    EXPECT_EQ(r.status, 1);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject p = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    EXPECT_EQ(p[u"colours"_s].toObject()[u"sum"_s].toString(), u"yellow"_s);
    EXPECT_EQ(p[u"totals"_s].toObject()[u"command"_s].toInt(), 1);

    r = run({u"--home"_s, home.path(), u"check"_s, good});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(u"札1"_s));
    EXPECT_EQ(Fixtures::readBytes(home.cataloguePath()), catalogue) << "the catalogue is never written";
}

TEST_F(CompanionTest, ErrorsReadErrorsAndAMissingCatalogueExitWithTwo)
{
    const QString broken = deck(u"broken.txt"_s, {u"1,001,x"_s, u"3"_s});
    const QString unreadable = deck(u"quote.txt"_s, {u"1,001,x"_s, u"\"2,002"_s});
    Outcome r = run({u"--home"_s, home.path(), u"check"_s, u"--json"_s, broken, unreadable});
    EXPECT_EQ(r.status, 2);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject b = QJsonDocument::fromJson(lines[0].toUtf8()).object();
    EXPECT_EQ(b[u"error"_s].toString(), u"インデックスが有効範囲にありません。\r\n"_s + broken);
    const QJsonObject u = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    EXPECT_TRUE(u[u"readError"_s].toBool());
    EXPECT_TRUE(u[u"error"_s].isNull());

    Fixtures::TempHome empty;
    r = run({u"--home"_s, empty.path(), u"check"_s, broken});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(r.err.isEmpty());

    // A deck that is not there to read is an error, never an empty deck; save then writes nothing.
    const QString out = home.file(u"out.txt"_s);
    Fixtures::writeBytes(out, "kept");
    for (const QString& bad : {home.file(u"missing.txt"_s), home.path(), QString()}) {
        for (const QStringList& args : {QStringList{u"check"_s, bad}, QStringList{u"save"_s, bad, out}}) {
            r = run(QStringList{u"--home"_s, home.path()} + args);
            EXPECT_EQ(r.status, 2) << args.join(u' ').toStdString();
            EXPECT_TRUE(r.err.contains(bad.isEmpty() ? u"no deck file name"_s : bad)) << r.err.toStdString();
        }
    }
    EXPECT_EQ(Fixtures::readBytes(out), QByteArray("kept"));
    for (const QStringList& args : {QStringList{u"save"_s, out}, {u"check"_s}, {u"check"_s, u"--xml"_s, out}, {u"load"_s}, {}})
        EXPECT_EQ(run(QStringList{u"--home"_s, home.path()} + args).status, 2) << args.join(u' ').toStdString();

    r = run({u"--help"_s});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(u"check [--json] DECKFILE"_s));
    EXPECT_TRUE(r.out.contains(u"save DECKFILE OUTFILE"_s));
}

TEST_F(CompanionTest, SaveWritesWhatTheEditorWould)
{
    const QString in = deck(u"in.txt"_s, {u"-1,003,x"_s, u"3,003,x"_s, u"--"_s, u"1,P01,x"_s});
    const QString out = home.file(u"out.deck"_s);
    Outcome r = run({u"--home"_s, home.path(), u"save"_s, in, out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(Fixtures::readBytes(out), Cp932::encode(u"3,003,札3\r\n--\r\n1,P01,記念札\r\n"_s));

    r = run({u"--home"_s, home.path(), u"save"_s, in, home.file(u"in.txt/below"_s)});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(u"デッキファイルを保存できませんでした。"_s));
}

}  // namespace

namespace {

TEST_F(CompanionTest, CardsFiltersAndSortsAsTheWindowDoes)
{
    const auto where = [&](const QByteArray& json) { return home.withBytes(u"where.json"_s, json); };
    const auto cards = [&](const QStringList& args) { return run(QStringList{u"--home"_s, home.path(), u"cards"_s} + args); };
    Outcome r = cards({});
    QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 41) << r.err.toStdString();
    EXPECT_EQ(QList({lines.first(), lines.last()}), QList({u"001\t札1"_s, u"P01\t記念札"_s}));

    // Names holding 札1, Spell cards first, ties in card-number order.
    r = cards({u"--where"_s, where(R"({"chkName": 0, "txtName1": "札1"})"), u"--sort"_s, u"colType:desc"_s});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.section(u'\t', 0, 0);
    EXPECT_EQ(lines.join(u' '), u"010 012 014 016 018 001 011 013 015 017 019"_s);

    r = cards({u"--where"_s, where(R"({"chkNo": 0, "lstNo": [7]})"), u"--json"_s});
    const QJsonArray rows = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 1) << r.out.toStdString();
    EXPECT_EQ(rows[0].toObject().size(), 19);
    EXPECT_EQ(rows[0][u"colName"_s], u"記念札"_s);
    EXPECT_EQ(rows[0][u"colDeck"_s], u"0"_s);

    const struct {
        QStringList args;
        QString named;
    } refusals[] = {
        {{u"--sort"_s, u"colFoo"_s}, u"colFoo"_s},
        {{u"--where"_s, home.file(u"none.json"_s)}, u"none.json"_s},
        {{u"--where"_s, where(R"({"chkFoo": 0})")}, u"chkFoo"_s},
        {{u"extra"_s}, u"cards"_s},
    };
    for (const auto& c : refusals) {
        r = cards(c.args);
        EXPECT_EQ(r.status, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.named)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

}  // namespace
