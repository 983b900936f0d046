#include "PreviewPane.h"

#include "CardFonts.h"
#include "CardWidgets.h"
#include "PictureBox.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using namespace CardWidgets;

PreviewPane::PreviewPane(QWidget* window, const Twips& twips)
{
    const QStringList serif = CardFonts::serif();
    const QList<QWidget*> others = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // Created bottom first: the picture lies under the name band that overlaps its foot.
    imgCard_ = pictureBox(window, twips, u"imgCard", {840, 380, 3000, 4230});

    lblCardType_ = label(window, twips, u"lblCardType", {840, 120, 3015, 255}, Qt::AlignCenter);
    colour(lblCardType_, Qt::white, Qt::black);
    typeface(lblCardType_, 11.25, true, true, serif);

    const auto caption = [&](const char16_t* name, const QString& text, const Rect& r,
                             Qt::Alignment align = Qt::AlignLeft) {
        label(window, twips, name, r, align)->setText(text);
    };
    caption(u"lblGlazeLabel", CardText::glazeCaption(), {120, 480, 615, 255});
    caption(u"lblNodeLabel", u"Node"_s, {4080, 480, 495, 255});
    caption(u"lblCostLabel", u"Cost"_s, {4800, 480, 495, 255});
    caption(u"lblUserLabel", u"スペル所持者"_s, {3960, 1320, 1455, 255});
    caption(u"lblClassLabel", u"種族"_s, {3960, 2040, 495, 255});
    caption(u"lblUpkeepLabel", u"維持コスト"_s, {3960, 3360, 1215, 255});
    caption(u"lblAttackLabel", u"攻撃力"_s, {3960, 4200, 735, 255}, Qt::AlignCenter);
    caption(u"lblToughnessLabel", u"耐久力"_s, {4800, 4200, 735, 255}, Qt::AlignCenter);

    lblGlaze_ = valueBox(window, twips, u"lblGlaze", {120, 720, 615, 495}, 21.75, serif);
    lblNode_ = valueBox(window, twips, u"lblNode", {4080, 720, 495, 375}, 18);
    lblCost_ = valueBox(window, twips, u"lblCost", {4800, 720, 495, 375}, 18);
    lblUpkeep_ = valueBox(window, twips, u"lblUpkeep", {4080, 3600, 495, 375}, 18);
    lblAttack_ = valueBox(window, twips, u"lblAttack", {3960, 4440, 735, 375}, 18);
    lblToughness_ = valueBox(window, twips, u"lblToughness", {4800, 4440, 735, 375}, 18);

    lblUser_ = borderedLabel(window, twips, u"lblUser", {4080, 1560, 1455, 255}, Qt::AlignLeft, Qt::black, Qt::white);
    lblClass_ = borderedLabel(window, twips, u"lblClass", {4080, 2280, 1455, 255}, Qt::AlignLeft,
                              window->palette().color(QPalette::Text), window->palette().color(QPalette::Base));

    lblCardName_ = label(window, twips, u"lblCardName", {720, 4600, 3255, 255}, Qt::AlignCenter);
    colour(lblCardName_, Qt::white, Qt::black);
    lblSkill_ = label(window, twips, u"lblSkill", {120, 4920, 5415, 255});
    colour(lblSkill_, Qt::black, Qt::white);
    txtAbility_ = textBox(window, twips, u"txtAbility", {120, 5160, 5415, 1680}, true);
    txtText_ = textBox(window, twips, u"txtText", {120, 6840, 5415, 375}, false);
    lblIllustration_ =
        label(window, twips, u"lblIllustration", {120, 7320, 5295, 195}, Qt::AlignRight);
    typeface(lblIllustration_, 9);

    // The pane's texts would otherwise take the desktop's default font, which the boxes were not
    // drawn for: what no text above named gets the pane's own faces and the forms' 9 points.
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (others.contains(w))
            continue;
        QFont f = w->font();
        if (!(f.resolveMask() & QFont::FamiliesResolved))
            f.setFamilies(CardFonts::sans());
        if (!(f.resolveMask() & QFont::SizeResolved))
            f.setPointSizeF(9);
        w->setFont(f);
    }
}

void PreviewPane::show(const PreviewTexts& t)
{
    const std::pair<QLabel*, const QString*> labels[] = {
        {lblCardType_, &t.lblCardType}, {lblGlaze_, &t.lblGlaze},         {lblNode_, &t.lblNode},
        {lblCost_, &t.lblCost},         {lblUser_, &t.lblUser},           {lblClass_, &t.lblClass},
        {lblCardName_, &t.lblCardName}, {lblAttack_, &t.lblAttack},       {lblToughness_, &t.lblToughness},
        {lblUpkeep_, &t.lblUpkeep},     {lblSkill_, &t.lblSkill},         {lblIllustration_, &t.lblIllustration},
    };
    for (const auto& [label, text] : labels)
        label->setText(*text);
    setBoxText(txtAbility_, t.txtAbility);
    setBoxText(txtText_, t.txtText);
    imgCard_->setPicture(t.picture);
}
