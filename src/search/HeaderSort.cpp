#include "HeaderSort.h"

QList<CardGrid::SortKey> headerSortKeys(qint32 col, qint32 direction)
{
    const bool descending = direction == 2;
    QList<CardGrid::SortKey> keys{{col, descending}};
    if (col == colDeck)
        keys.append({colSide, descending});
    keys.append({colType, false});
    keys.append({colNo, false});
    return keys;
}
