#include "platform/NumericText.h"

#include "ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumericText, LeadingValueAndIsNumeric)
{
    const std::pair<QString, double> leading[] = {
        {u"12abc"_s, 12.0},  {u" 3.5"_s, 3.5},    {u"abc"_s, 0.0},      {QString(), 0.0},
        {u"-2"_s, -2.0},     {u"1e3"_s, 1000.0},  {u"1e999"_s, kInf},   {u"-1e999"_s, -kInf},
        {u"1e-999"_s, 0.0},  {u"1e"_s, 1.0},      {u"2.5d2"_s, 250.0},  {u".5x"_s, 0.5},
        {u"+7,1"_s, 7.0},    {u"-"_s, 0.0},       {u"\t 4 5"_s, 4.0},   {u"P01"_s, 0.0},
        {u"-0"_s, 0.0},      {u"-0.0"_s, 0.0},    {u"-1e-999"_s, 0.0},
    };
    // ... and never a negative zero, read whole ("-0") or through the general parse.
    for (const auto& [text, value] : leading) {
        const double got = NumericText::leadingValue(text);
        EXPECT_EQ(std::pair(got, std::signbit(got)), std::pair(value, std::signbit(value))) << text.toStdString();
    }
    const std::pair<QString, bool> numeric[] = {
        {u" 12 "_s, true}, {u"1.5"_s, true}, {u"-3"_s, true},   {u"abc"_s, false}, {QString(), false},
        {u"."_s, false},   {u"1e5"_s, true}, {u"3,1"_s, false}, {u"1e"_s, false},  {u"+.5"_s, true},
        {u"12a"_s, false}, {u"-"_s, false},  {u"  "_s, false},  {u"1 2"_s, false},
    };
    for (const auto& [text, isNumeric] : numeric)
        EXPECT_EQ(NumericText::isNumeric(text), isNumeric) << text.toStdString();
}

TEST(NumericText, RoundingAndInt32Conversions)
{
    const std::pair<double, double> halves[] = {
        {0.5, 0.0},  {1.5, 2.0},   {2.5, 2.0},   {-2.5, -2.0},    {-1.5, -2.0},
        {3.5, 4.0},  {2.4, 2.0},   {2.6, 3.0},   {-2.6, -3.0},    {0.49999999999999994, 0.0},
    };
    for (const auto& [value, rounded] : halves)
        EXPECT_EQ(NumericText::roundHalfEven(value), rounded) << value;

    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    const std::tuple<double, int, qint32> values[] = {  // value, error (0: none), result
        {2.5, 0, 2},              {-3.5, 0, -4},         {2147483647.0, 0, kMax}, {2147483647.5, 6, 0},
        {-2147483648.5, 0, kMin}, {-2147483649.0, 6, 0}, {kInf, 6, 0},            {std::nan(""), 6, 0},
    };
    for (const auto& [value, error, result] : values) {
        qint32 got = 0;
        EXPECT_EQ(errorNumber([&] { got = NumericText::toInt32(value); }), error) << value;
        EXPECT_EQ(got, result) << value;
    }
    const std::tuple<QString, int, qint32> texts[] = {
        {u"abc"_s, 13, 0}, {QString(), 13, 0}, {u"12x"_s, 13, 0}, {u"3000000000"_s, 6, 0}, {u" 42 "_s, 0, 42},
    };
    for (const auto& [text, error, result] : texts) {
        qint32 got = 0;
        EXPECT_EQ(errorNumber([&] { got = NumericText::textToInt32(text); }), error) << text.toStdString();
        EXPECT_EQ(got, result) << text.toStdString();
    }
}

}  // namespace
