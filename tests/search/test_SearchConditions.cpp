#include "search/SearchConditions.h"

#include "QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // designated conditions name only what they set

namespace {

using SC = SearchConditions;
std::string str(QStringView s) { return s.toString().toStdString(); }

TEST(SearchFilter, SetItemsTypeRangesTextsAndLists)
{
    // set items checked, card number, hidden
    const std::tuple<std::vector<int>, const char16_t*, bool> cases[] = {
        {{0, 7}, u"001", false}, {{0, 7}, u"100", false}, {{0, 7}, u"101", true}, {{0, 7}, u"P01", false},
        {{5}, u"420", false},    {{5}, u"421", true},     {{6}, u"420", true},    {{6}, u"421", false},
        {{6}, u"470", false},    {{6}, u"471", true},     {{0}, u"P01", true},    {{0}, u"abc", true},
        {{}, u"001", true},      {{0}, u"99999999999", false},  // beyond 32 bits the condition passes
    };
    for (const auto& [items, no, hidden] : cases) {
        SC s;
        for (int i : items)
            s.lstNo[size_t(i)] = true;
        EXPECT_EQ(s.fblnHideByNo(no), hidden) << str(no);
    }
    SC s;
    s.chkTypeSpell = true;
    EXPECT_EQ(QList({s.fblnHideByType(u"Spell"), s.fblnHideByType(u"spell"), s.fblnHideByType(u"Command")}),
              QList({false, true, true}));

    // lower, upper, selector, value, hidden
    const std::tuple<QString, QString, qint32, const char16_t*, bool> ranges[] = {
        {u"2"_s, u"-"_s, SC::kWithin, u"3", false},  {u"2"_s, u"-"_s, SC::kWithin, u"1", true},
        {u"2"_s, u"-"_s, SC::kOutside, u"1", false}, {u"2"_s, u"-"_s, SC::kOutside, u"3", true},
        {u"1"_s, u"1"_s, SC::kWithin, u"1", false},  {u"1"_s, u"1"_s, SC::kOutside, u"2", false},
        {u"3"_s, u"3"_s, SC::kWithin, u"3X", false}, {u"0"_s, u"-"_s, SC::kWithin, u"X", true},
        {u"2"_s, u"-"_s, SC::kWithin, u"", true},    {u"2"_s, u"-"_s, SC::kOutside, u"", true},
        {u"0"_s, u"-"_s, SC::kOutside, u"-", true},  {u"0"_s, u"-"_s, SC::kWithin, u"99999999999", false},
    };
    for (const auto& [lower, upper, sel, value, hidden] : ranges)
        EXPECT_EQ(SC::fblnHideByRange(lower, upper, sel, value), hidden) << str(lower) << sel << str(value);

    // Every number falls into exactly one of within and outside, a lower bound above the upper included.
    for (const auto& [lo, hi] : {std::pair(u"2"_s, u"-"_s), {u"1"_s, u"1"_s}, {u"2"_s, u"5"_s}, {u"5"_s, u"2"_s}})
        for (const QString& v : {u"0"_s, u"1"_s, u"2"_s, u"3X"_s, u"5"_s, u"7"_s, u"-1"_s, u"2.5"_s})
            EXPECT_NE(SC::fblnHideByRange(lo, hi, SC::kWithin, v), SC::fblnHideByRange(lo, hi, SC::kOutside, v))
                << str(lo) << ".." << str(hi) << " " << str(v);

    // first text (the second is "青"), connector, selector, value, hidden
    const std::tuple<const char16_t*, qint32, qint32, const char16_t*, bool> texts[] = {
        {u"", SC::kAlone, SC::kContains, u"霊夢", false}, {u"", SC::kAlone, SC::kContains, u"", true},
        {u"赤", SC::kAlone, SC::kContains, u"赤", false},  // the second text is ignored
        {u"赤", SC::kAnd, SC::kContains, u"赤青", false}, {u"赤", SC::kAnd, SC::kContains, u"赤", true},
        {u"赤", SC::kOr, SC::kContains, u"青", false},    {u"赤", SC::kOr, SC::kContains, u"白", true},
        {u"赤", SC::kAnd, SC::kLacks, u"赤い", true},     {u"赤", SC::kAnd, SC::kLacks, u"白", false},
        {u"赤", SC::kOr, SC::kLacks, u"赤い", false},     {u"赤", SC::kOr, SC::kLacks, u"赤青", true},
        {u"ａ", SC::kAlone, SC::kContains, u"a", true},
    };
    for (const auto& [text1, connector, sel, value, hidden] : texts)
        EXPECT_EQ(SC::fblnHideByText(QString::fromUtf16(text1), connector, u"青"_s, sel, value), hidden)
            << str(text1) << connector << sel << str(value);

    // selected items, value, hidden
    const std::tuple<QStringList, const char16_t*, bool> lists[] = {
        {{u"鬼"_s}, u"鬼", false},         {{u"鬼"_s}, u"吸血鬼", true},       {{u"鬼"_s}, u"巫女／吸血鬼", false},
        {{u"神"_s}, u"死神", true},        {{u"神"_s}, u"死神／妖怪", false},  {{u"（種族なし）"_s}, u"", false},
        {{u"（種族なし）"_s}, u"人間", true}, {{u"（無し）"_s, u"先制"_s}, u"", false},
        {{u"（無し）"_s, u"先制"_s}, u"先制　飛行", false}, {{u"（無し）"_s, u"先制"_s}, u"飛行", true},
        {{}, u"", true},                   {{u""_s}, u"人間", true},            {{u""_s}, u"", false},
    };
    for (const auto& [selected, value, hidden] : lists)
        EXPECT_EQ(SC::fblnHideByList(selected, value), hidden) << str(selected.join(u',')) << "/" << str(value);
}

TEST(SearchConditionsJson, RoundTripFormatAndRefusals)
{
    // every kind of control away from its default
    const SC s{.chkNo = false, .lstNo = {true, false, false, false, false, false, false, true}, .chkTypeSpell = true,
               .cmbCostL = u"2"_s, .cmbCostU = u"15"_s, .cmbToughnessSel = SC::kOutside,
               .txtAbility1 = u"炎\\n\"水\""_s, .cmbAbility = SC::kOr, .lstClass = {u"（種族なし）"_s, u"鬼"_s}};
    ConditionsRefusal refusal;
    EXPECT_EQ(SC::fromJson(s.toJson(), refusal), s) << int(refusal.reason);
    EXPECT_EQ(SC::fromJson("{}", refusal), SC());

    const QJsonObject o = QJsonDocument::fromJson(s.toJson()).object();
    EXPECT_EQ(o.size(), 64);
    EXPECT_EQ((QList{o[u"chkNo"_s], o[u"chkType"_s], o[u"lstNo"_s], o[u"cmbCostL"_s], o[u"cmbNodeU"_s],
                     o[u"cmbAbility"_s], o[u"lstClass"_s]}),
              (QList<QJsonValue>{0, 1, QJsonArray{0, 7}, u"2"_s, u"-"_s, 2, QJsonArray{u"（種族なし）"_s, u"鬼"_s}}));

    // the text, why it is refused and the number the reason names; the key is the first one quoted
    using R = ConditionsRefusal;
    const std::tuple<const char*, R::Reason, qint64> refusals[] = {
        {R"({"chkCosts": 0})", R::kUnknownKey, 0},       {R"({"chkNo": 2})", R::kNotCheck, 0},
        {R"({"chkNo": true})", R::kNotCheck, 0},         {R"({"lstNo": [8]})", R::kNotIndexes, 7},
        {R"({"lstNo": 0})", R::kNotIndexes, 7},          {R"({"cmbCostL": 2})", R::kNotLowerBound, 0},
        {R"({"cmbCostL": "-"})", R::kNotLowerBound, 0},  {R"({"cmbCostU": "02"})", R::kNotUpperBound, 0},
        {R"({"cmbCostU": "2147483648"})", R::kNotUpperBound, 0}, {R"({"cmbName": 3})", R::kNotIndex, 2},
        {R"({"cmbCostSel": 0.5})", R::kNotIndex, 1},     {R"({"txtName1": 5})", R::kNotText, 0},
        {R"({"lstSkill": [1]})", R::kNotTexts, 0},       {R"({"lstSkill": "先制"})", R::kNotTexts, 0},
        {R"({"chkNo": 1e300})", R::kNotCheck, 0},        {R"({"lstNo": [-1e300]})", R::kNotIndexes, 7},
        {R"({"cmbCostSel": 0, "cmbCostSel": 1})", R::kRepeatedKey, 0},
        {R"({"chkNo": 0, "lstSkill": ["\"}"], "chk\u004eo": 0})", R::kRepeatedKey, 0}, {"[]", R::kNotObject, 0},
    };
    for (const auto& [json, reason, number] : refusals) {
        EXPECT_FALSE(SC::fromJson(json, refusal)) << json;
        EXPECT_EQ(refusal, (R{reason, QString::fromUtf8(json).section(u'"', 1, 1), number})) << json;
    }
    EXPECT_FALSE(SC::fromJson(R"({"chkNo": )", refusal));
    EXPECT_EQ(refusal, (R{.reason = R::kNotJson, .number = 10, .parseError = QJsonParseError::UnterminatedObject}));
}

}  // namespace
