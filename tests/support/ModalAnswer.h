#pragma once

#include "QtPrinters.h"

// Widget tests only: answers the next modal message box from a timer and records what it showed.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool seen = false;
};

// Polls until a message box is up, records it in out and presses the given standard button. The
// context object keeps the timer from leaking into later tests.
inline void answerNextMessageBox(QObject* context, ShownBox& out, QMessageBox::StandardButton press)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, &out, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        out = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), true};
        box->button(press)->click();
    });
    timer->start(10);
}
