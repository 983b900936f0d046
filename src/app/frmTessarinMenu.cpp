// The main window's context menu on a card row and the deck statistics window it opens.

#include "CardGridView.h"
#include "MainWindowText.h"
#include "frmDeckStats.h"
#include "frmTessarin.h"

#include <QMenu>

void frmTessarin::fpsCardList_ContextMenu(qint32 Row, const QPoint& globalPos)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuCard"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Each count entry is a press of that row's step button, with the same limits, colours and totals.
    const auto press = [&](const QString& text, qint32 col) {
        menu->addAction(text, this, [this, col, Row] { fpsCardList_ButtonClicked(col, Row, 0); });
    };
    press(MainWindowText::menuDeckUp(), colDeckUp);
    press(MainWindowText::menuDeckDown(), colDeckDown);
    if (!state_.fpsCardList.columnHidden(colSide)) {
        press(MainWindowText::menuSideUp(), colSideUp);
        press(MainWindowText::menuSideDown(), colSideDown);
    }
    menu->addAction(MainWindowText::menuShowCard(), this, [this, Row] { fpsCardList_DblClick(colName, Row); });
    menu->addSeparator();
    menu->addAction(MainWindowText::menuDeckStats(), this, &frmTessarin::showDeckStats);
    menu->addAction(MainWindowText::menuDeckSheet(), this, &frmTessarin::saveDeckSheet);
    menu->popup(globalPos);
}

void frmTessarin::showDeckStats()
{
    if (!stats_)
        stats_ = new frmDeckStats(state_.fpsCardList, this);
    stats_->refresh();
    stats_->show();
    stats_->raise();
    stats_->activateWindow();
}

// Many changes in one turn of the event loop (a deck opening reloads, then replays) are drawn once.
void frmTessarin::fsubStatsChanged()
{
    if (!stats_ || !stats_->isVisible() || statsPending_)
        return;
    statsPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            statsPending_ = false;
            if (stats_ && stats_->isVisible())
                stats_->refresh();
        },
        Qt::QueuedConnection);
}

frmDeckStats* frmTessarin::deckStats() const { return stats_; }
