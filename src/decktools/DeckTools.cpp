#include "DeckTools.h"

#include "DeckToolsText.h"
#include "frmDeckStats.h"

#include "catalogue/EditorState.h"
#include "platform/AppInfo.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "sheet/DeckSheet.h"

#include <QMenu>
#include <QScreen>

#include <algorithm>

namespace {

// Beside the main window and inside its screen, so that the grid and the tool are seen together:
// to the right where it fits, else to the left, where it covers the preview pane rather than the
// step buttons. A window manager or compositor may still put it elsewhere.
void placeBeside(const QWidget& mainWindow, QWidget* window)
{
    const QScreen* s = mainWindow.screen();
    if (!s)
        return;
    const QRect avail = s->availableGeometry();
    const QRect main = mainWindow.frameGeometry();
    const QRect client = mainWindow.geometry();
    // A window not framed yet (not shown, or just shown under a window manager) will get a frame
    // like the main window's; until it has one, a shown window is moved by its client area.
    QRect own = window->frameGeometry();
    QPoint shift;
    if (own == window->geometry()) {
        own += QMargins(client.left() - main.left(), client.top() - main.top(), main.right() - client.right(),
                        main.bottom() - client.bottom());
        if (window->isVisible())
            shift = window->geometry().topLeft() - own.topLeft();
    }
    if (own.height() > avail.height()) {  // a low screen: the tool shares less height
        window->resize(window->width(), std::max(window->height() - (own.height() - avail.height()), 1));
        own.setHeight(avail.height());
    }
    const int x = main.right() + own.width() <= avail.right() ? main.right() + 1 : main.left() - own.width();
    window->move(QPoint(std::clamp(x, avail.left(), std::max(avail.left(), avail.right() + 1 - own.width())),
                        std::clamp(main.top(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - own.height()))) +
                 shift);
}

}  // namespace

DeckTools::DeckTools(QWidget& window, const EditorState& state, Ui& ui) : window_(window), state_(state), ui_(ui) {}

void DeckTools::addMenuEntries(QMenu& menu)
{
    menu.addAction(DeckToolsText::menuDeckStats(), &window_, [this] { showDeckStats(); });
    menu.addAction(DeckToolsText::menuDeckSheet(), &window_, [this] { saveDeckSheet(); });
}

void DeckTools::showDeckStats()
{
    if (!stats_) {
        stats_ = new frmDeckStats(state_.fpsCardList, &window_);
        placeBeside(window_, stats_);
    }
    stats_->refresh();
    stats_->show();
    stats_->raise();
    stats_->activateWindow();
}

frmDeckStats* DeckTools::deckStats() const { return stats_; }

void DeckTools::saveDeckSheet()
{
    try {
        ::saveDeckSheet(state_, ui_);
    } catch (const RuntimeError& e) {
        ui_.messageBox(e.description(), AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
    }
}

// Many changes in one turn of the event loop (a deck opening reloads, then replays) are drawn once.
void DeckTools::deckChanged()
{
    if (!stats_ || !stats_->isVisible() || statsPending_)
        return;
    statsPending_ = true;
    QMetaObject::invokeMethod(
        &window_,
        [this] {
            statsPending_ = false;
            if (stats_ && stats_->isVisible())
                stats_->refresh();
        },
        Qt::QueuedConnection);
}

void DeckTools::followWindow()
{
    if (stats_ && stats_->isVisible())
        placeBeside(window_, stats_);
}
