#include "MainWindowUi.h"

#include "CardGridModel.h"
#include "CardGridView.h"
#include "DeckFileDialog.h"
#include "frmTessarin.h"
#include "frmWait.h"

#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>

namespace {
constexpr qint64 kFrameMs = 15;
}

MainWindowUi::MainWindowUi(frmTessarin& window) : window_(window) { sinceEvents_.start(); }

MainWindowUi::~MainWindowUi() { delete wait_.data(); }

MsgResult MainWindowUi::messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons)
{
    // Also on standard error: the only trace a message leaves when the program runs unattended.
    qInfo().noquote() << title << u':' << text;
    QMessageBox box(window_.isVisible() ? &window_ : nullptr);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

QString MainWindowUi::chooseOpenFile(const QString& filter) { return DeckFileDialog::open(&window_, filter); }

QString MainWindowUi::chooseSaveFile(const QString& filter) { return DeckFileDialog::save(&window_, filter); }

void MainWindowUi::processEvents()
{
    if (sinceEvents_.elapsed() < kFrameMs)
        return;
    flushWait();
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

void MainWindowUi::setWindowTitle(const QString& title) { window_.setWindowTitle(title); }

void MainWindowUi::setControlsEnabled(bool enabled) { window_.flngControlEnabled(enabled); }

void MainWindowUi::setSearchEnabled(bool enabled) { window_.setSearchEnabled(enabled); }

void MainWindowUi::waitCreate()
{
    delete wait_.data();
    wait_ = new frmWait(&window_);
    pendingMessage_.clear();
    pendingMaximum_ = pendingValue_ = 0;
    waitDirty_ = false;
}

void MainWindowUi::waitShow()
{
    if (!wait_)
        return;
    if (QScreen* s = wait_->screen()) {
        const QRect g = s->geometry();
        wait_->move(g.center() - QPoint(wait_->width() / 2, wait_->height() / 2));
    }
    wait_->show();
    wait_->raise();
    flushWait();
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

bool MainWindowUi::waitProgressDue() { return wait_ && sinceEvents_.elapsed() >= kFrameMs; }

void MainWindowUi::waitSetMessage(const QString& text)
{
    pendingMessage_ = text;
    waitDirty_ = true;
}

void MainWindowUi::waitSetProgress(qint32 maximum, qint32 value)
{
    pendingMaximum_ = maximum;
    pendingValue_ = value;
    waitDirty_ = true;
}

void MainWindowUi::flushWait()
{
    if (!wait_ || !waitDirty_)
        return;
    waitDirty_ = false;
    if (!pendingMessage_.isNull())
        wait_->lblMessage()->setText(pendingMessage_);
    wait_->setProgress(pendingMaximum_, pendingValue_);
}

void MainWindowUi::waitClose()
{
    if (!wait_)
        return;
    flushWait();
    wait_->close();
    wait_->deleteLater();
    wait_ = nullptr;
}

void MainWindowUi::totalsChanged()
{
    // A whole new grid is shown at once rather than at the next turn of the event loop.
    window_.grid()->cardModel()->flushNow();
    window_.showTotals();
}
