#pragma once

#include "platform/Ui.h"

#include <QList>
#include <QString>

// The Ui of the command-line companion: no windows. Message boxes are kept for the report and
// answered OK; the save dialog answers the output file named on the command line.
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
