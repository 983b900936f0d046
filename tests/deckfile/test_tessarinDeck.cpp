// Runs the tessarin-deck binary the way a user would.

#include "Fixtures.h"

#include "catalogue/EditorState.h"
#include "deck/DeckHand.h"
#include "deck/DeckStats.h"
#include "deckfile/DeckComparison.h"
#include "deckfile/DeckOpener.h"
#include "platform/Cp932.h"
#include "platform/HeadlessUi.h"
#include "platform/clsWindowsAPI.h"
#include "search/SearchConditions.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
    QByteArray bytes;  // standard output as written
    QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
    const QJsonObject json(qsizetype line) const { return QJsonDocument::fromJson(lines().value(line).toUtf8()).object(); }
};

Outcome runTool(const QStringList& args)
{
    QProcess p;
    p.start(QString::fromUtf8(TESSARIN_DECK_BINARY), args);
    p.waitForFinished(60000);
    const QByteArray out = p.readAllStandardOutput();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(out),
            QString::fromUtf8(p.readAllStandardError()), out};
}

// Forty cards, odd ones Character and even ones Spell but card 40 without a type, and the Command
// card P01, the catalogue's last row; cards 1 to 5 and 40 carry costs and nodes; 20 cards a deck.
class CompanionTest : public ::testing::Test {
protected:
    Fixtures::TempHome home;
    void SetUp() override
    {
        const QStringList extra[] = {{u"Cost=2"_s, u"Node=1"_s}, {u"Cost=10"_s, u"Node=1"_s}, {u"Node=0"_s},
                                     {u"Cost=2"_s, u"Node=X"_s}, {u"Cost=X"_s, u"Node=2"_s}};
        QList<Fixtures::CatalogueCard> cards;
        for (int i = 1; i <= 40; ++i)
            cards.append({u"%1"_s.arg(i, 3, 10, QChar(u'0')),
                          QStringList{u"Type="_s + (i == 40 ? QString() : i % 2 ? u"Character"_s : u"Spell"_s),
                                      u"Name=札"_s + QString::number(i)} + (i <= 5 ? extra[i - 1] : i == 40 ? extra[3] : QStringList())});
        cards.append({u"P01"_s, {u"Type=Command"_s, u"Name=記念札"_s}});
        home.writeCatalogue(Fixtures::catalogueLines(u"40"_s, QString(), u"20"_s, u"3"_s, cards));
    }
    Outcome run(const QStringList& args) const { return runTool(QStringList{u"--home"_s, home.path()} + args); }
    QString deck(const QString& name, const QStringList& lines) const
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

TEST_F(CompanionTest, CheckReportsAsJsonWithExitStatusesAndSaveWritesWhatTheEditorWould)
{
    const QByteArray catalogue = Fixtures::readBytes(home.cataloguePath());
    const QString good = deck(u"good.txt"_s, complete());
    // What the editor drops or cuts short is a warning; the counts stay the editor's.
    const QString partial = deck(u"partial.txt"_s, {u"3,001,x"_s, u"5,003,x"_s, u"1,999,x"_s, u"hello"_s, u"1,P01,x"_s, u"1.5,005,x"_s});

    Outcome r = run({u"check"_s, u"--json"_s, good, partial});
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    QJsonObject o = r.json(0);
    const QJsonArray cards = o.take(u"cards"_s).toArray();
    EXPECT_EQ(o, (QJsonObject{
                     {u"file"_s, good}, {u"ok"_s, true}, {u"complete"_s, true}, {u"line"_s, QJsonValue()},
                     {u"warnings"_s, QJsonArray()}, {u"deckLimit"_s, 20}, {u"sideLimit"_s, 10}, {u"copyLimit"_s, 3},
                     {u"totals"_s, QJsonObject{{u"sum"_s, 20}, {u"sideSum"_s, 20}, {u"side"_s, 10},
                                               {u"character"_s, 10}, {u"spell"_s, 10}, {u"command"_s, 0}}},
                     {u"colours"_s, QJsonObject{{u"sum"_s, u"white"_s}, {u"sideSum"_s, u"white"_s}, {u"side"_s, u"white"_s}}},
                     {u"readError"_s, false}, {u"error"_s, QJsonValue()}}));
    ASSERT_EQ(cards.size(), 20);
    EXPECT_EQ(cards[0], (QJsonObject{{u"no"_s, u"001"_s}, {u"name"_s, u"札1"_s}, {u"deck"_s, 2}, {u"side"_s, -1}}));
    const auto warning = [](int line, const QString& text) { return QJsonObject{{u"line"_s, line}, {u"text"_s, text}}; };
    EXPECT_EQ(QList({r.json(1)[u"colours"_s][u"sum"_s], r.json(1)[u"totals"_s][u"sum"_s], r.json(1)[u"complete"_s],
                     r.json(1)[u"cards"_s].toArray().last(), r.json(1)[u"warnings"_s]}),
              QList<QJsonValue>({u"yellow"_s, 9, false,
                                 QJsonObject{{u"no"_s, u"P01"_s}, {u"name"_s, u"記念札"_s}, {u"deck"_s, 1}, {u"side"_s, 0}},
                                 QJsonArray{warning(2, u"count 5 of card 003 read as 3"_s),
                                            warning(3, u"card 999 is not in the catalogue"_s),
                                            warning(4, u"not a record"_s),
                                            warning(6, u"count 1.5 of card 005 read as 2"_s)}}));

    r = run({u"check"_s, good, partial});
    EXPECT_EQ(std::tuple(r.status, r.out.contains(u"札1"_s), r.out.contains(u"  warning: line 4: not a record\n"_s)),
              std::tuple(1, true, true));

    // save writes what the editor would, or fails with the editor's message
    const QString in = deck(u"in.txt"_s, {u"-1,003,x"_s, u"3,003,x"_s, u"--"_s, u"1,P01,x"_s});
    const QString out = home.file(u"out.deck"_s);
    r = run({u"save"_s, in, out});
    EXPECT_EQ(std::pair(r.status, Fixtures::readBytes(out)),
              std::pair(0, Cp932::encode(u"3,003,札3\r\n--\r\n1,P01,記念札\r\n"_s))) << r.err.toStdString();
    r = run({u"save"_s, in, home.file(u"in.txt/below"_s)});
    EXPECT_EQ(std::pair(r.status, r.err), std::pair(2, home.file(u"in.txt/below"_s) + u": 保存先のフォルダがありません。\n"_s));
    EXPECT_EQ(Fixtures::readBytes(home.cataloguePath()), catalogue) << "the catalogue is never written";
}

TEST_F(CompanionTest, ErrorsReadErrorsAndAMissingCatalogueExitWithTwo)
{
    const QString broken = deck(u"broken.txt"_s, complete() << u"3"_s);  // complete up to its last line
    const QString unreadable = deck(u"quote.txt"_s, {u"1,001,x"_s, u"\"2,002"_s});
    const QString shortDeck = deck(u"short.txt"_s, {u"1,001,x"_s});
    // One object per file, whatever became of it; an error after it keeps the status at 2.
    Outcome r = run({u"check"_s, u"--json"_s, broken, unreadable, home.file(u"missing.txt"_s), shortDeck});
    const auto outcome = [&](qsizetype line) {
        return QList({r.json(line)[u"ok"_s], r.json(line)[u"error"_s], r.json(line)[u"line"_s]});
    };
    EXPECT_EQ(std::tuple(r.status, r.lines().size(), r.json(0)[u"complete"_s], r.json(1)[u"readError"_s],
                         r.json(3)[u"ok"_s]),
              std::tuple(2, 4, QJsonValue(false), QJsonValue(true), QJsonValue(true)));
    EXPECT_EQ(QList({outcome(0), outcome(1), outcome(2)}),
              QList({QList<QJsonValue>{false, u"インデックスが有効範囲にありません。"_s, 32},
                     QList<QJsonValue>{false, u"ファイル読み込みエラー"_s, 2},
                     QList<QJsonValue>{false, u"no such file"_s, QJsonValue()}}));

    Fixtures::TempHome empty;
    r = runTool({u"--home"_s, empty.path(), u"check"_s, broken});
    EXPECT_EQ(std::pair(r.status, r.err.isEmpty()), std::pair(2, false));
    empty.writeCatalogue(Fixtures::catalogueLines(u"abc"_s, QString(), u"20"_s, u"3"_s, {}));
    r = runTool({u"--home"_s, empty.path(), u"cards"_s});
    EXPECT_EQ(std::pair(r.status, r.err.isEmpty()), std::pair(2, false)) << r.out.toStdString();

    // A deck that is not there to read is an error, never an empty deck; save then writes nothing.
    const QString out = home.withBytes(u"out.txt"_s, "kept");
    for (const QString& bad : {home.file(u"missing.txt"_s), home.path(), QString()}) {
        for (const QStringList& args : {QStringList{u"check"_s, bad}, QStringList{u"save"_s, bad, out}}) {
            r = run(args);
            EXPECT_EQ(std::pair(r.status, r.err.contains(bad.isEmpty() ? u"no deck file name"_s : bad)),
                      std::pair(2, true)) << args.join(u' ').toStdString() << r.err.toStdString();
        }
    }
    EXPECT_EQ(Fixtures::readBytes(out), QByteArray("kept"));
    // A usage error is one line pointing at the help.
    for (const QStringList& args : {QStringList{u"save"_s, out}, {u"check"_s}, {u"check"_s, u"--xml"_s, out}, {u"load"_s}, {}}) {
        r = run(args);
        EXPECT_EQ(std::tuple(r.status, r.err.count(u'\n'), r.err.endsWith(u"(see tessarin-deck --help)\n"_s)),
                  std::tuple(2, 1, true)) << args.join(u' ').toStdString() << r.err.toStdString();
    }

    r = runTool({u"--help"_s});
    EXPECT_EQ(std::tuple(r.status, r.out.contains(u"check [--json] DECKFILE"_s),
                         r.out.contains(u"save DECKFILE OUTFILE"_s)),
              std::tuple(0, true, true));
    r = runTool({u"--version"_s});
    EXPECT_EQ(std::pair(r.status, r.out), std::pair(0, u"tessarin-deck 1.0.0\n"_s));
}

TEST_F(CompanionTest, SheetDrawsTheDeckAndWritesNothingForADeckItCannotRead)
{
    const QString good = deck(u"good.txt"_s, complete());
    Outcome r = run({u"sheet"_s, good, home.file(u"good.png"_s)});
    const QByteArray png = Fixtures::readBytes(home.file(u"good.png"_s));
    const auto header = [&](int at) { return png.size() < 24 ? 0u : qFromBigEndian<quint32>(png.constData() + at); };
    // Eight cards a row: the ten main-deck cards take two rows, the twenty side-board changes three.
    EXPECT_EQ(std::tuple(r.status, png.left(8), header(16), header(20)),
              std::tuple(0, QByteArray("\x89PNG\r\n\x1a\n"), 1062u, 1254u)) << r.err.toStdString();

    const QString kept = home.withBytes(u"kept.png"_s, "kept");
    r = run({u"sheet"_s, deck(u"broken.txt"_s, {u"1,001,x"_s, u"3"_s}), kept});
    EXPECT_EQ(std::tuple(r.status, r.err.contains(u"broken.txt"_s), Fixtures::readBytes(kept)),
              std::tuple(2, true, QByteArray("kept")));
}

TEST_F(CompanionTest, CardsFiltersAndSortsAsTheWindowDoes)
{
    const auto where = [&](const QByteArray& json) { return home.withBytes(u"where.json"_s, json); };
    const auto cards = [&](const QStringList& args) { return run(QStringList{u"cards"_s} + args); };
    // The last column sorts too: no card has an illustration, so the type decides, then the number.
    Outcome r = cards({u"--sort"_s, u"colIllustration"_s});
    ASSERT_EQ(r.lines().size(), 41) << r.err.toStdString();
    EXPECT_EQ(QList({r.lines().first(), r.lines().last()}), QList({u"040\t札40"_s, u"038\t札38"_s}));

    // Names holding 札1, Spell cards first, ties in card-number order.
    r = cards({u"--where"_s, where(R"({"chkName": 0, "txtName1": "札1"})"), u"--sort"_s, u"colType:desc"_s});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.replace(QRegularExpression(u"\t[^\n]*\n"_s), u" "_s),
              u"010 012 014 016 018 001 011 013 015 017 019 "_s);

