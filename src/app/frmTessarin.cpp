#include "frmTessarin.h"

#include "CardGridModel.h"
#include "CardGridView.h"
#include "EditActions.h"
#include "MainWindowText.h"
#include "ViewOptions.h"

#include "cardview/CardDisplay.h"
#include "catalogue/CardListLoader.h"
#include "deck/CountEditing.h"
#include "deckfile/DeckOpener.h"
#include "deckfile/DeckSaver.h"
#include "decktools/DeckTools.h"
#include "history/HistoryText.h"
#include "platform/AppInfo.h"
#include "platform/RuntimeError.h"
#include "platform/modFuncRim.h"
#include "search/SearchController.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

constexpr qint32 kClientWidth = 13185;
constexpr qint32 kClientHeight = 7575;

const QColor kBackground(192, 192, 224);

QFont fixedFont() { return QFont(u"ＭＳ ゴシック"_s, 9); }
QFont proportionalFont() { return QFont(u"ＭＳ Ｐゴシック"_s, 9); }

}  // namespace

frmTessarin::frmTessarin(QWidget* parent)
    : QWidget(parent), ui_(*this),
      twips_(QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInchX() : 96.0),
      tools_(std::make_unique<DeckTools>(*this, state_, ui_))
{
    setObjectName(u"frmTessarin"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::CustomizeWindowHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    resize(twips_.toPx(kClientWidth), twips_.toPx(kClientHeight));
    createControls();
}

frmTessarin::~frmTessarin() = default;

void frmTessarin::createControls()
{
    fpsCardList_ = new CardGridView(state_.fpsCardList, this);
    fpsCardList_->setFont(proportionalFont());
    // Row numbers say nothing here: rows move when sorted, the card number is the key.
    fpsCardList_->verticalHeader()->hide();
    const auto place = [this](QWidget* w, qint32 left, qint32 top, qint32 width, qint32 height) {
        w->setGeometry(twips_.toPx(left), twips_.toPx(top), twips_.toPx(width), twips_.toPx(height));
    };
    place(fpsCardList_, 5760, 1200, 7425, 6375);
    connect(fpsCardList_, &CardGridView::ButtonClicked, this, &frmTessarin::fpsCardList_ButtonClicked);
    connect(fpsCardList_, &CardGridView::Click, this, &frmTessarin::fpsCardList_Click);
    connect(fpsCardList_, &CardGridView::ContextMenu, this, &frmTessarin::fpsCardList_ContextMenu);

    // Buttons and check boxes: a caption in the proportional font, placed in twips.
    auto captioned = [&](auto*& control, const char16_t* name, const QString& caption, qint32 l, qint32 t,
                            qint32 w, qint32 h) {
        using Control = std::remove_reference_t<decltype(*control)>;
        control = new Control(caption, this);
        control->setObjectName(QString::fromUtf16(name));
        control->setFont(proportionalFont());
        place(control, l, t, w, h);
    };
    captioned(cmdSerch_, u"cmdSerch", u"表示絞り込み"_s, 5760, 0, 1852, 495);
    captioned(cmdOpen_, u"cmdOpen", u"デッキを開く"_s, 7605, 0, 1852, 495);
    captioned(cmdSave_, u"cmdSave", u"デッキを保存"_s, 9465, 0, 1852, 495);
    captioned(cmdClose_, u"cmdClose", u"終了"_s, 11310, 0, 1852, 495);
    captioned(cmdReset_, u"cmdReset", MainWindowText::resetCaption(), 11595, 840, 1335, 375);
    captioned(cmdSideReset_, u"cmdSideReset", MainWindowText::resetCaption(), 13620, 840, 1335, 375);
    cmdSideReset_->hide();
    connect(cmdSerch_, &QPushButton::clicked, this, [this] { handle([this] { cmdSerch_Click(); }); });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { handle([this] { cmdClose_Click(); }); });
    connect(cmdReset_, &QPushButton::clicked, this, [this] { handle([this] { cmdReset_Click(); }); });
    connect(cmdSideReset_, &QPushButton::clicked, this, [this] { handle([this] { cmdSideReset_Click(); }); });
    connect(cmdOpen_, &QPushButton::clicked, this, [this] { handle([this] { cmdOpen_Click(); }); });
    connect(cmdSave_, &QPushButton::clicked, this, [this] { handle([this] { cmdSave_Click(); }); });

    QCheckBox *chkFull = nullptr, *chkSide = nullptr, *chkOption = nullptr;
    captioned(chkFull, u"chkFull", u"色々な項目を表示"_s, 5880, 560, 2055, 225);
    captioned(chkSide, u"chkSide", u"サイドボード"_s, 8040, 560, 1575, 255);
    captioned(chkOption, u"chkOption", u"戦術と絵師も表示"_s, 9600, 560, 2055, 225);
    chkOption->hide();
    connect(chkFull, &QCheckBox::toggled, this, [this](bool on) { handle([&] { chkFull_Click(on); }); });
    connect(chkSide, &QCheckBox::toggled, this, [this](bool on) { handle([&] { chkSide_Click(on); }); });
    connect(chkOption, &QCheckBox::toggled, this, [this](bool on) { handle([&] { chkOption_Click(on); }); });

    auto caption = [&](const char16_t* name, const QString& text, qint32 l, qint32 t, qint32 w) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromUtf16(name));
        label->setFont(proportionalFont());
        place(label, l, t, w, 255);
        return label;
    };
    caption(u"lblCharacterSumTitle", u"キャラクター："_s, 5640, 885, 1320);
    caption(u"lblSpellSumTitile", u"スペル："_s, 7440, 885, 840);
    caption(u"lblCommandSumTitle", u"コマンド："_s, 8760, 885, 960);
    caption(u"lblSumTitle", u"合計："_s, 10320, 885, 600);
    QLabel* lblSideTitle = caption(u"lblSideTitle", u"：サイド枚数"_s, 13620, 570, 1335);
    lblSideTitle->hide();
    QLabel* lblMessage = caption(u"lblMessage", MainWindowText::sortHint(), 13080, 960, 3495);
    lblMessage->hide();

    auto count = [&](QLabel*& label, const char16_t* name, qint32 l, qint32 t, qint32 w) {
        label = new QLabel(u"0"_s, this);
        label->setObjectName(QString::fromUtf16(name));
        label->setFont(fixedFont());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAutoFillBackground(true);
        place(label, l, t, w, 300);
    };
    count(lblCharacterSum_, u"lblCharacterSum", 6960, 855, 465);
    count(lblSpellSum_, u"lblSpellSum", 8280, 855, 465);
    count(lblCommandSum_, u"lblCommandSum", 9720, 855, 465);
    count(lblSum_, u"lblSum", 10920, 855, 600);
    count(lblSide_, u"lblSide", 13096, 540, 465);
    count(lblSideSum_, u"lblSideSum", 12960, 855, 645);
    lblSide_->hide();
    lblSideSum_->hide();
    showTotals();

    const ViewOptions::Controls viewed{
        chkFull, chkSide, chkOption, lblMessage, {cmdSideReset_, lblSideSum_, lblSide_, lblSideTitle}, fpsCardList_};
    view_ = std::make_unique<ViewOptions>(*this, twips_, state_.fpsCardList, ui_, viewed);
    view_->widthFitted = [this] { tools_->followWindow(); };
    search_ = std::make_unique<SearchController>(*this, *this, *fpsCardList_->cardModel(), state_.serch);
    cards_ = std::make_unique<CardDisplay>(*this, twips_, state_.fpsCardList);
    connect(fpsCardList_, &CardGridView::LeaveCell, this, &frmTessarin::fpsCardList_LeaveCell);
    connect(fpsCardList_, &CardGridView::DblClick, this, &frmTessarin::fpsCardList_DblClick);
    connect(fpsCardList_, &CardGridView::KeyDown, this, &frmTessarin::fpsCardList_KeyDown);
    edit_ = std::make_unique<EditActions>(*this, state_, ui_, EditActions::Buttons{cmdOpen_, cmdSave_, cmdSerch_},
                                          [this](QString path) { handle([&] { plngOpenFile(path); }); });
    tools_->setLinks({[this](const std::function<void()>& change, const std::function<QString()>& label) {
                          recordDeckChange(change, label);
                      },
                      &CardDisplay::openCardNumber, &edit_->recent()});
}

