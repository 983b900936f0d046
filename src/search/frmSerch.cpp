#include "frmSerch.h"

#include "SearchConditions.h"
#include "SearchRun.h"
#include "SerchHost.h"
#include "frmSerchText.h"

#include "app/Twips.h"
#include "platform/modFuncRim.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The band layout, in twips: every line is one label, one switch and its controls.
constexpr qint32 kWidth = 12960;
constexpr qint32 kHeight = 6840;
constexpr qint32 kLabelLeft = 120, kLabelWidth = 1440;
constexpr qint32 kSwitchLeft = 1620, kSwitchWidth = 1140;
constexpr qint32 kFirstControl = 2820;
constexpr qint32 kLine = 420, kControlHeight = 330;
constexpr qint32 kSetTop = 120, kSetListTop = 510, kSetListHeight = 630;
constexpr qint32 kTypeTop = 1260;
constexpr qint32 kRangeTop = 1680;
constexpr qint32 kTextTop = 5100;
constexpr qint32 kListLeft = 6960, kListWidth = 1920, kListPitch = 1980, kListTop = 1650, kListLabelWidth = 1200;
constexpr qint32 kButtonLeft = 10920, kButtonWidth = 1920, kButtonHeight = 450, kButtonPitch = 540;

QFont dialogFont() { return QFont(u"ＭＳ Ｐゴシック"_s, 9); }

}  // namespace

frmSerch::frmSerch(SerchHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), host_(host)
{
    setObjectName(u"frmSerch"_s);
    setWindowTitle(frmSerchText::title());
    setFont(dialogFont());
    setModal(false);
    createControls();
    // Form_Load: the title bar cannot close the dialog, and every condition starts off.
    modFuncRim::fsubRemoveCloseMenu(this);
    fsubSetDefault();
    fsubToggleAll();
}

frmSerch::~frmSerch() = default;

namespace {

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
    Placer p(this);
    setFixedSize(p.twips().toPx(kWidth), p.twips().toPx(kHeight));

