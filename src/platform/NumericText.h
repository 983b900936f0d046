#pragma once

#include <QString>
#include <QStringView>

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

// The leading number of text rounded to a 32-bit integer (RuntimeError 6 when it does not fit).
qint32 leadingInt32(QStringView text);

}  // namespace NumericText
