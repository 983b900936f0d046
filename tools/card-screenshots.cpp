// Takes the README's pictures of the editor: the main window with a card in its preview pane, and
// card windows. Run by tools/take-screenshots under Xvfb, on the bundled sample catalogue.
//
//   card-screenshots OUTDIR ROW CARD...
// ROW is the grid row moved to before the main window is taken; each CARD is a card number whose
// card window is taken as OUTDIR/card-CARD.png.

#include "app/CardGridView.h"
#include "app/FontSetup.h"
#include "app/frmTessarin.h"
#include "cardview/frmCard2.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
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

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    registerFontSubstitutions();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: card-screenshots OUTDIR ROW CARD...\n");
        return 2;
    }
    const QDir out(args[1]);
    bool ok = true;

    frmTessarin main;
    if (!main.Form_Load())
        return 1;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    // Moving the current cell is what previews a card.
    CardGridView* grid = main.grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(args[2].toInt() - 1, 2));
    ok &= save(main, out.filePath(u"main-window.png"_s));

    for (const QString& card : args.mid(3)) {
        frmCard2 window;
        window.plngSetCard(card);
        ok &= save(window, out.filePath(u"card-%1.png"_s.arg(card)));
    }
    return ok ? 0 : 1;
}
