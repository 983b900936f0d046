#include "platform/modFuncRim.h"

#include <QCloseEvent>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// Notes whether each close event reaching the widget came from the window system.
class CloseSpy : public QObject {
public:
    QList<bool> spontaneous;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            spontaneous << event->spontaneous();
        return false;
    }
};

TEST(closeMenu, WindowSystemCloseReachesTheWidgetAsSpontaneous)
{
    // Without the filter the window system's request closes the window: the path under test is real.
    QWidget w;
    CloseSpy spy;
    w.installEventFilter(&spy);
    w.show();
    ASSERT_NE(w.windowHandle(), nullptr);
    w.windowHandle()->close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(spy.spontaneous, QList<bool>{true});
}

TEST(closeMenu, OnlyTheProgramClosesTheWindow)
{
    QWidget w;
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(&w), 1);
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(&w), 1);
    w.show();
    w.windowHandle()->close();
    EXPECT_TRUE(w.isVisible());

    QCloseEvent request;
    QCoreApplication::sendEvent(&w, &request);  // not spontaneous: the program's own request
    EXPECT_TRUE(request.isAccepted());

    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(nullptr), 0);
}

}  // namespace
