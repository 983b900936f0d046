#include "Totals.h"

#include "DeckColours.h"
#include "platform/NumericText.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

Totals::Totals()
{
    resetForLoad();
}

qint32 Totals::value(TotalLabel label) const
{
    if (exact_[index(label)])
        return qint32(std::clamp<qint64>(numbers_[index(label)], std::numeric_limits<qint32>::min(),
                                         std::numeric_limits<qint32>::max()));
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
    if (exact_[index(label)]) {
        numbers_[index(label)] += delta;
        return;
    }
    const double v = NumericText::leadingValue(captions_[index(label)]) + double(delta);
    // Whole numbers (the only kind the counters ever hold) are written without a decimal point or
    // exponent; anything else keeps its fraction.
    constexpr double kExact = 9007199254740992.0; // 2^53
    const bool whole = std::isfinite(v) && v == std::floor(v) && std::fabs(v) < kExact;
    captions_[index(label)] = whole ? QString::number(qint64(v)) : QString::number(v, 'g', 15);
    exact_[index(label)] = whole;
    numbers_[index(label)] = whole ? qint64(v) : 0;
}

bool Totals::operator==(const Totals& other) const
{
    for (int i = 0; i < kCount; ++i)
        if (caption(TotalLabel(i)) != other.caption(TotalLabel(i)))
            return false;
    return backgrounds_ == other.backgrounds_;
}

void Totals::resetForLoad()
{
    captions_.fill(QString());
    numbers_.fill(0);
    exact_.fill(true);
    backgrounds_.fill(DeckColours::kAtLimit);
    backgrounds_[index(TotalLabel::lblSum)] = DeckColours::kBelowLimit;
    backgrounds_[index(TotalLabel::lblSideSum)] = DeckColours::kBelowLimit;
    backgrounds_[index(TotalLabel::lblSide)] = DeckColours::kBelowLimit;
}
