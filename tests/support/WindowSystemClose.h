#pragma once

// Widget tests only: the window manager's close request (the title-bar close box).

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

// The request arrives as a close event on the widget's QWindow, which hands it on to the widget as a
// spontaneous event; QWindow::close() is the program's own close, not this path. Answers whether
// the window agreed to close.
inline bool windowSystemClose(QWidget& w)
{
    if (!w.windowHandle())
        return true;
    QCloseEvent request;
    QCoreApplication::sendEvent(w.windowHandle(), &request);
    return request.isAccepted();
}
