#include "catalogue/CardListLoader.h"
#include "catalogue/CatalogueText.h"
#include "catalogue/EditorState.h"
#include "deck/CountEditing.h"
#include "platform/Cp932.h"
#include "platform/ProgramFolder.h"
#include "platform/Rgb.h"

#include "Fixtures.h"
#include "RecordingUi.h"

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

TEST_F(LoaderTest, FillsRowsWithGapsAndPromotionalRowsUpToTheFirstBlankNameAndReloads)
{
    write(u"3"_s, {card(u"001"_s, u"灯守りの少女"_s, {u"Type=Character"_s, u"Node=2"_s}),
                   card(u"003"_s, u"潮騒の精"_s, {u"Type=Spell"_s}),
                   card(u"P01"_s, u"記念の灯"_s), card(u"P02"_s, u"記念の鐘"_s),
                   card(u"P03"_s, u"   "_s), card(u"P04"_s, u"届かない札"_s)},
          u"1"_s, u"40"_s, u"4"_s);
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(std::tuple(state.limits.glngDeckLimit, state.limits.glngCopyLimit, state.limits.glngSideLimit,
                         state.serch.pNumberMax, state.mlngCardTotal, ui.lastTitle(), ui.messages),
              std::tuple(40, 4, 10, 4, 3, u"Tessarin ver1.0.0"_s, Messages()));
    EXPECT_EQ(column(colNo) + column(colName) + QStringList({cell(colType, 2), cell(colNode, 1), cell(colAttack, 1)}),
              (QStringList{u"001"_s, u"002"_s, u"003"_s, u"P01"_s, u"P02"_s, u"灯守りの少女"_s, u""_s, u"潮騒の精"_s,
                           u"記念の灯"_s, u"記念の鐘"_s, u""_s, u"2"_s, u""_s}));
    EXPECT_EQ(column(colDeck) + column(colSide), QStringList(10, u"0"_s));
    for (qint32 r = 1; r <= 5; ++r)  // zero counts are grey
        for (qint32 col : {colDeck, colSide})
            EXPECT_EQ(state.fpsCardList.foreColor(col, r), rgb(192, 192, 192)) << r;

    // A reload resets counts and totals; which rows it hides is the main window's business.
    fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, colDeckUp, 1);
    ASSERT_NE(state.totals, Totals());
    ASSERT_EQ(load(false), 0);
    EXPECT_EQ(std::pair(cell(colDeck, 1), state.totals), std::pair(u"0"_s, Totals()));

    // Total 0 leaves the promotional rows only.
    write(u"0"_s, {card(u"P01"_s, u"記念の灯"_s)});
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(column(colNo), QStringList{u"P01"_s});
}

TEST_F(LoaderTest, ShowSelectDecidesProgressSearchAndTheStoredValue)
{
    // stored (null: key missing), full load, wait window shown, search enabled at the end, stored afterwards
    const std::tuple<QString, bool, bool, bool, QString> cases[] = {
        {u"0"_s, true, false, false, u"0"_s},  {u"1"_s, true, true, true, u"1"_s},
        {QString(), true, true, true, u"1"_s}, {u"yes"_s, true, true, true, u"1"_s},
        {u"1"_s, false, false, true, u"1"_s},  {u"0"_s, false, false, false, u"0"_s},
    };
    for (const auto& [stored, full, waitShown, searchEnabled, storedAfter] : cases) {
        SCOPED_TRACE(stored.isNull() ? "missing" : stored.toStdString() + (full ? " full" : " deck opening"));
        write(u"2"_s, {card(u"001"_s, u"a"_s, {u"Class=人間"_s})}, stored);
        state.serch.lstClass = state.serch.lstSpell = state.serch.lstSkill = QStringList{u"前からの項目"_s};
        ui = RecordingUi();
        ASSERT_EQ(load(full), 0);
        ASSERT_FALSE(ui.searchEnabled.isEmpty());
        // the item lists are rebuilt only with progress shown
        EXPECT_EQ(std::tuple(ui.waitEvents.contains(u"show"_s), ui.waitEvents.first(), ui.waitEvents.last(),
                             ui.searchEnabled.last(),
                             (state.serch.lstClass + state.serch.lstSpell + state.serch.lstSkill).count(u"前からの項目"_s)),
                  std::tuple(waitShown, u"create"_s, u"close"_s, searchEnabled, waitShown ? 0 : 3));
        // Where the key goes and that no other byte changes is the profile fuzzer's check.
        const QByteArray after = Fixtures::readBytes(home.cataloguePath());
        EXPECT_EQ(after.count("ShowSelect="), 1);
        EXPECT_TRUE(after.contains("\r\nShowSelect=" + storedAfter.toLatin1() + "\r\n"));
    }
}

