#pragma once

#include "platform/Rgb.h"

// Colours that carry meaning in the deck view: zero counts fade out, and the size totals show
// at a glance whether the deck or the side board is short, exact or over.
namespace DeckColours {

constexpr Rgb kCountZero = rgb(192, 192, 192);
constexpr Rgb kCountNonZero = rgb(0, 0, 0);
constexpr Rgb kBelowLimit = rgb(255, 255, 128);
constexpr Rgb kAtLimit = rgb(255, 255, 255);
constexpr Rgb kAboveLimit = rgb(255, 128, 128);

constexpr Rgb limitColour(qint32 value, qint32 limit)
{
    if (value < limit)
        return kBelowLimit;
    return value == limit ? kAtLimit : kAboveLimit;
}

constexpr Rgb countColour(qint32 value)
{
    return value == 0 ? kCountZero : kCountNonZero;
}

} // namespace DeckColours
