#include "app/CardGridView.h"
#include "app/frmTessarin.h"
#include "search/SearchConditions.h"
#include "search/SerchHost.h"
#include "search/frmSerch.h"

#include "Child.h"
#include "Fixtures.h"
#include "RecordingUi.h"
#include "WindowSystemClose.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The main window and its search dialog on five cards: number, type, name, cost, spell owner.
class SearchAndSort : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeCards({u"001 Spell かえで 2 灯祭りの案内人メリルと双子の灯守ミラとモラ"_s, u"002 Character あおい 1"_s,
                    u"003 Command うめ 3"_s, u"004 Character いちご 1"_s, u"005 Spell えだ  鬼"_s});
        ASSERT_TRUE(w.Form_Load());
        w.show();
    }
    void writeCards(const QStringList& cards)
    {
        QList<Fixtures::CatalogueCard> list;
        for (const QString& card : cards) {
            const QStringList f = card.split(u' ');
            list.append({f[0], {u"Type="_s + f[1], u"Name="_s + f[2], u"Cost="_s + f.value(3), u"User="_s + f.value(4),
                                u"Class=鬼／人間"_s}});
        }
        home.writeCatalogue(Fixtures::catalogueLines(QString::number(cards.size()), u"1"_s, u"50"_s, u"3"_s, list));
    }
    frmSerch& dialog() { return *w.serch(); }
    template <typename T = QWidget>
    T* c(const QString& name) { return child<T>(&dialog(), name); }
    void click(const QString& button) { c<QPushButton>(button)->click(); }
    void check(const QString& box, bool on) { c<QCheckBox>(box)->setChecked(on); }
    // A list's items, the current one marked "*".
    QString items(const QString& combo)
    {
        QStringList out;
        for (auto* box = c<QComboBox>(combo); out.size() < box->count();)
            out << (out.size() == box->currentIndex() ? u"*"_s : QString()) + box->itemText(out.size());
        return out.join(u' ');
    }
    // Card numbers in grid order, hidden rows in brackets, with counts "deck/side" when asked.
    QString order(bool counts = false)
    {
        const CardGrid& g = w.state().fpsCardList;
        QStringList out;
        for (qint32 r = 1; r <= g.rowCount(); ++r)
            out << (g.rowHidden(r) ? u"(%1)"_s : u"%1"_s)
                       .arg(g.cellText(colNo, r).right(1) +
                            (counts ? u':' + g.cellText(colDeck, r) + u'/' + g.cellText(colSide, r) : QString()));
        return out.join(u' ');
    }
    void header(qint32 col) { Q_EMIT w.grid()->Click(col, 0); }

    Fixtures::TempHome home;
    frmTessarin w;
};

TEST_F(SearchAndSort, StartUpLoadsTheDialogHiddenAndSelectsTheFirstFourCellsOfRowOne)
{
    const auto selected = [&] {
        const CardGrid::Block b = w.state().fpsCardList.selection();
        return QList{b.col1, b.row1, b.col2, b.row2};
    };
    EXPECT_EQ(std::tuple(dialog().isVisible(), items(u"cmbCostU"_s), c<QListWidget>(u"lstClass"_s)->item(0)->text(),
                         selected(), w.grid()->selectionModel()->selectedIndexes().size()),
              std::tuple(false, u"*- 0 1 2 3"_s, u"人間"_s, QList<qint32>{colNo, 1, colDeck, 1}, 4));
    auto* type = w.findChild<QLabel*>(u"lblCardType"_s);  // the first card's from the start
    Q_EMIT w.grid()->Click(colSide, 3);
    EXPECT_TRUE(type->text().contains(u"Command"_s));
    Q_EMIT w.grid()->Click(colUser, 2);  // an attribute cell previews and selects nothing
    EXPECT_TRUE(type->text().contains(u"Character"_s));
    EXPECT_EQ(selected(), (QList<qint32>{colNo, 3, colDeck, 3}));
}