    r = cards({u"--where"_s, where(R"({"chkNo": 0, "lstNo": [7]})"), u"--json"_s});
    const QJsonArray rows = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 1) << r.out.toStdString();
    EXPECT_EQ(QList<QJsonValue>({int(rows[0].toObject().size()), rows[0][u"colName"_s], rows[0][u"colDeck"_s]}),
              QList<QJsonValue>({19, u"記念札"_s, u"0"_s}));

    // With a deck opened first, the count conditions list it: its main deck, then what the side board brings in.
    const QString file = deck(u"d.txt"_s, {u"2,003,x"_s, u"1,P01,x"_s, u"--"_s, u"1,007,x"_s, u"-1,003,x"_s});
    r = cards({u"--deck"_s, file, u"--where"_s, where(R"({"chkNumber": 0, "cmbNumberL": "1"})")});
    EXPECT_EQ(r.out.replace(QRegularExpression(u"\t[^\n]*\n"_s), u" "_s), u"003 P01 "_s) << r.err.toStdString();
    r = cards({u"--deck"_s, file, u"--where"_s, where(R"({"chkSide": 0, "cmbSideL": "1"})")});
    EXPECT_EQ(r.out, u"007\t札7\n"_s);

    const QString big = home.withBytes(u"big.json"_s, "{}");
    QFile(big).resize(16 * 1024 * 1024 + 1);
    const std::pair<QStringList, QString> refusals[] = {
        {{u"--sort"_s, u"colFoo"_s}, u"colFoo"_s},
        {{u"--where"_s, home.file(u"none.json"_s)}, u"none.json: ファイルがありません\n"_s},
        {{u"--where"_s, where(R"({"chkFoo": 0})")}, u"where.json: 不明なキー \"chkFoo\"\n"_s},
        {{u"--where"_s, home.withBytes(u"cut.json"_s, R"({"chkNo": )")},
         u"cut.json: JSON として読めません (10 バイト目): オブジェクトが「}」で閉じられていません\n"_s},
        {{u"extra"_s}, u"cards"_s},
        {{u"--deck"_s, home.file(u"none.txt"_s)}, u"none.txt: no such file"_s},
        {{u"--sort"_s, u"colNo"_s, u"--sort"_s, u"colType"_s}, u"--sort given more than once"_s},
        {{u"--where"_s, u"/dev/zero"_s}, u"/dev/zero: 通常のファイルではありません"_s},
        {{u"--where"_s, big}, u"big.json: ファイルが大きすぎます (上限 16 MiB)"_s},
    };
    for (const auto& [args, named] : refusals) {
        r = cards(args);
        EXPECT_EQ(std::tuple(r.status, r.err.contains(named), r.out), std::tuple(2, true, QString()))
            << args.join(u' ').toStdString() << r.err.toStdString();
    }
}

