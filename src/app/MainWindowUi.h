#pragma once

#include "platform/Ui.h"

#include <QElapsedTimer>
#include <QPointer>

class frmTessarin;
#include "frmWait.h"

// The main window's side of Ui. Letting events run, and writing the wait window, happen at most
// about once per frame: an idle processEvents is cheap, a repaint per card is not.
class MainWindowUi : public Ui {
public:
    explicit MainWindowUi(frmTessarin& window);
    ~MainWindowUi() override;

    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    QString chooseOpenFile(const QString& filter) override;
    QString chooseSaveFile(const QString& filter) override;
    void processEvents() override;
    void setWindowTitle(const QString& title) override;
    void setControlsEnabled(bool enabled) override;
    void setSearchEnabled(bool enabled) override;
    void waitCreate() override;
    void waitShow() override;
    bool waitProgressDue() override;
    void waitSetMessage(const QString& text) override;
    void waitSetProgress(qint32 maximum, qint32 value) override;
    void waitClose() override;
    void totalsChanged() override;

    frmWait* waitWindow() const { return wait_; }

private:
    void flushWait();

    frmTessarin& window_;
    QPointer<frmWait> wait_;
    QString pendingMessage_;
    qint32 pendingMaximum_ = 0;
    qint32 pendingValue_ = 0;
    bool waitDirty_ = false;
    QElapsedTimer sinceEvents_;
};