TEST_F(SearchAndSort, EnablesTheGovernedControlsByTheRuleAfterEveryChange)
{
    // A switch's check or a list's index by code, then the controls enabled (+) and disabled (-).
    const std::pair<QString, const char16_t*> steps[] = {
        {u"="_s, u"-lstNo -chkTypeSpell -cmbCostL -lblSel_3 -lblSel_10 -txtName1 -lstSkill"},
        {u"chkCost=0"_s, u"+cmbCostL +cmbCostU +cmbCostSel +lblSel_3 -lblSel_10 -cmbAttackL"},
        {u"cmbCostU=2"_s, u"+lblSel_10"},
        {u"chkCost=1"_s, u"-cmbCostL -cmbCostU -cmbCostSel -lblSel_3 -lblSel_10"},
        {u"cmbCostU=0"_s, u"-lblSel_10"},
        {u"chkCost=0"_s, u"+cmbCostU -lblSel_10"},
        {u"chkName=0"_s, u"+txtName1 +cmbName +cmbNameSel -txtName2"},
        {u"cmbName=1"_s, u"+txtName2"},
        {u"cmbName=0"_s, u"-txtName2"},
        {u"chkName=1"_s, u"-txtName1 -txtName2 -cmbName -cmbNameSel"},
        {u"chkNo=0"_s, u"+lstNo"},
        {u"chkType=0"_s, u"+chkTypeCharacter +chkTypeSpell +chkTypeCommand"},
        {u"chkSkill=0"_s, u"+lstSkill -lstClass"},
    };
    for (const auto& [change, states] : steps) {
        const QString name = change.section(u'=', 0, 0);
        if (name.startsWith(u"chk"))
            check(name, change.endsWith(u'1'));
        else if (!name.isEmpty())
            c<QComboBox>(name)->setCurrentIndex(change.section(u'=', 1).toInt());
        for (const QString& control : QString::fromUtf16(states).split(u' '))
            EXPECT_EQ(c(control.mid(1))->isEnabled(), control[0] == u'+')
                << change.toStdString() << control.toStdString();
    }
    dialog().show();
    QTest::mouseClick(c<QCheckBox>(u"chkAttack"_s), Qt::LeftButton);  // the user's click takes the same way
    EXPECT_TRUE(c(u"cmbAttackL"_s)->isEnabled());
}

TEST_F(SearchAndSort, FillsTheBoundListsFromTheMaximaUpToTheCap)
{
    for (qint32 maximum : {0, 3, 7}) {
        dialog().pNumberMax = dialog().pGlazeMax = maximum;
        dialog().plngInitialize();
        QString numbers;
        for (qint32 k = 1; k <= maximum; ++k)
            numbers += u' ' + QString::number(k);
        for (const QString& name : {u"Number"_s, u"Side"_s, u"Glaze"_s})
            EXPECT_EQ(items(u"cmb%1L"_s.arg(name)) + u" | "_s + items(u"cmb%1U"_s.arg(name)),
                      u"*0"_s + numbers + u" | *- 0"_s + numbers);
    }
    dialog().pToughnessMax = 2147483647;
    dialog().plngInitialize();
    EXPECT_TRUE(items(u"cmbToughnessU"_s).endsWith(u" 998 999"_s));
}

