#pragma once

#include "QtPrinters.h"

// Widget tests only: answers the next modal dialog from a timer and records what it showed.

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool seen = false;
};

// Polls until a modal widget is up, lets inspect record it, then answers with press (a standard
// button of a message box) or calls act on it. The context object keeps the timer from leaking into
// later tests.
inline void answerNextMessageBox(QObject* context, ShownBox& out, QMessageBox::StandardButton press)
{
    auto* timer = new QTimer(context);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, context, [timer, &out, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        out.title = box->windowTitle();
        out.text = box->text();
        out.icon = box->icon();
        out.buttons = box->standardButtons();
        out.seen = true;
        box->button(press)->click();
    });
    timer->start();
}
