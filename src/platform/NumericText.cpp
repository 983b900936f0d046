#include "NumericText.h"

#include "RuntimeError.h"

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the number at the start of text (after optional sign), 0 when there is none.
struct Scan {
    qsizetype end = 0;  // one past the last character of the number
    bool found = false;
};

Scan scanNumber(QStringView text, qsizetype pos)
{
    Scan s;
    qsizetype i = pos;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return s;
    s.found = true;
    s.end = i;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype expStart = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > expStart)
            s.end = j;
    }
    return s;
}

double parse(QStringView number)
{
    QString plain = number.toString();
    for (QChar& c : plain)
        if (c == u'd' || c == u'D')
            c = u'e';
    bool ok = false;
    const double v = plain.toDouble(&ok);
    // The text is a number by now, so a refusal is a range error: toDouble answers the infinity
    // of the right sign when it overflows and 0 when it underflows, which is what is wanted.
    if (ok || std::isinf(v) || v == 0.0)
        return v;
    return plain.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                  : std::numeric_limits<double>::infinity();
}

}  // namespace

namespace NumericText {

double leadingValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const Scan s = scanNumber(text, i);
    if (!s.found)
        return 0.0;
    // Counts and card values are short whole numbers: read those without building a string.
    const QStringView number = text.mid(i, s.end - i);
    if (number.size() <= 15) {
        qsizetype j = number.startsWith(u'-') || number.startsWith(u'+') ? 1 : 0;
        double whole = 0;
        for (; j < number.size() && isDigit(number[j]); ++j)
            whole = whole * 10 + (number[j].unicode() - u'0');
        if (j == number.size())
            return number.startsWith(u'-') && whole != 0 ? -whole : whole;
    }
    const double v = parse(number);
    return v == 0.0 ? 0.0 : v;  // no negative zero
}

bool isNumeric(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const Scan s = scanNumber(text, i);
    if (!s.found)
        return false;
    qsizetype j = s.end;
    while (j < text.size() && isBlank(text[j]))
        ++j;
    return j == text.size();
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

qint32 toInt32(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= double(std::numeric_limits<qint32>::min()) && r <= double(std::numeric_limits<qint32>::max())))
        throw RuntimeError::overflow();
    return qint32(r);
}

qint32 textToInt32(QStringView text)
{
    // Counts are short plain integers: those need neither scan.
    if (const std::optional<qint32> plain = plainInt32(text))
        return *plain;
    if (!isNumeric(text))
        throw RuntimeError::typeMismatch();
    return toInt32(leadingValue(text));
}

qint32 leadingInt32(QStringView text) { return toInt32(leadingValue(text)); }

}  // namespace NumericText
