// The main window's grid events: the step buttons, clicks and keys on cards and headers, and the
// context menu of a card row.

#include "CardGridView.h"
#include "EditActions.h"
#include "MainWindowText.h"
#include "frmTessarin.h"

#include "cardview/CardDisplay.h"
#include "deck/CountEditing.h"
#include "decktools/DeckTools.h"
#include "search/SearchController.h"

#include <QMenu>

void frmTessarin::fpsCardList_ButtonClicked(qint32 Col, qint32 Row, qint16 ButtonDown)
{
    handle([&] {
        Q_UNUSED(ButtonDown);
        edit_->press(Col, Row);
        showTotals();
    });
}

void frmTessarin::fpsCardList_Click(qint32 Col, qint32 Row)
{
    cards_->previewCell(Col, Row);
    if (Row == 0) {
        fsubGridShown(false);
        fpsCardList_->clearGridSelection();
        search_->sortByHeader(Col);
        fsubGridShown(true);
    } else if (Col >= 1 && Col <= colSideUp) {
        fpsCardList_->selectGridBlock(colNo, Row, colDeck, Row);
    }
}

void frmTessarin::fpsCardList_LeaveCell(qint32 Col, qint32 Row, qint32 NewCol, qint32 NewRow, bool* Cancel)
{
    Q_UNUSED(Col);
    Q_UNUSED(Row);
    Q_UNUSED(Cancel);
    cards_->previewCell(NewCol, NewRow);
}

void frmTessarin::fpsCardList_DblClick(qint32 Col, qint32 Row)
{
    cards_->openCard(Col, Row);
    if (Row >= 1 && Col >= 1 && Col <= colSideUp)
        fpsCardList_->selectGridBlock(colNo, Row, colDeck, Row);
}

void frmTessarin::fpsCardList_KeyDown(int KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    // Enter of the main keyboard and of the keypad alike.
    if (KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter)
        fpsCardList_DblClick(state_.fpsCardList.activeCol(), state_.fpsCardList.activeRow());
}

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
    tools_->addMenuEntries(*menu);
    edit_->addMenuEntries(*menu);
    tools_->addLaterMenuEntries(*menu);
    menu->popup(globalPos);
}

qint32 frmTessarin::plngRowShow(qint32 ilngRowNo, bool ibolShow)
{
    state_.fpsCardList.setRowHidden(ilngRowNo, ibolShow);
    return 0;
}

void frmTessarin::fsubGridShown(bool ibolShown) { fpsCardList_->setHiddenForChanges(!ibolShown); }
