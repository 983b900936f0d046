#include "Totals.h"

#include "DeckColours.h"
#include "platform/NumericText.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

Totals::Totals()
{
    resetForLoad();
}

qint32 Totals::value(TotalLabel label) const
{
    // A caption is display text: an absurd one saturates instead of failing the caller.
    const double v = NumericText::roundHalfEven(NumericText::leadingValue(captions_[index(label)]));
    if (std::isnan(v))
        return 0;
    if (v >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (v <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return qint32(v);
}

void Totals::add(TotalLabel label, qint32 delta)
{
    const double v = NumericText::leadingValue(captions_[index(label)]) + double(delta);
    // Whole numbers (the only kind the counters ever hold) are written without a decimal point or
    // exponent; anything else keeps its fraction.
    constexpr double kExact = 9007199254740992.0; // 2^53
    QString text;
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < kExact)
        text = QString::number(qint64(v));
    else
        text = QString::number(v, 'g', 15);
    captions_[index(label)] = text;
}

void Totals::resetForLoad()
{
    captions_.fill(u"0"_s);
    backgrounds_.fill(DeckColours::kAtLimit);
    backgrounds_[index(TotalLabel::lblSum)] = DeckColours::kBelowLimit;
    backgrounds_[index(TotalLabel::lblSideSum)] = DeckColours::kBelowLimit;
    backgrounds_[index(TotalLabel::lblSide)] = DeckColours::kBelowLimit;
}
