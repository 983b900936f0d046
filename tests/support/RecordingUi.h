#pragma once

#include "QtPrinters.h"

#include "platform/Ui.h"

#include <QList>
#include <QString>
#include <QStringList>

// A Ui that records what the logic shows and answers from a script: message boxes answer OK unless
// told otherwise, file dialogs answer the queued names ("" = cancelled).
class RecordingUi : public Ui {
public:
    struct Message {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
    };

    QList<Message> messages;
    QList<MsgResult> answers;        // taken from the front; OK when empty
    QStringList openAnswers;         // taken from the front; "" when empty
    QStringList saveAnswers;
    QStringList openFilters, saveFilters;
    QStringList titles;              // every title set, in order
    QList<bool> controlsEnabled;     // every flngControlEnabled call
    QList<bool> searchEnabled;
    QStringList waitEvents;          // "create", "show", "close"
    QStringList waitMessages;
    QList<std::pair<qint32, qint32>> waitProgress;
    int processEventsCalls = 0;
    int totalsChangedCalls = 0;
    bool waitOpen = false;
    bool waitShown = false;

    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    QString chooseOpenFile(const QString& filter) override;
    QString chooseSaveFile(const QString& filter) override;
    void processEvents() override { ++processEventsCalls; }
    void setWindowTitle(const QString& title) override { titles << title; }
    void setControlsEnabled(bool enabled) override { controlsEnabled << enabled; }
    void setSearchEnabled(bool enabled) override { searchEnabled << enabled; }
    void waitCreate() override;
    void waitShow() override;
    bool waitProgressDue() override { return true; }
    void waitSetMessage(const QString& text) override { waitMessages << text; }
    void waitSetProgress(qint32 maximum, qint32 value) override { waitProgress.append({maximum, value}); }
    void waitClose() override;
    void totalsChanged() override { ++totalsChangedCalls; }

    QString lastTitle() const { return titles.isEmpty() ? QString() : titles.last(); }
};