TEST_F(SearchAndSort, ApplyCloseAndShowAllAndTheSortsThatFollowThem)
{
    w.findChild<QPushButton*>(u"cmdSerch"_s)->click();
    EXPECT_FALSE(dialog().isModal());
    EXPECT_FALSE(windowSystemClose(dialog()));
    EXPECT_TRUE(dialog().isVisible());
    check(u"chkType"_s, false);
    check(u"chkTypeSpell"_s, true);
    click(u"CancelButton"_s);
    EXPECT_EQ(std::tuple(dialog().isVisible(), order(), c<QCheckBox>(u"chkTypeSpell"_s)->isChecked()),
              std::tuple(false, u"1 2 3 4 5"_s, true));

    click(u"OKButton"_s);
    EXPECT_EQ(std::tuple(order(), w.grid()->model()->rowCount(), dialog().pSortFlag),
              std::tuple(u"1 (2) (3) (4) 5"_s, 2, 1));
    check(u"chkTypeCommand"_s, true);  // not applied, yet the dialog shows it: a sort applies it
    header(colName);
    EXPECT_EQ(order(), u"(2) (4) 3 5 1"_s);

    // Without its catalogue the run shows one message, during which the button is taken.
    QFile::remove(home.cataloguePath());
    auto* apply = c<QPushButton>(u"OKButton"_s);
    QStringList shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &w, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text().section(u'\r', 0, 0) + (apply->isEnabled() ? u" on "_s : u" off "_s) + apply->text() +
                         (c(u"cmdDefault"_s)->isEnabled() ? u" on"_s : u" off"_s);
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(5);
    click(u"OKButton"_s);
    EXPECT_EQ(shown, QStringList{u"カードリストファイルが見つかりません。 off 反映中... off"_s});
    EXPECT_EQ(std::tuple(order(), apply->text(), apply->isEnabled()), std::tuple(u"2 4 3 5 1"_s, u"リストに反映"_s, true));

    c<QLineEdit>(u"txtName1"_s)->setText(u"竜"_s);
    check(u"chkNo"_s, false);
    c<QListWidget>(u"lstNo"_s)->item(0)->setCheckState(Qt::Checked);
    click(u"cmdDefault"_s);
    SearchConditions defaults;
    defaults.txtName1 = u"竜"_s;  // texts and bounds stay for when their switch is unchecked again
    EXPECT_EQ(std::tuple(dialog().pSortFlag, dialog().fsubGetConditions().toJson(), c(u"lstNo"_s)->isEnabled()),
              std::tuple(0, defaults.toJson(), false));

    // With no filter in effect a sort keeps the hidden flags with their rows and filters nothing.
    w.plngRowShow(1, true);
    w.plngRowShow(5, true);
    w.plngRowShow(5, false);
    header(colName);
    EXPECT_EQ(std::tuple(order(), w.grid()->model()->rowCount(), w.grid()->isVisible()),
              std::tuple(u"1 5 3 4 (2)"_s, 4, true));
}

// A reload puts card n back in row n: the rows hidden are the ones a fresh run of the conditions hides.
TEST_F(SearchAndSort, AfterAReloadTheConditionsInEffectDecideTheHiddenRows)
{
    const auto reloadThenRun = [&](const std::function<void()>& reload) {
        header(colName);
        reload();
        const QString after = order();
        click(u"OKButton"_s);
        return std::pair(after, order());
    };
    check(u"chkType"_s, false);
    check(u"chkTypeSpell"_s, true);
    click(u"OKButton"_s);
    header(colName);
    EXPECT_EQ(reloadThenRun([&] { w.findChild<QPushButton*>(u"cmdReset"_s)->click(); }),
              std::pair(u"1 (2) (3) (4) 5"_s, u"1 (2) (3) (4) 5"_s));
    // Opening a deck: a count condition sees the deck just opened, and so do the totals.
    check(u"chkNumber"_s, false);
    c<QComboBox>(u"cmbNumberL"_s)->setCurrentIndex(1);
    QString deck = home.withBytes(u"d.txt"_s, Fixtures::cp932Lines({u"1,005,E"_s, u"1,002,B"_s, u"--"_s, u"1,3,C"_s}));
    EXPECT_EQ(reloadThenRun([&] { w.plngOpenFile(deck); }), std::pair(u"(1) (2) (3) (4) 5"_s, u"(1) (2) (3) (4) 5"_s));
    QStringList totals;
    for (const QString& name : {u"lblSum"_s, u"lblCharacterSum"_s, u"lblSpellSum"_s, u"lblCommandSum"_s,
                                u"lblSide"_s, u"lblSideSum"_s})
        totals << w.findChild<QLabel*>(name)->text();
    EXPECT_EQ(totals.join(u' '), u"2 1 1 0 1 3"_s);

    click(u"cmdDefault"_s);  // no conditions in effect: a reload shows every row
    w.plngRowShow(3, true);
    w.plngOpenFile(deck);
    EXPECT_EQ(order(), u"1 2 3 4 5"_s);
}

