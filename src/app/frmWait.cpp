#include "frmWait.h"

#include "platform/Twips.h"
#include "platform/modFuncRim.h"

#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

frmWait::frmWait(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      lblMessage_(new QLabel(u"実行中"_s, this)),
      pgbWait_(new QProgressBar(this))
{
    setObjectName(u"frmWait"_s);
    setWindowTitle(caption());
    const Twips t(screen() ? screen()->logicalDotsPerInchX() : 96.0);
    setFixedSize(t.toPx(4425), t.toPx(990));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);
    setAutoFillBackground(true);

    lblMessage_->setObjectName(u"lblMessage"_s);
    lblMessage_->setGeometry(t.toPx(120), t.toPx(120), t.toPx(4215), t.toPx(495));
    lblMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage_->setWordWrap(true);

    pgbWait_->setObjectName(u"pgbWait"_s);
    pgbWait_->setGeometry(0, t.toPx(720), t.toPx(4425), t.toPx(255));
    pgbWait_->setTextVisible(false);
    setProgress(0, 0);

    Form_Load();
}

void frmWait::setProgress(qint32 maximum, qint32 value)
{
    // Qt draws a busy bar for an empty range; a catalogue without regular cards gets an empty bar instead.
    pgbWait_->setRange(0, std::max(maximum, 1));
    pgbWait_->setValue(maximum > 0 ? value : 0);
}

QString frmWait::caption() { return u"実行中..."_s; }

void frmWait::Form_Load() { modFuncRim::fsubRemoveCloseMenu(this); }
