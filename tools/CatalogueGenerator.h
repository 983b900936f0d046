#pragma once

#include <QByteArray>

// A synthetic card catalogue in the stored format (CP932, CR LF): the settings section "Card",
// regular cards "001".."NNN" and promotional cards "P01".."Pkk", every card with all its keys and
// a unique Japanese name. The same seed gives the same bytes. For benchmarks, tests and trying
// the editor on large data.
QByteArray generateCatalogue(qint32 cards, qint32 promoCards, quint32 seed);
