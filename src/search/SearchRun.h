#pragma once

#include <QtGlobal>

class CardGrid;
class Ui;
struct SearchConditions;

// plngSetSerch's run over the grid: every card row hidden when it fails the conditions, shown
// otherwise, announced to the grid's observer as one change. The catalogue is read once for the
// whole run; when it is missing or unreadable, its message is shown once and every row is shown.
// Pending events run between rows; if they reorder or resize the grid the run starts over.
// The apply button and the grid's own visibility are the dialog's and the window's. Answers 0.
qint32 applySearch(const SearchConditions& conditions, CardGrid& grid, Ui& ui);
