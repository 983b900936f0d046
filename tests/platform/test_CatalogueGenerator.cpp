#include "CatalogueGenerator.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "platform/clsWindowsAPI.h"

#include "Fixtures.h"
#include "RecordingUi.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What the benchmarks measure must be a catalogue the editor reads in full.
TEST(CatalogueGenerator, TheSameSeedTheSameBytesAndTheLoaderReadsEveryCard)
{
    const QByteArray bytes = generateCatalogue(200, 3, 11);
    EXPECT_EQ(std::pair(generateCatalogue(200, 3, 11) == bytes, generateCatalogue(200, 3, 12) == bytes),
              std::pair(true, false));
    EXPECT_FALSE(bytes.contains('?')) << "every character has a CP932 form";

    const Fixtures::TempHome home;
    home.withBytes(u"card/cardlist.ini"_s, bytes);
    EditorState state;
    RecordingUi ui;
    ASSERT_EQ(flngLoadCardList(state, ui, false), 0);
    const CardGrid& grid = state.fpsCardList;
    clsWindowsAPI profile;  // the search's text conditions read the card texts from there
    profile.setIniFileName(home.cataloguePath());
    QSet<QString> names;
    qint32 withAbility = 0;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        names.insert(grid.cellText(colName, r));
        withAbility += !profile.GetInitValue(u"Ability"_s, grid.cellText(colNo, r)).isEmpty();
    }
    EXPECT_EQ(std::tuple(grid.rowCount(), grid.cellText(colNo, 200), grid.cellText(colNo, 203), names.size(), withAbility),
              std::tuple(203, u"200"_s, u"P03"_s, 203, 203));
    EXPECT_TRUE(ui.messages.isEmpty());
}

}  // namespace
