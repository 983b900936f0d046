#include "SearchConditionsText.h"

using namespace Qt::StringLiterals;

namespace {

// The parser's own descriptions are English: each of its errors in words of ours.
QString parseError(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return u"オブジェクトが「}」で閉じられていません"_s;
    case QJsonParseError::MissingNameSeparator:
        return u"キーの後に「:」がありません"_s;
    case QJsonParseError::UnterminatedArray:
        return u"配列が「]」で閉じられていません"_s;
    case QJsonParseError::MissingValueSeparator:
        return u"値の後に「,」がありません"_s;
    case QJsonParseError::IllegalValue:
        return u"値として読めない文字があります"_s;
    case QJsonParseError::TerminationByNumber:
        return u"数値の途中で終わっています"_s;
    case QJsonParseError::IllegalNumber:
        return u"数値の書き方が正しくありません"_s;
    case QJsonParseError::IllegalEscapeSequence:
        return u"文字列のエスケープが正しくありません"_s;
    case QJsonParseError::IllegalUTF8String:
        return u"UTF-8 として正しくない文字があります"_s;
    case QJsonParseError::UnterminatedString:
        return u"文字列が「\"」で閉じられていません"_s;
    case QJsonParseError::MissingObject:
        return u"キーと値がありません"_s;
    case QJsonParseError::DeepNesting:
        return u"入れ子が深すぎます"_s;
    case QJsonParseError::DocumentTooLarge:
        return u"大きすぎて読めません"_s;
    case QJsonParseError::GarbageAtEnd:
        return u"終わりの後に余分な文字があります"_s;
    case QJsonParseError::NoError:
        break;
    }
    return u"書き方が正しくありません"_s;
}

// A bound list's items as the file writes them.
QString boundRange() { return u"\"0\" から \"2147483647\" までの整数を文字列で"_s; }

}  // namespace

QString SearchConditionsText::refusal(const ConditionsRefusal& r)
{
    const QString key = u'"' + r.key + u"\": "_s;
    switch (r.reason) {
    case ConditionsRefusal::kNoSuchFile:
        return u"ファイルがありません"_s;
    case ConditionsRefusal::kNotRegularFile:
        return u"通常のファイルではありません"_s;
    case ConditionsRefusal::kTooLarge:
        return u"ファイルが大きすぎます (上限 %1 MiB)"_s.arg(r.number / (1024 * 1024));
    case ConditionsRefusal::kCannotOpen:
        return u"ファイルを開けません"_s;
    case ConditionsRefusal::kCannotRead:
        return u"ファイルを最後まで読めません"_s;
    case ConditionsRefusal::kNotJson:
        return u"JSON として読めません (%1 バイト目): %2"_s.arg(r.number).arg(parseError(r.parseError));
    case ConditionsRefusal::kNotObject:
        return u"コントロール名をキーとする JSON オブジェクトではありません"_s;
    case ConditionsRefusal::kRepeatedKey:
        return u"キー \"%1\" が 2 回以上あります"_s.arg(r.key);
    case ConditionsRefusal::kUnknownKey:
        return u"不明なキー \"%1\""_s.arg(r.key);
    case ConditionsRefusal::kNotCheck:
        return key + u"0 か 1 を指定してください"_s;
    case ConditionsRefusal::kNotIndex:
        return key + u"0 から %1 までの項目番号を指定してください"_s.arg(r.number);
    case ConditionsRefusal::kNotText:
        return key + u"文字列を指定してください"_s;
    case ConditionsRefusal::kNotLowerBound:
        return key + boundRange() + u"指定してください"_s;
    case ConditionsRefusal::kNotUpperBound:
        return key + u"\"-\" か、"_s + boundRange() + u"指定してください"_s;
    case ConditionsRefusal::kNotTexts:
        return key + u"項目の文字列の配列を指定してください"_s;
    case ConditionsRefusal::kNotIndexes:
        return key + u"0 から %1 までの項目番号の配列を指定してください"_s.arg(r.number);
    }
    return {};
}
