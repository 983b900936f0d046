#pragma once

#include <QString>

// The one narrow way from the logic to the user. The windows implement it with Qt; tests implement
// it with a recorder that answers message boxes and file choices from a script.
enum class MsgIcon { None, Information, Warning, Error };
enum class MsgButtons { Ok, OkCancel };
enum class MsgResult { Ok, Cancel };

class Ui {
public:
    virtual ~Ui() = default;

    virtual MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) = 0;

    // A file chosen by the user; "" when the user cancelled. Filters are given in the
    // "description|pattern|description|pattern" form of the deck dialogs.
    virtual QString chooseOpenFile(const QString& filter) = 0;
    virtual QString chooseSaveFile(const QString& filter) = 0;

    // Lets pending user-interface events run; implementations may throttle it.
    virtual void processEvents() = 0;

    // The main window's title, its main controls (flngControlEnabled) and its search button.
    virtual void setWindowTitle(const QString& title) = 0;
    virtual void setControlsEnabled(bool enabled) = 0;
    virtual void setSearchEnabled(bool enabled) = 0;

    // The wait window of one catalogue load: created hidden, maybe shown, written, closed.
    virtual void waitCreate() = 0;
    virtual void waitShow() = 0;
    // Whether a progress update would be seen now: texts are built at most once per frame.
    virtual bool waitProgressDue() = 0;
    virtual void waitSetMessage(const QString& text) = 0;
    virtual void waitSetProgress(qint32 maximum, qint32 value) = 0;
    virtual void waitClose() = 0;

    // The grid or the totals changed outside an event the window already knows of.
    virtual void totalsChanged() = 0;
};
