#include "platform/NumericText.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumericText, LeadingValue)
{
    const std::pair<QString, double> cases[] = {
        {u"12abc"_s, 12.0},  {u" 3.5"_s, 3.5},    {u"abc"_s, 0.0},      {QString(), 0.0},
        {u"-2"_s, -2.0},     {u"1e3"_s, 1000.0},  {u"1e999"_s, kInf},   {u"-1e999"_s, -kInf},
        {u"1e-999"_s, 0.0},  {u"1e"_s, 1.0},      {u"2.5d2"_s, 250.0},  {u".5x"_s, 0.5},
        {u"+7,1"_s, 7.0},    {u"-"_s, 0.0},       {u"\t 4 5"_s, 4.0},   {u"P01"_s, 0.0},
    };
    for (const auto& [text, value] : cases) {
        const double got = NumericText::leadingValue(text);
        EXPECT_EQ(got, value) << text.toStdString();
        EXPECT_FALSE(std::signbit(got) && got == 0.0) << "negative zero for " << text.toStdString();
    }
}

TEST(NumericText, IsNumeric)
{
    const std::pair<QString, bool> cases[] = {
        {u" 12 "_s, true}, {u"1.5"_s, true}, {u"-3"_s, true},   {u"abc"_s, false}, {QString(), false},
        {u"."_s, false},   {u"1e5"_s, true}, {u"3,1"_s, false}, {u"1e"_s, false},  {u"+.5"_s, true},
        {u"12a"_s, false}, {u"-"_s, false},  {u"  "_s, false},  {u"1 2"_s, false},
    };
    for (const auto& [text, numeric] : cases)
        EXPECT_EQ(NumericText::isNumeric(text), numeric) << text.toStdString();
}

TEST(NumericText, RoundHalfEven)
{
    const std::pair<double, double> cases[] = {
        {0.5, 0.0},  {1.5, 2.0},   {2.5, 2.0},   {-2.5, -2.0},    {-1.5, -2.0},
        {3.5, 4.0},  {2.4, 2.0},   {2.6, 3.0},   {-2.6, -3.0},    {0.49999999999999994, 0.0},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(NumericText::roundHalfEven(value), rounded) << value;
}

TEST(NumericText, Int32Conversions)
{
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    struct Case {
        double value;
        int error;  // 0: converts to result
        qint32 result;
    };
    const Case cases[] = {
        {2.5, 0, 2},        {-3.5, 0, -4},       {2147483647.0, 0, kMax}, {2147483647.5, 6, 0},
        {-2147483648.5, 0, kMin}, {-2147483649.0, 6, 0}, {kInf, 6, 0},          {std::nan(""), 6, 0},
    };
    for (const Case& c : cases) {
        try {
            EXPECT_EQ(NumericText::toInt32(c.value), c.result) << c.value;
            EXPECT_EQ(c.error, 0) << c.value;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.error) << c.value;
        }
    }

    const std::pair<QString, int> texts[] = {
        {u"abc"_s, 13}, {QString(), 13}, {u"12x"_s, 13}, {u"3000000000"_s, 6}, {u" 42 "_s, 0},
    };
    for (const auto& [text, error] : texts) {
        try {
            EXPECT_EQ(NumericText::textToInt32(text), 42) << text.toStdString();
            EXPECT_EQ(error, 0) << text.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), error) << text.toStdString();
        }
    }
    EXPECT_EQ(NumericText::leadingInt32(u"2.5,001"_s), 2);
    EXPECT_EQ(NumericText::leadingInt32(u"x"_s), 0);
}

}  // namespace
