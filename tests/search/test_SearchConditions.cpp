#include "search/SearchConditions.h"

#include "QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using SC = SearchConditions;

TEST(SearchFilter, SetItemsAcceptTheirOwnNumbers)
{
    const struct {
        std::vector<int> items;
        const char16_t* no;
        bool hidden;
    } cases[] = {
        {{0, 7}, u"001", false}, {{0, 7}, u"100", false}, {{0, 7}, u"101", true}, {{0, 7}, u"P01", false},
        {{5}, u"420", false},    {{5}, u"421", true},     {{6}, u"420", true},    {{6}, u"421", false},
        {{6}, u"470", false},    {{6}, u"471", true},     {{0}, u"P01", true},    {{0}, u"0", true},
        {{0}, u"abc", true},     {{}, u"001", true},
        // A number beyond 32 bits is a fault in the condition, which lets the card pass.
        {{0}, u"99999999999", false},
    };
    for (const auto& c : cases) {
        SC s;
        for (int i : c.items)
            s.lstNo[size_t(i)] = true;
        EXPECT_EQ(s.fblnHideByNo(c.no), c.hidden) << QString::fromUtf16(c.no).toStdString();
    }
}

TEST(SearchFilter, TypeMatchesExactly)
{
    SC s;
    s.chkTypeSpell = true;
    EXPECT_FALSE(s.fblnHideByType(u"Spell"));
    EXPECT_TRUE(s.fblnHideByType(u"spell"));
    EXPECT_TRUE(s.fblnHideByType(u"Character"));
    s.chkTypeSpell = false;
    EXPECT_TRUE(s.fblnHideByType(u"Spell"));
}

