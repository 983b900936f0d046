#include "deckfile/DeckComparison.h"
#include "deckfile/DeckFileText.h"
#include "deckfile/DeckList.h"
#include "deckfile/DeckListText.h"
#include "deckfile/DeckSaver.h"

#include "DeckFixture.h"

#include "platform/AppInfo.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Seven cards and a promotional one: a name two cards share, a name in full-width letters with an
// ideographic space and the same name in plain letters, one in half-width kana.
class DeckListTest : public ::testing::Test {
protected:
    Fixtures::TempHome home;
    EditorState state;
    RecordingUi ui;

    void SetUp() override
    {
        const std::pair<QString, QString> cards[] = {
            {u"Character"_s, u"灯守見習いリノ"_s}, {u"Spell"_s, u"双子の灯"_s}, {u"Command"_s, u"双子の灯"_s},
            {u"Character"_s, u"ＡＢＣ　ソード"_s}, {u"Spell"_s, u"ｶﾞﾙﾑ"_s},     {u"Character"_s, u"札6"_s},
            {u"Spell"_s, u"ABCソード"_s}};
        QList<Fixtures::CatalogueCard> list;
        for (int i = 0; i < 7; ++i)
            list.append({u"00%1"_s.arg(i + 1), {u"Type="_s + cards[i].first, u"Name="_s + cards[i].second}});
        list.append({u"P01"_s, {u"Type=Command"_s, u"Name=案内人メリル"_s}});
        home.writeCatalogue(Fixtures::catalogueLines(u"7"_s, u"1"_s, u"50"_s, u"3"_s, list));
        flngLoadCardList(state, ui, false);
    }
    QString deckFile(const QString& name, const QStringList& lines) const
    {
        Fixtures::writeCp932Lines(home.file(name), lines);
        return home.file(name);
    }
    static QString counts(const Deck& deck)
    {
        QStringList out;
        for (const Deck::Card& c : deck.cards())
            out << u"%1:%2/%3"_s.arg(c.number.text()).arg(c.counts.main).arg(c.counts.side);
        return out.join(u' ');
    }
};

TEST_F(DeckListTest, ReadsEachLineFormByNumberNameAndLooseName)
{
    struct Case {
        QString list;
        QString asked;
        QString unmatched = {};  // the reason of the one line not read
        bool warned = false;
    };
    const QString noCard = DeckListText::noCard(), noCount = DeckListText::noCount();
    const Case cases[] = {
        {u"3 001 灯守見習いリノ"_s, u"001:3/0"_s},
        {u"3 001"_s, u"001:3/0"_s},
        {u"2 1"_s, u"001:2/0"_s},
        {u"1 P01"_s, u"P01:1/0"_s},
        {u"3 灯守見習いリノ"_s, u"001:3/0"_s},
        {u"3x 灯守見習いリノ"_s, u"001:3/0"_s},
        {u"3 x 灯守見習いリノ"_s, u"001:3/0"_s},
        {u"灯守見習いリノ x3"_s, u"001:3/0"_s},
        {u"灯守見習いリノ ×３"_s, u"001:3/0"_s},
        {u"２ ００１"_s, u"001:2/0"_s},
        {u"2 999 灯守見習いリノ"_s, u"001:2/0"_s},  // no card 999: the name decides
        {u"2 ABC ソード"_s, u"004:2/0"_s, {}, true},  // 007 folds to the same
        {u"2 ABCソード"_s, u"007:2/0"_s},
        {u"1 ガルム"_s, u"005:1/0"_s},
        {u"2 双子の灯"_s, u"002:2/0"_s, {}, true},
        {u"2 灯守見習い"_s, {}, noCard},
        {u"3 xylo"_s, {}, noCard},
        {u"灯守見習いリノ"_s, {}, noCount},
        {u"Box3"_s, {}, noCount},
        {u"# 3 001\n\n  \r\n"_s, {}},
        // Counts add up; a negative count takes copies out wherever it stands.
        {u"2 001\n1 001\n-1 001"_s, u"001:3/-1"_s},
        {u"1 002\nサイドボード\n2 001\n-1 002"_s, u"001:0/2 002:1/-1"_s},
        {u"sideboard\n+2 001"_s, u"001:0/2"_s},
        {u"--\n2 001\nメインデッキ\n1 002"_s, u"001:0/2 002:1/0"_s},
    };
    for (const Case& c : cases) {
        const DeckList read = readDeckList(c.list, state.fpsCardList, state.limits);
        EXPECT_EQ(std::tuple(counts(read.asked), read.unmatched.isEmpty() ? QString() : read.unmatched[0].reason,
                             read.warnings.isEmpty()),
                  std::tuple(c.asked, c.unmatched, !c.warned))
            << c.list.toStdString();
    }
}

