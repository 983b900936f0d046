#include "CardRows.h"

#include "EditorState.h"

#include "platform/NumericText.h"

qint32 CardRows::rowAfterLoad(QStringView number, qint32 cardTotal, qint32 rowCount)
{
    double row;
    if (number.startsWith(u'P')) {
        const double k = NumericText::roundHalfEven(NumericText::leadingValue(number.mid(1)));
        if (k < 1)
            return 0;  // "P", "P0": no promotional card has these numbers
        row = cardTotal + k;
    } else {
        row = NumericText::roundHalfEven(NumericText::leadingValue(number));
    }
    return row >= 1 && row <= rowCount ? qint32(row) : 0;
}

CardRows::CardRows(const EditorState& state)
    : state_(state), loadedOrder_(state.fpsCardList.rowOrderVersion()), mappedOrder_(loadedOrder_)
{
}

qint32 CardRows::row(QStringView number)
{
    const CardGrid& grid = state_.fpsCardList;
    const qint32 loaded = rowAfterLoad(number, state_.mlngCardTotal, grid.rowCount());
    if (loaded == 0 || grid.rowOrderVersion() == loadedOrder_)
        return loaded;
    // Rebuilt only when rows moved: a deck opening looks up every record between events.
    if (rowNow_.empty() || mappedOrder_ != grid.rowOrderVersion()) {
        mappedOrder_ = grid.rowOrderVersion();
        rowNow_.assign(size_t(grid.rowCount()) + 1, 0);
        for (qint32 r = 1; r <= grid.rowCount(); ++r)
            if (const qint32 at = rowAfterLoad(grid.cellView(colNo, r), state_.mlngCardTotal, grid.rowCount()))
                rowNow_[size_t(at)] = r;
    }
    return rowNow_[size_t(loaded)];
}