TEST(SearchFilter, RangesWithinAndOutside)
{
    const struct {
        const char16_t *lower, *upper;
        qint32 sel;
        const char16_t* value;
        bool hidden;
    } cases[] = {
        {u"2", u"-", SC::kWithin, u"3", false},  {u"2", u"-", SC::kWithin, u"1", true},
        {u"2", u"-", SC::kWithin, u"", true},    {u"2", u"-", SC::kOutside, u"1", false},
        {u"2", u"-", SC::kOutside, u"3", true},  {u"2", u"-", SC::kOutside, u"", true},
        {u"1", u"1", SC::kWithin, u"1", false},  {u"1", u"1", SC::kWithin, u"2", true},
        {u"1", u"1", SC::kOutside, u"0", false}, {u"1", u"1", SC::kOutside, u"2", false},
        {u"3", u"3", SC::kWithin, u"3X", false}, {u"0", u"-", SC::kWithin, u"X", true},
        {u"0", u"-", SC::kOutside, u"-", true},
        // Beyond 32 bits the condition passes, either way round.
        {u"0", u"-", SC::kWithin, u"99999999999", false}, {u"0", u"-", SC::kOutside, u"-99999999999", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SC::fblnHideByRange(QString::fromUtf16(c.lower), QString::fromUtf16(c.upper), c.sel, c.value),
                  c.hidden)
            << QString::fromUtf16(c.lower).toStdString() << ".." << QString::fromUtf16(c.upper).toStdString() << " "
            << c.sel << " " << QString::fromUtf16(c.value).toStdString();

    // Every number falls into exactly one of within and outside, a lower bound above the upper included.
    const std::pair<QString, QString> bounds[] = {{u"0"_s, u"-"_s}, {u"2"_s, u"-"_s}, {u"1"_s, u"1"_s},
                                                  {u"2"_s, u"5"_s}, {u"5"_s, u"2"_s}};
    for (const auto& [lo, hi] : bounds)
        for (const QString& v : {u"0"_s, u"1"_s, u"2"_s, u"3X"_s, u"5"_s, u"7"_s, u"-1"_s, u"2.5"_s})
            EXPECT_NE(SC::fblnHideByRange(lo, hi, SC::kWithin, v), SC::fblnHideByRange(lo, hi, SC::kOutside, v))
                << lo.toStdString() << ".." << hi.toStdString() << " " << v.toStdString();
}

TEST(SearchFilter, TextsWithConnectorsAndNegation)
{
    const struct {
        const char16_t* text1;
        qint32 connector;
        const char16_t* text2;
        qint32 sel;
        const char16_t* value;
        bool hidden;
    } cases[] = {
        {u"", SC::kAlone, u"", SC::kContains, u"霊夢", false}, {u"", SC::kAlone, u"", SC::kContains, u"", true},
        {u"赤", SC::kAlone, u"青", SC::kContains, u"赤", false},  // the second text is ignored
        {u"赤", SC::kAnd, u"青", SC::kContains, u"赤青", false},  {u"赤", SC::kAnd, u"青", SC::kContains, u"赤", true},
        {u"赤", SC::kOr, u"青", SC::kContains, u"青", false},     {u"赤", SC::kOr, u"青", SC::kContains, u"白", true},
        {u"赤", SC::kAnd, u"青", SC::kLacks, u"赤い", true},      {u"赤", SC::kAnd, u"青", SC::kLacks, u"白", false},
        {u"赤", SC::kOr, u"青", SC::kLacks, u"赤い", false},      {u"赤", SC::kOr, u"青", SC::kLacks, u"赤青", true},
        {u"赤", SC::kAlone, u"", SC::kLacks, u"赤", true},        {u"ａ", SC::kAlone, u"", SC::kContains, u"a", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SC::fblnHideByText(QString::fromUtf16(c.text1), c.connector, QString::fromUtf16(c.text2), c.sel,
                                     c.value),
                  c.hidden)
            << QString::fromUtf16(c.text1).toStdString() << c.connector << c.sel
            << QString::fromUtf16(c.value).toStdString();
}

TEST(SearchFilter, ListsWithPlaceholdersAndWholeValueExclusions)
{
    const struct {
        QStringList selected;
        const char16_t* value;
        bool hidden;
    } cases[] = {
        {{u"鬼"_s}, u"鬼", false},           {{u"鬼"_s}, u"吸血鬼", true},        {{u"鬼"_s}, u"巫女／吸血鬼", false},
        {{u"神"_s}, u"神", false},           {{u"神"_s}, u"死神", true},          {{u"神"_s}, u"死神／妖怪", false},
        {{u"（種族なし）"_s}, u"", false},   {{u"（種族なし）"_s}, u"人間", true},
        {{u"（無し）"_s, u"先制"_s}, u"", false}, {{u"（無し）"_s, u"先制"_s}, u"先制　飛行", false},
        {{u"（無し）"_s, u"先制"_s}, u"飛行", true}, {{}, u"人間", true},       {{}, u"", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SC::fblnHideByList(c.selected, c.value), c.hidden)
            << c.selected.join(u',').toStdString() << " / " << QString::fromUtf16(c.value).toStdString();
}

// Every kind of control away from its default.
SC edited()
{
    SC s;
    s.chkNo = false;
    s.lstNo[0] = s.lstNo[7] = true;
    s.chkTypeSpell = true;
    s.chkCost = false;
    s.cmbCostL = u"2"_s;
    s.cmbCostU = u"15"_s;
    s.cmbToughnessSel = SC::kOutside;
    s.chkAbility = false;
    s.txtAbility1 = u"炎\\n"_s;
    s.cmbAbility = SC::kOr;
    s.txtAbility2 = u"\"水\""_s;
    s.cmbAbilitySel = SC::kLacks;
    s.chkClass = false;
    s.lstClass = QStringList{u"（種族なし）"_s, u"鬼"_s};
    return s;
}

TEST(SearchConditionsJson, RoundTripAndFormat)
{
    QString error;
    EXPECT_EQ(SC::fromJson(edited().toJson(), error), edited()) << error.toStdString();
    EXPECT_EQ(SC::fromJson("{}", error), SC());
    EXPECT_EQ(SC::fromJson(R"({"chkCost": 0})", error)->chkCost, false);

    const QJsonObject o = QJsonDocument::fromJson(edited().toJson()).object();
    EXPECT_EQ(o.size(), 64);
    EXPECT_EQ(o[u"chkNo"_s], 0);
    EXPECT_EQ(o[u"chkType"_s], 1);
    EXPECT_EQ(o[u"lstNo"_s], QJsonArray({0, 7}));
    EXPECT_EQ(o[u"cmbCostL"_s], u"2"_s);
    EXPECT_EQ(o[u"cmbCostU"_s], u"15"_s);
    EXPECT_EQ(o[u"cmbNodeU"_s], u"-"_s);
    EXPECT_EQ(o[u"cmbToughnessSel"_s], 1);
    EXPECT_EQ(o[u"cmbAbility"_s], 2);
    EXPECT_EQ(o[u"lstClass"_s], QJsonArray({u"（種族なし）"_s, u"鬼"_s}));
}

TEST(SearchConditionsJson, RefusalsNameTheKey)
{
    const struct {
        const char* json;
        const char16_t* named;
    } cases[] = {
        {R"({"chkCosts": 0})", u"\"chkCosts\""},      {R"({"chkNo": 2})", u"\"chkNo\""},
        {R"({"chkNo": true})", u"\"chkNo\""},         {R"({"lstNo": [8]})", u"\"lstNo\""},
        {R"({"lstNo": 0})", u"\"lstNo\""},            {R"({"cmbCostL": 2})", u"\"cmbCostL\""},
        {R"({"cmbCostL": "-"})", u"\"cmbCostL\""},    {R"({"cmbCostU": "02"})", u"\"cmbCostU\""},
        {R"({"cmbCostU": "2147483648"})", u"\"cmbCostU\""}, {R"({"cmbName": 3})", u"\"cmbName\""},
        {R"({"cmbCostSel": 0.5})", u"\"cmbCostSel\""}, {R"({"txtName1": 5})", u"\"txtName1\""},
        {R"({"lstSkill": [1]})", u"\"lstSkill\""},    {R"([])", u"object"},
        {R"({"chkNo": )", u"JSON"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(SC::fromJson(c.json, error)) << c.json;
        EXPECT_TRUE(error.contains(QString::fromUtf16(c.named))) << c.json << " -> " << error.toStdString();
    }
}

}  // namespace
