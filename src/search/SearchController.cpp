#include "SearchController.h"

#include "HeaderSort.h"
#include "SerchHost.h"
#include "frmSerch.h"

#include "deck/CardGrid.h"

#include <QAbstractItemModel>

#include <vector>

SearchController::SearchController(SerchHost& host, QWidget& window, const QAbstractItemModel& shownRows,
                                   const SearchSetup& setup)
    : host_(host), window_(window), shownRows_(shownRows), setup_(setup)
{
}

// The grid outlives this part, and its end resets the model: the count no longer follows then.
SearchController::~SearchController() { QObject::disconnect(countFollows_); }

void SearchController::fsubLoadSerch()
{
    if (frmSerch_)
        return;
    frmSerch_ = new frmSerch(host_, &window_);
    // The dialog's count of shown rows follows what the grid shows: after a run, a reload, a sort.
    countFollows_ = QObject::connect(&shownRows_, &QAbstractItemModel::modelReset, frmSerch_, [this] {
        frmSerch_->fsubShowCount(shownRows_.rowCount(), host_.serchGrid().rowCount());
    });
}

void SearchController::fsubTakeSerchSetup(bool ibolLists)
{
    if (frmSerch_)
        frmSerch_->fsubTakeSetup(setup_, ibolLists);
}

void SearchController::plngInitialize()
{
    if (frmSerch_)
        frmSerch_->plngInitialize();
}

bool SearchController::conditionsInEffect() const { return frmSerch_ && frmSerch_->pSortFlag == 1; }

void SearchController::fsubRefilter()
{
    if (conditionsInEffect()) {
        frmSerch_->plngSetSerch();
    } else {
        CardGrid& grid = host_.serchGrid();
        grid.setRowsHidden(std::vector<bool>(size_t(grid.rowCount()), false));
    }
}

void SearchController::showDialog()
{
    fsubLoadSerch();
    frmSerch_->show();
    frmSerch_->raise();
    frmSerch_->activateWindow();
}

void SearchController::sortByHeader(qint32 col)
{
    if (col == mlngSortCol) {
        mlngSortCol = 0;
        fsubSortList(col, 2);
    } else {
        mlngSortCol = col;
        fsubSortList(col, 1);
    }
    if (conditionsInEffect())
        frmSerch_->plngSetSerch();
}

void SearchController::fsubSortList(qint32 Col, qint32 Order) { host_.serchGrid().sort(headerSortKeys(Col, Order)); }
