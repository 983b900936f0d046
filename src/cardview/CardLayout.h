#pragma once

#include "CardRecord.h"

#include "platform/Rgb.h"

#include <QString>

// What the preview pane and the card windows show for a card, decided without a window: each
// element's text, and for the card window which elements show and where the texts go.

namespace CardText {
inline QString cardSuffix() { return QStringLiteral(" Card"); }
inline QString emptyCardType() { return QStringLiteral("Card"); }
inline QString illustrationPrefix() { return QStringLiteral("illustration:"); }
inline QString numberPrefix() { return QStringLiteral("No."); }
inline QString emptyNumber() { return QStringLiteral("No.000"); }
inline QString emptyValue() { return QStringLiteral("0"); }
inline QString emptyPower() { return QStringLiteral("-"); }
inline QString upkeepOpen() { return QStringLiteral("維持コスト（"); }
inline QString upkeepClose() { return QStringLiteral("）"); }
inline QString glazeCaption() { return QStringLiteral("GRAZE"); }
// The credit lines at the foot of a card window name the sample set's own makers.
inline QString creditVenthra() { return QStringLiteral("© 2026 Venthra Works"); }
inline QString creditKorvel() { return QStringLiteral("© Korvel Atelier"); }
}  // namespace CardText

// The preview pane's elements, each holding its text; picture is a file path or empty.
struct PreviewTexts {
    QString lblCardType, lblGlaze, lblNode, lblCost, lblUser, lblClass, lblCardName, lblAttack, lblToughness;
    QString lblUpkeep, lblSkill, txtAbility, txtText, lblIllustration, picture;
    bool operator==(const PreviewTexts&) const = default;
};

PreviewTexts clearedPreview();                      // fsubClearPreview
PreviewTexts previewTexts(const CardRecord& card);  // flngShowPreview

// Design measures of the card window that its layout depends on, in twips.
namespace CardWindowGeometry {
constexpr qint32 kClientWidth = 5925;
constexpr qint32 kClientHeight = 8295;
constexpr qint32 kAbilityWidth = 5265;
constexpr qint32 kClassWidth = 1425;
constexpr qint32 kSkillTop = 5760;
constexpr qint32 kSkillHeight = 480;
constexpr qint32 kTextTop = 7440;
constexpr qint32 kNameWidth = 3825;  // as designed, before a card decides it
// Behind the bands and the panel: without a picture the white captions stand on it.
constexpr Rgb kFrameColour = rgb(43, 47, 58);
}  // namespace CardWindowGeometry

struct CardWindowLayout {
    QString title, lblNo, lblCardType;
    bool glazeVisible = true;
    QString lblGlaze, lblNode, lblCost;
    bool userVisible = true;
    QString lblUser;
    bool classVisible = true;
    QString lblClass;
    // The name band: beside the race box in white on black, or across the panel in black on white
    // over its underline.
    qint32 nameWidth = CardWindowGeometry::kNameWidth;
    Rgb nameFore = rgb(255, 255, 255);
    Rgb nameBack = rgb(0, 0, 0);
    bool lineVisible = false;
    QString lblCardName, lblAttack, lblToughness;
    bool skillVisible = true;
    QString txtSkill;
    qint32 abilityTop = CardWindowGeometry::kSkillTop + CardWindowGeometry::kSkillHeight;
    qint32 abilityHeight = CardWindowGeometry::kTextTop - abilityTop;
    QString txtAbility, txtText, lblIllustration, picture;
};

CardWindowLayout resetCardWindow();                          // Form_Load
CardWindowLayout cardWindowLayout(const CardRecord& card);   // plngSetCard

// The skill keywords, followed by the upkeep when it is above 0.
QString skillLine(const QString& skill, const QString& upkeep);
