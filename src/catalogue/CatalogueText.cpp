#include "CatalogueText.h"

using namespace Qt::StringLiterals;

namespace CatalogueText {

QString missingFileMessage(const QString& programFolder)
{
    return u"カードリストファイルが見つかりません。\r\n"_s + programFolder +
           u"/card/cardlist.iniが存在するか確認して下さい。"_s;
}

QString missingFileTitle() { return u"エラー"_s; }

QString progressText(qint32 card, qint32 total)
{
    return u"カードリストを読み込んでいます。\r\nしばらくお待ち下さい...("_s + QString::number(card) + u'/' +
           QString::number(total) + u')';
}

QString outOfRangeDescription(QStringView key, qint32 maximum)
{
    return u"カードリストの "_s + key.toString() + u" の値が範囲外です。(0～"_s + QString::number(maximum) + u")"_s;
}

}  // namespace CatalogueText