TEST_F(SearchAndSort, HeaderClicksSortAscendingThenDescendingAndAnotherColumnStartsAscending)
{
    const std::pair<qint32, const char16_t*> clicks[] = {
        {colName, u"2 4 3 5 1"},  // あおい いちご うめ えだ かえで
        {colName, u"1 5 3 4 2"}, {colName, u"2 4 3 5 1"},
        {colCost, u"5 2 4 1 3"},  // empty first; equal costs by type, then number
        {colName, u"2 4 3 5 1"}, {colCost, u"5 2 4 1 3"},
        {colCost, u"3 1 2 4 5"},  // descending, ties still ascending
    };
    for (const auto& [col, expected] : clicks) {
        header(col);
        EXPECT_EQ(order(), QString::fromUtf16(expected)) << col;
    }
    // The deck count breaks its ties by the side count in the same direction; counts stay with cards.
    for (const auto& [col, row] : {std::pair(colDeckUp, 2), {colDeckUp, 2}, {colSideDown, 2}, {colDeckUp, 1},
                                   {colDeckUp, 1}, {colSideUp, 1}, {colDeckUp, 4}})  // rows hold cards 3 1 2 4 5
        Q_EMIT w.grid()->ButtonClicked(col, row, 0);
    header(colDeck);
    EXPECT_EQ(order(true), u"2:0/0 5:0/0 4:1/0 1:2/-1 3:2/1"_s);
    header(colDeck);
    EXPECT_EQ(order(true), u"3:2/1 1:2/-1 4:1/0 2:0/0 5:0/0"_s);
}

TEST_F(SearchAndSort, TheCountLineFollowsRunsShowAllAndReloads)
{
    const std::pair<std::function<void()>, const char16_t*> steps[] = {
        {[] {}, u"5 枚中 5 枚を表示"},  // before the first run
        {[&] { check(u"chkType"_s, false), check(u"chkTypeSpell"_s, true), click(u"OKButton"_s); }, u"5 枚中 2 枚を表示"},
        {[&] {
             writeCards({u"001 Spell a"_s, u"002 Character b"_s, u"003 Command c"_s, u"004 Character d"_s,
                         u"005 Spell e"_s, u"006 Spell f"_s});
             w.findChild<QPushButton*>(u"cmdReset"_s)->click();
         },
         u"6 枚中 3 枚を表示"},
        {[&] { click(u"cmdDefault"_s); }, u"6 枚中 6 枚を表示"},
    };
    for (const auto& [step, expected] : steps) {
        step();
        QCoreApplication::processEvents();
        EXPECT_EQ(c<QLabel>(u"lblShown"_s)->text(), QString::fromUtf16(expected));
    }
}

TEST_F(SearchAndSort, ACheckListTicksAnItemByItsTextAndShowsItWhole)
{
    dialog().show();
    check(u"chkSpell"_s, false);
    auto* lst = c<QListWidget>(u"lstSpell"_s);
    QListWidgetItem* item = lst->item(0);  // the longer of two: items share the last one's size
    QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, lst->visualItemRect(item).topLeft() + QPoint(60, 5));
    EXPECT_EQ(std::tuple(item->checkState(), item->toolTip()), std::tuple(Qt::Checked, item->text()));
    EXPECT_GE(lst->horizontalScrollBar()->maximum() + lst->viewport()->width(),
              lst->fontMetrics().horizontalAdvance(item->text()));
    // The check boxes of two lines do not touch, even in a font smaller than a box.
    lst->setFont(QFont(lst->font().family(), 5));
    EXPECT_GE(lst->visualItemRect(item).height(), lst->style()->pixelMetric(QStyle::PM_IndicatorHeight) + 2);
}

