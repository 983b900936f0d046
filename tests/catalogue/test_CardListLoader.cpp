#include "catalogue/CardListLoader.h"
#include "catalogue/CatalogueText.h"
#include "catalogue/EditorState.h"
#include "deck/CountEditing.h"
#include "deck/DeckColours.h"
#include "platform/Cp932.h"
#include "platform/ProgramFolder.h"

#include "Fixtures.h"
#include "RecordingUi.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Fixtures::CatalogueCard;

namespace {

CatalogueCard card(const QString& section, const QString& name, const QStringList& more = {})
{
    return {section, QStringList{u"Name="_s + name} + more};
}

class LoaderTest : public ::testing::Test {
protected:
    Fixtures::TempHome home;
    EditorState state;
    RecordingUi ui;

    void write(const QString& total, const QList<CatalogueCard>& cards, const QString& showSelect = u"1"_s,
               const QString& deck = u"50"_s, const QString& limit = u"3"_s)
    {
        home.writeCatalogue(Fixtures::catalogueLines(total, showSelect, deck, limit, cards));
    }
    qint32 load(bool full = true) { return flngLoadCardList(state, ui, full); }
    QString cell(qint32 col, qint32 row) const { return state.fpsCardList.cellText(col, row); }
    QStringList column(qint32 col) const
    {
        QStringList out;
        for (qint32 r = 1; r <= state.fpsCardList.rowCount(); ++r)
            out << cell(col, r);
        return out;
    }
};

TEST_F(LoaderTest, FillsRegularRowsWithGapsAndPromotionalRowsUpToTheFirstBlankName)
{
    write(u"3"_s, {card(u"001"_s, u"灯守りの少女"_s, {u"Type=Character"_s, u"Node=2"_s}),
                   card(u"003"_s, u"潮騒の精"_s, {u"Type=Spell"_s}),
                   card(u"P01"_s, u"記念の灯"_s), card(u"P02"_s, u"記念の鐘"_s),
                   card(u"P03"_s, u"   "_s), card(u"P04"_s, u"届かない札"_s)});
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(column(colNo), (QStringList{u"001"_s, u"002"_s, u"003"_s, u"P01"_s, u"P02"_s}));
    EXPECT_EQ(column(colName), (QStringList{u"灯守りの少女"_s, u""_s, u"潮騒の精"_s, u"記念の灯"_s, u"記念の鐘"_s}));
    EXPECT_EQ(cell(colType, 2), u""_s);
    EXPECT_EQ(cell(colNode, 1), u"2"_s);
    EXPECT_EQ(cell(colAttack, 1), u""_s);
    EXPECT_EQ(state.mlngCardTotal, 3);
    for (qint32 r = 1; r <= 5; ++r)
        for (qint32 col : {colDeck, colSide}) {
            EXPECT_EQ(cell(col, r), u"0"_s);
            EXPECT_EQ(state.fpsCardList.foreColor(col, r), DeckColours::kCountZero);
        }
    EXPECT_EQ(ui.lastTitle(), u"Tessarin ver1.0.0"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(LoaderTest, TotalZeroGivesPromotionalRowsOnlyAndLargeNumbersKeepAllDigits)
{
    write(u"0"_s, {card(u"P01"_s, u"記念の灯"_s)});
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(column(colNo), QStringList{u"P01"_s});
    EXPECT_EQ(CatalogueText::regularCardNumber(1000), u"1000"_s);
    EXPECT_EQ(CatalogueText::promoCardNumber(100), u"P100"_s);
}

TEST_F(LoaderTest, LimitsComeFromTheCatalogue)
{
    write(u"1"_s, {card(u"001"_s, u"a"_s)}, u"1"_s, u"40"_s, u"4"_s);
    ASSERT_EQ(load(false), 0);
    EXPECT_EQ(state.limits.glngDeckLimit, 40);
    EXPECT_EQ(state.limits.glngCopyLimit, 4);
    EXPECT_EQ(state.limits.glngSideLimit, 10);
    EXPECT_EQ(state.serch.pNumberMax, 4);
}

struct ShowSelectCase {
    const char* name;
    QString stored;      // null: key missing
    bool full;
    bool waitShown;
    bool searchEnabledAtEnd;
    QString storedAfter; // null: key still missing
};

class ShowSelectTest : public LoaderTest, public ::testing::WithParamInterface<ShowSelectCase> {};

TEST_P(ShowSelectTest, DecidesProgressSearchAndTheStoredValue)
{
    const ShowSelectCase& c = GetParam();
    write(u"2"_s, {card(u"001"_s, u"a"_s, {u"Class=人間"_s})}, c.stored);
    state.serch.lstClass = QStringList{u"前からの項目"_s};
    const QByteArray before = Fixtures::readBytes(home.cataloguePath());
    ASSERT_EQ(load(c.full), 0);

    EXPECT_EQ(ui.waitEvents.contains(u"show"_s), c.waitShown);
    EXPECT_EQ(ui.waitEvents.first(), u"create"_s);
    EXPECT_EQ(ui.waitEvents.last(), u"close"_s);
    ASSERT_FALSE(ui.searchEnabled.isEmpty());
    EXPECT_EQ(ui.searchEnabled.last(), c.searchEnabledAtEnd);
    EXPECT_EQ(state.serch.lstClass.contains(u"前からの項目"_s), !c.waitShown) << "lists rebuilt only with progress";

    const QByteArray after = Fixtures::readBytes(home.cataloguePath());
    if (c.storedAfter == c.stored) {
        EXPECT_EQ(after, before) << "the catalogue must not be rewritten";
    } else {
        // The key is changed in place, or added after the last key of its section; every other byte stays.
        QByteArray expected = before;
        if (c.stored.isNull())
            expected.replace("Limit=3\r\n", "Limit=3\r\nShowSelect=1\r\n");
        else
            expected.replace("ShowSelect=" + Cp932::encode(c.stored) + "\r\n", "ShowSelect=1\r\n");
        EXPECT_EQ(after, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowSelectTest,
    ::testing::Values(ShowSelectCase{"off", u"0"_s, true, false, false, u"0"_s},
                      ShowSelectCase{"on", u"1"_s, true, true, true, u"1"_s},
                      ShowSelectCase{"missing", QString(), true, true, true, u"1"_s},
                      ShowSelectCase{"other", u"yes"_s, true, true, true, u"1"_s},
                      ShowSelectCase{"deckOpening", u"1"_s, false, false, true, u"1"_s},
                      ShowSelectCase{"deckOpeningOff", u"0"_s, false, false, false, u"0"_s}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadSettingCase {
    const char* name;
    QString total, deck, limit;
    QString description;
    QString node = u"1"_s;  // of card 3
};

class BadSettingTest : public LoaderTest, public ::testing::WithParamInterface<BadSettingCase> {};

TEST_P(BadSettingTest, ShowsTheRunTimeErrorRestoresTheControlsAndChangesNothing)
{
    const BadSettingCase& c = GetParam();
    write(u"2"_s, {card(u"001"_s, u"a"_s, {u"Type=Spell"_s}), card(u"P01"_s, u"p"_s)});
    ASSERT_EQ(load(), 0);
    fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, colDeckUp, 1);
    const QStringList names = column(colName), decks = column(colDeck);
    const Totals totals = state.totals;
    ui = RecordingUi();

    write(c.total, {card(u"001"_s, u"x"_s), card(u"003"_s, u"c"_s, {u"Node="_s + c.node})}, u"1"_s, c.deck, c.limit);
    EXPECT_EQ(load(), -1);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, c.description);
    EXPECT_EQ(ui.messages[0].title, u"Tessarin"_s);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(ui.waitOpen);
    EXPECT_EQ(ui.controlsEnabled, (QList<bool>{false, true}));
    EXPECT_EQ(column(colName), names);
    EXPECT_EQ(column(colDeck), decks);
    EXPECT_EQ(state.totals, totals);
    EXPECT_EQ(state.limits.glngCopyLimit, 3);
    EXPECT_TRUE(ui.titles.isEmpty());
    EXPECT_TRUE(ui.searchEnabled.last());
}

const QString kTypeMismatch = u"型が一致しません。"_s;
const QString kOverflow = u"オーバーフローしました。"_s;
const QString kNegative = u"の値が範囲外です。(0～2147483647)"_s;

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSettingTest,
    ::testing::Values(BadSettingCase{"totalMissing", QString(), u"50"_s, u"3"_s, kTypeMismatch},
                      BadSettingCase{"totalText", u"many"_s, u"50"_s, u"3"_s, kTypeMismatch},
                      BadSettingCase{"deckMissing", u"1"_s, QString(), u"3"_s, kTypeMismatch},
                      BadSettingCase{"limitText", u"2"_s, u"50"_s, u"abc"_s, kTypeMismatch},
                      BadSettingCase{"limitHuge", u"1"_s, u"50"_s, u"9999999999"_s, kOverflow},
                      BadSettingCase{"limitNegative", u"1"_s, u"50"_s, u"-2"_s, u"カードリストの Limit "_s + kNegative},
                      BadSettingCase{"deckNegative", u"1"_s, u"-1"_s, u"3"_s, u"カードリストの Deck "_s + kNegative},
                      BadSettingCase{"totalHuge", u"2147483647"_s, u"50"_s, u"3"_s,
                                     u"カードリストの Total の値が範囲外です。(0～200000)"_s},
                      BadSettingCase{"totalNegative", u"-5"_s, u"50"_s, u"3"_s,
                                     u"カードリストの Total の値が範囲外です。(0～200000)"_s},
                      BadSettingCase{"nodeOfCard3Overflows", u"3"_s, u"50"_s, u"3"_s, kOverflow, QString(5000, u'9')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoaderTest, MissingFileShowsItsMessageAndFails)
{
    EXPECT_EQ(load(), -1);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, u"カードリストファイルが見つかりません。\r\n"_s + home.path() +
                                       u"/card/cardlist.iniが存在するか確認して下さい。"_s);
    EXPECT_EQ(ui.messages[0].title, u"エラー"_s);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
    EXPECT_FALSE(ui.waitEvents.contains(u"show"_s));
    EXPECT_FALSE(ui.waitOpen);
    EXPECT_EQ(ui.controlsEnabled, (QList<bool>{false, true}));
}

TEST_F(LoaderTest, MaximaTakeLeadingNumbersRoundedHalfToEvenAndNeverFall)
{
    write(u"5"_s, {card(u"001"_s, u"a"_s, {u"Node=3"_s, u"Cost=2.5"_s, u"Attack=1.5"_s, u"Upkeep=x9"_s}),
                   card(u"002"_s, u"b"_s, {u"Node="_s, u"Glaze=4abc"_s, u"Toughness=10"_s}),
                   card(u"003"_s, u"c"_s, {u"Node=12"_s}), card(u"004"_s, u"d"_s, {u"Node=X"_s}),
                   card(u"005"_s, u"e"_s, {u"Node=7"_s})});
    state.serch.pToughnessMax = 20;
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(state.serch.pNodeMax, 12);
    EXPECT_EQ(state.serch.pCostMax, 2);
    EXPECT_EQ(state.serch.pAttackMax, 2);
    EXPECT_EQ(state.serch.pGlazeMax, 4);
    EXPECT_EQ(state.serch.pUpkeepMax, 0);
    EXPECT_EQ(state.serch.pToughnessMax, 20);
    EXPECT_EQ(cell(colGlaze, 2), u"4abc"_s) << "the grid shows the value unchanged";
}

TEST_F(LoaderTest, BuildsTheItemListsOnceEachWithThePlaceholders)
{
    write(u"4"_s, {card(u"001"_s, u"a"_s, {u"Class=人間／妖怪"_s, u"Skill=速攻　先制"_s, u"User=灯守り"_s}),
                   card(u"002"_s, u"b"_s, {u"Class=妖怪"_s, u"Skill=先制"_s, u"User=灯守り"_s}),
                   card(u"003"_s, u"c"_s, {u"Class=／獣／／"_s, u"Skill=　"_s, u"User=  "_s}),
                   card(u"004"_s, u"d"_s, {u"User= 潮の子"_s})});
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(state.serch.lstClass, (QStringList{u"（種族なし）"_s, u"人間"_s, u"妖怪"_s, u"獣"_s}));
    EXPECT_EQ(state.serch.lstSkill, (QStringList{u"（無し）"_s, u"速攻"_s, u"先制"_s}));
    EXPECT_EQ(state.serch.lstSpell, (QStringList{u"灯守り"_s, u"潮の子"_s}));
}

TEST_F(LoaderTest, ReloadKeepsHiddenRowsAndResetsCountsAndTotals)
{
    write(u"3"_s, {card(u"001"_s, u"a"_s, {u"Type=Spell"_s})});
    ASSERT_EQ(load(), 0);
    state.fpsCardList.setRowHidden(2, true);
    fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, colDeckUp, 1);
    ASSERT_EQ(state.totals.caption(TotalLabel::lblSpellSum), u"1"_s);
    ASSERT_EQ(load(false), 0);
    EXPECT_TRUE(state.fpsCardList.rowHidden(2));
    EXPECT_FALSE(state.fpsCardList.rowHidden(1));
    EXPECT_EQ(cell(colDeck, 1), u"0"_s);
    EXPECT_EQ(state.totals, Totals());
}

TEST_F(LoaderTest, ReportsProgressPerRegularCard)
{
    EXPECT_EQ(CatalogueText::progressText(7, 250),
              u"カードリストを読み込んでいます。\r\nしばらくお待ち下さい...(7/250)"_s);
    QList<CatalogueCard> cards{card(u"P01"_s, u"p"_s)};
    write(u"250"_s, cards);
    ASSERT_EQ(load(), 0);
    ASSERT_EQ(ui.waitMessages.size(), 250) << "promotional cards do not move the bar";
    EXPECT_EQ(ui.waitMessages[6], CatalogueText::progressText(7, 250));
    EXPECT_EQ(ui.waitProgress.last(), (std::pair<qint32, qint32>{250, 250}));
    EXPECT_GE(ui.processEventsCalls, 251);
}

TEST_F(LoaderTest, DamagedCataloguesGiveAMessageOrAUsableGrid)
{
    QRandomGenerator rng(42);
    for (int round = 0; round < 20; ++round) {
        QByteArray junk(4096 + int(rng.bounded(8192)), '\0');
        for (char& b : junk)
            b = char(rng.bounded(256));
        if (round % 2)
            junk.prepend("[Card]\r\nTotal=5\r\nDeck=50\r\nLimit=3\r\n");
        Fixtures::writeBytes(home.cataloguePath(), junk);
        EditorState fresh;
        RecordingUi quiet;
        const qint32 result = flngLoadCardList(fresh, quiet, true);
        EXPECT_TRUE(result == 0 || !quiet.messages.isEmpty());
        EXPECT_FALSE(quiet.waitOpen);
    }

    const QString longValue(5000, u'9');
    write(u"2"_s, {card(u"001"_s, longValue, {u"Class="_s + QString(5000, u'鬼')})});
    EXPECT_EQ(load(), 0);
    EXPECT_EQ(cell(colName, 1), longValue.left(4095));
    EXPECT_LE(Cp932::encode(cell(colClass, 1)).size(), 4095);
}

}  // namespace
