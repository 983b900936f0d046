#pragma once

#include <QtGlobal>

class CardGrid;
class Ui;

// What the search dialog needs of the main window: the grid it filters and the way to the user.
class SerchHost {
public:
    virtual ~SerchHost() = default;
    virtual CardGrid& serchGrid() = 0;
    virtual Ui& serchUi() = 0;
    // The grid is hidden while a run changes its rows, so it is not redrawn per row.
    virtual void fsubGridShown(bool ibolShown) = 0;
};