    chkNo_ = p.head(u"No"_s, u"カード番号", kSetTop, frmSerchText::all(), u"lblCardNo"_s);
    lstNo_ = p.make<QListWidget>(u"lstNo"_s, kLabelLeft, kSetListTop, kWidth - 2 * kLabelLeft, kSetListHeight);
    // Four columns, two lines: the items flow left to right at a quarter of the width each.
    lstNo_->setFlow(QListView::LeftToRight);
    lstNo_->setWrapping(true);
    lstNo_->setSelectionMode(QAbstractItemView::NoSelection);
    lstNo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstNo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize cell((lstNo_->width() - 2 * lstNo_->frameWidth()) / 4, (lstNo_->height() - 2 * lstNo_->frameWidth()) / 2);
    lstNo_->setGridSize(cell);
    for (const QString& item : frmSerchText::setItems()) {
        QListWidgetItem* it = fsubNewItem(item);
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
    createLists(kTypeTop, kRangeTop + 7 * kLine + kControlHeight);
    createTexts(kTextTop);
    createButtons(kTextTop);
}

void frmSerch::createRanges(qint32 top)
{
    struct Row {
        const char16_t *name, *caption;
        int lowerLabel, upperLabel;
        qint32 SearchMaxima::*maximum;
    };
    static constexpr Row kRanges[] = {
        {u"Number", u"投入枚数", 0, 7, &SearchMaxima::pNumberMax},   {u"Side", u"サイド枚数", 15, 14, &SearchMaxima::pNumberMax},
        {u"Glaze", u"グレイズ", 1, 8, &SearchMaxima::pGlazeMax},     {u"Node", u"ノード", 2, 9, &SearchMaxima::pNodeMax},
        {u"Cost", u"コスト", 3, 10, &SearchMaxima::pCostMax},        {u"Upkeep", u"維持コスト", 4, 11, &SearchMaxima::pUpkeepMax},
        {u"Attack", u"攻撃力", 5, 12, &SearchMaxima::pAttackMax},    {u"Toughness", u"耐久力", 6, 13, &SearchMaxima::pToughnessMax},
    };
    Placer p(this);
    for (const Row& s : kRanges) {
        const QString name = QString::fromUtf16(s.name);
        Range r{};
        r.chk = p.head(name, s.caption, top, frmSerchText::noCondition());
        r.lower = p.choice(u"cmb%1L"_s.arg(name), kFirstControl, top, 840);
        r.lblLower = p.label(u"lblSel_%1"_s.arg(s.lowerLabel), frmSerchText::atLeast(), 3720, top, 480);
        r.upper = p.choice(u"cmb%1U"_s.arg(name), 4260, top, 840);
        r.lblUpper = p.label(u"lblSel_%1"_s.arg(s.upperLabel), frmSerchText::atMost(), 5160, top, 480);
        r.sel = p.choice(u"cmb%1Sel"_s.arg(name), 5700, top, 1140, frmSerchText::rangeSelectors());
        r.maximum = s.maximum;
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
    struct Row {
        const char16_t *name, *caption;
    };
    static constexpr Row kTexts[] = {
        {u"Name", u"カード名"}, {u"Ability", u"カードテキスト"}, {u"Text", u"フレーバー"}, {u"Illustration", u"絵師"}};
    Placer p(this);
    for (const Row& s : kTexts) {
        const QString name = QString::fromUtf16(s.name);
        Text t{};
        t.chk = p.head(name, s.caption, top, frmSerchText::noCondition());
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
    struct Row {
        const char16_t *name, *caption;
    };
    static constexpr Row kLists[] = {{u"Spell", u"スペル所持者"}, {u"Class", u"種族"}, {u"Skill", u"戦術など"}};
    Placer p(this);
    qint32 left = kListLeft;
    for (const Row& s : kLists) {
        const QString name = QString::fromUtf16(s.name);
        p.label(u"lbl"_s + name, QString::fromUtf16(s.caption), left, top, kListLabelWidth);
        List l{};
        l.chk = p.make<QCheckBox>(u"chk"_s + name, left + kListLabelWidth, top, kListWidth - kListLabelWidth, kControlHeight,
                                  frmSerchText::all());
        l.lst = p.make<QListWidget>(u"lst"_s + name, left, kListTop, kListWidth, bottom - kListTop);
        l.lst->setUniformItemSizes(true);
        l.lst->setSelectionMode(QAbstractItemView::NoSelection);
        lists_.append(l);
        connect(l.chk, &QCheckBox::toggled, this, [l] { l.lst->setEnabled(!l.chk->isChecked()); });
        left += kListPitch;
    }
}

void frmSerch::createButtons(qint32 top)
{
    Placer p(this);
    OKButton_ = p.make<QPushButton>(u"OKButton"_s, kButtonLeft, top, kButtonWidth, kButtonHeight, frmSerchText::apply());
    cmdDefault_ = p.make<QPushButton>(u"cmdDefault"_s, kButtonLeft, top + kButtonPitch, kButtonWidth, kButtonHeight,
                                      frmSerchText::showAll());
    CancelButton_ = p.make<QPushButton>(u"CancelButton"_s, kButtonLeft, top + 2 * kButtonPitch, kButtonWidth,
                                        kButtonHeight, frmSerchText::close());
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &frmSerch::OKButton_Click);
    connect(cmdDefault_, &QPushButton::clicked, this, &frmSerch::cmdDefault_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &frmSerch::CancelButton_Click);
}

// A governed control is enabled exactly when its switch is unchecked; "以下" also needs an upper
// bound, the second text a connector.
void frmSerch::fsubToggleRange(const Range& r)
{
    const bool on = !r.chk->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(r.lower), static_cast<QWidget*>(r.upper), static_cast<QWidget*>(r.sel),
                       static_cast<QWidget*>(r.lblLower)})
        w->setEnabled(on);
    r.lblUpper->setEnabled(on && r.upper->currentIndex() > 0);
}

