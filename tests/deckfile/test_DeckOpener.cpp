#include "deckfile/DeckOpener.h"

#include "DeckFixture.h"

#include "search/SearchConditions.h"
#include "search/SearchRun.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct OpenCase {
    const char* name;
    QStringList lines;
    QStringList counts;  // "row:deck/side"; the totals agreeing with them is the deck fuzzer's check
    bool readError = false;
    QString errorDescription = {};  // the message before CR LF and the file name
};

// Card n is in row n; P0k is row 300 + k.
const OpenCase kOpenCases[] = {
    {"shortFullAndPromotionalRecords", {u"3,1"_s, u"1,002,Name"_s, u"1,P02,Name"_s},
     {u"1:3/0"_s, u"2:1/0"_s, u"302:1/0"_s}},
    // held at the copy limit, a half rounding down, a half rounding up and then held
    {"countsRoundedAndHeld", {u"5,001,N"_s, u"2.5,002,N"_s, u"3.5,003,N"_s}, {u"1:3/0"_s, u"2:2/0"_s, u"3:3/0"_s}},
    // removals count on the side board, before and after a separator; a third is absorbed
    {"removals", {u"2,010,A"_s, u"-2,010,N"_s, u"2,001,A"_s, u"--"_s, u"-3,001,A"_s}, {u"1:2/-2"_s, u"10:2/-2"_s}},
    {"nothingCounted", {u"-2,010,Name"_s, u"1,p01,Name"_s, u"0,001,Name"_s, u"abc,001,Name"_s}, {}},
    {"separatorWithFields", {u"--,x,y"_s, u"1,002,B"_s}, {u"2:0/1"_s}},
    {"missingCardNumberStops", {u"1,001,A"_s, u"3"_s, u"1,002,B"_s}, {u"1:1/0"_s}, false,
     u"インデックスが有効範囲にありません。"_s},
    {"sideBoardAddsUpToTheLimit", {u"2,003,C"_s, u"--"_s, u"3,003,C"_s, u"1,004,D"_s}, {u"3:2/1"_s, u"4:0/1"_s}},
    {"secondSeparatorChangesNothing", {u"--"_s, u"1,001,A"_s, u"--"_s, u"1,002,B"_s}, {u"1:0/1"_s, u"2:0/1"_s}},
    {"emptyFile", {}, {}}, {"onlySeparator", {u"--"_s}, {}},
    {"unclosedQuoteStopsWithReadError", {u"1,001,A"_s, u"\"1,002,B"_s, u"1,003,C"_s}, {u"1:1/0"_s}, true},
    {"unclosedQuoteInANameIsText", {u"1,001,予言,\"号令"_s, u"2,002,B"_s}, {u"1:1/0"_s, u"2:2/0"_s}},
    {"overlongLineStopsWithReadError", {u"1,001,A"_s, QString(1024 * 1024 + 1, u'7'), u"1,002,B"_s}, {u"1:1/0"_s}, true},
    {"recordsNamingNoRowAreSkipped", {u"1,-4,A"_s, u"1,999,B"_s, u"1,P09,C"_s, u"1,P0,D"_s, u"1,P,E"_s, u"1,303,F"_s},
     {u"303:1/0"_s}},
    {"billionsOfPressesEndAtTheLimit", {u"2000000000,001,A"_s, u"--"_s, u"-2000000000,001,A"_s}, {u"1:3/-3"_s}},
    {"countBeyond32BitsIsAnOverflow", {u"1,002,B"_s, u"3000000000,001,A"_s}, {u"2:1/0"_s}, false,
     u"オーバーフローしました。"_s},
    {"countBeyondDoubleIsAnOverflow", {u"1e999,001,A"_s}, {}, false, u"オーバーフローしました。"_s},
};

TEST(DeckOpenerTest, ReplaysTheRecords)
{
    for (const OpenCase& c : kOpenCases) {
        SCOPED_TRACE(c.name);
        DeckFixture f;
        QString path = f.deckFile(u"deck.txt"_s, c.lines);
        const QString given = path;
        EXPECT_EQ(plngOpenFile(f.state, f.ui, path), 0);
        Messages expected;
        if (c.readError)
            expected.append({u"ファイル読み込みエラー "_s, u"Tessarin"_s, MsgIcon::Error});
        if (!c.errorDescription.isNull())
            expected.append({c.errorDescription + u"\r\n"_s + given, u"Tessarin"_s});
        EXPECT_EQ(std::tuple(f.counts(), f.ui.lastTitle(), f.ui.messages),
                  std::tuple(c.counts, u"Tessarin ver1.0.0 - deck.txt"_s, expected));
    }
}