TEST_F(LoaderTest, BadSettingsShowTheRunTimeErrorRestoreTheControlsAndChangeNothing)
{
    const QString kTypeMismatch = u"型が一致しません。"_s, kOverflow = u"オーバーフローしました。"_s;
    const QString kNegative = u"の値が範囲外です。(0～2147483647)"_s;
    const QString kTotalRange = u"カードリストの Total の値が範囲外です。(0～200000)"_s;
    // Total, Deck, Limit, "Node" of card 3, the message
    const std::tuple<QString, QString, QString, QString, QString> cases[] = {
        {QString(), u"50"_s, u"3"_s, u"1"_s, kTypeMismatch},
        {u"many"_s, u"50"_s, u"3"_s, u"1"_s, kTypeMismatch},
        {u"1"_s, QString(), u"3"_s, u"1"_s, kTypeMismatch},
        {u"2"_s, u"50"_s, u"abc"_s, u"1"_s, kTypeMismatch},
        {u"1"_s, u"50"_s, u"9999999999"_s, u"1"_s, kOverflow},
        {u"1"_s, u"50"_s, u"-2"_s, u"1"_s, u"カードリストの Limit "_s + kNegative},
        {u"1"_s, u"-1"_s, u"3"_s, u"1"_s, u"カードリストの Deck "_s + kNegative},
        {u"2147483647"_s, u"50"_s, u"3"_s, u"1"_s, kTotalRange},
        {u"-5"_s, u"50"_s, u"3"_s, u"1"_s, kTotalRange},
        {u"3"_s, u"50"_s, u"3"_s, QString(5000, u'9'), kOverflow},
    };
    for (const auto& [total, deck, limit, node, message] : cases) {
        SCOPED_TRACE(message.toStdString() + " Total " + total.toStdString());
        write(u"2"_s, {card(u"001"_s, u"a"_s, {u"Type=Spell"_s}), card(u"P01"_s, u"p"_s)});
        ASSERT_EQ(load(), 0);
        fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, colDeckUp, 1);
        const auto before = std::tuple(column(colName), column(colDeck), state.totals, state.limits.glngCopyLimit);
        ui = RecordingUi();

        write(total, {card(u"001"_s, u"x"_s), card(u"003"_s, u"c"_s, {u"Node="_s + node})}, u"1"_s, deck, limit);
        EXPECT_EQ(load(), -1);
        EXPECT_EQ(std::tuple(column(colName), column(colDeck), state.totals, state.limits.glngCopyLimit), before);
        EXPECT_EQ(std::tuple(ui.messages, ui.waitOpen, ui.controlsEnabled, ui.titles.size(), ui.searchEnabled.last()),
                  std::tuple(Messages{{message, u"Tessarin"_s}}, false, QList<bool>{false, true}, 0, true));
    }
}

