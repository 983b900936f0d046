#pragma once

#include <QtGlobal>

// The three deck rules. Main sets these defaults; every catalogue load replaces the deck size
// ("Deck") and the copy limit ("Limit").
struct Limits {
    qint32 glngDeckLimit = 50;
    qint32 glngSideLimit = 10;
    qint32 glngCopyLimit = 3;
};
