#pragma once

#include <QString>

// The names of the steps a player can take back, and the menu entries that take them.
namespace HistoryText {

inline QString undo() { return QStringLiteral("元に戻す"); }
inline QString redo() { return QStringLiteral("やり直し"); }
// "元に戻す: 灯守見習いリノ メイン +1"
inline QString entry(const QString& action, const QString& step) { return action + QStringLiteral(": ") + step; }

inline QString press(const QString& cardName, bool side, qint32 delta)
{
    return cardName + (side ? QStringLiteral(" サイド ") : QStringLiteral(" メイン ")) +
           (delta > 0 ? QStringLiteral("+%1").arg(delta) : QStringLiteral("%1").arg(delta));
}
inline QString opening(const QString& fileName) { return QStringLiteral("デッキを開く (%1)").arg(fileName); }
inline QString reset() { return QStringLiteral("リセット"); }
inline QString sideReset() { return QStringLiteral("サイドボードのリセット"); }

}  // namespace HistoryText
