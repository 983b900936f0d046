#pragma once

#include <QString>

// The deck dialogs' filters and the texts deck opening and saving show.
namespace DeckFileText {

inline QString openFilter() { return QStringLiteral("デッキファイル(*.txt,*.deck)|*.txt;*.deck|すべてのファイル(*.*)|*.*"); }
inline QString saveFilter() { return QStringLiteral("デッキ ファイル (*.txt)|*.txt|デッキ ファイル (*.deck)|*.deck"); }
inline QString readErrorMessage() { return QStringLiteral("ファイル読み込みエラー "); }
inline QString unreadableFileMessage(const QString& path) { return readErrorMessage() + QStringLiteral("\r\n") + path; }
inline QString separator() { return QStringLiteral("--"); }
inline QString savedMessage(const QString& path) { return path + QStringLiteral("を作成しました。"); }
inline QString saveTitle() { return QStringLiteral("ファイル保存"); }
inline QString saveFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("デッキファイルを保存できませんでした。\r\n") + path + QStringLiteral("\r\n") + reason;
}
// A count the limits cut, as written (asked) and as loaded: a deck opening's and a deck list's.
inline QString cutCount(const QString& asked, const QString& number, qint64 loaded)
{
    return QStringLiteral("count %1 of card %2 read as %3").arg(asked, number).arg(loaded);
}

}  // namespace DeckFileText
