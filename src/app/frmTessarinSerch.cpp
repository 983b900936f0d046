// The main window's side of searching and sorting: the search dialog, row hiding, header sorts and
// the click on a card row.

#include "CardGridModel.h"
#include "CardGridView.h"
#include "frmTessarin.h"

#include "search/HeaderSort.h"
#include "search/frmSerch.h"

#include <QPushButton>

#include <vector>

void frmTessarin::fsubLoadSerch()
{
    if (frmSerch_)
        return;
    frmSerch_ = new frmSerch(*this, this);
    // The dialog's count of shown rows follows what the grid shows: after a run, a reload, a sort.
    CardGridModel* model = fpsCardList_->cardModel();
    connect(model, &QAbstractItemModel::modelReset, frmSerch_,
            [this, model] { frmSerch_->fsubShowCount(model->rowCount(), state_.fpsCardList.rowCount()); });
}

// The maxima follow every load; the item lists only a full one, which rebuilds them.
void frmTessarin::fsubTakeSerchSetup(bool ibolLists)
{
    if (frmSerch_)
        frmSerch_->fsubTakeSetup(state_.serch, ibolLists);
}

// A reload puts other cards at the row positions a filter hid: the conditions in effect decide
// afresh, and with none in effect every row shows.
void frmTessarin::fsubRefilter()
{
    if (frmSerch_ && frmSerch_->pSortFlag == 1)
        frmSerch_->plngSetSerch();
    else
        state_.fpsCardList.setRowsHidden(std::vector<bool>(size_t(state_.fpsCardList.rowCount()), false));
}

void frmTessarin::cmdSerch_Click()
{
    fsubLoadSerch();
    frmSerch_->show();
    frmSerch_->raise();
    frmSerch_->activateWindow();
}

qint32 frmTessarin::plngRowShow(qint32 ilngRowNo, bool ibolShow)
{
    state_.fpsCardList.setRowHidden(ilngRowNo, ibolShow);
    return 0;
}

void frmTessarin::fsubGridShown(bool ibolShown)
{
    if (!ibolShown) {
        if (gridHides_++ == 0) {
            // Hiding a focused view makes Qt pass the focus on as by Tab, which moves its current cell.
            gridHadFocus_ = fpsCardList_->hasFocus();
            if (gridHadFocus_)
                fpsCardList_->clearFocus();
            fpsCardList_->hide();
        }
        return;
    }
    if (gridHides_ == 0 || --gridHides_ > 0)
        return;
    // The rows changed while hidden are announced before the grid is seen again.
    fpsCardList_->cardModel()->flushNow();
    fpsCardList_->show();
    if (gridHadFocus_)
        fpsCardList_->setFocus();
}

void frmTessarin::fpsCardList_Click(qint32 Col, qint32 Row)
{
    if (Col >= 1 && Col <= kColumnCount && Row >= 1)
        flngShowPreview(state_.fpsCardList.cellText(colNo, Row));
    if (Row == 0) {
        fsubGridShown(false);
        fpsCardList_->clearGridSelection();
        if (Col == mlngSortCol) {
            mlngSortCol = 0;
            fsubSortList(Col, 2);
        } else {
            mlngSortCol = Col;
            fsubSortList(Col, 1);
        }
        if (frmSerch_ && frmSerch_->pSortFlag == 1)
            frmSerch_->plngSetSerch();
        fsubGridShown(true);
    } else if (Col >= 1 && Col <= colSideUp) {
        fpsCardList_->selectGridBlock(colNo, Row, colDeck, Row);
    }
}

void frmTessarin::fsubSortList(qint32 Col, qint32 Order) { state_.fpsCardList.sort(headerSortKeys(Col, Order)); }
