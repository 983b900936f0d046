#include "app/EditActions.h"
#include "app/frmWait.h"
#include "decktools/DeckTools.h"
#include "decktools/frmDeckStats.h"
#include "search/frmSerch.h"

#include "MainWindowTest.h"
#include "WindowSystemClose.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QPointer>
#include <QProgressBar>

namespace {

TEST_F(MainWindowTest, ShowsTheTitleTheGridAndTheControlsAtStart)
{
    start();
    EXPECT_EQ(w->windowTitle(), u"Tessarin ver1.0.0"_s);
    // The grid's rows, headers and columns are checked with the grid, its view and the search dialog.
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(192, 192, 224));

    // name, caption, shown at start
    const std::tuple<const char16_t*, QString, bool> controls[] = {
        {u"cmdSerch", u"表示絞り込み"_s, true},  {u"cmdOpen", u"デッキを開く"_s, true},
        {u"cmdSave", u"デッキを保存"_s, true},   {u"cmdClose", u"終了"_s, true},
        {u"cmdReset", u"リセット"_s, true},      {u"cmdSideReset", u"リセット"_s, false},
        {u"chkFull", u"色々な項目を表示"_s, true}, {u"chkSide", u"サイドボード"_s, true},
        {u"chkOption", u"戦術と絵師も表示"_s, false},
        {u"lblCharacterSumTitle", u"キャラクター："_s, true}, {u"lblSpellSumTitile", u"スペル："_s, true},
        {u"lblCommandSumTitle", u"コマンド："_s, true},       {u"lblSumTitle", u"合計："_s, true},
        {u"lblSideTitle", u"：サイド枚数"_s, false},
        {u"lblMessage", u"※列名をクリックしてソートできます。"_s, false},
        {u"lblSum", u"0"_s, true}, {u"lblSideSum", u"0"_s, false}, {u"lblSide", u"0"_s, false},
        {u"lblCharacterSum", u"0"_s, true}, {u"lblSpellSum", u"0"_s, true}, {u"lblCommandSum", u"0"_s, true},
    };
    for (const auto& [name, caption, visible] : controls) {
        auto* c = child<QWidget>(name);
        auto* button = qobject_cast<QAbstractButton*>(c);
        EXPECT_EQ(std::tuple(button ? button->text() : qobject_cast<QLabel*>(c)->text(), c->isVisible(),
                             button && button->isChecked()),
                  std::tuple(caption, visible, false));
    }
    EXPECT_EQ(child<QLabel>(u"lblSum")->font().family(), u"ＭＳ ゴシック"_s);
    EXPECT_EQ(QFontInfo(child<QLabel>(u"lblSum")->font()).family(), u"IPAGothic"_s);
    EXPECT_EQ(QFontInfo(child<QLabel>(u"lblSumTitle")->font()).family(), u"IPAPGothic"_s);
    EXPECT_EQ(std::pair(background(u"lblSum"), background(u"lblCharacterSum")),
              std::pair(QColor(255, 255, 128), QColor(255, 255, 255)));
}

TEST_F(MainWindowTest, TheCloseBoxDoesNothingButTheCloseButtonAsks)
{
    QWidget plain;  // unprotected, the window system's request closes: the path the filter stops is the real one
    plain.show();
    EXPECT_TRUE(windowSystemClose(plain) && plain.windowHandle() && !plain.isVisible());
    start();
    EXPECT_FALSE(windowSystemClose(*w));
    EXPECT_TRUE(w->isVisible());

    ShownBox box;
    answerNextMessageBox(w.get(), box, QMessageBox::Cancel);
    QTest::mouseClick(child<QPushButton>(u"cmdClose"), Qt::LeftButton);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(std::tuple(box.text, box.title, box.icon, box.buttons),
              std::tuple(u"デッキエディタを閉じます。\r\nよろしいですか？"_s, u"終了確認"_s, QMessageBox::Information,
                         QMessageBox::Ok | QMessageBox::Cancel));
    EXPECT_TRUE(w->isVisible());

    answerNextMessageBox(w.get(), box = {}, QMessageBox::Ok);
    QTest::mouseClick(child<QPushButton>(u"cmdClose"), Qt::LeftButton);
    EXPECT_TRUE(box.seen && !w->isVisible());
}

