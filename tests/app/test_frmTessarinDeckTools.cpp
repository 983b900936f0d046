#include "MainWindowTest.h"

#include "app/EditActions.h"
#include "cardview/frmCard2.h"
#include "deck/DeckHand.h"
#include "deckfile/DeckList.h"
#include "deckfile/DeckListText.h"
#include "decktools/DeckTools.h"
#include "decktools/DeckToolsText.h"
#include "decktools/HandTiles.h"
#include "decktools/frmDeckCompare.h"
#include "decktools/frmDeckHand.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>

namespace {

class DeckToolsTest : public MainWindowTest {
protected:
    // Card 001 twice and 002 to 009 once: a deck of ten.
    void startWithDeck()
    {
        start(12);
        press(colDeckUp, 1);
        for (qint32 row = 1; row <= 9; ++row)
            press(colDeckUp, row);
    }
    void menuEntry(const QString& text)
    {
        for (QAction* entry : rowMenu(1))
            if (entry->text() == text)
                return entry->trigger();
        FAIL() << "no entry " << text.toStdString();
    }
    static QStringList column(const QTableView* table, int column)
    {
        QStringList out;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            out << table->model()->index(r, column).data().toString();
        return out;
    }
};

QStringList numbers(const std::vector<CardNumber>& cards)
{
    QStringList out;
    for (CardNumber n : cards)
        out << n.text();
    return out;
}

// A typed seed deals the core's hand for it; a draw takes the next card of that shuffle; the odds
// follow the cards drawn and sort by a column; a change to the main deck shuffles anew, a press
// that changes nothing or the side board's does not; a double click opens the card.
TEST_F(DeckToolsTest, TheHandWindowDealsTheCoresHandDrawsAndShowsTheOdds)
{
    startWithDeck();
    menuEntry(DeckToolsText::menuDeckHand());
    frmDeckHand* hand = w->tools().deckHand();
    ASSERT_TRUE(hand && hand->isVisible());
    auto* tiles = child<HandTiles>(u"picHand");
    auto* seed = ::child<QLineEdit>(hand, u"txtSeed"_s);
    auto* odds = ::child<QTableView>(hand, u"tblOdds"_s);
    const auto left = [&] { return ::child<QLabel>(hand, u"lblLeft"_s)->text(); };
    seed->setText(u" 12345 "_s);
    QTest::keyClick(seed, Qt::Key_Return);
    HandTrial core(Deck::fromGrid(w->state().fpsCardList), DeckPart::Main, 5, 12345);
    EXPECT_EQ(std::tuple(tiles->numbers(), seed->text(), left(), column(odds, 0).first(), column(odds, 3).first()),
              std::tuple(numbers(core.hand()), u"12345"_s, DeckToolsText::left(5, 10), u"001"_s, u"77.8%"_s));
    seed->setText(u"x1"_s);
    QTest::keyClick(seed, Qt::Key_Return);
    EXPECT_TRUE(::child<QLabel>(hand, u"lblSeedError"_s)->isVisibleTo(hand));

    QTest::mouseClick(::child<QPushButton>(hand, u"cmdDrawOne"_s), Qt::LeftButton);
    const QStringList dealt = numbers(core.hand()) << core.drawOne()->text();
    QHeaderView* header = odds->horizontalHeader();
    while (header->sortIndicatorSection() != 3 || header->sortIndicatorOrder() != Qt::DescendingOrder)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(3) + 5, 5));
    const QStringList kinds = column(odds, 0);
    EXPECT_EQ(std::tuple(tiles->numbers(), left(), kinds.first(), column(odds, 3).first(), column(odds, 4).first(),
                         header->model()->headerData(3, Qt::Horizontal).toString(), kinds.indexOf(u"種類"_s)),
              std::tuple(dealt, DeckToolsText::left(4, 10), u"001"_s, u"86.7%"_s, u"77.8%"_s,
                         DeckToolsText::oddsDrawn(6), 9));

    press(colDeckDown, 12);
    press(colSideUp, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(tiles->numbers(), seed->text()), std::pair(dealt, u"12345"_s));
    press(colDeckUp, 12);
    QCoreApplication::processEvents();
    const QString reshuffled = seed->text();
    // Another part or hand size deals the same shuffle again.
    ::child<QComboBox>(hand, u"cboPart"_s)->setCurrentIndex(1);
    ::child<QSpinBox>(hand, u"spnHandSize"_s)->setValue(7);
    EXPECT_EQ(std::tuple(reshuffled != u"12345"_s, seed->text() == reshuffled, left(), int(tiles->numbers().size()),
                         w->edit().recent().number(u"trial/handSize"_s, 0)),
              std::tuple(true, true, DeckToolsText::left(5, 12), 7, 7));
    // A change of the whole deck lets events run part-way: what it leaves is what counts.
    {
        const DeckTools::Held held(w->tools());
        press(colDeckUp, 12);
        QCoreApplication::processEvents();
        press(colDeckDown, 12);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(seed->text(), reshuffled);

    QTest::mouseDClick(tiles, Qt::LeftButton, {}, QPoint(20, 60));
    QStringList cards;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* card = qobject_cast<frmCard2*>(top)) {
            cards << card->windowTitle();
            card->deleteLater();
        }
    EXPECT_EQ(cards, QStringList{u"No.%1 札%2"_s.arg(tiles->numbers().first()).arg(tiles->numbers().first().toInt())});
}

