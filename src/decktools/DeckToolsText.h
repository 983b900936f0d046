#pragma once

#include <QString>

// The row menu's entries of the deck tools.
namespace DeckToolsText {

inline QString menuDeckStats() { return QStringLiteral("デッキの統計..."); }
inline QString menuDeckSheet() { return QStringLiteral("デッキ画像を保存..."); }

}  // namespace DeckToolsText
