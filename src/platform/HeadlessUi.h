#pragma once

#include "platform/Ui.h"

#include <QList>
#include <QString>

// A Ui without windows, for the command-line companion and benchmarks. Message boxes are kept for
// the caller's report and answered OK; the save dialog answers savePath.
class HeadlessUi : public Ui {
public:
    struct Message {
        QString text;
        QString title;
    };
    QList<Message> messages;
    QString savePath;

    MsgResult messageBox(const QString& text, const QString& title, MsgIcon, MsgButtons) override
    {
        messages.append({text, title});
        return MsgResult::Ok;
    }
    QString chooseOpenFile(const QString&) override { return {}; }
    QString chooseSaveFile(const QString&) override { return savePath; }
    void processEvents() override {}
    void setWindowTitle(const QString&) override {}
    void setControlsEnabled(bool) override {}
    void setSearchEnabled(bool) override {}
    void waitCreate() override {}
    void waitShow() override {}
    bool waitProgressDue() override { return false; }
    void waitSetMessage(const QString&) override {}
    void waitSetProgress(qint32, qint32) override {}
    void waitClose() override {}
    void totalsChanged() override {}
};
