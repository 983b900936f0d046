// The search dialog's controls and where they stand.

#include "frmSerch.h"

#include "CheckList.h"
#include "SearchFields.h"
#include "frmSerchText.h"

#include "platform/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <iterator>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// The band layout, in twips: every line is one label, one switch and its controls.
constexpr qint32 kWidth = 13200;
constexpr qint32 kLabelLeft = 120, kLabelWidth = 1440;
constexpr qint32 kSwitchLeft = 1620, kSwitchWidth = 1140;
constexpr qint32 kFirstControl = 2820;
constexpr qint32 kLine = 420, kControlHeight = 330;
constexpr qint32 kSetTop = 120, kSetListTop = 510, kSetListHeight = 630;
constexpr qint32 kTypeTop = 1260;
constexpr qint32 kRangeTop = 1680;
// A band is a line per condition of its table, and a small gap.
constexpr qint32 kBandGap = 60;
constexpr qint32 kRangeBottom = kRangeTop + qint32(std::size(SearchFields::kRanges) - 1) * kLine + kControlHeight;
constexpr qint32 kTextTop = kRangeTop + qint32(std::size(SearchFields::kRanges)) * kLine + kBandGap;
constexpr qint32 kListLeft = 6960, kListGap = 60, kListTop = 1650;
constexpr qint32 kButtonWidth = 1920, kButtonHeight = 450, kButtonPitch = 540;
constexpr qint32 kButtonLeft = kWidth - kLabelLeft - kButtonWidth;
// Under the text band: the count of rows shown at the left, the condition files at the right.
constexpr qint32 kFooterTop = kTextTop + qint32(std::size(SearchFields::kTexts)) * kLine + kBandGap;
constexpr qint32 kHeight = kFooterTop + kButtonHeight + kLabelLeft;

// How each condition of SearchFields' tables looks in the dialog, found by its name: a condition
// without a look, or a look without a condition, does not compile.
struct RangeLook {
    const char16_t *name, *caption;
    int lowerLabel, upperLabel;  // "lblSel_" numbers of the "以上" and "以下" labels
    qint32 SearchMaxima::*maximum;
};
constexpr RangeLook kRangeLooks[] = {
    {u"Number", u"投入枚数", 0, 7, &SearchMaxima::pNumberMax},
    {u"Side", u"サイド枚数", 15, 14, &SearchMaxima::pNumberMax},
    {u"Glaze", u"グレイズ", 1, 8, &SearchMaxima::pGlazeMax},
    {u"Node", u"ノード", 2, 9, &SearchMaxima::pNodeMax},
    {u"Cost", u"コスト", 3, 10, &SearchMaxima::pCostMax},
    {u"Upkeep", u"維持コスト", 4, 11, &SearchMaxima::pUpkeepMax},
    {u"Attack", u"攻撃力", 5, 12, &SearchMaxima::pAttackMax},
    {u"Toughness", u"耐久力", 6, 13, &SearchMaxima::pToughnessMax},
};

struct TextLook {
    const char16_t *name, *caption;
};
constexpr TextLook kTextLooks[] = {
    {u"Name", u"カード名"}, {u"Ability", u"カードテキスト"}, {u"Text", u"フレーバー"}, {u"Illustration", u"絵師"}};

struct ListLook {
    const char16_t *name, *caption;
    qint32 width, labelWidth;
    QStringList SearchSetup::*items;
};
// The spell owners' list is as wide as the sample catalogue's longest owner.
constexpr ListLook kListLooks[] = {{u"Spell", u"スペル所持者", 2520, 1200, &SearchSetup::lstSpell},
                                   {u"Class", u"種族", 1740, 780, &SearchSetup::lstClass},
                                   {u"Skill", u"戦術など", 1740, 900, &SearchSetup::lstSkill}};

template <typename Look, std::size_t N>
constexpr const Look* lookOf(const Look (&looks)[N], std::u16string_view name)
{
    for (const Look& look : looks)
        if (name == look.name)
            return &look;
    return nullptr;
}

template <typename Field, std::size_t F, typename Look, std::size_t L>
constexpr bool pairedByName(const Field (&fields)[F], const Look (&looks)[L])
{
    if (F != L)
        return false;
    for (const Field& field : fields)
        if (!lookOf(looks, field.name))
            return false;
    return true;
}
static_assert(pairedByName(SearchFields::kRanges, kRangeLooks));
static_assert(pairedByName(SearchFields::kTexts, kTextLooks));
static_assert(pairedByName(SearchFields::kLists, kListLooks));

