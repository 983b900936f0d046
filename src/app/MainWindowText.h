#pragma once

#include <QString>

// Captions and messages of the main window.
namespace MainWindowText {

inline QString closeQuestion() { return QStringLiteral("デッキエディタを閉じます。\r\nよろしいですか？"); }
inline QString closeTitle() { return QStringLiteral("終了確認"); }
inline QString resetCaption() { return QStringLiteral("リセット"); }
inline QString resettingCaption() { return QStringLiteral("初期化中..."); }
inline QString sortHint() { return QStringLiteral("※列名をクリックしてソートできます。"); }

}  // namespace MainWindowText
