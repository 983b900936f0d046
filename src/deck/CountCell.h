#pragma once

#include "platform/NumericText.h"

#include <QStringView>

#include <algorithm>
#include <limits>

// What every reader of a count cell takes it for. Count cells hold plain decimal text written by
// count editing; anything else reads as its leading number, never as an error, held to 32 bits.
// (A press converts strictly instead, as the step handler always has: its count must be a number.)
namespace CountCell {

inline qint32 value(QStringView cell)
{
    // Short plain numbers, nearly every count, without the general reader.
    if (!cell.isEmpty() && cell.size() <= 3) {
        const bool negative = cell[0] == u'-';
        qint32 v = 0;
        qsizetype i = negative ? 1 : 0;
        for (; i < cell.size() && cell[i] >= u'0' && cell[i] <= u'9'; ++i)
            v = v * 10 + (cell[i].unicode() - u'0');
        if (i == cell.size() && i > (negative ? 1 : 0))
            return negative ? -v : v;
    }
    const double v = NumericText::roundHalfEven(NumericText::leadingValue(cell));
    if (!(v == v))
        return 0;
    return qint32(std::clamp(v, double(std::numeric_limits<qint32>::min()), double(std::numeric_limits<qint32>::max())));
}

}  // namespace CountCell