// What loading gives under the limits, and every line it has something to say of, by number.
TEST_F(DeckListTest, TellsOfLinesNotReadSharedNamesAndCutCounts)
{
    const DeckList read = readDeckList(u"5 001\r\nfoo\r\nサイドボード\r\n+2 001\r\n2 双子の灯\r\n"_s, state.fpsCardList, state.limits);
    EXPECT_EQ(std::pair(counts(read.asked), counts(read.deck)), std::pair(u"001:5/2 002:0/2"_s, u"001:3/0 002:0/2"_s));
    EXPECT_EQ(read.unmatched, (QList<DeckListIssue>{{2, u"foo"_s, DeckListText::noCount()}}));
    EXPECT_EQ(read.warnings,
              (QList<DeckListIssue>{{1, u"5 001"_s, DeckFileText::cutCount(u"5"_s, u"001"_s, 3)},
                                    {4, u"+2 001"_s, DeckFileText::cutCount(u"2"_s, u"001"_s, 0)},
                                    {5, u"2 双子の灯"_s, DeckListText::sharedName(u"双子の灯"_s, u"002"_s)}}));
}

// The text written whatever the grid's order; read back, it loads the deck save writes.
TEST_F(DeckListTest, TextLoadsBackIntoTheBytesSaveWrites)
{
    const QString file = deckFile(u"d.txt"_s, {u"3,001,x"_s, u"2,005,x"_s, u"1,P01,x"_s, u"--"_s, u"-1,001,x"_s, u"2,006,x"_s});
    EditorState opened;
    ASSERT_TRUE(openDeckAside(opened, file).complete());
    HeadlessUi headless;
    const QByteArray saved = deckFileBytes(opened, headless);
    opened.fpsCardList.sort({{colName, true}});
    const QString text = deckListText(opened, u"d.txt"_s);
    EXPECT_EQ(text, u"# d.txt\n"
                    "# 合計 6 / キャラクター 3 / スペル 2 / コマンド 1 / サイド後 7 / サイド枚数 2\n"
                    "メインデッキ\n3 001 灯守見習いリノ\n2 005 ｶﾞﾙﾑ\n1 P01 案内人メリル\n"
                    "サイドボード\n-1 001 灯守見習いリノ\n+2 006 札6\n"_s);

    state.fpsCardList.sort({{colType, false}});
    const std::optional<DeckList> loaded = loadDeckList(state, ui, text);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(std::tuple(loaded->unmatched.size(), loaded->warnings.size(), deckFileBytes(state, headless),
                         state.deckName, ui.titles.last()),
              std::tuple(0, 0, saved, u"(テキスト)"_s, AppInfo::fileWindowTitle(u"(テキスト)"_s)));

    QFile::remove(home.cataloguePath());  // a reload that fails loads nothing
    EXPECT_FALSE(loadDeckList(state, ui, u"1 002"_s).has_value());
    EXPECT_EQ(deckFileBytes(state, headless), saved);
}

// Counts as the editor shows them after opening each file, cards in catalogue order.
TEST_F(DeckListTest, ComparisonListsTheCardsWhoseCountsDifferWhateverTheirOrder)
{
    const QString a = deckFile(u"a.txt"_s, {u"3,001,x"_s, u"2,005,x"_s, u"1,P01,x"_s, u"--"_s, u"-1,001,x"_s, u"2,006,x"_s});
    EditorState deckA, deckB;
    openDeckAside(deckA, a);
    deckA.fpsCardList.sort({{colName, true}});
    HeadlessUi headless;
    ASSERT_TRUE(saveDeckFile(deckA, headless, home.file(u"sorted.txt"_s)).written());
    openDeckAside(deckB, home.file(u"sorted.txt"_s));
    EXPECT_NE(Fixtures::readBytes(a), Fixtures::readBytes(home.file(u"sorted.txt"_s)));
    EXPECT_TRUE(compareDecks(deckA.fpsCardList, deckB.fpsCardList).same());

    // 5 copies open as 3; the removal before the main-deck record is absorbed.
    const QString b = deckFile(u"b.txt"_s, {u"-1,006,x"_s, u"5,001,x"_s, u"1,002,x"_s, u"1,P01,x"_s, u"--"_s, u"2,006,x"_s});
    ASSERT_TRUE(openDeckAside(deckB, b).outcome == OpenResult::Outcome::Opened);
    const DeckComparison c = compareDecks(deckA.fpsCardList, deckB.fpsCardList);
    QStringList rows;
    for (const DeckComparison::Card& card : c.cards)
        rows << u"%1 %2 %3 %4/%5 %6/%7"_s.arg(card.number.text(), card.type, card.name)
                    .arg(card.a.main).arg(card.a.side).arg(card.b.main).arg(card.b.side);
    for (const DeckComparison::TypeTotals& t : c.types)
        rows << u"%1 %2/%3/%4 %5/%6/%7"_s.arg(t.type).arg(t.a.main).arg(t.a.side).arg(t.a.after)
                    .arg(t.b.main).arg(t.b.side).arg(t.b.after);
    EXPECT_EQ(rows, (QStringList{u"001 Character 灯守見習いリノ 3/-1 3/0"_s, u"002 Spell 双子の灯 0/0 1/0"_s,
                                 u"005 Spell ｶﾞﾙﾑ 2/0 0/0"_s, u"Character 3/1/4 3/2/5"_s, u"Spell 2/0/2 1/0/1"_s,
                                 u"Command 1/0/1 1/0/1"_s}));
    EXPECT_EQ(std::pair(c.totalA, c.totalB), std::pair(SectionCounts{6, 1, 7}, SectionCounts{5, 2, 7}));
}

}  // namespace
