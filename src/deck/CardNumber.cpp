#include "CardNumber.h"

#include "platform/NumericText.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Digits only, without a leading zero beyond the three places, and within 32 bits.
std::optional<qint32> plainDigits(QStringView digits, qsizetype minimum)
{
    if (digits.size() < minimum || digits.size() > 10 || (digits.size() > minimum && digits.front() == u'0'))
        return std::nullopt;
    qint64 v = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    if (v < 1 || v > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(v);
}

}  // namespace

std::optional<CardNumber> CardNumber::parse(QStringView text)
{
    if (text.startsWith(u'P')) {
        const auto k = plainDigits(text.mid(1), 2);
        return k ? std::optional(promotional(*k)) : std::nullopt;
    }
    const auto n = plainDigits(text, 3);
    return n ? std::optional(regular(*n)) : std::nullopt;
}

QStringView CardNumber::regularText(qint32 n, std::array<char16_t, 12>& buffer)
{
    size_t at = buffer.size();
    quint32 v = quint32(n);
    do {
        buffer[--at] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v > 0 || buffer.size() - at < 3);
    return QStringView(buffer.data() + at, qsizetype(buffer.size() - at));
}

QString CardNumber::text() const
{
    if (promotional_)
        return u"P%1"_s.arg(value_, 2, 10, QChar(u'0'));
    std::array<char16_t, 12> buffer;
    return regularText(value_, buffer).toString();
}

qint32 CardNumber::rowAfterLoad(QStringView number, qint32 cardTotal, qint32 rowCount)
{
    double row;
    if (number.startsWith(u'P')) {
        const double k = NumericText::roundHalfEven(NumericText::leadingValue(number.mid(1)));
        if (k < 1)
            return 0;  // "P", "P0": no promotional card has these numbers
        row = cardTotal + k;
    } else {
        row = NumericText::roundHalfEven(NumericText::leadingValue(number));
    }
    return row >= 1 && row <= rowCount ? qint32(row) : 0;
}

QString CardNumber::sectionText(QStringView number)
{
    if (!NumericText::isNumeric(number))
        return number.toString();
    const double value = NumericText::roundHalfEven(NumericText::leadingValue(number));
    // Beyond exact integers a pattern of digits means nothing: the number as written.
    if (!std::isfinite(value) || std::fabs(value) >= 1e15)
        return number.toString();
    const qint64 n = qint64(value);
    const QString digits = QString::number(n < 0 ? -n : n).rightJustified(3, u'0');
    return n < 0 ? u'-' + digits : digits;
}
