#include "platform/modFuncRim.h"

#include "WindowSystemClose.h"

#include <gtest/gtest.h>

namespace {

TEST(closeMenu, OnlyTheProgramClosesTheWindow)
{
    // Unprotected, the window system's request closes a window: the path the filter must stop is the real one.
    QWidget plain;
    plain.show();
    ASSERT_NE(plain.windowHandle(), nullptr);
    EXPECT_TRUE(windowSystemClose(plain));
    EXPECT_FALSE(plain.isVisible());

    QWidget w;
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(&w), 1);
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(&w), 1);
    w.show();
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(windowSystemClose(w));
        EXPECT_TRUE(w.isVisible());
    }
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    w.show();
    EXPECT_TRUE(w.windowHandle()->close());  // the program's own close through the QWindow
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(nullptr), 0);
}

}  // namespace
