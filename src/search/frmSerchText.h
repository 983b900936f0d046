#pragma once

#include <QString>
#include <QStringList>

// Captions and item texts of the search conditions dialog.
namespace frmSerchText {

inline QString title() { return QStringLiteral("リストの表示条件を設定"); }
inline QString all() { return QStringLiteral("全て"); }
inline QString noCondition() { return QStringLiteral("条件無し"); }
inline QString atLeast() { return QStringLiteral("以上"); }
inline QString atMost() { return QStringLiteral("以下"); }
inline QString noUpperBound() { return QStringLiteral("-"); }
inline QString apply() { return QStringLiteral("リストに反映"); }
inline QString applying() { return QStringLiteral("反映中..."); }
inline QString showAll() { return QStringLiteral("全て表示"); }
inline QString close() { return QStringLiteral("閉じる"); }

// The line of rows shown, and the condition files.
inline QString shownOfTotal(qint32 shown, qint32 total)
{
    return QStringLiteral("%1 枚中 %2 枚を表示").arg(total).arg(shown);
}
inline QString saveConditions() { return QStringLiteral("条件を保存..."); }
inline QString loadConditions() { return QStringLiteral("条件を読み込み..."); }
inline QString conditionsFilter() { return QStringLiteral("検索条件 (*.json)|*.json"); }
inline QString saveFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("検索条件を保存できませんでした。\r\n") + path + QStringLiteral("\r\n") + reason;
}
inline QString loadFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("検索条件を読み込めませんでした。\r\n") + path + QStringLiteral("\r\n") + reason;
}

inline QStringList setItems()
{
    return {QStringLiteral("１弾(001～100)"), QStringLiteral("２弾(101～150)"), QStringLiteral("３弾(151～250)"),
            QStringLiteral("４弾(251～300)"), QStringLiteral("５弾(301～400)"), QStringLiteral("SC(401～420)"),
            QStringLiteral("６弾(420～470)"), QStringLiteral("PRカード")};
}
inline QStringList rangeSelectors() { return {QStringLiteral("の範囲"), QStringLiteral("以外")}; }
inline QStringList connectors() { return {QStringLiteral("-"), QStringLiteral("かつ"), QStringLiteral("または")}; }
inline QStringList textSelectors() { return {QStringLiteral("に一致"), QStringLiteral("以外")}; }

}  // namespace frmSerchText