void frmSerch::fsubToggleText(const Text& t)
{
    const bool on = !t.chk->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(t.txt1), static_cast<QWidget*>(t.connector), static_cast<QWidget*>(t.sel)})
        w->setEnabled(on);
    t.txt2->setEnabled(on && t.connector->currentIndex() > 0);
}

void frmSerch::fsubToggleAll()
{
    lstNo_->setEnabled(!chkNo_->isChecked());
    for (QCheckBox* box : {chkTypeCharacter_, chkTypeSpell_, chkTypeCommand_})
        box->setEnabled(!chkType_->isChecked());
    for (const Range& r : ranges_)
        fsubToggleRange(r);
    for (const Text& t : texts_)
        fsubToggleText(t);
    for (const List& l : lists_)
        l.lst->setEnabled(!l.chk->isChecked());
}

QListWidgetItem* frmSerch::fsubNewItem(const QString& text)
{
    auto* it = new QListWidgetItem(text);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    it->setCheckState(Qt::Unchecked);
    return it;
}

void frmSerch::fsubSetRangeItems(QComboBox* lower, QComboBox* upper, qint32 maximum)
{
    const qint32 m = std::clamp(maximum, 0, kBoundItemCap);
    QStringList numbers;
    numbers.reserve(m + 1);
    for (qint32 k = 0; k <= m; ++k)
        numbers.append(QString::number(k));
    lower->clear();
    upper->clear();
    upper->addItem(frmSerchText::noUpperBound());
    lower->addItems(numbers);
    upper->addItems(numbers);
    lower->setCurrentIndex(0);
    upper->setCurrentIndex(0);
}

qint32 frmSerch::plngInitialize()
{
    for (const Range& r : ranges_)
        fsubSetRangeItems(r.lower, r.upper, this->*r.maximum);
    return 0;
}

void frmSerch::fsubTakeSetup(const SearchSetup& setup, bool withLists)
{
    static_cast<SearchMaxima&>(*this) = setup;
    if (!withLists)
        return;
    const QStringList* sources[] = {&setup.lstSpell, &setup.lstClass, &setup.lstSkill};
    for (qsizetype i = 0; i < lists_.size(); ++i) {
        QStringList items = *sources[i];
        items.sort();
        QListWidget* lst = lists_[i].lst;
        lst->clear();
        // Items made whole before they join the list: no change is announced per item.
        for (const QString& item : items)
            lst->addItem(fsubNewItem(item));
    }
}

void frmSerch::fsubSetDefault()
{
    chkNo_->setChecked(true);
    for (int i = 0; i < lstNo_->count(); ++i)
        lstNo_->item(i)->setCheckState(Qt::Unchecked);
    chkType_->setChecked(true);
    for (QCheckBox* box : {chkTypeCharacter_, chkTypeSpell_, chkTypeCommand_})
        box->setChecked(false);
    for (const Range& r : ranges_)
        r.chk->setChecked(true);
    for (const Text& t : texts_)
        t.chk->setChecked(true);
    for (const List& l : lists_)
        l.chk->setChecked(true);
    for (const Range& r : ranges_)
        r.sel->setCurrentIndex(0);
    for (const Text& t : texts_)
        t.connector->setCurrentIndex(0);
    for (const Text& t : texts_)
        t.sel->setCurrentIndex(0);
}

// The apply button is the run's only guard: other handlers may run between its rows.
qint32 frmSerch::plngSetSerch()
{
    OKButton_->setEnabled(false);
    OKButton_->setText(frmSerchText::applying());
    host_.fsubGridShown(false);
    applySearch(fsubGetConditions(), host_.serchGrid(), host_.serchUi());
    host_.fsubGridShown(true);
    OKButton_->setText(frmSerchText::apply());
    OKButton_->setEnabled(true);
    return 0;
}

void frmSerch::OKButton_Click()
{
    plngSetSerch();
    hide();
    pSortFlag = 1;
}

void frmSerch::cmdDefault_Click()
{
    fsubSetDefault();
    plngSetSerch();
    hide();
    pSortFlag = 0;
}

void frmSerch::CancelButton_Click() { hide(); }
