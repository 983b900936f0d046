// Runs on a 1024-pixel second screen right of the first: the view options cannot widen the window beyond
// it, and it stays on its own screen.

#include "app/CardGridView.h"
#include "app/frmTessarin.h"

#include "Fixtures.h"

#include <QCheckBox>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(NarrowScreenTest, FullViewTakesItsScreensWidthFromItsLeftEdge)
{
    Fixtures::TempHome home;
    home.writeCatalogue(Fixtures::catalogueLines(u"1"_s, u"1"_s, u"50"_s, u"3"_s, {{u"001"_s, {u"Name=札"_s}}}));
    frmTessarin w;
    QScreen* second = QGuiApplication::screenAt(QPoint(1920, 0));
    ASSERT_NE(second, nullptr);
    w.setScreen(second);
    ASSERT_TRUE(w.Form_Load());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_EQ(w.screen(), second);
    const int screen = w.screen()->geometry().width();
    ASSERT_EQ(screen, 1024);
    ASSERT_LT(screen, w.twips().toPx(w.baseWidth() + 6000));
    w.findChild<QCheckBox*>(u"chkFull"_s)->setChecked(true);
    EXPECT_EQ(w.frameGeometry().width(), screen);
    EXPECT_EQ(w.frameGeometry().left(), 1920);
    EXPECT_FALSE(w.grid()->isColumnHidden(colNode - 1));
}
