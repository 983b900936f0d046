// Runs on a 1024-pixel screen: the view options cannot widen the window beyond it.

#include "app/CardGridView.h"
#include "app/frmTessarin.h"

#include "Fixtures.h"

#include <QCheckBox>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(NarrowScreenTest, FullViewTakesTheScreenWidthFromItsLeftEdge)
{
    Fixtures::TempHome home;
    home.writeCatalogue(Fixtures::catalogueLines(u"1"_s, u"1"_s, u"50"_s, u"3"_s, {{u"001"_s, {u"Name=札"_s}}}));
    frmTessarin w;
    ASSERT_TRUE(w.Form_Load());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const int screen = w.screen()->geometry().width();
    ASSERT_EQ(screen, 1024);
    ASSERT_LT(screen, w.twips().toPx(w.baseWidth() + 6000));
    w.findChild<QCheckBox*>(u"chkFull"_s)->setChecked(true);
    EXPECT_EQ(w.frameGeometry().width(), screen);
    EXPECT_EQ(w.frameGeometry().left(), 0);
    EXPECT_FALSE(w.grid()->isColumnHidden(colNode - 1));
}