bool frmTessarin::Form_Load()
{
    modFuncRim::fsubRemoveCloseMenu(this);
    setWindowTitle(AppInfo::plainWindowTitle());
    view_->measure();
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect g = s->availableGeometry();
        move(g.x() + std::max((g.width() - frameGeometry().width()) / 2, 0),
             g.y() + std::max((g.height() - frameGeometry().height()) / 2, 0));
    }
    search_->fsubLoadSerch();
    if (flngLoadCardList(state_, ui_, true) != 0)
        return false;
    search_->fsubTakeSerchSetup(true);
    search_->plngInitialize();
    fpsCardList_Click(1, 1);
    return true;
}

void frmTessarin::handle(const std::function<void()>& body) { reportRuntimeErrors(ui_, body); }

void frmTessarin::flngControlEnabled(bool ibolEnabled)
{
    for (QWidget* w : {static_cast<QWidget*>(cmdOpen_), static_cast<QWidget*>(cmdSave_),
                       static_cast<QWidget*>(cmdClose_), static_cast<QWidget*>(cmdReset_),
                       static_cast<QWidget*>(cmdSideReset_), static_cast<QWidget*>(fpsCardList_)})
        w->setEnabled(ibolEnabled);
    tools_->setKeysEnabled(ibolEnabled);
    edit_->setStepsEnabled(ibolEnabled);
}