// Whatever the player does while events run between records, each record lands on the card its
// number names; a second opening ends the first, whose remaining records are not applied.
TEST(DeckOpenerTest, EventsBetweenRecordsNeitherMoveNorMergeTheDeck)
{
    QStringList lines, other;
    for (int i = 1; i <= 40; ++i)
        lines << u"%1,%2,x"_s.arg(i % 3 + 1).arg(i * 7, 3, 10, QChar(u'0'));
    lines << u"--"_s << u"1,P03,x"_s << u"-1,014,x"_s;
    other << u"2,005,x"_s << u"1,P01,x"_s;
    const struct {
        const char* name;
        std::function<void(DeckFixture&, const QString& otherPath)> act;
        bool second;
    } cases[] = {
        {"sort", [](DeckFixture& f, const QString&) { f.state.fpsCardList.sort({{colName, true}}); }, false},
        {"filterRun", [](DeckFixture& f, const QString&) {
             SearchConditions c;
             c.chkName = false;
             c.txtName1 = u"1"_s;
             f.state.fpsCardList.sort({{colType, false}});
             applySearch(c, f.state.fpsCardList, f.ui);
         }, false},
        {"secondOpening", [](DeckFixture& f, const QString& otherPath) {
             QString path = otherPath;
             plngOpenFile(f.state, f.ui, path);
         }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeckFixture expected, f;
        QString path = expected.deckFile(u"deck.txt"_s, lines), otherPath = f.deckFile(u"other.txt"_s, other);
        QString last = c.second ? otherPath : path;
        plngOpenFile(expected.state, expected.ui, last);
        path = f.deckFile(u"deck.txt"_s, lines);
        int records = 0;  // once a dozen records are in
        f.ui.duringEvents = [&] {
            if (f.ui.lastTitle().endsWith(u"deck.txt"_s) && ++records == 12)
                c.act(f, otherPath);
        };
        const OpenResult opened = openDeckFile(f.state, f.ui, path);
        EXPECT_EQ(std::tuple(f.cardCounts(), f.state.totals, f.ui.lastTitle(), f.ui.messages,
                             opened.outcome == OpenResult::Outcome::Superseded),
                  std::tuple(expected.cardCounts(), expected.state.totals, expected.ui.lastTitle(), Messages(), c.second));
    }
}

TEST(DeckOpenerTest, AFileThatCannotBeReadOrAFailedReloadKeepsTheDeckAndTitle)
{
    DeckFixture f(10);
    f.press(colDeckUp, 1, 2);
    const QString missing = f.home.file(u"gone.txt"_s);
    f.ui.openAnswers << missing;
    Messages expected;
    for (QString path : {u"/dev/zero"_s, f.home.path(), missing, QString()}) {  // "": chosen in the dialog
        const QString named = path.isEmpty() ? missing : path;
        expected.append({u"ファイル読み込みエラー \r\n"_s + named, u"Tessarin"_s, MsgIcon::Error});
        plngOpenFile(f.state, f.ui, path);
    }
    EXPECT_EQ(std::tuple(f.counts(), f.ui.titles.size(), f.ui.messages),
              std::tuple(QStringList{u"1:2/0"_s}, 1, expected));

    // A failed reload stops the open: deck, totals and title stay, with the loader's message and no other.
    const Totals totals = f.state.totals;
    QString path = f.deckFile(u"new.txt"_s, {u"3,002,B"_s});
    f.home.writeCatalogue(Fixtures::catalogueLines(u"10"_s, u"1"_s, u"50"_s, u"abc"_s, {}));
    f.ui = RecordingUi();
    plngOpenFile(f.state, f.ui, path);
    EXPECT_EQ(std::tuple(f.counts(), f.state.totals, f.ui.titles.size(), f.ui.messages),
              std::tuple(QStringList{u"1:2/0"_s}, totals, 0, Messages{{u"型が一致しません。"_s, u"Tessarin"_s}}));
}

TEST(DeckOpenerTest, TheDialogItsCancelAndTheCommandLineForms)
{
    DeckFixture f(10);
    f.deckFile(u"one.deck"_s, {u"3,001,A"_s, u"--"_s, u"1,002,B"_s});
    f.press(colDeckUp, 5);
    const auto before = std::pair(f.counts(), f.ui.titles.size());
    QString empty;
    plngOpenFile(f.state, f.ui, empty);  // the dialog answers "": cancelled
    EXPECT_EQ(std::pair(f.counts(), f.ui.titles.size()), before);
    EXPECT_EQ(f.ui.openFilters, QStringList{u"デッキファイル(*.txt,*.deck)|*.txt;*.deck|すべてのファイル(*.*)|*.*"_s});

    f.ui.openAnswers << f.home.file(u"one.deck"_s);
    plngOpenFile(f.state, f.ui, empty);
    // the second deck replaces the first
    EXPECT_EQ(std::tuple(f.counts(), f.ui.lastTitle(), empty),
              std::tuple(QStringList{u"1:3/0"_s, u"2:0/1"_s}, u"Tessarin ver1.0.0 - one.deck"_s, QString()));

    const QString path = f.deckFile(u"my deck.txt"_s, {u"1,002,B"_s});
    for (const QString& given : {u"\"%1\""_s, u"%1"_s, u"\"%1"_s}) {  // the caller's text loses its quotes
        QString arg = given.arg(path);
        plngOpenFile(f.state, f.ui, arg);
        EXPECT_EQ(std::tuple(arg, f.counts(), f.ui.lastTitle()),
                  std::tuple(path, QStringList{u"2:1/0"_s}, u"Tessarin ver1.0.0 - my deck.txt"_s))
            << given.toStdString();
    }
    EXPECT_EQ(std::pair(f.ui.messages, deckDisplayName(u"C:\\decks\\a.txt"_s)), std::pair(Messages(), u"a.txt"_s));
}

}  // namespace
