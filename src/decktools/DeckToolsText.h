#pragma once

#include <QString>

// The row menu's entries of the deck tools, and the texts of their windows.
namespace DeckToolsText {

inline QString menuDeckStats() { return QStringLiteral("デッキの統計..."); }
inline QString menuDeckSheet() { return QStringLiteral("デッキ画像を保存..."); }
inline QString menuDeckHand() { return QStringLiteral("手札を試す..."); }
inline QString menuDeckCompare() { return QStringLiteral("デッキを比較..."); }
inline QString menuCopyList() { return QStringLiteral("デッキをテキストでコピー"); }
inline QString menuImportList() { return QStringLiteral("テキストから読み込み..."); }

// Shown for a text a table would leave blank (a card without a type or cost).
inline QString none() { return QStringLiteral("（なし）"); }
// A probability as a percentage with one decimal: "12.3%".
inline QString percent(double chance) { return QString::number(chance * 100, 'f', 1) + QStringLiteral("%"); }

// 手札を試す
inline QString handTitle() { return QStringLiteral("手札を試す"); }
inline QString partMain() { return QStringLiteral("メインデッキ"); }
inline QString partAfter() { return QStringLiteral("サイドボード後"); }
inline QString handSize() { return QStringLiteral("手札の枚数"); }
inline QString redraw() { return QStringLiteral("引き直し"); }
inline QString drawOne() { return QStringLiteral("1枚引く"); }
inline QString left(qint32 left, qint32 deck) { return QStringLiteral("山札の残り %1 枚（%2 枚中）").arg(left).arg(deck); }
inline QString seed() { return QStringLiteral("シード"); }
inline QString seedHint() { return QStringLiteral("入力して Enter でその手札をもう一度"); }
inline QString badSeed() { return QStringLiteral("シードは 0 から 18446744073709551615 までの整数です"); }
inline QString handHeading(qsizetype cards) { return QStringLiteral("手札 %1 枚").arg(cards); }
inline QString drawsHeading(qsizetype cards) { return QStringLiteral("引いたカード %1 枚").arg(cards); }
inline QString emptyDeck() { return QStringLiteral("このデッキにはカードがありません"); }
inline QString oddsHeading()
{
    return QStringLiteral("1枚以上を引いている確率（列名をクリックして並べ替え）");
}
// The odds table's columns; a type's or a cost's row names its kind where a card has its number.
inline QString oddsNumber() { return QStringLiteral("No."); }
inline QString oddsText() { return QStringLiteral("名前 / 種類 / コスト"); }
inline QString oddsCopies() { return QStringLiteral("枚数"); }
inline QString oddsDrawn(qint64 cards) { return QStringLiteral("ここまで（%1 枚）").arg(cards); }
inline QString oddsOpening(qint64 cards) { return QStringLiteral("初手（%1 枚）").arg(cards); }
inline QString kindType() { return QStringLiteral("種類"); }
inline QString kindCost() { return QStringLiteral("コスト"); }

// デッキを比較
inline QString compareTitle() { return QStringLiteral("デッキを比較"); }
inline QString thisDeck(const QString& name) { return QStringLiteral("このデッキ: %1").arg(name); }
inline QString otherDeck(const QString& name) { return QStringLiteral("比較するデッキ: %1").arg(name); }
inline QString unnamedDeck() { return QStringLiteral("（名前のないデッキ）"); }
inline QString differing(qsizetype cards) { return QStringLiteral("枚数の違うカード %1 種").arg(cards); }
inline QString sameDecks() { return QStringLiteral("枚数の違うカードはありません"); }
inline QString otherFile() { return QStringLiteral("別のファイル..."); }
inline QString totalRow() { return QStringLiteral("合計"); }
inline QString allTypes() { return QStringLiteral("全体"); }
// Column headers: the number, type and name, then main, side and after side-boarding for this deck,
// the other and the difference (the other's less this one's).
inline QString compareNumber() { return QStringLiteral("No."); }
inline QString compareType() { return QStringLiteral("種類"); }
inline QString compareName() { return QStringLiteral("名前"); }
inline QString groupThis() { return QStringLiteral("このデッキ"); }
inline QString groupOther() { return QStringLiteral("比較先"); }
inline QString groupDifference() { return QStringLiteral("差"); }
inline QString sectionMain() { return QStringLiteral("メイン"); }
inline QString sectionSide() { return QStringLiteral("サイド"); }
inline QString sectionAfter() { return QStringLiteral("サイド後"); }
inline QString compareFailed(const QString& path, const QString& reason)
{
    return QStringLiteral("比較するデッキを読み込めませんでした。\r\n%1\r\n%2").arg(path, reason);
}
inline QString unreadable() { return QStringLiteral("ファイルを読み込めません。"); }
inline QString compareStopped(const QString& path, qint32 line)
{
    return QStringLiteral("比較するデッキは %2 行目の手前までしか読み込めませんでした。\r\n%1").arg(path).arg(line);
}

// テキストから読み込み
inline QString importTitle() { return QStringLiteral("テキストから読み込み"); }
inline QString importHint()
{
    return QStringLiteral("1行に1枚ずつ「枚数 No. 名前」（「3 001」「3 名前」「名前 x3」も可）。"
                          "「サイドボード」の行の後はサイドボードです。");
}
inline QString importWillLoad(qint64 main, qint64 after)
{
    return QStringLiteral("読み込む内容: メイン %1 枚、サイドボード後 %2 枚").arg(main).arg(after);
}
inline QString importUnmatched(qsizetype lines) { return QStringLiteral("読み取れない行: %1").arg(lines); }
inline QString importWarnings(qsizetype lines) { return QStringLiteral("確認の必要な行: %1").arg(lines); }
inline QString importLine(qint32 line, const QString& text, const QString& reason)
{
    return QStringLiteral("%1 行目「%2」: %3").arg(line).arg(text, reason);
}
inline QString importOk() { return QStringLiteral("読み込む"); }
inline QString cancel() { return QStringLiteral("キャンセル"); }

}  // namespace DeckToolsText