TEST_F(MainWindowTest, StepButtonsAndTheSideResetMoveTheLabels)
{
    start(60);
    // Row r holds card r; card 1 is a Spell, card 3 a Character (types cycle by number mod 3).
    for (int i = 0; i < 4; ++i)
        press(colDeckUp, 1);
    for (qint32 row = 3; row <= 49; ++row)
        press(colDeckUp, row);
    EXPECT_EQ(std::tuple(text(u"lblSum"), text(u"lblSpellSum"), text(u"lblCharacterSum"), text(u"lblCommandSum"),
                         background(u"lblSum")),
              std::tuple(u"50"_s, u"19"_s, u"16"_s, u"15"_s, QColor(255, 255, 255)));  // white: the deck is complete
    child<QCheckBox>(u"chkSide")->setChecked(true);
    for (const auto& [col, row] : {std::pair{colSideDown, 1}, {colSideDown, 1}, {colSideUp, 2}})
        press(col, row);
    EXPECT_EQ(std::pair(text(u"lblSideSum"), text(u"lblSide")), std::pair(u"49"_s, u"1"_s));
    QTest::mouseClick(child<QPushButton>(u"cmdSideReset"), Qt::LeftButton);
    EXPECT_EQ(std::pair(text(u"lblSideSum"), text(u"lblSide")), std::pair(u"50"_s, u"0"_s));
}

TEST_F(MainWindowTest, ViewOptionsShowColumnsAndControlsAndResizeTheWindow)
{
    start();
    ASSERT_EQ(w->baseWidth(), w->twips().fromPx(outerWidth()));
    auto* option = child<QCheckBox>(u"chkOption");
    const int messageX = child<QLabel>(u"lblMessage")->x();
    // boxes checked in order, the columns shown besides 1 to 6, the added width in twips
    const std::tuple<std::vector<const char16_t*>, int, int, qint32> cases[] = {
        {{u"chkFull"}, 10, 17, 6000},
        {{u"chkSide"}, 7, 9, 1980},
        {{u"chkFull", u"chkOption"}, 10, 19, 10140},
        {{u"chkSide", u"chkFull", u"chkOption"}, 7, 19, 12120},
    };
    for (const auto& [checks, first, last, extra] : cases) {
        SCOPED_TRACE(extra);
        for (const char16_t* name : checks)
            child<QCheckBox>(name)->setChecked(true);
        for (int col = 7; col <= 19; ++col)
            EXPECT_EQ(w->grid()->isColumnHidden(col - 1), col < first || col > last) << "column " << col;
        EXPECT_NEAR(outerWidth(), px(w->baseWidth() + extra), 1);
        EXPECT_EQ(w->frameGeometry().left(), std::max(w->screen()->geometry().width() / 2 - outerWidth() / 2, 0));
        EXPECT_NEAR(w->grid()->width(), outerWidth() - px(w->widthMargin()), 1);
        const bool full = last >= 10, side = first == 7;
        EXPECT_EQ(option->isVisible(), full);
        EXPECT_EQ(child<QLabel>(u"lblMessage")->isVisible(), full);
        EXPECT_NEAR(child<QLabel>(u"lblMessage")->x(), messageX + (side ? px(1980) : 0), 1);
        for (const char16_t* name : {u"lblSide", u"lblSideTitle", u"lblSideSum", u"cmdSideReset"})
            EXPECT_EQ(child<QWidget>(name)->isVisible(), side) << QString::fromUtf16(name).toStdString();

        // Unchecking "full" unchecks and hides the option too; every column and the width go back.
        child<QCheckBox>(u"chkFull")->setChecked(false);
        child<QCheckBox>(u"chkSide")->setChecked(false);
        EXPECT_FALSE(option->isChecked() || option->isVisible());
        for (int col = 7; col <= 19; ++col)
            EXPECT_TRUE(w->grid()->isColumnHidden(col - 1)) << col;
        EXPECT_NEAR(outerWidth(), px(w->baseWidth()), 1);
        EXPECT_NEAR(child<QLabel>(u"lblMessage")->x(), messageX, 1);
    }
}

// Also run under a window manager, which frames the window only after it is shown (tests/app/CMakeLists.txt).
// On a screen 1600 pixels wide (the third of screens/wide.json, or the window manager's) the statistics
// window stands right of the centred main window, and again after the side board widens it.
TEST_F(MainWindowTest, TheFrameChangesNeitherTheGridNorTheWidthAViewOptionLeaves)
{
    start(12, u"1"_s, QGuiApplication::screenAt(QPoint(2944, 0)));
    if (QGuiApplication::platformName() == u"xcb"_s) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return w->frameGeometry().height() > w->height(); }));
    }
    ASSERT_EQ(w->screen()->size(), QSize(1600, 1000));
    const QSize client = w->size();
    const QRect grid = w->grid()->geometry();
    EXPECT_EQ(std::pair(grid.right() + 1, grid.bottom() + 1), std::pair(client.width(), client.height()));
    w->showDeckStats();
    const auto beside = [&] {
        const QRect stats = w->deckStats()->frameGeometry();
        return stats.left() == w->frameGeometry().right() + 1 && w->screen()->availableGeometry().contains(stats);
    };
    EXPECT_TRUE(QTest::qWaitFor(beside, 2000)) << w->deckStats()->frameGeometry().left();
    // A window manager answers each resize later, so the window is given time to settle.
    const QSize wide = client + QSize(px(1980), 0);
    child<QCheckBox>(u"chkSide")->setChecked(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return (w->size() - wide).width() * (w->size() - wide).width() <= 1; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor(beside, 2000)) << w->deckStats()->frameGeometry().left();
    EXPECT_EQ(w->grid()->geometry().bottom() + 1, client.height());
    child<QCheckBox>(u"chkSide")->setChecked(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->size() == client; }, 2000)) << w->width() << 'x' << w->height();
    EXPECT_EQ(w->grid()->geometry(), grid);
}

