#include "search/HeaderSort.h"
#include "search/SearchConditions.h"
#include "search/SearchRun.h"

#include "Fixtures.h"
#include "RecordingUi.h"

#include "catalogue/CatalogueText.h"
#include "deck/CardGrid.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using SC = SearchConditions;

// Rows as "No,Type,Name,Deck,Side" texts.
void fill(CardGrid& grid, const QStringList& rows)
{
    grid.setRowCount(qint32(rows.size()));
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        const QStringList cells = rows[r - 1].split(u',');
        for (qsizetype i = 0; i < cells.size(); ++i)
            grid.setCellText(std::array{colNo, colType, colName, colDeck, colSide}[size_t(i)], r, cells[i]);
    }
}

QStringList column(const CardGrid& grid, bool hiddenOnly)
{
    QStringList out;
    for (qint32 r = 1; r <= grid.rowCount(); ++r)
        if (!hiddenOnly || grid.rowHidden(r))
            out << grid.cellText(colNo, r);
    return out;
}

class SearchRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.writeCatalogue(Fixtures::catalogueLines(
            u"3"_s, u"1"_s, u"50"_s, u"3"_s,
            {{u"001"_s, {u"Ability=炎を放つ"_s, u"Skill=先制　飛行"_s}},
             {u"002"_s, {u"Ability=水を撒く"_s}},
             {u"003"_s, {u"Skill=飛行"_s, u"Illustration=絵"_s}},
             {u"P01"_s, {u"Ability=炎と水"_s, u"Skill=先制"_s}}}));
        // "1" names section "001", as a card number of the grid may.
        fill(grid, {u"1,Spell"_s, u"002,Spell"_s, u"003,Character"_s, u"P01,Command"_s});
    }
    Fixtures::TempHome home;
    CardGrid grid;
    RecordingUi ui;
};

TEST_F(SearchRun, CatalogueConditionsReadTheCardsSection)
{
    const struct {
        std::function<void(SC&)> set;
        QStringList hidden;
    } cases[] = {
        {[](SC& s) { s.chkAbility = false, s.txtAbility1 = u"炎"_s; }, {u"002"_s, u"003"_s}},
        {[](SC& s) { s.chkSkill = false, s.lstSkill = {u"（無し）"_s, u"先制"_s}; }, {u"003"_s}},
        {[](SC& s) { s.chkIllustration = false, s.txtIllustration1 = u"絵"_s; }, {u"1"_s, u"002"_s, u"P01"_s}},
        {[](SC& s) { s.chkType = false, s.chkTypeSpell = true, s.chkText = false; }, column(grid, false)},
        {[](SC&) {}, {}},  // and every row hidden before is shown again
    };
    for (const auto& c : cases) {
        SC s;
        c.set(s);
        EXPECT_EQ(applySearch(s, grid, ui), 0);
        EXPECT_EQ(column(grid, true), c.hidden);
    }
    EXPECT_TRUE(ui.messages.isEmpty());

    // Missing, or there but unreadable: one message for the run, and every row shown.
    for (const bool asFolder : {false, true}) {
        grid.setRowHidden(2, true);
        QFile::remove(home.cataloguePath());
        if (asFolder)
            QDir().mkpath(home.cataloguePath());
        ui.messages.clear();
        applySearch(SC(), grid, ui);
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].text, CatalogueText::missingFileMessage(home.path()));
        EXPECT_EQ(ui.messages[0].title, u"エラー"_s);
        EXPECT_TRUE(column(grid, true).isEmpty());
    }
}

// A header click while the run lets events through reorders the rows under it.
TEST_F(SearchRun, RowsReorderedDuringTheRunGetTheirOwnFlags)
{
    struct SortingUi : RecordingUi {
        CardGrid* grid = nullptr;
        void processEvents() override
        {
            if (++processEventsCalls == 3)
                grid->sort(headerSortKeys(colNo, 2));
        }
    } sorting;
    sorting.grid = &grid;
    SC s;
    s.chkAbility = false;
    s.txtAbility1 = u"水"_s;
    applySearch(s, grid, sorting);
    EXPECT_EQ(column(grid, true), QStringList({u"003"_s, u"1"_s}));
}

TEST(HeaderSort, KeysAndTieBreaks)
{
    const struct {
        qint32 col, direction;
        const char16_t* order;
    } cases[] = {
        {colDeck, 1, u"003 001 002 005 004"}, {colDeck, 2, u"002 005 004 001 003"},
        {colName, 1, u"002 003 005 001 004"}, {colName, 2, u"004 003 005 001 002"},
        {colName, 7, u"002 003 005 001 004"},  // an unknown code sorts ascending
    };
    for (const auto& c : cases) {
        CardGrid grid;
        fill(grid, {u"005,Character,b,2,1"_s, u"004,Spell,c,2,1"_s, u"003,Character,b,0,0"_s,
                    u"002,Character,a,2,1"_s, u"001,Spell,b,2,0"_s});
        grid.sort(headerSortKeys(c.col, c.direction));
        EXPECT_EQ(column(grid, false).join(u' '), QString::fromUtf16(c.order)) << c.col << "/" << c.direction;
    }
}

}  // namespace
