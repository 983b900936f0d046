#pragma once

#include "SearchConditions.h"

#include "deck/Columns.h"

// The conditions grouped by kind, in the order the filter tests them. The filter and the JSON
// form both walk these tables, so a condition added here is filtered and saved alike.
namespace SearchFields {

template <typename T>
using Member = T SearchConditions::*;

struct Range {
    const char16_t* name;  // the part between "chk"/"cmb" and the suffix: "Number" -> cmbNumberL
    Member<bool> chk;
    Member<QString> lower;
    Member<QString> upper;
    Member<qint32> selector;
    qint32 col;
};

inline constexpr Range kRanges[] = {
    {u"Number", &SearchConditions::chkNumber, &SearchConditions::cmbNumberL, &SearchConditions::cmbNumberU,
     &SearchConditions::cmbNumberSel, colDeck},
    {u"Side", &SearchConditions::chkSide, &SearchConditions::cmbSideL, &SearchConditions::cmbSideU,
     &SearchConditions::cmbSideSel, colSide},
    {u"Glaze", &SearchConditions::chkGlaze, &SearchConditions::cmbGlazeL, &SearchConditions::cmbGlazeU,
     &SearchConditions::cmbGlazeSel, colGlaze},
    {u"Node", &SearchConditions::chkNode, &SearchConditions::cmbNodeL, &SearchConditions::cmbNodeU,
     &SearchConditions::cmbNodeSel, colNode},
    {u"Cost", &SearchConditions::chkCost, &SearchConditions::cmbCostL, &SearchConditions::cmbCostU,
     &SearchConditions::cmbCostSel, colCost},
    {u"Upkeep", &SearchConditions::chkUpkeep, &SearchConditions::cmbUpkeepL, &SearchConditions::cmbUpkeepU,
     &SearchConditions::cmbUpkeepSel, colUpkeep},
    {u"Attack", &SearchConditions::chkAttack, &SearchConditions::cmbAttackL, &SearchConditions::cmbAttackU,
     &SearchConditions::cmbAttackSel, colAttack},
    {u"Toughness", &SearchConditions::chkToughness, &SearchConditions::cmbToughnessL,
     &SearchConditions::cmbToughnessU, &SearchConditions::cmbToughnessSel, colToughness},
};

// A searched value comes from a grid column, or (col 0) from the catalogue key of the same name.
struct Text {
    const char16_t* name;  // txtName1, cmbName, txtName2, cmbNameSel
    Member<bool> chk;
    Member<QString> text1;
    Member<qint32> connector;
    Member<QString> text2;
    Member<qint32> selector;
    qint32 col;
    const char16_t* catalogueKey;
};

inline constexpr Text kTexts[] = {
    {u"Name", &SearchConditions::chkName, &SearchConditions::txtName1, &SearchConditions::cmbName,
     &SearchConditions::txtName2, &SearchConditions::cmbNameSel, colName, nullptr},
    {u"Ability", &SearchConditions::chkAbility, &SearchConditions::txtAbility1, &SearchConditions::cmbAbility,
     &SearchConditions::txtAbility2, &SearchConditions::cmbAbilitySel, 0, u"Ability"},
    {u"Text", &SearchConditions::chkText, &SearchConditions::txtText1, &SearchConditions::cmbText,
     &SearchConditions::txtText2, &SearchConditions::cmbTextSel, 0, u"Text"},
    {u"Illustration", &SearchConditions::chkIllustration, &SearchConditions::txtIllustration1,
     &SearchConditions::cmbIllustration, &SearchConditions::txtIllustration2, &SearchConditions::cmbIllustrationSel,
     0, u"Illustration"},
};

struct List {
    const char16_t* name;  // chkSpell, lstSpell
    Member<bool> chk;
    Member<QStringList> items;
    qint32 col;
    const char16_t* catalogueKey;
};

inline constexpr List kLists[] = {
    {u"Spell", &SearchConditions::chkSpell, &SearchConditions::lstSpell, colUser, nullptr},
    {u"Class", &SearchConditions::chkClass, &SearchConditions::lstClass, colClass, nullptr},
    {u"Skill", &SearchConditions::chkSkill, &SearchConditions::lstSkill, 0, u"Skill"},
};

}  // namespace SearchFields