// Also run under a window manager. Hiding a focused view during a sort made Qt move its current cell on
// as by Tab, which refilled the pane; the current row's card may also be filtered out.
TEST_F(MainWindowTest, HeaderClicksWithTheGridFocusedKeepTheCurrentCellAndThePane)
{
    start();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    CardGridView* grid = w->grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 2)).center());
    ASSERT_TRUE(grid->hasFocus());
    frmSerch* dialog = w->serch();
    ::child<QCheckBox>(dialog, u"chkType"_s)->setChecked(false);
    ::child<QCheckBox>(dialog, u"chkTypeSpell"_s)->setChecked(true);
    for (int i = 0; i < 12; ++i) {
        if (i == 6)
            ::child<QPushButton>(dialog, u"OKButton"_s)->click();
        QHeaderView* header = grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(2) + 5, 5));
        EXPECT_EQ(std::tuple(w->state().fpsCardList.activeRow(), w->state().fpsCardList.activeCol(),
                             text(u"lblCardName"), grid->hasFocus()),
                  std::tuple(3, colName, u"札3"_s, true)) << "click " << i;
    }
}

// A 1024-pixel second screen right of the first (screens/wide.json): the full view cannot widen the window
// beyond it, and the window stays on its own screen.
TEST_F(MainWindowTest, FullViewOnANarrowSecondScreenTakesItsWidthFromItsLeftEdge)
{
    QScreen* narrow = QGuiApplication::screenAt(QPoint(1920, 0));
    ASSERT_NE(narrow, nullptr);
    start(12, u"1"_s, narrow);
    ASSERT_EQ(w->screen(), narrow);
    child<QCheckBox>(u"chkFull")->setChecked(true);
    EXPECT_EQ(std::pair(w->frameGeometry().left(), outerWidth()), std::pair(1920, 1024));
    EXPECT_FALSE(w->grid()->isColumnHidden(colNode - 1));
}

TEST_F(MainWindowTest, TheGridFollowsTheWindowButNeverNarrowsBelowItsStart)
{
    start();
    const QSize start = w->grid()->size();
    w->resize(w->width() + 100, w->height() + 50);
    EXPECT_EQ(w->grid()->size(), start + QSize(100, 50));
    w->resize(w->width() - 400, w->height() - 50);
    EXPECT_EQ(w->grid()->width(), start.width());
    w->showMinimized();
    w->showNormal();
    EXPECT_EQ(w->grid()->width(), start.width());
}

// Also run under a window manager. The grid reaches the right and bottom edges; a view option keeps
// the window's size, and its width follows when the window is restored.
TEST_F(MainWindowTest, MaximisedTheGridTakesTheRoom)
{
    start();
    const QSize normal = w->size();
    w->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->isMaximized() && w->size() != normal; }));
    const QSize maximised = w->size();
    child<QCheckBox>(u"chkSide")->setChecked(true);
    QTest::qWait(200);
    const QRect grid = w->grid()->geometry();
    EXPECT_EQ(std::tuple(w->size(), grid.right() + 1, grid.bottom() + 1),
              std::tuple(maximised, maximised.width(), maximised.height()));
    w->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(outerWidth() - px(w->baseWidth() + 1980)) <= 1; }, 2000));
}

