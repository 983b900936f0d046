#pragma once

#include "QtPrinters.h"

#include "platform/Ui.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A Ui that records what the logic shows: message boxes answer OK, file dialogs answer the queued
// names ("" = cancelled).
class RecordingUi : public Ui {
public:
    struct Message {
        QString text;
        QString title;
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
        bool operator==(const Message&) const = default;
        friend void PrintTo(const Message& m, std::ostream* os)
        {
            *os << '{' << m.text.toStdString() << " | " << m.title.toStdString() << " | icon " << int(m.icon)
                << " | buttons " << int(m.buttons) << '}';
        }
    };

    QList<Message> messages;
    QStringList openAnswers, saveAnswers;  // taken from the front; "" when empty
    QStringList openFilters, saveFilters;
    QStringList titles;           // every title set, in order
    QList<bool> controlsEnabled;  // every flngControlEnabled call
    QList<bool> searchEnabled;
    QStringList waitEvents;  // "create", "show", "close"
    QStringList waitMessages;
    QList<std::pair<qint32, qint32>> waitProgress;
    int processEventsCalls = 0;
    // What a player does while events run: called on every processEvents().
    std::function<void()> duringEvents;
    bool waitOpen = false;

    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override
    {
        messages.append({text, title, icon, buttons});
        return MsgResult::Ok;
    }
    QString chooseOpenFile(const QString& filter) override { return take(openFilters, filter, openAnswers); }
    QString chooseSaveFile(const QString& filter) override { return take(saveFilters, filter, saveAnswers); }
    void processEvents() override
    {
        ++processEventsCalls;
        if (duringEvents)
            duringEvents();
    }
    void setWindowTitle(const QString& title) override { titles << title; }
    void setControlsEnabled(bool enabled) override { controlsEnabled << enabled; }
    void setSearchEnabled(bool enabled) override { searchEnabled << enabled; }
    void waitCreate() override { waitEvents << QStringLiteral("create"); waitOpen = true; }
    void waitShow() override { waitEvents << QStringLiteral("show"); waitOpen = true; }
    bool waitProgressDue() override { return true; }
    void waitSetMessage(const QString& text) override { waitMessages << text; }
    void waitSetProgress(qint32 maximum, qint32 value) override { waitProgress.append({maximum, value}); }
    void waitClose() override { waitEvents << QStringLiteral("close"); waitOpen = false; }
    void totalsChanged() override {}

    QString lastTitle() const { return titles.isEmpty() ? QString() : titles.last(); }

private:
    static QString take(QStringList& filters, const QString& filter, QStringList& answers)
    {
        filters << filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

using Messages = QList<RecordingUi::Message>;
