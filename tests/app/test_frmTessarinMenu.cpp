#include "MainWindowTest.h"

#include "cardview/frmCard2.h"
#include "decktools/DeckToolsText.h"
#include "decktools/frmDeckStats.h"
#include "sheet/DeckSheet.h"

#include "RecordingUi.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QAbstractBarSeries>
#include <QFileDialog>
#include <QFontInfo>
#include <QGraphicsTextItem>
#include <QLineEdit>
#include <QPieSeries>
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
    ASSERT_EQ(std::pair(withoutSide, rowMenu(1).size()), std::pair(qsizetype(15), qsizetype(17)));
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
    EXPECT_EQ(std::pair(stats->windowTitle(), int(w->findChildren<frmDeckStats*>().size())), std::pair(u"デッキの統計"_s, 1));
    const auto drawn = [&] {
        QCoreApplication::processEvents();
        QChart* cost = ::child<QChartView>(stats->tabs()->widget(0), u"chartCost"_s)->chart();
        double copies = 0;
        QStringList types;
        for (const QBarSet* set : qobject_cast<QAbstractBarSeries*>(cost->series().value(0))->barSets()) {
            copies += set->sum();
            types << set->label();
        }
        return std::tuple(qobject_cast<QBarCategoryAxis*>(cost->axes(Qt::Vertical).value(0))->categories(), types,
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

// Fourteen node values in the narrow window, one of them empty, all of one type: every caption shown
// whole, no border from the centre of the one-slice pie, the legend and captions in the editor's face.
TEST(DeckStatistics, ManyValuesOfOneTypeAreShownWhole)
{
    CardGrid grid;
    grid.setRowCount(14);
    for (qint32 r = 1; r <= 14; ++r)
        for (const auto& [col, text] : {std::pair(colType, u"Character"_s), {colDeck, u"1"_s},
                                        {colNo, u"%1"_s.arg(r, 3, 10, QChar(u'0'))},
                                        {colNode, r == 1 ? QString() : QString::number(r)}})
            grid.setCellText(col, r, text);
    frmDeckStats stats(grid);
    stats.refresh();
    stats.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stats));
    QWidget* page = stats.tabs()->widget(0);
    QStringList missing{u"（なし）"_s};
    for (qint32 r = 2; r <= 14; ++r)
        missing << QString::number(r);
    for (QGraphicsItem* item : child<QChartView>(page, u"chartNode"_s)->scene()->items())
        if (auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            missing.removeOne(text->toPlainText());
    QChart* type = child<QChartView>(page, u"chartType"_s)->chart();
    auto* legend = child<QLabel>(page, u"lblLegend"_s);
    EXPECT_EQ(std::tuple(missing, qobject_cast<QPieSeries*>(type->series().value(0))->slices().value(0)->pen().style(),
                         legend->text().endsWith(u"Character 14"_s), QFontInfo(legend->font()).family(),
                         QFontInfo(type->titleFont()).family()),
              std::tuple(QStringList(), Qt::NoPen, true, u"IPAPGothic"_s, u"IPAPGothic"_s));
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
        if (entry->text() == DeckToolsText::menuDeckSheet())
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
