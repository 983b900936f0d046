#include "search/HeaderSort.h"
#include "search/SearchConditions.h"
#include "search/SearchRun.h"

#include "Fixtures.h"
#include "RecordingUi.h"

#include "catalogue/CatalogueText.h"
#include "deck/CardGrid.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using SC = SearchConditions;

// Card numbers of the rows, of the hidden ones only if asked.
QStringList numbers(const CardGrid& grid, bool hiddenOnly)
{
    QStringList out;
    for (qint32 r = 1; r <= grid.rowCount(); ++r)
        if (!hiddenOnly || grid.rowHidden(r))
            out << grid.cellText(colNo, r);
    return out;
}

class SearchRun : public ::testing::Test {
protected:
    void writeCatalogue(const QString& ability1)
    {
        home.writeCatalogue(Fixtures::catalogueLines(
            u"3"_s, u"1"_s, u"50"_s, u"3"_s,
            {{u"001"_s, {u"Ability="_s + ability1, u"Skill=先制　飛行"_s}},
             {u"002"_s, {u"Ability=水を撒く"_s, u"ability=炎"_s}},  // the first of a name counts
             {u"003"_s, {u"Skill=飛行"_s, u"Illustration=絵"_s}},
             {u"P01"_s, {u"Ability=炎と水"_s, u"Skill=先制"_s}}}));
    }
    void SetUp() override
    {
        writeCatalogue(u"炎を放つ"_s);
        // "1" names section "001", as a card number of the grid may.
        const QString rows[][2] = {{u"1"_s, u"Spell"_s}, {u"002"_s, u"Spell"_s}, {u"003"_s, u"Character"_s},
                                   {u"P01"_s, u"Command"_s}};
        grid.setRowCount(4);
        for (qint32 r = 1; r <= 4; ++r)
            grid.setCellText(colNo, r, rows[r - 1][0]), grid.setCellText(colType, r, rows[r - 1][1]);
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
        {[](SC&) {}, {}},  // and every row hidden before is shown again
    };
    for (const auto& c : cases) {
        SC s;
        c.set(s);
        const qint32 result = applySearch(s, grid, ui);
        EXPECT_EQ(std::tuple(result, numbers(grid, true), ui.messages), std::tuple(0, c.hidden, Messages()));
    }

    // A catalogue there but unreadable: one message for the run, and every row shown.
    grid.setRowHidden(2, true);
    QFile::remove(home.cataloguePath());
    QDir().mkpath(home.cataloguePath());
    applySearch(SC(), grid, ui);
    EXPECT_EQ(std::pair(ui.messages, numbers(grid, true)),
              std::pair(Messages{{CatalogueText::missingFileMessage(home.path()), u"エラー"_s, MsgIcon::None,
                                  MsgButtons::Ok}}, QStringList()));
}

// Runs take the parse the profile cache keeps, yet see an edit that keeps the file's size and time.
TEST_F(SearchRun, AnEditedCatalogueIsReadAgain)
{
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    SC s;
    s.chkAbility = false, s.txtAbility1 = u"炎"_s;
    const Fixtures::SettledFiles settled;  // so the parse is kept
    for (const QString& ability1 : {u"炎を放つ"_s, u"水を放つ"_s}) {
        writeCatalogue(ability1);
        QFile f(home.cataloguePath());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(old, QFileDevice::FileModificationTime));
        applySearch(s, grid, ui);
        EXPECT_EQ(grid.rowHidden(1), ability1 != u"炎を放つ") << ability1.toStdString();
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
                grid->sort({{colNo, true}});
        }
    } sorting;
    sorting.grid = &grid;
    SC s;
    s.chkAbility = false;
    s.txtAbility1 = u"水"_s;
    applySearch(s, grid, sorting);
    EXPECT_EQ(numbers(grid, true), QStringList({u"003"_s, u"1"_s}));
}

// Header clicks are covered by the dialog's tests; cards of the same (empty) name need the type key.
TEST_F(SearchRun, HeaderSortTiesGoByTypeThenNumber)
{
    grid.sort(headerSortKeys(colName, 1));
    EXPECT_EQ(numbers(grid, false), (QStringList{u"003"_s, u"P01"_s, u"1"_s, u"002"_s}));
}

}  // namespace
