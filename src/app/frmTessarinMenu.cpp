// The main window's context menu on a card row and the deck statistics window it opens.

#include "CardGridView.h"
#include "MainWindowText.h"
#include "frmDeckStats.h"
#include "frmTessarin.h"

#include <QMenu>
#include <QScreen>

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
    if (!stats_) {
        stats_ = new frmDeckStats(state_.fpsCardList, this);
        placeBeside(stats_);
    }
    stats_->refresh();
    stats_->show();
    stats_->raise();
    stats_->activateWindow();
}

// Beside the main window and inside its screen, so that the grid and the charts are seen together:
// to the right where it fits, else to the left, where it covers the preview pane rather than the
// step buttons. Placed again whenever a view option changes the main window's width. A window
// manager or compositor may still put it elsewhere.
void frmTessarin::placeBeside(QWidget* window) const
{
    const QScreen* s = screen();
    if (!s)
        return;
    const QRect avail = s->availableGeometry();
    const QRect main = frameGeometry();
    // A window not framed yet (not shown, or just shown under a window manager) will get a frame
    // like the main window's; until it has one, a shown window is moved by its client area.
    QRect own = window->frameGeometry();
    QPoint shift;
    if (own == window->geometry()) {
        own += QMargins(geometry().left() - main.left(), geometry().top() - main.top(),
                        main.right() - geometry().right(), main.bottom() - geometry().bottom());
        if (window->isVisible())
            shift = window->geometry().topLeft() - own.topLeft();
    }
    if (own.height() > avail.height()) {  // a low screen: the charts share less height
        window->resize(window->width(), std::max(window->height() - (own.height() - avail.height()), 1));
        own.setHeight(avail.height());
    }
    const int x = main.right() + own.width() <= avail.right() ? main.right() + 1 : main.left() - own.width();
    window->move(QPoint(std::clamp(x, avail.left(), std::max(avail.left(), avail.right() + 1 - own.width())),
                        std::clamp(main.top(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - own.height()))) +
                 shift);
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
