#pragma once

#include "ConditionsRefusal.h"

#include "platform/FileWrite.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

class CardGrid;
class FilterCatalogue;

// The search dialog's condition state as a plain record: one member per control, named after it.
// A default record is the dialog as it opens (every switch checked, so every condition is off).
//
// How frmSerch maps to it:
// - check boxes (chk…): checked == true; a checked switch turns its condition off;
// - lstNo: the selected flag of each of its eight items, by index;
// - bound lists (cmb…L, cmb…U): the selected item's text, "0"…"max"; the upper list's "-" is no bound;
// - range selectors (cmb…Sel), connectors (cmbName…) and text selectors (cmbNameSel…): item indexes;
// - text boxes (txt…): their text;
// - lstSpell, lstClass, lstSkill: the texts of the selected items, placeholders by their own text.
//   A text the dialog's list does not hold still takes part in the filter.
struct SearchConditions {
    // Item indexes of the selectors and connectors.
    enum RangeSelector : qint32 { kWithin = 0, kOutside = 1 };
    enum Connector : qint32 { kAlone = 0, kAnd = 1, kOr = 2 };
    enum TextSelector : qint32 { kContains = 0, kLacks = 1 };
    static constexpr qint32 kSetItems = 8;

    bool chkNo = true;
    std::array<bool, kSetItems> lstNo{};

    bool chkType = true;
    bool chkTypeCharacter = false;
    bool chkTypeSpell = false;
    bool chkTypeCommand = false;

    bool chkNumber = true;
    QString cmbNumberL = QStringLiteral("0"), cmbNumberU = QStringLiteral("-");
    qint32 cmbNumberSel = kWithin;
    bool chkSide = true;
    QString cmbSideL = QStringLiteral("0"), cmbSideU = QStringLiteral("-");
    qint32 cmbSideSel = kWithin;
    bool chkGlaze = true;
    QString cmbGlazeL = QStringLiteral("0"), cmbGlazeU = QStringLiteral("-");
    qint32 cmbGlazeSel = kWithin;
    bool chkNode = true;
    QString cmbNodeL = QStringLiteral("0"), cmbNodeU = QStringLiteral("-");
    qint32 cmbNodeSel = kWithin;
    bool chkCost = true;
    QString cmbCostL = QStringLiteral("0"), cmbCostU = QStringLiteral("-");
    qint32 cmbCostSel = kWithin;
    bool chkUpkeep = true;
    QString cmbUpkeepL = QStringLiteral("0"), cmbUpkeepU = QStringLiteral("-");
    qint32 cmbUpkeepSel = kWithin;
    bool chkAttack = true;
    QString cmbAttackL = QStringLiteral("0"), cmbAttackU = QStringLiteral("-");
    qint32 cmbAttackSel = kWithin;
    bool chkToughness = true;
    QString cmbToughnessL = QStringLiteral("0"), cmbToughnessU = QStringLiteral("-");
    qint32 cmbToughnessSel = kWithin;

    bool chkName = true;
    QString txtName1, txtName2;
    qint32 cmbName = kAlone, cmbNameSel = kContains;
    bool chkAbility = true;
    QString txtAbility1, txtAbility2;
    qint32 cmbAbility = kAlone, cmbAbilitySel = kContains;
    bool chkText = true;
    QString txtText1, txtText2;
    qint32 cmbText = kAlone, cmbTextSel = kContains;
    bool chkIllustration = true;
    QString txtIllustration1, txtIllustration2;
    qint32 cmbIllustration = kAlone, cmbIllustrationSel = kContains;

    bool chkSpell = true;
    QStringList lstSpell;
    bool chkClass = true;
    QStringList lstClass;
    bool chkSkill = true;
    QStringList lstSkill;

    bool operator==(const SearchConditions&) const = default;

    // JSON keyed by the control names. Reading: a missing key keeps its default; an unknown key, a
    // value of the wrong type or out of its control's range fails, the refusal naming the key.
    QByteArray toJson() const;
    static std::optional<SearchConditions> fromJson(const QByteArray& json, ConditionsRefusal& refusal);
    // fromJson() of a regular file of at most 16 MiB, or of standard input for "-".
    static std::optional<SearchConditions> readFile(const QString& file, ConditionsRefusal& refusal);
    // toJson() into a regular file, replaced atomically.
    WriteResult writeFile(const QString& path) const;

    // The filter. Every fblnHide… answers true when the card fails that condition (hide).
    bool fblnHideRow(const CardGrid& grid, qint32 row, QStringView cardNo, FilterCatalogue& catalogue) const;
    bool fblnHideByNo(QStringView cardNo) const;
    bool fblnHideByType(QStringView type) const;
    static bool fblnHideByRange(const QString& lower, const QString& upper, qint32 selector, QStringView value);
    static bool fblnHideByText(const QString& text1, qint32 connector, const QString& text2, qint32 selector,
                               QStringView value);
    static bool fblnHideByList(const QStringList& selected, QStringView value);
};
