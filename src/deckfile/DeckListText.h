#pragma once

#include <QString>

// The texts of a deck list as text: its headings and totals, what reading it tells of a line, the
// name a loaded list gives the deck.
namespace DeckListText {

inline QString mainHeading() { return QStringLiteral("メインデッキ"); }
inline QString sideHeading() { return QStringLiteral("サイドボード"); }
// Other headings a list may switch to the side board with (compared ignoring case).
inline QString sideHeadingLatin() { return QStringLiteral("Sideboard"); }
inline QString sideHeadingDashes() { return QStringLiteral("--"); }

// "# 合計 50 / キャラクター 20 / スペル 20 / コマンド 10 / サイド後 50 / サイド枚数 10"
inline QString totalsLine(const QString& sum, const QString& character, const QString& spell, const QString& command,
                          const QString& sideSum, const QString& side)
{
    return QStringLiteral("# 合計 %1 / キャラクター %2 / スペル %3 / コマンド %4 / サイド後 %5 / サイド枚数 %6")
        .arg(sum, character, spell, command, sideSum, side);
}

// The deck name, and so the title, after a list is loaded.
inline QString loadedDeckName() { return QStringLiteral("(テキスト)"); }
// The step a player can take back.
inline QString loadStep() { return QStringLiteral("テキストから読み込み"); }

// Why a line was not read.
inline QString noCount() { return QStringLiteral("枚数が読み取れません"); }
inline QString noCard() { return QStringLiteral("該当するカードがありません"); }
// A line read with a doubt.
inline QString sharedName(const QString& name, const QString& number)
{
    return QStringLiteral("「%1」は複数のカードの名前です: %2 を読み込みます").arg(name, number);
}

}  // namespace DeckListText