void frmTessarin::setSearchEnabled(bool enabled) { cmdSerch_->setEnabled(enabled); }

void frmTessarin::showTotals()
{
    const Totals& t = state_.totals;
    const std::pair<QLabel*, TotalLabel> labels[] = {
        {lblSum_, TotalLabel::lblSum},           {lblSideSum_, TotalLabel::lblSideSum},
        {lblSide_, TotalLabel::lblSide},         {lblCharacterSum_, TotalLabel::lblCharacterSum},
        {lblSpellSum_, TotalLabel::lblSpellSum}, {lblCommandSum_, TotalLabel::lblCommandSum},
    };
    for (const auto& [label, which] : labels) {
        label->setText(t.caption(which));
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(t.background(which)));
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
    }
    tools_->deckChanged();
}

void frmTessarin::cmdClose_Click()
{
    if (ui_.messageBox(MainWindowText::closeQuestion(), MainWindowText::closeTitle(), MsgIcon::Information,
                       MsgButtons::OkCancel) == MsgResult::Ok)
        Form_Unload();
}

void frmTessarin::Form_Unload()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isWindow())
            w->close();
    close();
    QCoreApplication::processEvents();
    QCoreApplication::quit();
}

void frmTessarin::cmdReset_Click()
{
    cmdReset_->setText(MainWindowText::resettingCaption());
    recordChange([this] {
        if (flngLoadCardList(state_, ui_, true) == 0) {
            search_->fsubTakeSerchSetup(true);
            search_->fsubRefilter();
        }
    }, [] { return HistoryText::reset(); });
    cmdReset_->setText(MainWindowText::resetCaption());
}

void frmTessarin::cmdSideReset_Click()
{
    cmdSideReset_->setText(MainWindowText::resettingCaption());
    recordChange([this] { fsubSideReset(state_.fpsCardList, state_.totals, ui_); },
                 [] { return HistoryText::sideReset(); });
    showTotals();
    cmdSideReset_->setText(MainWindowText::resetCaption());
}

void frmTessarin::cmdOpen_Click()
{
    QString none;
    plngOpenFile(none);
}

void frmTessarin::cmdSave_Click()
{
    SaveResult saved;
    fsubSaveFile(state_, ui_, &saved);
    if (saved.written() && !saved.path.isEmpty())
        edit_->used(saved.path);
}

qint32 frmTessarin::plngOpenFile(QString& istrFileName)
{
    qint32 answer = 0;
    OpenResult opened;
    recordDeckChange([&] { answer = ::plngOpenFile(state_, ui_, istrFileName, &opened); },
                     [this] { return HistoryText::opening(state_.deckName); });
    if (opened.outcome == OpenResult::Outcome::Opened)
        edit_->used(opened.path);
    return answer;
}

void frmTessarin::recordChange(const std::function<void()>& change, const std::function<QString()>& label)
{
    const DeckTools::Held held(*tools_);
    edit_->recordChange(change, label);
}

void frmTessarin::recordDeckChange(const std::function<void()>& change, const std::function<QString()>& label)
{
    recordChange([&] {
        const quint64 loads = state_.catalogueLoads;
        change();
        search_->fsubTakeSerchSetup(false);
        // After the deck's counts, so that count conditions see the deck just loaded.
        if (state_.catalogueLoads != loads)
            search_->fsubRefilter();
    }, label);
}

void frmTessarin::cmdSerch_Click() { search_->showDialog(); }
frmSerch* frmTessarin::serch() const { return search_->serch(); }

void frmTessarin::showDeckStats() { tools_->showDeckStats(); }
frmDeckStats* frmTessarin::deckStats() const { return tools_->deckStats(); }
void frmTessarin::saveDeckSheet() { tools_->saveDeckSheet(); }

qint32 frmTessarin::flngDiffSize(qint32 ilngDiff, bool ibolHide) { return view_->flngDiffSize(ilngDiff, ibolHide); }
void frmTessarin::chkFull_Click(bool checked)
{
    flngDiffSize(checked ? ViewOptions::kFullWidth : -ViewOptions::kFullWidth, !checked);
}
void frmTessarin::chkSide_Click(bool checked)
{
    flngDiffSize(checked ? ViewOptions::kSideWidth : -ViewOptions::kSideWidth, !checked);
}
void frmTessarin::chkOption_Click(bool checked)
{
    flngDiffSize(checked ? ViewOptions::kOptionWidth : -ViewOptions::kOptionWidth, !checked);
}
qint32 frmTessarin::baseWidth() const { return view_->baseWidth(); }
qint32 frmTessarin::widthMargin() const { return view_->widthMargin(); }
qint32 frmTessarin::heightMargin() const { return view_->heightMargin(); }

void frmTessarin::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmTessarin::Form_Resize()
{
    if (view_)
        view_->resized();
}
