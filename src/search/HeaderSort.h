#pragma once

#include "deck/CardGrid.h"

// The keys of a header click's sort (fsubSortList): the column in the given direction (code 1
// ascending, 2 descending, anything else ascending), then colType and colNo ascending. The deck
// count also compares the side-board count in the same direction before the type.
QList<CardGrid::SortKey> headerSortKeys(qint32 col, qint32 direction);