class Placer {
public:
    explicit Placer(QWidget* w) : window_(w), twips_(w->screen() ? w->screen()->logicalDotsPerInchX() : 96.0) {}
    template <typename T, typename... Args>
    T* make(const QString& name, qint32 left, qint32 top, qint32 width, qint32 height, Args&&... args)
    {
        auto* control = new T(std::forward<Args>(args)..., window_);
        control->setObjectName(name);
        control->setGeometry(twips_.toPx(left), twips_.toPx(top), twips_.toPx(width), twips_.toPx(height));
        return control;
    }
    QLabel* label(const QString& name, const QString& text, qint32 left, qint32 top, qint32 width)
    {
        return make<QLabel>(name, left, top + 30, width, kControlHeight - 60, text);
    }
    QComboBox* choice(const QString& name, qint32 left, qint32 top, qint32 width, const QStringList& items = {})
    {
        auto* c = make<QComboBox>(name, left, top, width, kControlHeight);
        c->addItems(items);
        return c;
    }
    // The start of a line: its caption and its switch ("lbl" and "chk" + name, unless named).
    QCheckBox* head(const QString& name, const char16_t* caption, qint32 top, const QString& switchCaption,
                    const QString& labelName = {})
    {
        label(labelName.isEmpty() ? u"lbl"_s + name : labelName, QString::fromUtf16(caption), kLabelLeft, top,
              kLabelWidth);
        return make<QCheckBox>(u"chk"_s + name, kSwitchLeft, top, kSwitchWidth, kControlHeight, switchCaption);
    }
    const Twips& twips() const { return twips_; }

private:
    QWidget* window_;
    Twips twips_;
};

}  // namespace

void frmSerch::createControls()
{
    setFont(QFont(u"ＭＳ Ｐゴシック"_s, 9));
    Placer p(this);
    setFixedSize(p.twips().toPx(kWidth), p.twips().toPx(kHeight));

    chkNo_ = p.head(u"No"_s, u"カード番号", kSetTop, frmSerchText::all(), u"lblCardNo"_s);
    lstNo_ = p.make<CheckList>(u"lstNo"_s, kLabelLeft, kSetListTop, kWidth - 2 * kLabelLeft, kSetListHeight);
    // Four columns, two lines: the items flow left to right at a quarter of the width each.
    lstNo_->setFlow(QListView::LeftToRight);
    lstNo_->setWrapping(true);
    lstNo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstNo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize cell((lstNo_->width() - 2 * lstNo_->frameWidth()) / 4, (lstNo_->height() - 2 * lstNo_->frameWidth()) / 2);
    lstNo_->setGridSize(cell);
    for (const QString& item : frmSerchText::setItems()) {
        QListWidgetItem* it = CheckList::newItem(item);
        it->setSizeHint(cell);
        lstNo_->addItem(it);
    }
    connect(chkNo_, &QCheckBox::toggled, this, [this] { lstNo_->setEnabled(!chkNo_->isChecked()); });

    chkType_ = p.head(u"Type"_s, u"種類", kTypeTop, frmSerchText::all());
    chkTypeCharacter_ = p.make<QCheckBox>(u"chkTypeCharacter"_s, kFirstControl, kTypeTop, 1260, kControlHeight,
                                          u"Character"_s);
    chkTypeSpell_ = p.make<QCheckBox>(u"chkTypeSpell"_s, 4140, kTypeTop, 1080, kControlHeight, u"Spell"_s);
    chkTypeCommand_ = p.make<QCheckBox>(u"chkTypeCommand"_s, 5280, kTypeTop, 1380, kControlHeight, u"Command"_s);
    connect(chkType_, &QCheckBox::toggled, this, [this] {
        for (QCheckBox* box : {chkTypeCharacter_, chkTypeSpell_, chkTypeCommand_})
            box->setEnabled(!chkType_->isChecked());
    });

    createRanges(kRangeTop);
    createLists(kTypeTop, kRangeBottom);
    createTexts(kTextTop);
    createButtons(kTextTop);
}