TEST_F(LoaderTest, MaximaAndItemLists)
{
    write(u"5"_s, {card(u"001"_s, u"a"_s, {u"Node=3"_s, u"Cost=2.5"_s, u"Attack=1.5"_s, u"Upkeep=x9"_s,
                                           u"Class=人間／妖怪"_s, u"Skill=速攻　先制"_s, u"User=灯守り"_s}),
                   card(u"002"_s, u"b"_s, {u"Node="_s, u"Glaze=4abc"_s, u"Toughness=10"_s, u"Class=妖怪"_s,
                                           u"Skill=先制"_s, u"User=灯守り"_s}),
                   card(u"003"_s, u"c"_s, {u"Node=12"_s, u"Class=／獣／／"_s, u"Skill=　"_s, u"User=  "_s}),
                   card(u"004"_s, u"d"_s, {u"Node=X"_s, u"User= 潮の子"_s}), card(u"005"_s, u"e"_s, {u"Node=7"_s})});
    state.serch.pToughnessMax = 20;
    ASSERT_EQ(load(), 0);
    const SearchSetup& m = state.serch;
    EXPECT_EQ(std::tuple(m.pNodeMax, m.pCostMax, m.pAttackMax, m.pGlazeMax, m.pUpkeepMax, m.pToughnessMax,
                         cell(colGlaze, 2)),
              std::tuple(12, 2, 2, 4, 0, 20, u"4abc"_s));  // the grid shows the value unchanged
    // The item lists hold each item once, with the placeholders.
    EXPECT_EQ(state.serch.lstClass, (QStringList{u"（種族なし）"_s, u"人間"_s, u"妖怪"_s, u"獣"_s}));
    EXPECT_EQ(state.serch.lstSkill, (QStringList{u"（無し）"_s, u"速攻"_s, u"先制"_s}));
    EXPECT_EQ(state.serch.lstSpell, (QStringList{u"灯守り"_s, u"潮の子"_s}));
}

TEST_F(LoaderTest, ReportsProgressPerRegularCardAndReadsALargeCatalogueOnTwoThreadsAlike)
{
    // Key names in any case, the first of a name counting.
    write(u"5000"_s, {card(u"002"_s, u"b"_s, {u"Class=獣"_s, u"Node=3"_s, u"node=9"_s}),
                      card(u"4999"_s, u"y"_s, {u"Class=竜／獣"_s, u"NODE=7"_s}), card(u"P01"_s, u"p"_s)});
    ASSERT_EQ(load(), 0);
    ASSERT_EQ(ui.waitMessages.size(), 5000) << "promotional cards do not move the bar";
    EXPECT_GE(ui.processEventsCalls, 5001);
    EXPECT_EQ(std::tuple(ui.waitMessages[6], ui.waitProgress.last(), column(colName).join(u""_s), column(colNo).last(),
                         state.serch.lstClass, state.serch.pNodeMax),
              std::tuple(u"カードリストを読み込んでいます。\r\nしばらくお待ち下さい...(7/5000)"_s, std::pair(5000, 5000),
                         u"byp"_s, u"P01"_s,
                         QStringList{u"（種族なし）"_s, u"獣"_s, u"竜"_s}, 7));
}

TEST_F(LoaderTest, MissingAndDamagedCatalogues)
{
    EXPECT_EQ(load(), -1);
    EXPECT_EQ(ui.messages, (Messages{{u"カードリストファイルが見つかりません。\r\n"_s + home.path() +
                                          u"/card/cardlist.iniが存在するか確認して下さい。"_s,
                                      u"エラー"_s}}));
    EXPECT_EQ(std::tuple(ui.waitEvents.contains(u"show"_s), ui.waitOpen, ui.controlsEnabled),
              std::tuple(false, false, QList<bool>{false, true}));

    // Random files are the profile fuzzer's; after a sound "Card" section, damage is of no use but harmless.
    Fixtures::writeBytes(home.cataloguePath(), "[Card]\r\nTotal=2\r\nDeck=50\r\nLimit=3\r\n[00\x81\r\n" +
                                                   QByteArray("=\0\xFF\r\n", 5) + "[001\r\nName=\x82\r\n\xFD]\r\n");
    ui = RecordingUi();
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(std::tuple(ui.messages, state.fpsCardList.rowCount(), ui.waitOpen), std::tuple(Messages(), 2, false));
    const QString longValue(5000, u'9');
    write(u"2"_s, {card(u"001"_s, longValue, {u"Class="_s + QString(5000, u'鬼')})});
    ASSERT_EQ(load(), 0);
    EXPECT_EQ(std::pair(cell(colName, 1), Cp932::encode(cell(colClass, 1)).size() <= 4095),
              std::pair(longValue.left(4095), true));
}

}  // namespace
