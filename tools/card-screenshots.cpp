// Takes the README's pictures of the editor, and checks that every text of the catalogue fits the
// box it is shown in. Run by tools/take-screenshots under Xvfb, on the bundled sample catalogue.
//
//   card-screenshots OUTDIR ROW [serch] [deck=DECKFILE] CARD... [stats=DECKFILE]
//   card-screenshots --check
// ROW is the grid row moved to before the main window is taken as OUTDIR/main-window.png; "serch"
// takes the search dialog as OUTDIR/search-dialog.png; "deck=DECKFILE" opens that deck and saves its
// sheet through the main window's own dialog as OUTDIR/deck-sheet.png; each CARD is a card number
// whose card window is taken as OUTDIR/card-CARD.png; "stats=DECKFILE" opens that deck and takes the
// statistics window as OUTDIR/deck-statistics.png. Either way every card is shown in the preview
// pane and in a card window first, and each text cut off by its box is named on standard error
// (exit status 1).

#include "app/CardGridView.h"
#include "app/FontSetup.h"
#include "decktools/frmDeckStats.h"
#include "app/frmTessarin.h"
#include "cardview/frmCard2.h"
#include "deck/Columns.h"
#include "search/frmSerch.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool save(QWidget& w, const QString& path)
{
    // Let the window system map and paint the window before it is grabbed.
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    QTest::qWait(200);
    const bool ok = w.grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// Names each shown text of top that its box cuts: a label's ink outside the label or the window,
// a text box without a scroll bar holding more lines than it shows.
int reportCutTexts(QWidget& top, const QString& card)
{
    int cut = 0;
    const auto report = [&](const QWidget* w, const QString& text) {
        std::fprintf(stderr, "%s: %s does not fit: %s\n", qPrintable(card), qPrintable(w->objectName()),
                     qPrintable(text));
        ++cut;
    };
    for (const QLabel* l : top.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&top) || l->text().isEmpty() || l->objectName().isEmpty())
            continue;
        const QFontMetrics fm = l->fontMetrics();
        // A value box's digits keep clear of its border.
        const QRect box = l->frameWidth() > 0 ? l->contentsRect().adjusted(2, 0, -2, 0) : l->contentsRect();
        QRect area = box;  // where the text goes: a left indent kept clear
        if (l->alignment() & Qt::AlignLeft)
            area.setLeft(std::max(area.left(), l->contentsRect().left() + l->indent()));
        const QRect line = l->style()->itemTextRect(fm, area, int(l->alignment()), true, l->text());
        const QRect ink = fm.tightBoundingRect(l->text()).translated(line.left(), line.top() + fm.ascent());
        // Measured ink may stray a pixel past what is drawn.
        const QRect drawn = ink.adjusted(1, 1, -1, -1);
        if (!box.contains(drawn) || !top.rect().contains(drawn.translated(l->mapTo(&top, QPoint()))))
            report(l, l->text());
    }
    for (QPlainTextEdit* t : top.findChildren<QPlainTextEdit*>())
        if (t->isVisibleTo(&top) && t->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
            t->verticalScrollBar()->maximum() > 0)
            report(t, t->toPlainText());
    return cut;
}

// Every card of the catalogue in the preview pane and in a card window.
int reportCutCards(frmTessarin& main)
{
    int cut = 0;
    CardGridView* grid = main.grid();
    const CardGrid& cards = main.state().fpsCardList;
    for (qint32 row = 1; row <= cards.rowCount(); ++row) {
        const QString no = cards.cellText(colNo, row);
        grid->setCurrentIndex(grid->model()->index(row - 1, 2));
        QCoreApplication::processEvents();
        cut += reportCutTexts(main, no);
        frmCard2 window;
        window.plngSetCard(no);
        window.show();
        QCoreApplication::processEvents();
        cut += reportCutTexts(window, no);
    }
    return cut;
}

// Opens the deck and saves its sheet as a player does, answering the save dialog and the box after it.
bool saveSheet(frmTessarin& main, const QString& deck, const QString& path)
{
    QString name = deck;
    main.plngOpenFile(name);
    QFile::remove(path);
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &main, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            auto* edit = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            edit->setText(QFileInfo(path).absoluteFilePath());
            QTest::keyClick(edit, Qt::Key_Return);
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
        }
    });
    answer.start(50);
    main.saveDeckSheet();
    const bool ok = QFileInfo::exists(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    registerFontSubstitutions();
    const QStringList args = QCoreApplication::arguments();
    const bool checkOnly = args.value(1) == u"--check"_s;
    if (!checkOnly && args.size() < 3) {
        std::fprintf(stderr, "usage: card-screenshots OUTDIR ROW [serch] CARD... [stats=DECKFILE]\n"
                             "       card-screenshots --check\n");
        return 2;
    }

    frmTessarin main;
    if (!main.Form_Load())
        return 1;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    CardGridView* grid = main.grid();
    grid->setFocus();
    bool ok = reportCutCards(main) == 0;
    if (checkOnly)
        return ok ? 0 : 1;

    // Moving the current cell is what previews a card.
    const QDir out(args[1]);
    grid->setCurrentIndex(grid->model()->index(args[2].toInt() - 1, 2));
    ok &= save(main, out.filePath(u"main-window.png"_s));
    for (const QString& card : args.mid(3)) {
        if (card.startsWith(u"deck="_s)) {
            ok &= saveSheet(main, card.sliced(5), out.filePath(u"deck-sheet.png"_s));
            continue;
        }
        if (card == u"serch"_s) {
            ok &= save(*main.serch(), out.filePath(u"search-dialog.png"_s));
            main.serch()->hide();
            continue;
        }
        if (card.startsWith(u"stats="_s)) {
            QString deck = card.mid(6);
            main.plngOpenFile(deck);
            main.showDeckStats();
            ok &= save(*main.deckStats(), out.filePath(u"deck-statistics.png"_s));
            continue;
        }
        frmCard2 window;
        window.plngSetCard(card);
        ok &= save(window, out.filePath(u"card-%1.png"_s.arg(card)));
    }
    return ok ? 0 : 1;
}
