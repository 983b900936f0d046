#pragma once

#include "CardGrid.h"
#include "Limits.h"
#include "Totals.h"

class Ui;

// One press of a step button of the grid (columns colDeckDown, colDeckUp, colSideDown, colSideUp;
// any other column only refreshes the colours). Keeps the copy limit, the count colours and the six
// totals. Traps nothing: a count cell that is not a number throws RuntimeError 13 to the caller.
// Returns true when a count cell or a total caption changed, false when the press was absorbed.
bool fpsCardList_ButtonClicked(CardGrid& grid, Totals& totals, const Limits& limits, qint32 Col, qint32 Row,
                               qint16 ButtonDown = 0);

// Takes every side-board change back to 0: the deck after side-boarding becomes the main deck.
void fsubSideReset(CardGrid& grid, Totals& totals, Ui& ui);