void frmSerch::createRanges(qint32 top)
{
    Placer p(this);
    for (const SearchFields::Range& f : SearchFields::kRanges) {
        const RangeLook& look = *lookOf(kRangeLooks, f.name);
        const QString name = QString::fromUtf16(f.name);
        Range r{};
        r.field = &f;
        r.chk = p.head(name, look.caption, top, frmSerchText::noCondition());
        r.lower = p.choice(u"cmb%1L"_s.arg(name), kFirstControl, top, 840);
        r.lblLower = p.label(u"lblSel_%1"_s.arg(look.lowerLabel), frmSerchText::atLeast(), 3720, top, 480);
        r.upper = p.choice(u"cmb%1U"_s.arg(name), 4260, top, 840);
        r.lblUpper = p.label(u"lblSel_%1"_s.arg(look.upperLabel), frmSerchText::atMost(), 5160, top, 480);
        r.sel = p.choice(u"cmb%1Sel"_s.arg(name), 5700, top, 1140, frmSerchText::rangeSelectors());
        r.maximum = look.maximum;
        ranges_.append(r);
        const qsizetype i = ranges_.size() - 1;
        auto toggle = [this, i] { fsubToggleRange(ranges_[i]); };
        connect(r.chk, &QCheckBox::toggled, this, toggle);
        connect(r.upper, &QComboBox::currentIndexChanged, this, toggle);
        top += kLine;
    }
}

void frmSerch::createTexts(qint32 top)
{
    Placer p(this);
    for (const SearchFields::Text& f : SearchFields::kTexts) {
        const TextLook& look = *lookOf(kTextLooks, f.name);
        const QString name = QString::fromUtf16(f.name);
        Text t{};
        t.field = &f;
        t.chk = p.head(name, look.caption, top, frmSerchText::noCondition());
        t.txt1 = p.make<QLineEdit>(u"txt"_s + name + u"1"_s, kFirstControl, top, 2160, kControlHeight);
        t.connector = p.choice(u"cmb"_s + name, 5040, top, 1080, frmSerchText::connectors());
        t.txt2 = p.make<QLineEdit>(u"txt"_s + name + u"2"_s, 6180, top, 2160, kControlHeight);
        t.sel = p.choice(u"cmb%1Sel"_s.arg(name), 8400, top, 1140, frmSerchText::textSelectors());
        texts_.append(t);
        const qsizetype i = texts_.size() - 1;
        auto toggle = [this, i] { fsubToggleText(texts_[i]); };
        connect(t.chk, &QCheckBox::toggled, this, toggle);
        connect(t.connector, &QComboBox::currentIndexChanged, this, toggle);
        top += kLine;
    }
}

void frmSerch::createLists(qint32 top, qint32 bottom)
{
    Placer p(this);
    qint32 left = kListLeft;
    for (const SearchFields::List& f : SearchFields::kLists) {
        const ListLook& look = *lookOf(kListLooks, f.name);
        const QString name = QString::fromUtf16(f.name);
        p.label(u"lbl"_s + name, QString::fromUtf16(look.caption), left, top, look.labelWidth);
        List l{};
        l.field = &f;
        l.chk = p.make<QCheckBox>(u"chk"_s + name, left + look.labelWidth, top, look.width - look.labelWidth,
                                  kControlHeight, frmSerchText::all());
        l.lst = p.make<CheckList>(u"lst"_s + name, left, kListTop, look.width, bottom - kListTop);
        l.items = look.items;
        lists_.append(l);
        connect(l.chk, &QCheckBox::toggled, this, [l] { l.lst->setEnabled(!l.chk->isChecked()); });
        left += look.width + kListGap;
    }
}

void frmSerch::createButtons(qint32 top)
{
    Placer p(this);
    const auto button = [&](const QString& name, const QString& caption, qint32 left, qint32 at) {
        return p.make<QPushButton>(name, left, at, kButtonWidth, kButtonHeight, caption);
    };
    OKButton_ = button(u"OKButton"_s, frmSerchText::apply(), kButtonLeft, top);
    cmdDefault_ = button(u"cmdDefault"_s, frmSerchText::showAll(), kButtonLeft, top + kButtonPitch);
    CancelButton_ = button(u"CancelButton"_s, frmSerchText::close(), kButtonLeft, top + 2 * kButtonPitch);
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &frmSerch::OKButton_Click);
    connect(cmdDefault_, &QPushButton::clicked, this, &frmSerch::cmdDefault_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &frmSerch::CancelButton_Click);

    lblShown_ = p.make<QLabel>(u"lblShown"_s, kLabelLeft, kFooterTop, kFirstControl + 2160 - kLabelLeft, kButtonHeight);
    auto* save = button(u"cmdSaveConditions"_s, frmSerchText::saveConditions(), kButtonLeft - kButtonWidth - kListGap,
                        kFooterTop);
    auto* load = button(u"cmdLoadConditions"_s, frmSerchText::loadConditions(), kButtonLeft, kFooterTop);
    connect(save, &QPushButton::clicked, this, &frmSerch::cmdSaveConditions_Click);
    connect(load, &QPushButton::clicked, this, &frmSerch::cmdLoadConditions_Click);
}