// Saved, the controls changed, loaded: every control as the file says, as the companion reads it,
// and no run; a refused file changes nothing. The second save names a folder, which is refused.
TEST_F(SearchAndSort, ConditionsSavedAndLoadedSetEveryControlAndARefusedFileNothing)
{
    struct Host : SerchHost {
        explicit Host(CardGrid& g) : grid(g) {}
        CardGrid& serchGrid() override { return grid; }
        Ui& serchUi() override { return ui; }
        void fsubGridShown(bool) override {}
        CardGrid& grid;
        RecordingUi ui;
    } host(w.state().fpsCardList);
    frmSerch d(host);
    d.fsubTakeSetup(w.state().serch, true);
    d.plngInitialize();
    const auto button = [&](const QString& name) { return child<QPushButton>(&d, name); };
    const auto press = [&](const QString& name) { button(name)->click(); };
    ConditionsRefusal refusal;
    const auto read = [&](const QByteArray& json) { return SearchConditions::fromJson(json, refusal).value(); };
    const SearchConditions saved = read(R"({"chkNo": 0, "lstNo": [0, 7], "chkType": 0, "chkTypeSpell": 1,
        "chkCost": 0, "cmbCostL": "2", "cmbCostU": "12", "cmbCostSel": 1,
        "chkName": 0, "txtName1": "竜", "cmbName": 2, "txtName2": "鬼", "cmbNameSel": 1,
        "chkClass": 0, "lstClass": ["人間", "吸血鬼", "（種族なし）"]})");
    d.fsubSetConditions(saved);
    const QString file = home.file(u"cond.json"_s);
    host.ui.saveAnswers = {file, home.path()};
    press(u"cmdSaveConditions"_s);
    press(u"cmdSaveConditions"_s);

    d.fsubSetConditions(read(R"({"chkNumber": 0, "cmbNumberU": "3", "chkSkill": 0, "lstSkill": ["飛行"]})"));
    w.plngRowShow(2, true);
    host.ui.openAnswers = {file, home.withBytes(u"bad.json"_s, R"({"chkName": 1, "lstSkill": "先制"})")};
    press(u"cmdLoadConditions"_s);
    EXPECT_EQ(std::tuple(d.fsubGetConditions(), SearchConditions::readFile(file, refusal),
                         w.state().fpsCardList.rowHidden(2), child<QComboBox>(&d, u"cmbCostU"_s)->currentText(),
                         child<QWidget>(&d, u"txtName2"_s)->isEnabled()),
              std::tuple(saved, std::optional(saved), true, u"12"_s, true));
    press(u"cmdLoadConditions"_s);
    EXPECT_EQ(d.fsubGetConditions(), saved);
    EXPECT_EQ(std::tuple(host.ui.saveFilters, host.ui.openFilters, button(u"cmdSaveConditions"_s)->text(),
                         button(u"cmdLoadConditions"_s)->text()),
              std::tuple(QStringList(2, u"検索条件 (*.json)|*.json"_s), QStringList(2, u"検索条件 (*.json)|*.json"_s),
                         u"条件を保存..."_s, u"条件を読み込み..."_s));
    EXPECT_EQ(host.ui.messages,
              (QList<RecordingUi::Message>{
                  {u"検索条件を保存できませんでした。\r\n"_s + home.path() + u"\r\n通常のファイルではないため、書き込みません。"_s, u"Tessarin"_s,
                   MsgIcon::Error, MsgButtons::Ok},
                  {u"検索条件を読み込めませんでした。\r\n"_s + home.file(u"bad.json"_s) +
                       u"\r\n\"lstSkill\": 項目の文字列の配列を指定してください"_s,
                   u"Tessarin"_s, MsgIcon::Warning, MsgButtons::Ok}}));
}

}  // namespace
