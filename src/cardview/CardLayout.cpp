#include "CardLayout.h"

#include "platform/NumericText.h"
#include "platform/modFuncRim.h"

using namespace Qt::StringLiterals;

namespace {

QString withLineBreaks(QString text) { return modFuncRim::fstrConvNewLine(text); }

}  // namespace

PreviewTexts clearedPreview()
{
    PreviewTexts p;
    p.lblCardType = CardText::emptyCardType();
    p.lblNode = p.lblCost = CardText::emptyValue();
    p.lblAttack = p.lblToughness = CardText::emptyPower();
    p.lblIllustration = CardText::illustrationPrefix();
    return p;
}

PreviewTexts previewTexts(const CardRecord& card)
{
    // Every value as read: a missing key empties its element, "-" included.
    PreviewTexts p;
    p.lblCardType = card.type + CardText::cardSuffix();
    p.lblGlaze = card.glaze;
    p.lblNode = card.node;
    p.lblCost = card.cost;
    p.lblUser = card.user;
    p.lblClass = card.classes;
    p.lblCardName = card.name;
    p.lblAttack = card.attack;
    p.lblToughness = card.toughness;
    p.lblUpkeep = card.upkeep;
    p.lblSkill = card.skill;
    p.txtAbility = withLineBreaks(card.ability);
    p.txtText = withLineBreaks(card.text);
    p.lblIllustration = CardText::illustrationPrefix() + card.illustration;
    p.picture = card.picture;
    return p;
}

CardWindowLayout resetCardWindow()
{
    CardWindowLayout w;
    w.title = w.lblNo = CardText::emptyNumber();
    w.lblCardType = CardText::emptyCardType();
    w.lblNode = w.lblCost = CardText::emptyValue();
    w.lblAttack = w.lblToughness = CardText::emptyPower();
    w.lblIllustration = CardText::illustrationPrefix();
    return w;
}

QString skillLine(const QString& skill, const QString& upkeep)
{
    if (!(NumericText::leadingValue(upkeep) > 0))
        return skill;
    return (skill.isEmpty() ? QString() : skill + u'　') + CardText::upkeepOpen() + upkeep + CardText::upkeepClose();
}

CardWindowLayout cardWindowLayout(const CardRecord& card)
{
    using namespace CardWindowGeometry;
    CardWindowLayout w = resetCardWindow();
    w.lblNo = CardText::numberPrefix() + card.section;
    w.title = w.lblNo + u' ' + card.name;
    w.lblCardType = card.type + CardText::cardSuffix();

    w.glazeVisible = NumericText::isNumeric(card.glaze);
    if (w.glazeVisible)
        w.lblGlaze = card.glaze;
    w.lblNode = card.node;
    w.lblCost = card.cost;
    w.userVisible = !card.user.isEmpty();
    w.lblUser = card.user;

    w.classVisible = !card.classes.isEmpty();
    w.lineVisible = !w.classVisible;
    if (w.classVisible) {
        w.nameWidth = kAbilityWidth - kClassWidth;
        w.nameFore = rgb(255, 255, 255);
        w.nameBack = rgb(0, 0, 0);
        w.lblClass = card.classes;
    } else {
        w.nameWidth = kAbilityWidth - 1;
        w.nameFore = rgb(0, 0, 0);
        w.nameBack = rgb(255, 255, 255);
    }
    w.lblCardName = card.name;
    w.lblAttack = card.attack;
    w.lblToughness = card.toughness;

    // Without a skill line the ability text takes its place.
    w.txtSkill = skillLine(card.skill, card.upkeep);
    w.skillVisible = !w.txtSkill.isEmpty();
    w.abilityTop = w.skillVisible ? kSkillTop + kSkillHeight : kSkillTop;
    w.abilityHeight = kTextTop - w.abilityTop;

    w.txtAbility = withLineBreaks(card.ability);
    w.txtText = withLineBreaks(card.text);
    w.lblIllustration = CardText::illustrationPrefix() + card.illustration;
    w.picture = card.picture;
    return w;
}