TEST_F(CompanionTest, StatsCountsEachSectionByTypeCostAndNodeAsTheWindowDoes)
{
    // Every type, a card without one, empty costs and nodes, copies taken out when side-boarding.
    const QString file = deck(u"stats.txt"_s, {u"3,001,x"_s, u"2,002,x"_s, u"1,003,x"_s, u"2,040,x"_s, u"1,P01,x"_s,
                                              u"--"_s, u"-2,001,x"_s, u"1,005,x"_s, u"-1,040,x"_s, u"-1,003,x"_s, u"1,004,x"_s});
    struct Expected {
        qint64 total;
        QList<DeckTally> type, cost, node;
    };
    const Expected main{9, {{u"Character"_s, 4}, {u"Spell"_s, 2}, {u"Command"_s, 1}, {u""_s, 2}},
                        {{u""_s, 2}, {u"2"_s, 5}, {u"10"_s, 2}}, {{u""_s, 1}, {u"0"_s, 1}, {u"1"_s, 5}, {u"X"_s, 2}}};
    // Command and node X sum to 0 here and are left out.
    const Expected side{-2, {{u"Character"_s, -2}, {u"Spell"_s, 1}, {u""_s, -1}},
                        {{u""_s, -1}, {u"2"_s, -2}, {u"X"_s, 1}}, {{u"0"_s, -1}, {u"1"_s, -2}, {u"2"_s, 1}}};
    const Expected after{7, {{u"Character"_s, 2}, {u"Spell"_s, 3}, {u"Command"_s, 1}, {u""_s, 1}},
                         {{u""_s, 1}, {u"2"_s, 3}, {u"10"_s, 2}, {u"X"_s, 1}},
                         {{u""_s, 1}, {u"1"_s, 3}, {u"2"_s, 1}, {u"X"_s, 2}}};

    EditorState state;
    HeadlessUi ui;
    QString name = file;
    plngOpenFile(state, ui, name);
    const DeckStats stats = deckStats(state.fpsCardList);
    const auto same = [](const DeckSection& s, const Expected& e) {
        return std::tuple(s.total, s.type, s.cost, s.node) == std::tuple(e.total, e.type, e.cost, e.node);
    };
    EXPECT_EQ(std::tuple(same(stats.main, main), same(stats.side, side), same(stats.after, after), stats.sideBoarded),
              std::tuple(true, true, true, true));
    // Cost rows "", 2, 10, X by Character, Spell, Command, "".
    EXPECT_EQ(stats.after.costByType, (std::vector<qint64>{0, 0, 1, 0, 1, 1, 0, 1, 0, 2, 0, 0, 1, 0, 0, 0}));

    const auto json = [](const Expected& e) {
        QJsonObject o{{u"total"_s, e.total}};
        for (const auto& [key, list] : {std::pair(u"type"_s, e.type), {u"cost"_s, e.cost}, {u"node"_s, e.node}}) {
            QJsonObject tallies;
            for (const DeckTally& t : list)
                tallies.insert(t.text, t.copies);
            o.insert(key, tallies);
        }
        return o;
    };
    Outcome r = run({u"stats"_s, u"--json"_s, file});
    EXPECT_EQ(std::pair(r.status, r.json(0)), std::pair(1, QJsonObject{{u"file"_s, file}, {u"main"_s, json(main)},
                                                                       {u"side"_s, json(side)}, {u"after"_s, json(after)}}))
        << r.err.toStdString();
    r = run({u"stats"_s, file});
    EXPECT_TRUE(r.out.contains(u"  main deck: 9\n    type: Character 4, Spell 2, Command 1, \"\" 2\n    cost: \"\" 2, 2 5, 10 2\n"_s))
        << r.out.toStdString();
    r = run({u"stats"_s, deck(u"broken.txt"_s, {u"1,001,x"_s, u"3"_s})});
    EXPECT_EQ(std::tuple(r.status, r.out, r.err.contains(u"line 2: "_s)), std::tuple(2, QString(), true)) << r.err.toStdString();
}

}  // namespace

