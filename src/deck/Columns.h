#pragma once

#include <QtGlobal>

// The 19 columns of the card grid, numbered from 1 as every routine addresses them.
enum CardColumn : qint32 {
    colNo = 1,
    colType,
    colName,
    colDeck,
    colDeckDown,
    colDeckUp,
    colSide,
    colSideDown,
    colSideUp,
    colNode,
    colCost,
    colGlaze,
    colAttack,
    colToughness,
    colUser,
    colUpkeep,
    colClass,
    colSkill,
    colIllustration,
};

constexpr qint32 kColumnCount = 19;
