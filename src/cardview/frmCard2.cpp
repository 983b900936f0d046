#include "frmCard2.h"

#include "CardFonts.h"
#include "CardWidgets.h"
#include "PictureBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using namespace CardWidgets;

// A window of one fixed size: a maximise button would only move it to the corner.
frmCard2::frmCard2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      twips_(screenTwips())
{
    setObjectName(u"frmCard2"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(CardFonts::font(CardFonts::gothic(), 9));
    setFixedSize(twips_.toPx(CardWindowGeometry::kClientWidth), twips_.toPx(CardWindowGeometry::kClientHeight));
    QPalette frame = palette();
    frame.setColor(QPalette::Window, QColor::fromRgb(CardWindowGeometry::kFrameColour));
    setPalette(frame);
    createControls();
    Form_Load();
}

frmCard2::~frmCard2() = default;

void frmCard2::createControls()
{
    using namespace CardWindowGeometry;
    const QStringList serif = CardFonts::serif();

    // Made bottom first, so that a loaded picture covers the plain frame of bands and panel and
    // every text stays above the picture.
    // The panel reaches the right band: the toughness box and its caption stand out past 5580.
    colour(label(this, twips_, u"lblBack", {330, 5460, 5340, 2355}), Qt::black, Qt::white);
    colour(label(this, twips_, u"lblLineTop", {0, 0, kClientWidth, 255}), Qt::white, Qt::black);
    colour(label(this, twips_, u"lblLineUnder", {0, 8040, kClientWidth, 255}), Qt::white, Qt::black);
    colour(label(this, twips_, u"lblLineRight", {0, 240, 255, 7935}), Qt::white, Qt::black);
    colour(label(this, twips_, u"lblLineLeft", {5670, 240, 255, 7935}), Qt::white, Qt::black);
    imgCard_ = pictureBox(this, twips_, u"imgCard", {0, 0, kClientWidth, kClientHeight});
    imgCard_->installEventFilter(this);

    // Transparent bold text over the card: the captions, the number and the credit lines.
    const auto bold = [&](const char16_t* name, const Rect& r, Qt::Alignment align, const QColor& fore,
                          qreal points, const QString& text = {}) {
        QLabel* l = label(this, twips_, name, r, align);
        l->setText(text);
        colour(l, fore);
        typeface(l, points, true);
        return l;
    };
    // Taller than its band, so a descender ("Spell") hangs over the frame instead of being cut.
    lblCardType_ = bold(u"lblCardType", {0, 0, kClientWidth, 330}, Qt::AlignCenter, Qt::white, 11.25);
    typeface(lblCardType_, 11.25, true, true, serif);
    lblGlazeLabel_ =
        bold(u"lblGlazeLabel", {240, 360, 855, 255}, Qt::AlignCenter, Qt::white, 9, CardText::glazeCaption());
    lblGlaze_ = valueBox(this, twips_, u"lblGlaze", {360, 600, 615, 495}, 21.75, serif);
    bold(u"lblNodeLabel", {3690, 450, 495, 255}, Qt::AlignRight, Qt::white, 9, u"Node"_s);
    lblNode_ = valueBox(this, twips_, u"lblNode", {4200, 360, 495, 375}, 18);
    bold(u"lblCostLabel", {4650, 450, 495, 255}, Qt::AlignRight, Qt::white, 9, u"Cost"_s);
    lblCost_ = valueBox(this, twips_, u"lblCost", {5160, 360, 495, 375}, 18);
    lblUser_ = borderedLabel(this, twips_, u"lblUser", {4200, 840, 1455, 255}, Qt::AlignCenter, Qt::black, Qt::white);
    lblIllustration_ = label(this, twips_, u"lblIllustration", {360, 5280, 5250, 195}, Qt::AlignRight);
    colour(lblIllustration_, Qt::white);  // over the foot of the art, or the bare frame
    typeface(lblIllustration_, 9);
    lblCardName_ = label(this, twips_, u"lblCardName", {330, 5460, kNameWidth, 285}, Qt::AlignCenter);
    typeface(lblCardName_, 14.25, true);
    lblClass_ = label(this, twips_, u"lblClass", {4140, 5475, kClassWidth, 255}, Qt::AlignCenter);
    colour(lblClass_, palette().color(QPalette::Text), palette().color(QPalette::Base));
    linLine_ = new QFrame(this);
    linLine_->setObjectName(u"linLine"_s);
    linLine_->setGeometry(twips_.toPx(480), twips_.toPx(5745), twips_.toPx(5490 - 480), 1);
    colour(linLine_, Qt::black, Qt::black);
    // A size under the form's 9 pt: at 9 pt the two captions run together into one word.
    bold(u"lblAttackLabel", {4440, 7425, 735, 255}, Qt::AlignCenter, Qt::black, 8.25, u"攻撃力"_s);
    lblAttack_ = valueBox(this, twips_, u"lblAttack", {4560, 7620, 495, 375}, 18);
    bold(u"lblToughnessLabel", {5040, 7425, 735, 255}, Qt::AlignCenter, Qt::black, 8.25, u"耐久力"_s);
    lblToughness_ = valueBox(this, twips_, u"lblToughness", {5160, 7620, 495, 375}, 18);
    lblNo_ = bold(u"lblNo", {2520, 7830, 975, 255}, Qt::AlignCenter, Qt::white, 11.25);
    bold(u"lblVenthra", {240, 7860, 2415, 255}, Qt::AlignLeft, Qt::white, 8.25, CardText::creditVenthra());
    bold(u"lblKorvel", {240, 8070, 2055, 255}, Qt::AlignLeft, Qt::white, 8.25, CardText::creditKorvel());
    // Kept for the form's sake; this window shows upkeep and skills in the skill line.
    lblUpkeep_ = label(this, twips_, u"lblUpkeep", {0, 0, 0, 0});
    lblSkill_ = label(this, twips_, u"lblSkill", {0, 0, 0, 0});
    lblUpkeep_->hide();
    lblSkill_->hide();

    txtSkill_ = textBox(this, twips_, u"txtSkill", {330, kSkillTop, 5250, kSkillHeight}, false);
    txtAbility_ = textBox(this, twips_, u"txtAbility", {330, kSkillTop + kSkillHeight, kAbilityWidth, 1200}, true);
    txtText_ = textBox(this, twips_, u"txtText", {330, kTextTop, 4185, 375}, false);
    txtSkill_->installEventFilter(this);
    txtAbility_->installEventFilter(this);
}

void frmCard2::Form_Load() { apply(resetCardWindow()); }

qint32 frmCard2::plngSetCard(const QString& ilngNo)
{
    Form_Load();
    apply(cardWindowLayout(readCard(ilngNo)));
    return 0;
}

void frmCard2::apply(const CardWindowLayout& w)
{
    setWindowTitle(w.title);
    lblNo_->setText(w.lblNo);
    lblCardType_->setText(w.lblCardType);
    lblGlazeLabel_->setVisible(w.glazeVisible);
    lblGlaze_->setVisible(w.glazeVisible);
    lblGlaze_->setText(w.lblGlaze);
    lblNode_->setText(w.lblNode);
    lblCost_->setText(w.lblCost);
    lblUser_->setVisible(w.userVisible);
    lblUser_->setText(w.lblUser);
    lblClass_->setVisible(w.classVisible);
    lblClass_->setText(w.lblClass);
    lblCardName_->resize(twips_.toPx(w.nameWidth), lblCardName_->height());
    colour(lblCardName_, QColor::fromRgb(w.nameFore), QColor::fromRgb(w.nameBack));
    lblCardName_->setText(w.lblCardName);
    linLine_->setVisible(w.lineVisible);
    lblAttack_->setText(w.lblAttack);
    lblToughness_->setText(w.lblToughness);
    txtSkill_->setVisible(w.skillVisible);
    setBoxText(txtSkill_, w.txtSkill);
    txtAbility_->setGeometry(txtAbility_->x(), twips_.toPx(w.abilityTop), txtAbility_->width(),
                             twips_.toPx(w.abilityTop + w.abilityHeight) - twips_.toPx(w.abilityTop));
    setBoxText(txtAbility_, w.txtAbility);
    setBoxText(txtText_, w.txtText);
    lblIllustration_->setText(w.lblIllustration);
    imgCard_->setPicture(w.picture);
}

// Presses on labels reach the window too (a label takes none): only the bare window closes it.
void frmCard2::mousePressEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        Form_MouseDown();
}

bool frmCard2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == imgCard_) {
        imgCard_MouseDown();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        if (watched == txtAbility_) {
            txtAbility_KeyDown();
            return true;
        }
        if (watched == txtSkill_) {
            txtSkill_KeyDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCard2::Form_MouseDown() { close(); }
void frmCard2::imgCard_MouseDown() { close(); }
void frmCard2::txtAbility_KeyDown() { close(); }
void frmCard2::txtSkill_KeyDown() { close(); }
