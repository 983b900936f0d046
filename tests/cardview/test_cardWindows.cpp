#include "app/CardGridView.h"
#include "app/frmTessarin.h"
#include "cardview/frmCard2.h"

#include "Child.h"
#include "Fixtures.h"

#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The main window on five cards: 001 with a picture and a race, 002 whose picture is not an image,
// 004 with a palette picture. 001's picture is larger than Qt may decode whole here: decoded at its
// box's size, it shows.
class CardWindowsTest : public ::testing::Test {
protected:
    Fixtures::TempHome home;
    frmTessarin w;
    const int decodeLimit = QImageReader::allocationLimit();

    void SetUp() override
    {
        QImageReader::setAllocationLimit(4);  // MB
        QDir(home.path()).mkpath(u"card/img"_s);
        QImage picture(1200, 1680, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        ASSERT_TRUE(picture.save(home.file(u"card/img/001.png"_s)));
        picture = QImage(600, 840, QImage::Format_Indexed8);  // scaled, its upper half has many colours
        picture.setColorCount(256);
        for (int i = 0; i < 256; ++i)
            picture.setColor(i, i ? qRgb(i, i * 7 % 256, i * 13 % 256) : qRgb(244, 240, 230));
        for (int y = 0; y < 840; ++y)
            for (int x = 0; x < 600; ++x)
                picture.scanLine(y)[x] = y < 420 ? uchar((x * 3 + y) % 255 + 1) : 0;
        ASSERT_TRUE(picture.save(home.file(u"card/img/004.png"_s)));
        home.withBytes(u"card/img/002.png"_s, "\x89PNG\r\n\x1a\nnot really");
        home.writeCatalogue(Fixtures::catalogueLines(
            u"5"_s, u"1"_s, u"50"_s, u"3"_s,
            {{u"001"_s, {u"Type=Character"_s, u"Name=灯守リノ"_s, u"Glaze=1"_s, u"Class=灯守"_s, u"Skill=灯火"_s,
                         u"File=img/001.png"_s}},
             {u"002"_s, {u"Type=Spell"_s, u"Name=礫"_s, u"User=リノ"_s, u"File=img/002.png"_s}},
             {u"003"_s, {u"Type=Command"_s, u"Name=鐘"_s}},
             {u"004"_s, {u"Name=四"_s, u"File=img/004.png"_s}},
             {u"005"_s, {u"Name=五"_s}}}));
        ASSERT_TRUE(w.Form_Load());
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    void TearDown() override
    {
        cardWindows(true);
        QImageReader::setAllocationLimit(decodeLimit);
    }

    // The titles of the open card windows, sorted; or closes them all.
    static QStringList cardWindows(bool close = false)
    {
        QStringList out;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* card = qobject_cast<frmCard2*>(top); card && card->isVisible())
                close ? delete card : void(out << card->windowTitle());
        out.sort();
        return out;
    }
    template <typename T = QLabel>  // a missing control crashes the test
    static T* in(const QWidget* top, const char16_t* name) { return child<T>(top, QString::fromUtf16(name)); }
    void moveTo(int col, int row) { w.grid()->setCurrentIndex(w.grid()->model()->index(row - 1, col - 1)); }
    QRect px(qint32 l, qint32 t, qint32 wd, qint32 h) const
    {
        return {w.twips().toPx(l), w.twips().toPx(t), w.twips().toPx(wd), w.twips().toPx(h)};
    }
};

TEST_F(CardWindowsTest, PreviewShowsTheFirstCardAndFollowsTheCurrentCellOnCardRows)
{
    EXPECT_EQ(std::tuple(in(&w, u"lblCardName")->text(), in(&w, u"imgCard")->pixmap().size(),
                         in(&w, u"lblCardName")->geometry(), in<QWidget>(&w, u"txtAbility")->geometry()),
              std::tuple(u"灯守リノ"_s, px(840, 380, 3000, 4230).size() * w.devicePixelRatio(), px(720, 4600, 3255, 255),
                         px(120, 5160, 5415, 1680)));

    // A palette picture keeps its colours, not dithered to a palette of Qt's.
    moveTo(2, 4);
    const QImage shown = in(&w, u"imgCard")->pixmap().toImage();
    EXPECT_EQ(shown.pixel(10, shown.height() * 3 / 4), qRgb(244, 240, 230));

    // A picture that does not decode shows nothing, and says nothing.
    moveTo(2, 2);
    EXPECT_EQ(in(&w, u"lblCardType")->text(), u"Spell Card"_s);
    EXPECT_TRUE(in(&w, u"imgCard")->pixmap().isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    for (const auto& [col, row] : {std::pair{2, 0}, {0, 4}, {20, 4}})
        Q_EMIT w.grid()->LeaveCell(2, 2, col, row, nullptr);
    EXPECT_EQ(in(&w, u"lblCardName")->text(), u"礫"_s);
}

TEST_F(CardWindowsTest, CardWindowAppliesTheLayout)
{
    frmCard2 race, plain;
    race.plngSetCard(u"1"_s);
    plain.plngSetCard(u"003"_s);
    const auto state = [this](const frmCard2& c) {
        QLabel* name = in(&c, u"lblCardName");
        return std::tuple(c.windowTitle(), c.size(), name->width(), name->palette().color(QPalette::Window),
                          name->palette().color(QPalette::WindowText), in<QWidget>(&c, u"linLine")->isVisibleTo(&c),
                          in(&c, u"lblGlaze")->isVisibleTo(&c), in(&c, u"lblUser")->isVisibleTo(&c),
                          in<QWidget>(&c, u"txtSkill")->isVisibleTo(&c), in<QWidget>(&c, u"txtAbility")->geometry(),
                          in(&c, u"imgCard")->pixmap().size(), c.palette().color(QPalette::Window),
                          c.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    };
    const QSize size = px(0, 0, 5925, 8295).size();
    const QColor frame(43, 47, 58);  // without a picture the white captions stand on it
    const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;  // fixed size: no maximise
    EXPECT_EQ(state(race), std::tuple(u"No.001 灯守リノ"_s, size, w.twips().toPx(5265 - 1425), QColor(Qt::black),
                                      QColor(Qt::white), false, true, false, true, px(330, 6240, 5265, 1200),
                                      size * race.devicePixelRatio(), frame, buttons));
    EXPECT_EQ(state(plain), std::tuple(u"No.003 鐘"_s, size, w.twips().toPx(5264), QColor(Qt::white),
                                       QColor(Qt::black), true, false, false, false, px(330, 5760, 5265, 1680),
                                       QSize(0, 0), frame, buttons));
    // Bands and panel under the picture, every text above it.
    QList<qsizetype> order;
    for (const char16_t* name : {u"lblBack", u"imgCard", u"lblKorvel", u"txtSkill"})
        order << race.children().indexOf(in<QWidget>(&race, name));
    EXPECT_TRUE(std::ranges::is_sorted(order) && order[0] >= 0) << order.size();
}

TEST_F(CardWindowsTest, DoubleClickAndEnterOpenCardWindows)
{
    CardGrid& grid = w.state().fpsCardList;
    grid.selectBlock(1, 1, 1, 1);
    Q_EMIT w.grid()->DblClick(12, 2);
    EXPECT_EQ(grid.selection().row1, 1);  // no selection from column 12
    Q_EMIT w.grid()->DblClick(3, 4);
    Q_EMIT w.grid()->DblClick(3, 4);
    Q_EMIT w.grid()->DblClick(3, 0);  // the header opens nothing
    const CardGrid::Block b = grid.selection();
    EXPECT_EQ(std::tuple(cardWindows(), b.col1, b.row1, b.col2, b.row2),
              std::tuple(QStringList{u"No.002 礫"_s, u"No.004 四"_s, u"No.004 四"_s}, 1, 4, 4, 4));

    cardWindows(true);
    w.activateWindow();
    w.grid()->setFocus();
    moveTo(2, 5);
    QTest::keyClick(w.grid(), Qt::Key_A);
    QTest::keyClick(w.grid(), Qt::Key_Escape);
    EXPECT_EQ(cardWindows(), QStringList());
    QTest::keyClick(w.grid(), Qt::Key_Return);
    QTest::keyClick(w.grid(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(cardWindows(), (QStringList{u"No.005 五"_s, u"No.005 五"_s}));
}

TEST_F(CardWindowsTest, ClosedByAKeyInItsTextsOrAPressOnThePicture)
{
    const auto open = [] {
        auto* card = new frmCard2;
        card->plngSetCard(u"001"_s);
        card->show();
        return QPointer<frmCard2>(card);
    };
    QPointer<frmCard2> card = open();
    QTest::keyClick(in<QPlainTextEdit>(card, u"txtText"), Qt::Key_A);
    QTest::mousePress(in(card, u"lblCardName"), Qt::LeftButton);
    ASSERT_TRUE(card->isVisible());
    QTest::keyClick(in<QPlainTextEdit>(card, u"txtAbility"), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return card.isNull(); }));

    card = open();
    QTest::mousePress(in(card, u"imgCard"), Qt::RightButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return card.isNull(); }));
}

}  // namespace
