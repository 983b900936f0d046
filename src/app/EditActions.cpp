#include "EditActions.h"

#include "MainWindowText.h"

#include "catalogue/EditorState.h"
#include "history/HistoryText.h"
#include "platform/RuntimeError.h"
#include "platform/desktop/FileDialog.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QWidget>

using namespace Qt::StringLiterals;

EditActions::EditActions(QWidget& window, EditorState& state, Ui& ui, Buttons buttons,
                         std::function<void(QString)> openDeck)
    : QObject(&window), state_(state), ui_(ui), openDeck_(std::move(openDeck))
{
    // Each shortcut does what its button does: a disabled button does nothing.
    const std::pair<QPushButton*, QKeySequence> keys[] = {{buttons.open, QKeySequence::Open},
                                                          {buttons.save, QKeySequence::Save},
                                                          {buttons.search, QKeySequence::Find}};
    for (const auto& [button, key] : keys) {
        auto* action = new QAction(button->text(), &window);
        action->setShortcut(key);
        connect(action, &QAction::triggered, button, [b = button] { b->click(); });
        window.addAction(action);
    }
    undo_ = new QAction(&window);
    undo_->setObjectName(u"actUndo"_s);
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = new QAction(&window);
    redo_->setObjectName(u"actRedo"_s);
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, [this] { takeStep(true); });
    connect(redo_, &QAction::triggered, this, [this] { takeStep(false); });
    window.addAction(undo_);
    window.addAction(redo_);
    if (const QString folder = recent_.lastFolder(); !folder.isEmpty())
        FileDialog::setLastFolder(folder);
    refresh();
}

EditActions::~EditActions() = default;

void EditActions::refresh()
{
    const DeckStep* back = history_.nextUndo();
    const DeckStep* again = history_.nextRedo();
    undo_->setText(back ? HistoryText::entry(HistoryText::undo(), back->label) : HistoryText::undo());
    redo_->setText(again ? HistoryText::entry(HistoryText::redo(), again->label) : HistoryText::redo());
    undo_->setEnabled(back && enabled_ && !changing_);
    redo_->setEnabled(again && enabled_ && !changing_);
}

void EditActions::setStepsEnabled(bool enabled)
{
    enabled_ = enabled;
    refresh();
}

void EditActions::takeStep(bool undo)
{
    if (!enabled_ || changing_)
        return;
    reportRuntimeErrors(ui_, [&] {
        if (undo ? history_.undo(state_, ui_) : history_.redo(state_, ui_))
            refresh();
    });
}

bool EditActions::press(qint32 col, qint32 row)
{
    const bool changed = history_.press(state_, col, row);
    refresh();
    return changed;
}

void EditActions::recordChange(const std::function<void()>& change, const std::function<QString()>& label)
{
    changing_ = true;
    refresh();
    const auto done = qScopeGuard([this] {
        changing_ = false;
        refresh();
    });
    history_.recordChange(state_, change, label);
}

void EditActions::used(const QString& path)
{
    recent_.add(path);
    if (!FileDialog::lastFolder().isEmpty())
        recent_.setLastFolder(FileDialog::lastFolder());
}

void EditActions::addMenuEntries(QMenu& menu)
{
    menu.addSeparator();
    menu.addAction(undo_);
    menu.addAction(redo_);
    QMenu* recent = menu.addMenu(MainWindowText::menuRecentDecks());
    recent->setObjectName(u"mnuRecent"_s);
    for (const QString& path : recent_.files()) {
        const QFileInfo file(path);
        QAction* entry = recent->addAction(file.fileName(), this, [this, path] { openDeck_(path); });
        entry->setToolTip(file.absolutePath());
    }
    recent->setToolTipsVisible(true);
    recent->addSeparator();
    recent->addAction(MainWindowText::menuClearRecent(), this, [this] { recent_.clear(); });
}
