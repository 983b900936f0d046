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
    if (const std::optional<qint32> plain = NumericText::plainInt32(cell))
        return *plain;
    const double v = NumericText::roundHalfEven(NumericText::leadingValue(cell));
    if (!(v == v))
        return 0;
    return qint32(std::clamp(v, double(std::numeric_limits<qint32>::min()), double(std::numeric_limits<qint32>::max())));
}

}  // namespace CountCell
