#include "platform/modFuncRim.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

// The window manager's close request arrives as a close event on the widget's QWindow, which hands
// it to the widget as a spontaneous event. QWindow::close() is not that path in Qt 6.4: it marks
// itself as the program's own close and the widget sees a plain event. So the tests deliver the
// request to the QWindow, as the platform layer does.

namespace {

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

bool windowSystemClose(QWidget& w)
{
    QCloseEvent request;
    QCoreApplication::sendEvent(w.windowHandle(), &request);
    return request.isAccepted();
}

TEST(closeMenu, WindowSystemRequestReachesTheWidgetAsSpontaneous)
{
    // Unprotected, the request closes the window: the path the filter guards is the real one.
    QWidget w;
    CloseSpy spy;
    w.installEventFilter(&spy);
    w.show();
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_TRUE(windowSystemClose(w));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(spy.spontaneous, QList<bool>{true});
}

TEST(closeMenu, OnlyTheProgramClosesTheWindow)
{
    QWidget w;
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(&w), 1);
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(&w), 1);
    w.show();
    EXPECT_FALSE(windowSystemClose(w));
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(windowSystemClose(w));
    EXPECT_TRUE(w.isVisible());

    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());

    w.show();
    EXPECT_TRUE(w.windowHandle()->close());  // the program's own close through the QWindow
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(modFuncRim::fsubRemoveCloseMenu(nullptr), 0);
}

}  // namespace