namespace {

TEST_F(CompanionTest, HandDealsWhatTheCoreDealsForTheSeedAndOddsAreExact)
{
    const QString file = deck(u"complete.txt"_s, complete());
    EditorState opened;
    openDeckAside(opened, file);
    const Deck d = Deck::fromGrid(opened.fpsCardList);
    for (const auto& [args, part, size, seed] :
         {std::tuple(QStringList{u"--seed"_s, u"12345"_s}, DeckPart::Main, 5, quint64(12345)),
          std::tuple(QStringList{u"--after"_s, u"--size"_s, u"7"_s, u"--seed"_s, u"18446744073709551615"_s},
                     DeckPart::AfterSideboard, 7, ~quint64(0))}) {
        const Outcome r = run(QStringList{u"hand"_s, u"--json"_s} + args + QStringList{file});
        QStringList expected;
        const HandTrial trial(d, part, size, seed);
        for (CardNumber n : trial.hand())
            expected << u"{\"no\": \"%1\", \"name\": \"%2\"}"_s.arg(n.text(), cardName(opened.fpsCardList, n));
        EXPECT_EQ(std::pair(r.status, r.out),
                  std::pair(0, u"{\"file\": \"%1\", \"seed\": %2, \"size\": %3, \"cards\": [%4]}\n"_s.arg(file).arg(seed).arg(size).arg(expected.join(u", "_s))))
            << r.err.toStdString();
    }

    // 8 cards, 4 drawn: at least one of 1, 2, 3, 4 or 5 copies.
    const QString small = deck(u"small.txt"_s, {u"3,001,x"_s, u"2,002,x"_s, u"1,003,x"_s, u"2,040,x"_s});
    Outcome r = run({u"odds"_s, u"--json"_s, u"--size"_s, u"3"_s, u"--draws"_s, u"1"_s, small});
    const double one = 1.0 / 2, two = 11.0 / 14, three = 13.0 / 14, four = 69.0 / 70;
    const QJsonObject o = r.json(0);
    QList<double> p;
    for (const QJsonValue& card : o[u"cards"_s].toArray())
        p << card[u"p"_s].toDouble();
    for (const char16_t* key : {u"type", u"cost"})
        for (const QJsonValue& v : o[QString::fromUtf16(key)].toObject())
            p << v.toDouble();
    // Cards in catalogue order; a JSON object read back iterates its keys sorted: types "",
    // Character, Spell; costs "", 10, 2.
    const QList<double> expected{three, two, one, two, two, four, two, one, two, 1};
    ASSERT_EQ(p.size(), expected.size()) << r.out.toStdString();
    for (qsizetype i = 0; i < p.size(); ++i)
        EXPECT_NEAR(p[i], expected[i], 1e-12) << i;
    EXPECT_TRUE(r.out.startsWith(u"{\"file\": \"%1\", \"deck\": 8, \"drawn\": 4, \"cards\": [{\"no\": \"001\", \"name\": \"札1\", \"copies\": 3, "_s.arg(small)))
        << r.out.toStdString();
    // Written in the order of stats.
    EXPECT_TRUE(r.out.contains(u"\"type\": {\"Character\": 0.98"_s) && r.out.contains(u"\"cost\": {\"\": 0.5, \"2\": 1, \"10\": 0.78"_s));
    r = run({u"odds"_s, u"--size"_s, u"3"_s, u"--draws"_s, u"1"_s, small});
    EXPECT_TRUE(r.out.contains(u"\n001\t札1\t3\t92.9%\n"_s)) << r.out.toStdString();

    for (const QStringList& args : {QStringList{u"hand"_s, u"--size"_s, u"21"_s, file}, {u"hand"_s, u"--seed"_s, u"-1"_s, file},
                                    {u"odds"_s, u"--draws"_s, u"x"_s, file}}) {
        r = run(args);
        EXPECT_EQ(std::tuple(r.status, r.err.count(u'\n'), r.out), std::tuple(2, 1, QString())) << r.err.toStdString();
    }
}

TEST_F(CompanionTest, DiffComparesInCatalogueOrderAndTextImportsBackToTheBytesOfSave)
{
    QStringList reordered = complete();
    std::reverse(reordered.begin(), reordered.begin() + 10);
    std::reverse(reordered.begin() + 11, reordered.end());
    const QString a = deck(u"a.txt"_s, complete()), same = deck(u"same.txt"_s, reordered);
    const QString b = deck(u"b.txt"_s, {u"2,001,x"_s, u"5,002,x"_s, u"--"_s, u"1,011,x"_s, u"-1,001,x"_s});
    Outcome r = run({u"diff"_s, u"--json"_s, a, same});
    EXPECT_EQ(std::pair(r.status, r.json(0)[u"same"_s]), std::pair(0, QJsonValue(true))) << r.err.toStdString();
    r = run({u"diff"_s, u"--json"_s, a, b});
    const QJsonArray cards = r.json(0)[u"cards"_s].toArray();
    const auto counts = [](int main, int side) {
        return QJsonObject{{u"main"_s, main}, {u"side"_s, side}, {u"after"_s, main + side}};
    };
    EXPECT_EQ(std::tuple(r.status, cards.size(), cards[0]),
              std::tuple(1, 18, QJsonValue(QJsonObject{{u"no"_s, u"002"_s}, {u"name"_s, u"札2"_s},
                                                       {u"a"_s, counts(2, -1)}, {u"b"_s, counts(3, 0)}})));
    r = run({u"diff"_s, a, b});
    EXPECT_TRUE(r.out.contains(u"\n002\tSpell\t札2\t2\t-1\t1\t3\t0\t3\t+1\t+1\t+2\n"_s)) << r.out.toStdString();
    EXPECT_EQ(run({u"diff"_s, a, home.file(u"none.txt"_s)}).status, 2);

    // text, then import: the bytes save writes of the deck.
    const QString source = deck(u"source.txt"_s, {u"1,040,x"_s, u"2,P01,x"_s, u"3,005,x"_s, u"--"_s, u"-2,005,x"_s, u"2,007,x"_s});
    r = run({u"text"_s, source});
    EXPECT_TRUE(r.out.startsWith(u"# "_s + source + u"\n# 合計 6 / キャラクター 3 / スペル 0 / コマンド 2 / サイド後 6 / サイド枚数 2\nメインデッキ\n3 005 札5\n"_s))
        << r.out.toStdString();
    const QString list = home.withBytes(u"list.txt"_s, r.bytes);
    ASSERT_EQ(run({u"save"_s, source, home.file(u"saved.txt"_s)}).status, 0);
    r = run({u"import"_s, list, home.file(u"imported.txt"_s)});
    EXPECT_EQ(std::pair(r.status, Fixtures::readBytes(home.file(u"imported.txt"_s))),
              std::pair(0, Fixtures::readBytes(home.file(u"saved.txt"_s))))
        << r.err.toStdString();

    // Lines not read are named; the rest is written. A file that cannot be written: nothing is.
    const QString partial = home.withBytes(u"partial.txt"_s, "2 001\nthree 002\n1 nobody\n");
    r = run({u"import"_s, partial, u"-"_s});
    EXPECT_EQ(std::tuple(r.status, r.bytes, r.err.count(u'\n'), r.err.contains(u"line 3: "_s)),
              std::tuple(1, Cp932::encode(u"2,001,札1\r\n"_s), 2, true));
    r = run({u"import"_s, partial, home.file(u"list.txt/below"_s)});
    EXPECT_EQ(std::pair(r.status, r.err.contains(u"list.txt/below: "_s)), std::pair(2, true));
    EXPECT_EQ(run({u"import"_s, home.file(u"none.txt"_s), home.file(u"x.txt"_s)}).status, 2);
    EXPECT_FALSE(QFile::exists(home.file(u"x.txt"_s)));
}

}  // namespace
