#include "ErrorNumber.h"
#include "RecordingUi.h"
#include "platform/modFuncRim.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;
using namespace modFuncRim;

namespace {

constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

TEST(modFuncRim, pstrRightDel)
{
    const std::tuple<QString, qint32, QString> cases[] = {
        {u"C:/デッキ/a.txt\""_s, 1, u"C:/デッキ/a.txt"_s}, {QString(), 1, QString()}, {QString(), -3, QString()},
        {u"abc"_s, 0, u"abc"_s}, {u"abc"_s, -2, u"abc"_s}, {u"abc"_s, kMin, u"abc"_s}, {u"abc"_s, 3, QString()},
        {u"abc"_s, 4, QString()},  // the one warning
    };
    RecordingUi ui;
    for (const auto& [s, n, result] : cases)
        EXPECT_EQ(pstrRightDel(ui, s, n), result) << s.toStdString() << ' ' << n;
    EXPECT_EQ(ui.messages, (Messages{{u"プロシージャの呼び出し、または引数が不正です。\r\nabc"_s, u"pstrRightDel"_s,
                                      MsgIcon::Warning, MsgButtons::Ok}}));
}

TEST(modFuncRim, fsubSplitText)
{
    const std::tuple<QString, QString, QStringList> cases[] = {
        {u"人間／妖怪"_s, u"／"_s, {QString(), u"人間"_s, u"妖怪"_s}},
        {u"人間"_s, u"／"_s, {QString(), u"人間"_s}},
        {u"人間／／妖怪"_s, u"／"_s, {QString(), u"人間"_s, QString(), u"妖怪"_s}},
        {u"／a／"_s, u"／"_s, {QString(), QString(), u"a"_s, QString()}},
        {QString(), u"　"_s, {QString(), QString()}},
        {u"aXbxc"_s, u"x"_s, {QString(), u"aXb"_s, u"c"_s}},
        {u"a<>b<c"_s, u"<>"_s, {QString(), u"a"_s, u"b<c"_s}},
    };
    for (const auto& [s, d, expected] : cases) {
        QStringList parts{u"stale"_s, u"stale"_s, u"stale"_s, u"stale"_s, u"stale"_s};
        fsubSplitText(s, d, parts);
        EXPECT_EQ(parts, expected) << s.toStdString();
    }
    QStringList parts;
    EXPECT_EQ(errorNumber([&] { fsubSplitText(u"abc"_s, QString(), parts); }), 5) << "an empty delimiter";
}

TEST(modFuncRim, fstrConvNewLine)
{
    const std::pair<QString, QString> cases[] = {
        {u"炎の\\n魔法"_s, u"炎の\r\n魔法"_s}, {u"末尾\\"_s, u"末尾\\"_s},           {u"\\N\\t"_s, u"\\N\\t"_s},
        {u"\\\\n"_s, u"\\\r\n"_s},           {u"\\n\\n"_s, u"\r\n\r\n"_s}, {QString(), QString()},
    };
    for (const auto& [in, out] : cases) {
        QString s = in;
        EXPECT_EQ(fstrConvNewLine(s), out);
        EXPECT_EQ(s, out);
    }
}

TEST(modFuncRim, fsubAddLong)
{
    const std::tuple<qint32, qint32, int, qint32> cases[] = {  // n, k, error, n afterwards (unchanged on error)
        {1, 2, 0, 3},       {kMin, kMax, 0, -1}, {kMax, -1, 0, kMax - 1},
        {kMax, 1, 6, kMax}, {kMin, -1, 6, kMin}, {kMax, kMax, 6, kMax},
    };
    for (const auto& [n, k, error, after] : cases) {
        qint32 result = n;
        EXPECT_EQ(errorNumber([&] { fsubAddLong(result, k); }), error) << n << " + " << k;
        EXPECT_EQ(result, after) << n << " + " << k;
    }
}

// plngTopValue and plngUnderValue are covered by the main window's placement tests.
TEST(modFuncRim, fsubListIndex)
{
    const QStringList demons{u"鬼"_s, u"神"_s, u"鬼"_s};
    const std::tuple<QStringList, QString, qint32> cases[] = {
        {demons, u"鬼"_s, 0},         {demons, u"神"_s, 1},  {demons, u"死神"_s, -1},
        {demons, QString(), 3},       {{}, QString(), 0},    {{}, u"鬼"_s, -1},
        {{u"a"_s, QString(), u"b"_s}, QString(), 1}, {{u"Abc"_s}, u"abc"_s, -1}, {{u"鬼 "_s}, u"鬼"_s, -1},
    };
    for (const auto& [list, s, index] : cases)
        EXPECT_EQ(fsubListIndex(list, s), index) << s.toStdString();
}

}  // namespace
