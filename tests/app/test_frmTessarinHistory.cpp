#include "MainWindowTest.h"

#include "app/EditActions.h"
#include "deckfile/DeckList.h"
#include "deckfile/RecentDecks.h"
#include "search/frmSerch.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QProcess>

namespace {

// What a player sees of the deck: each counted card by number with its counts and their colours,
// the six totals with their colours, and the title.
struct Seen {
    QStringList cards, totals;
    QString title;
    bool operator==(const Seen&) const = default;
    friend void PrintTo(const Seen& s, std::ostream* os)
    {
        *os << (s.cards + s.totals + QStringList{s.title}).join(u' ').toStdString();
    }
};

class HistoryTest : public MainWindowTest {
protected:
    Seen seen() const
    {
        const CardGrid& g = w->state().fpsCardList;
        Seen s;
        for (qint32 r = 1; r <= g.rowCount(); ++r)
            if (g.cellView(colDeck, r) != u"0" || g.cellView(colSide, r) != u"0")
                s.cards << u"%1:%2/%3:%4/%5"_s.arg(g.cellText(colNo, r), g.cellText(colDeck, r), g.cellText(colSide, r))
                               .arg(g.foreColor(colDeck, r), 0, 16).arg(g.foreColor(colSide, r), 0, 16);
        s.cards.sort();
        for (const char16_t* l : {u"lblSum", u"lblSideSum", u"lblSide", u"lblCharacterSum", u"lblSpellSum", u"lblCommandSum"})
            s.totals << text(l) + u'/' + background(l).name();
        s.title = w->windowTitle();
        return s;
    }
    QAction* undo() const { return w->edit().undoAction(); }
    QAction* redo() const { return w->edit().redoAction(); }
    QString deck(const QString& name, const QStringList& lines) const
    {
        Fixtures::writeCp932Lines(home.file(name), lines);
        return home.file(name);
    }
    void open(const QString& path, bool answerABox = false)
    {
        ShownBox box;
        if (answerABox)
            answerNextMessageBox(w.get(), box, QMessageBox::Ok);
        QString given = path;
        w->plngOpenFile(given);
    }
};

// Each sequence, from a deck opened at the start: undo back to the start and redo to the end show
// exactly what was shown then, card by card, whatever sort came between.
TEST_F(HistoryTest, EveryStepUndoesToTheStartAndRedoesToTheEnd)
{
    start(12);
    child<QCheckBox>(u"chkSide")->setChecked(true);
    const QString first = deck(u"first.txt"_s, {u"2,001,x"_s, u"--"_s, u"-1,001,x"_s, u"1,004,x"_s});
    const QString second = deck(u"second.txt"_s, {u"3,002,x"_s, u"1,003,x"_s});
    const QString bad = deck(u"bad.txt"_s, {u"1,005,x"_s, u"3"_s, u"1,006,x"_s});
    open(first);
    const struct {
        const char* name;
        std::function<void()> steps;
        int recorded;  // steps taken back
        QString undoText;
    } cases[] = {
        {"press", [&] { press(colDeckUp, 1); }, 1, u"元に戻す: 札1 メイン +1"_s},
        {"absorbed", [&] { press(colDeckDown, 2); }, 0, u"元に戻す"_s},
        {"sortBetween", [&] { press(colDeckUp, 7); w->fpsCardList_Click(colName, 0); press(colDeckUp, 7); }, 2, QString()},
        {"side", [&] { press(colSideUp, 3); }, 1, u"元に戻す: 札3 サイド +1"_s},
        {"opening", [&] { open(second); }, 1, u"元に戻す: デッキを開く (second.txt)"_s},
        {"openingStopped", [&] { open(bad, true); }, 1, u"元に戻す: デッキを開く (bad.txt)"_s},
        {"reset", [&] { child<QPushButton>(u"cmdReset")->click(); }, 1, u"元に戻す: リセット"_s},
        {"sideReset", [&] { child<QPushButton>(u"cmdSideReset")->click(); }, 1, u"元に戻す: サイドボードのリセット"_s},
        {"failedReload", [&] {
             const QByteArray catalogue = Fixtures::readBytes(home.cataloguePath());
             home.writeCatalogue(Fixtures::catalogueLines(u"12"_s, u"1"_s, u"50"_s, u"abc"_s, {}));
             open(second, true);
             Fixtures::writeBytes(home.cataloguePath(), catalogue);
         }, 0, u"元に戻す"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w->edit().history().clear();
        open(first);
        w->edit().history().clear();
        const Seen before = seen();
        c.steps();
        const Seen after = seen();
        if (!c.undoText.isNull()) {
            EXPECT_EQ(undo()->text(), c.undoText);
        }
        int undone = 0;
        for (; undo()->isEnabled(); ++undone)
            undo()->trigger();
        EXPECT_EQ(std::pair(undone, seen()), std::pair(c.recorded, before));
        while (redo()->isEnabled())
            redo()->trigger();
        EXPECT_EQ(seen(), after);
    }
}

// The row menu's entries after the present ones: undo and redo naming their steps, and the recent
// decks, newest first, which open as デッキを開く does; a file that is gone says so.
TEST_F(HistoryTest, TheRowMenuUndoesRedoesAndOpensRecentDecks)
{
    start(12);
    w->edit().recent().clear();
    const QString gone = deck(u"gone.txt"_s, {u"1,009,x"_s});
    open(gone);
    QFile::remove(gone);
    open(deck(u"kept.txt"_s, {u"2,003,x"_s}));
    press(colDeckUp, 1);
    const QList<QAction*> entries = rowMenu(1);
    ASSERT_EQ(entries.size(), 15);
    EXPECT_EQ(std::tuple(entries[6]->isSeparator(), entries[7]->text(), entries[7]->shortcut(), entries[8]->text(),
                         entries[8]->isEnabled(), entries[9]->text()),
              std::tuple(true, u"元に戻す: 札1 メイン +1"_s, QKeySequence(QKeySequence::Undo), u"やり直し"_s, false,
                         u"最近使ったデッキ"_s));
    const QList<QAction*> recent = entries[9]->menu()->actions();
    ASSERT_EQ(recent.size(), 4);
    EXPECT_EQ(std::tuple(recent[0]->text(), recent[0]->toolTip(), recent[1]->text(), recent[3]->text()),
              std::tuple(u"kept.txt"_s, home.path(), u"gone.txt"_s, u"履歴を消去"_s));
    ShownBox box;
    answerNextMessageBox(w.get(), box, QMessageBox::Ok);
    recent[1]->trigger();
    EXPECT_EQ(std::tuple(box.text, w->windowTitle(), w->edit().recent().files().size()),
              std::tuple(u"ファイル読み込みエラー \r\n"_s + gone, u"Tessarin ver1.0.0 - kept.txt"_s, 2));
    recent[3]->trigger();
    EXPECT_TRUE(w->edit().recent().files().isEmpty());
}

// Under a window manager, with real keys: each shortcut does what its button or entry does.
TEST_F(HistoryTest, ShortcutsUnderAWindowManager)
{
    start(12);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->grid()->setFocus();
    const auto key = [&](const char* keys) {
        QProcess::execute(u"xdotool"_s, {u"key"_s, QString::fromLatin1(keys)});
        QTest::qWait(150);
    };
    press(colDeckUp, 2);
    key("ctrl+z");
    EXPECT_EQ(w->state().fpsCardList.cellText(colDeck, 2), u"0"_s);
    key("ctrl+y");
    EXPECT_EQ(w->state().fpsCardList.cellText(colDeck, 2), u"1"_s);
    key("ctrl+z");
    key("ctrl+shift+z");
    EXPECT_EQ(w->state().fpsCardList.cellText(colDeck, 2), u"1"_s);
    key("ctrl+f");
    EXPECT_TRUE(w->serch()->isVisible());
    w->serch()->hide();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    key("ctrl+shift+c");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), deckListText(w->state(), w->state().deckName));
    // The deck dialogs and the list to load: each asked for, and cancelled.
    for (const auto& [keys, name] : {std::pair("ctrl+o", u"CommonDialog1"), std::pair("ctrl+s", u"CommonDialog1"),
                                     std::pair("ctrl+shift+v", u"frmDeckListImport")}) {
        bool asked = false;
        QTimer::singleShot(300, w.get(), [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                asked = dialog->objectName() == name;
                dialog->close();
            }
        });
        key(keys);
        QTest::qWait(400);
        EXPECT_TRUE(asked) << keys;
    }
}

}  // namespace