// Also run on Wayland (under-weston.sh), where a program may neither place nor activate its windows,
// right after the maximised test, whose restoring must not end the program there: the main window,
// the search dialog, a card window and the closing question each appear, are exposed and close,
// and Qt reports nothing about positions or its platform plugin.
TEST_F(MainWindowTest, EveryKindOfWindowAppearsAndClosesWithoutPlatformWarnings)
{
    static QStringList complaints;
    complaints.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& c, const QString& m) {
        if (type != QtDebugMsg && type != QtInfoMsg &&
            (QByteArray(c.category ? c.category : "").startsWith("qt.qpa") || m.contains(u"position"_s, Qt::CaseInsensitive) ||
             m.contains(u"platform plugin"_s, Qt::CaseInsensitive)))
            complaints << m;
    });
    start();
    child<QPushButton>(u"cmdSerch")->click();
    const bool searchShown = QTest::qWaitForWindowExposed(w->serch());
    ::child<QPushButton>(w->serch(), u"CancelButton"_s)->click();
    Q_EMIT w->grid()->DblClick(3, 2);
    QPointer<QWidget> card;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("frmCard2") && top->isVisible())
            card = top;
    const bool cardShown = card && QTest::qWaitForWindowExposed(card);
    if (card)
        QTest::mousePress(::child<QWidget>(card, u"imgCard"_s), Qt::LeftButton);

    bool boxExposed = false;
    QTimer::singleShot(0, w.get(), [&boxExposed] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxExposed = box->windowTitle() == u"終了確認"_s && QTest::qWaitForWindowExposed(box);
            box->button(QMessageBox::Ok)->click();
        }
    });
    child<QPushButton>(u"cmdClose")->click();
    QTest::qWait(50);  // a card window closes itself from the event loop
    qInstallMessageHandler(previous);
    EXPECT_EQ(std::tuple(searchShown, w->serch()->isVisible(), cardShown, card.isNull(), boxExposed, w->isVisible()),
              std::tuple(true, false, true, true, true, false));
    EXPECT_EQ(complaints, QStringList());
}

TEST_F(MainWindowTest, ResetReloadsAndAFailedResetLeavesTheWindowUsable)
{
    start(12, u"0"_s);
    EXPECT_FALSE(child<QPushButton>(u"cmdSerch")->isEnabled()) << "ShowSelect off";
    press(colDeckUp, 2);
    auto* reset = child<QPushButton>(u"cmdReset");
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(text(u"lblSum"), u"0"_s);
    EXPECT_EQ(w->state().fpsCardList.cellText(colDeck, 2), u"0"_s);

    press(colDeckUp, 2);
    QFile::remove(home.cataloguePath());
    ShownBox box;
    answerNextMessageBox(w.get(), box, QMessageBox::Ok);
    QTest::mouseClick(reset, Qt::LeftButton);
    ASSERT_TRUE(box.seen);
    // Its text and title are checked with the loader; a failed reset keeps the deck.
    EXPECT_EQ(std::tuple(box.icon, box.buttons, text(u"lblSum"), w->state().fpsCardList.cellText(colDeck, 2)),
              std::tuple(QMessageBox::NoIcon, QMessageBox::Ok, u"1"_s, u"1"_s));
    const auto controls = {u"cmdOpen", u"cmdSave", u"cmdClose", u"cmdReset", u"cmdSideReset", u"fpsCardList",
                           u"chkFull", u"chkSide", u"chkOption"};
    EXPECT_EQ(disabled(controls), QStringList());
    w->ui().setControlsEnabled(false);  // as a load starts; the loader's calls are checked with the loader
    EXPECT_EQ(disabled(controls), (QStringList{u"cmdOpen"_s, u"cmdSave"_s, u"cmdClose"_s, u"cmdReset"_s,
                                               u"cmdSideReset"_s, u"fpsCardList"_s}));
    // The keys that change the deck go with the buttons: the list keys, and undo with a step to take.
    EXPECT_FALSE(w->tools().importListAction()->isEnabled() || w->tools().copyListAction()->isEnabled() ||
                 w->edit().undoAction()->isEnabled());
    w->ui().setSearchEnabled(true);
    EXPECT_TRUE(child<QPushButton>(u"cmdSerch")->isEnabled());
}

TEST(WaitWindow, ItsTextsColourAndNeverABusyBar)
{
    frmWait wait;
    EXPECT_EQ(wait.windowTitle(), u"実行中..."_s);
    EXPECT_EQ(wait.findChild<QLabel*>(u"lblMessage"_s)->text(), u"実行中"_s);
    EXPECT_EQ(wait.palette().color(QPalette::Window), QColor(224, 224, 224));
    wait.show();
    EXPECT_FALSE(windowSystemClose(wait)) << "the user cannot close it";
    const QProgressBar* bar = wait.findChild<QProgressBar*>(u"pgbWait"_s);
    // As created, then as a load sets it. Qt animates a bar whose minimum equals its maximum; a catalogue
    // of promotional cards only gives a maximum of 0.
    for (const auto& [maximum, value] : {std::pair{-1, -1}, {250, 7}, {0, 0}}) {
        if (maximum >= 0)
            wait.setProgress(maximum, value);
        EXPECT_EQ(std::tuple(bar->minimum(), bar->maximum(), bar->value()),
                  std::tuple(0, std::max(maximum, 1), std::max(value, 0)));
    }
}

}  // namespace
