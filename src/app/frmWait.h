#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The small window a catalogue load shows while it reads card by card. A new one for every load;
// the user cannot close it.
class frmWait : public QWidget {
    Q_OBJECT
public:
    explicit frmWait(QWidget* parent = nullptr);

    QLabel* lblMessage() const { return lblMessage_; }
    QProgressBar* pgbWait() const { return pgbWait_; }
    // The bar's maximum (the regular cards) and value (the card being read).
    void setProgress(qint32 maximum, qint32 value);

    static QString caption();  // "実行中..."

private:
    void Form_Load();

    QLabel* lblMessage_;
    QProgressBar* pgbWait_;
};
