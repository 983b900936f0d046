#include "MainWindowTest.h"

#include "app/MainWindowText.h"
#include "app/frmDeckStats.h"
#include "cardview/frmCard2.h"
#include "sheet/DeckSheet.h"

#include "RecordingUi.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QStackedBarSeries>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// Each count entry of a row's menu changes exactly what a press of that step button changes: the
// entry on one row and the press on another of the same type, both from the same counts.
TEST_F(MainWindowTest, TheRowMenuPressesStepButtonsOpensTheCardAndTheStatisticsFollow)
{
    start(60);
    // The side-board entries come with the side-board columns.
    const qsizetype withoutSide = rowMenu(1).size();
    child<QCheckBox>(u"chkSide")->setChecked(true);
    ASSERT_EQ(std::pair(withoutSide, rowMenu(1).size()), std::pair(qsizetype(6), qsizetype(8)));
    const auto snapshot = [&](qint32 row) {
        QList<int> v{w->state().fpsCardList.cellText(colDeck, row).toInt(), w->state().fpsCardList.cellText(colSide, row).toInt()};
        for (const char16_t* l : {u"lblSum", u"lblSideSum", u"lblSide", u"lblCharacterSum", u"lblSpellSum", u"lblCommandSum"})
            v << text(l).toInt();
        return v;
    };
    const qint32 cols[] = {colDeckUp, colDeckDown, colSideUp, colSideDown};
    // the counts both rows start from; the entry: at 0, at the copy limit, with a side count
    const std::pair<QList<qint32>, int> cases[] = {
        {{}, 0}, {{}, 1}, {{}, 2}, {{}, 3}, {{colDeckUp, colDeckUp, colDeckUp}, 0}, {{colDeckUp, colDeckUp, colDeckUp}, 2},
        {{colDeckUp, colDeckUp, colSideDown, colSideDown}, 1}, {{colDeckUp, colSideUp}, 3},
    };
    qint32 row = 1;
    for (const auto& [setup, entry] : cases) {
        for (qint32 r : {row, row + 3})
            for (qint32 col : setup)
                press(col, r);
        const QList<int> before = snapshot(row);
        rowMenu(row)[entry]->trigger();
        const QList<int> byMenu = snapshot(row);
        press(cols[entry], row + 3);
        QList<int> byPress = snapshot(row + 3);
        for (int i = 2; i < byPress.size(); ++i)
            byPress[i] -= byMenu[i] - before[i];  // the totals moved once by each
        EXPECT_EQ(byMenu, byPress) << "entry " << entry << " after " << setup.size() << " presses";
        row += 6;
    }

    rowMenu(5)[4]->trigger();
    QStringList cards;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* card = qobject_cast<frmCard2*>(top)) {
            cards << card->windowTitle();
            card->deleteLater();
        }
    EXPECT_EQ(cards, QStringList{u"No.005 札5"_s});

    // One statistics window, which draws the figures again after a press and after a reload.
    rowMenu(5)[6]->trigger();
    rowMenu(5)[6]->trigger();
    frmDeckStats* stats = w->deckStats();
    ASSERT_TRUE(stats && stats->isVisible());
    // Not room enough to the right of the centred main window: to the left, inside the screen.
    EXPECT_EQ(stats->frameGeometry(), QRect(QPoint(0, w->y()), stats->frameGeometry().size()));
    EXPECT_EQ(std::pair(stats->windowTitle(), int(w->findChildren<frmDeckStats*>().size())), std::pair(u"デッキの統計"_s, 1));
    const auto drawn = [&] {
        QCoreApplication::processEvents();
        QChart* cost = ::child<QChartView>(stats->tabs()->widget(0), u"chartCost"_s)->chart();
        double copies = 0;
        QStringList types;
        for (const QBarSet* set : qobject_cast<QStackedBarSeries*>(cost->series().value(0))->barSets()) {
            copies += set->sum();
            types << set->label();
        }
        return std::tuple(qobject_cast<QBarCategoryAxis*>(cost->axes(Qt::Horizontal).value(0))->categories(), types,
                          copies, stats->tabs()->isTabVisible(1));
    };
    // The deck holds Spell cards; a card without a type comes after the three types, as the text
    // sort would not have it.
    const double main = text(u"lblSum").toDouble();
    w->state().fpsCardList.setCellText(colType, 59, QString());
    press(colDeckUp, 59);
    press(colDeckUp, 60);
    EXPECT_EQ(drawn(),
              std::tuple(QStringList{u"（なし）"_s}, QStringList{u"Character"_s, u"Spell"_s, QString()}, main + 2, true));
    QTest::mouseClick(child<QPushButton>(u"cmdReset"), Qt::LeftButton);
    EXPECT_EQ(drawn(), std::tuple(QStringList(), QStringList(), 0.0, false));
}

// The sheet entry asks where to save and saves a PNG there, told in a box; a cancelled dialog
// saves nothing and a write that fails is told. Eight cards fill one row.
TEST_F(MainWindowTest, TheDeckSheetIsSavedAsPngAndAWriteThatFailsIsTold)
{
    start();
    for (qint32 row = 1; row <= 8; ++row)
        press(colDeckUp, row);
    const QString path = home.file(u"deck.png"_s), blocked = home.file(u"card/cardlist.ini/deck.png"_s);
    auto* timer = new QTimer(w.get());
    QObject::connect(timer, &QTimer::timeout, w.get(), [&, timer] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            ::child<QLineEdit>(dialog, u"fileNameEdit"_s)->setText(path);  // as the user types it
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    timer->start(10);
    ShownBox box;
    answerNextMessageBox(w.get(), box, QMessageBox::Ok);
    for (QAction* entry : rowMenu(1))
        if (entry->text() == MainWindowText::menuDeckSheet())
            entry->trigger();
    EXPECT_EQ(std::tuple(QImage(path).size(), box.text, box.icon, bool(w->deckStats())),
              std::tuple(QSize(1062, 430), path + u"を作成しました。"_s, QMessageBox::Information, false));

    RecordingUi ui;
    ui.saveAnswers << QString() << blocked;
    for (int i = 0; i < 2; ++i)
        saveDeckSheet(w->state(), ui);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(std::tuple(ui.messages[0].text.startsWith(u"デッキ画像を保存できませんでした。\r\n"_s + blocked + u"\r\n"_s),
                         ui.messages[0].title, ui.messages[0].icon),
              std::tuple(true, u"デッキ画像を保存"_s, MsgIcon::Error));
}

}  // namespace
