#pragma once

#include <QString>

// The texts of the deck sheet and of saving it.
namespace DeckSheetText {

inline QString saveFilter() { return QStringLiteral("PNG 画像 (*.png)|*.png"); }
inline QString saveTitle() { return QStringLiteral("デッキ画像を保存"); }
inline QString saveFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("デッキ画像を保存できませんでした。\r\n") + path + QStringLiteral("\r\n") + reason;
}
inline QString cannotEncode() { return QStringLiteral("PNG 画像を作れませんでした。"); }
inline QString tooManyCards() { return QStringLiteral("カードが多すぎて1枚の画像に収まりません。"); }

inline QString unnamedDeck() { return QStringLiteral("（名前のないデッキ）"); }
inline QString mainHeading() { return QStringLiteral("メインデッキ"); }
inline QString sideHeading() { return QStringLiteral("サイドボード"); }
inline QString noCards() { return QStringLiteral("なし"); }
inline QString mainCount(qint32 n) { return QStringLiteral("×%1").arg(n); }
inline QString sideCount(qint32 n) { return n > 0 ? QStringLiteral("+%1").arg(n) : QStringLiteral("−%1").arg(-qint64(n)); }

}  // namespace DeckSheetText
