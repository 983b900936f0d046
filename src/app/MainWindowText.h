#pragma once

#include <QString>

// Captions and messages of the main window.
namespace MainWindowText {

inline QString closeQuestion() { return QStringLiteral("デッキエディタを閉じます。\r\nよろしいですか？"); }
inline QString closeTitle() { return QStringLiteral("終了確認"); }
inline QString resetCaption() { return QStringLiteral("リセット"); }
inline QString resettingCaption() { return QStringLiteral("初期化中..."); }
inline QString sortHint() { return QStringLiteral("※列名をクリックしてソートできます。"); }

// The context menu of a card row.
inline QString menuDeckUp() { return QStringLiteral("メインに1枚追加"); }
inline QString menuDeckDown() { return QStringLiteral("メインから1枚減らす"); }
inline QString menuSideUp() { return QStringLiteral("サイドに1枚追加"); }
inline QString menuSideDown() { return QStringLiteral("サイドから1枚減らす"); }
inline QString menuShowCard() { return QStringLiteral("カードを表示"); }
inline QString menuRecentDecks() { return QStringLiteral("最近使ったデッキ"); }
inline QString menuClearRecent() { return QStringLiteral("履歴を消去"); }

}  // namespace MainWindowText
