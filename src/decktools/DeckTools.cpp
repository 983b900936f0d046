#include "DeckTools.h"

#include "DeckToolsText.h"
#include "frmDeckCompare.h"
#include "frmDeckHand.h"
#include "frmDeckListImport.h"
#include "frmDeckStats.h"

#include "catalogue/EditorState.h"
#include "deckfile/DeckFileText.h"
#include "deckfile/DeckListText.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "sheet/DeckSheet.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>

#include <algorithm>
#include <utility>

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

DeckTools::DeckTools(QWidget& window, EditorState& state, Ui& ui) : window_(window), state_(state), ui_(ui)
{
    // Actions of the main window, so that their keys work wherever its focus is, and the menu
    // shows them.
    copy_ = new QAction(DeckToolsText::menuCopyList(), &window);
    copy_->setObjectName(QStringLiteral("actCopyList"));
    copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(copy_, &QAction::triggered, &window, [this] { copyList(); });
    import_ = new QAction(DeckToolsText::menuImportList(), &window);
    import_->setObjectName(QStringLiteral("actImportList"));
    import_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    QObject::connect(import_, &QAction::triggered, &window, [this] { importList(); });
    window.addAction(copy_);
    window.addAction(import_);
}

DeckTools::~DeckTools() = default;

void DeckTools::setLinks(Links links) { links_ = std::move(links); }

void DeckTools::addMenuEntries(QMenu& menu)
{
    menu.addAction(DeckToolsText::menuDeckStats(), &window_, [this] { showDeckStats(); });
    menu.addAction(DeckToolsText::menuDeckSheet(), &window_, [this] { saveDeckSheet(); });
}

void DeckTools::addLaterMenuEntries(QMenu& menu)
{
    menu.addSeparator();
    menu.addAction(DeckToolsText::menuDeckHand(), &window_, [this] { showDeckHand(); });
    menu.addAction(DeckToolsText::menuDeckCompare(), &window_, [this] { compareDeck(); });
    menu.addAction(copy_);
    menu.addAction(import_);
}

// A tool window shown, in front; placed beside the main window when it opens.
void DeckTools::open(QWidget* tool)
{
    if (!tool->isVisible())
        placeBeside(window_, tool);
    tool->show();
    tool->raise();
    tool->activateWindow();
}

void DeckTools::showDeckStats()
{
    if (!stats_)
        stats_ = new frmDeckStats(state_.fpsCardList, &window_);
    stats_->refresh();
    open(stats_);
}

frmDeckStats* DeckTools::deckStats() const { return stats_; }

void DeckTools::saveDeckSheet()
{
    reportRuntimeErrors(ui_, [this] { ::saveDeckSheet(state_, ui_); });
}

void DeckTools::showDeckHand()
{
    if (!hand_) {
        hand_ = new frmDeckHand(state_.fpsCardList, links_.settings, &window_);
        hand_->openCard = [this](const QString& no) {
            if (links_.openCard)
                links_.openCard(no);
        };
    } else {
        hand_->refresh();
    }
    open(hand_);
}

frmDeckHand* DeckTools::deckHand() const { return hand_; }

void DeckTools::compareDeck()
{
    reportRuntimeErrors(ui_, [this] {
        const QString path = ui_.chooseOpenFile(DeckFileText::openFilter());
        if (path.isEmpty())
            return;
        auto other = std::make_unique<EditorState>();
        QString told;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const OpenResult opened = [&] {
            const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
            return openDeckAside(*other, path, &told);
        }();
        if (opened.outcome != OpenResult::Outcome::Opened) {
            ui_.messageBox(DeckToolsText::compareFailed(path, told.isEmpty() ? DeckToolsText::unreadable() : told),
                           DeckToolsText::compareTitle(), MsgIcon::Warning, MsgButtons::Ok);
            return;
        }
        if (!opened.complete())
            ui_.messageBox(DeckToolsText::compareStopped(path, opened.stopLine) +
                               (opened.error.isEmpty() ? QString() : QStringLiteral("\r\n") + opened.error),
                           DeckToolsText::compareTitle(), MsgIcon::Warning, MsgButtons::Ok);
        if (!compare_) {
            compare_ = new frmDeckCompare(state_, &window_);
            compare_->chooseOther = [this] { compareDeck(); };
        }
        compare_->setOther(std::move(other), path);
        open(compare_);
    });
}

frmDeckCompare* DeckTools::deckCompare() const { return compare_; }

void DeckTools::setKeysEnabled(bool enabled)
{
    copy_->setEnabled(enabled);
    import_->setEnabled(enabled);
}

void DeckTools::copyList() { QGuiApplication::clipboard()->setText(deckListText(state_, state_.deckName)); }

void DeckTools::importList()
{
    reportRuntimeErrors(ui_, [this] {
        frmDeckListImport dialog(state_, QGuiApplication::clipboard()->text(), &window_);
        if (dialog.exec() != QDialog::Accepted || !links_.recordChange)
            return;
        const QString text = dialog.text();
        links_.recordChange([&] { loadDeckList(state_, ui_, text); }, [] { return DeckListText::loadStep(); });
    });
}

// Many changes in one turn of the event loop (a deck opening reloads, then replays) are drawn once.
void DeckTools::deckChanged()
{
    const auto shown = [](QWidget* tool) { return tool && tool->isVisible(); };
    if (held_ > 0)
        changedWhileHeld_ = true;
    if (held_ > 0 || redrawPending_ || !(shown(stats_) || shown(hand_) || shown(compare_)))
        return;
    redrawPending_ = true;
    QMetaObject::invokeMethod(
        &window_,
        [this, shown] {
            redrawPending_ = false;
            if (held_ > 0) {
                changedWhileHeld_ = true;
                return;
            }
            if (shown(stats_))
                stats_->refresh();
            if (shown(hand_))
                hand_->refresh();
            if (shown(compare_))
                compare_->refresh();
        },
        Qt::QueuedConnection);
}

DeckTools::Held::~Held()
{
    if (--tools_.held_ == 0 && std::exchange(tools_.changedWhileHeld_, false))
        tools_.deckChanged();
}

void DeckTools::followWindow()
{
    for (QWidget* tool : {static_cast<QWidget*>(stats_), static_cast<QWidget*>(hand_), static_cast<QWidget*>(compare_)})
        if (tool && tool->isVisible())
            placeBeside(window_, tool);
}
