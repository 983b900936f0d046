#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Numbers held as text in grid cells, label captions and files, converted where used: the
// leading number of a text, halves rounded to the even neighbour.
namespace NumericText {

// The leading number of text (blanks before it skipped); 0 when text does not start with one.
// Never fails; a number too large for a double answers infinity.
double leadingValue(QStringView text);

// The general numeric test: blanks, an optional sign, digits with an optional decimal point and
// exponent, blanks. "" and "." are not numbers.
bool isNumeric(QStringView text);

// Halves to the even neighbour.
double roundHalfEven(double value);

// Rounds to a 32-bit integer; throws RuntimeError 6 (overflow) outside the range or for NaN.
qint32 toInt32(double value);

// A whole text converted to a 32-bit integer: RuntimeError 13 when it is not numeric, 6 when it
// does not fit.
qint32 textToInt32(QStringView text);

// A short plain integer ("3", "-12", at most 9 characters), nearly every count, read without the
// general reader; nullopt for any other text.
inline std::optional<qint32> plainInt32(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    const bool negative = text[0] == u'-';
    qint32 v = 0;
    qsizetype i = negative ? 1 : 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        v = v * 10 + (text[i].unicode() - u'0');
    if (i != text.size() || i == (negative ? 1 : 0))
        return std::nullopt;
    return negative ? -v : v;
}

// The leading number of text rounded to a 32-bit integer (RuntimeError 6 when it does not fit).
qint32 leadingInt32(QStringView text);

}  // namespace NumericText