// The other file is chosen in the deck dialog and opened as the editor opens it (a count past the
// copy limit is cut); the differing cards in catalogue order, then each type's totals and the
// whole deck's, the other's less this one's.
TEST_F(DeckToolsTest, TheComparisonListsTheDifferingCardsAndTotals)
{
    start(12);
    press(colDeckUp, 2);
    press(colDeckUp, 4);
    const auto choose = [&](const QString& path) {
        auto* timer = new QTimer(w.get());
        QObject::connect(timer, &QTimer::timeout, w.get(), [=] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                timer->stop();
                ::child<QLineEdit>(dialog, u"fileNameEdit"_s)->setText(path);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        timer->start(10);
        menuEntry(DeckToolsText::menuDeckCompare());
    };
    const QString other = home.file(u"other.txt"_s);
    Fixtures::writeCp932Lines(other, {u"5,006,x"_s, u"1,002,x"_s, u"--"_s, u"1,004,x"_s});
    // A catalogue that fails to load for the other deck is told, and no window opens.
    const QByteArray catalogue = Fixtures::readBytes(home.cataloguePath());
    QFile::remove(home.cataloguePath());
    ShownBox box;
    answerNextMessageBox(w.get(), box, QMessageBox::Ok);
    choose(other);
    EXPECT_EQ(std::tuple(box.text.startsWith(DeckToolsText::compareFailed(other, u"カードリストファイルが見つかりません"_s)),
                         box.title, bool(w->tools().deckCompare())),
              std::tuple(true, DeckToolsText::compareTitle(), false));
    Fixtures::writeBytes(home.cataloguePath(), catalogue);
    choose(other);
    frmDeckCompare* compare = w->tools().deckCompare();
    ASSERT_TRUE(compare && compare->isVisible());
    auto* table = ::child<QTableView>(compare, u"tblCompare"_s);
    QStringList rows;
    for (int r = 0; r < table->model()->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->model()->columnCount(); ++c)
            cells << table->model()->index(r, c).data().toString();
        rows << cells.join(u' ');
    }
    EXPECT_EQ(rows, (QStringList{u"004 Spell 札4 1 0 1 0 1 1 -1 +1 0"_s,
                                 u"006 Character 札6 0 0 0 3 0 3 +3 0 +3"_s,
                                 u" Character 合計 0 0 0 3 0 3 +3 0 +3"_s,
                                 u" Spell 合計 1 0 1 0 1 1 -1 +1 0"_s,
                                 u" Command 合計 1 0 1 1 0 1 0 0 0"_s,
                                 u" 全体 合計 2 0 2 4 1 5 +2 +1 +3"_s}));
    EXPECT_EQ(::child<QLabel>(compare, u"lblSummary"_s)->text(), DeckToolsText::differing(2));
    for (int copies = 0; copies < 3; ++copies)
        press(colDeckUp, 6);
    QCoreApplication::processEvents();  // 006 now matches the other deck's 3
    EXPECT_EQ(::child<QLabel>(compare, u"lblSummary"_s)->text(), DeckToolsText::differing(1));
}

// The list goes to the clipboard as the core writes it; a list from the clipboard is shown with
// the lines it cannot read, and loads as one step named in the title.
TEST_F(DeckToolsTest, TheListIsCopiedAndAListFromTheClipboardLoadsAsOneStep)
{
    startWithDeck();
    w->tools().copyListAction()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), deckListText(w->state(), w->state().deckName));

    QGuiApplication::clipboard()->setText(u"3 003\n2 札5\nどこにもない札 x2\n\nサイドボード\n1 007\n"_s);
    QString willLoad, issues;
    QTimer::singleShot(0, w.get(), [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog && dialog->objectName() == u"frmDeckListImport");
        willLoad = ::child<QLabel>(dialog, u"lblWillLoad"_s)->text();
        issues = ::child<QPlainTextEdit>(dialog, u"txtIssues"_s)->toPlainText();
        ::child<QPushButton>(dialog, u"cmdOk"_s)->click();
    });
    const QString before = w->windowTitle();
    w->tools().importListAction()->trigger();
    EXPECT_EQ(std::tuple(willLoad, issues, w->windowTitle(), text(u"lblSum"), w->edit().undoAction()->text()),
              std::tuple(DeckToolsText::importWillLoad(5, 6),
                         DeckToolsText::importUnmatched(1) + u'\n' +
                             DeckToolsText::importLine(3, u"どこにもない札 x2"_s, DeckListText::noCard()),
                         u"Tessarin ver1.0.0 - (テキスト)"_s, u"5"_s, u"元に戻す: テキストから読み込み"_s));
    w->edit().undoAction()->trigger();
    EXPECT_EQ(std::pair(w->windowTitle(), text(u"lblSum")), std::pair(before, u"10"_s));
}

}  // namespace
