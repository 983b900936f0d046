#pragma once

#include <QMetaObject>

class QAbstractItemModel;
class QWidget;
class SerchHost;
class frmSerch;
struct SearchSetup;

// The main window's side of searching and sorting: it owns the search dialog, hands it each
// catalogue load's setup, applies the conditions in effect again when the rows change under them,
// and sorts by a column header.
class SearchController {
public:
    // shownRows: the model of the rows the grid shows, whose resets the dialog's count follows.
    SearchController(SerchHost& host, QWidget& window, const QAbstractItemModel& shownRows,
                     const SearchSetup& setup);
    ~SearchController();

    frmSerch* serch() const { return frmSerch_; }

    // Creates the dialog, once.
    void fsubLoadSerch();
    // The maxima follow every load; the item lists only a full one, which rebuilds them.
    void fsubTakeSerchSetup(bool ibolLists);
    // The bound lists as the last load's maxima give them.
    void plngInitialize();
    // A reload puts other cards at the row positions a filter hid: the conditions in effect decide
    // afresh, and with none in effect every row shows.
    void fsubRefilter();
    void showDialog();
    // A click on a column header: ascending, or descending when the last sort was that column
    // ascending; the conditions in effect apply again to the sorted rows.
    void sortByHeader(qint32 col);

private:
    void fsubSortList(qint32 Col, qint32 Order);
    bool conditionsInEffect() const;

    SerchHost& host_;
    QWidget& window_;
    const QAbstractItemModel& shownRows_;
    const SearchSetup& setup_;
    frmSerch* frmSerch_ = nullptr;
    QMetaObject::Connection countFollows_;
    qint32 mlngSortCol = 0;  // the column last sorted ascending; 0 after a descending sort
};
