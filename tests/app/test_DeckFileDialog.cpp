#include "app/DeckFileDialog.h"

#include "deckfile/DeckFileText.h"
#include "platform/desktop/FileDialog.h"

#include "Child.h"
#include "QtPrinters.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DeckFileDialogTest, OpenOffersDeckFilesThenEverything)
{
    QFileDialog d;
    DeckFileDialog::prepareOpen(d, DeckFileText::openFilter());
    EXPECT_EQ(std::tuple(d.fileMode(), d.acceptMode(), d.nameFilters()),
              std::tuple(QFileDialog::ExistingFile, QFileDialog::AcceptOpen,
                         QStringList{u"デッキファイル(*.txt,*.deck) (*.txt *.deck)"_s, u"すべてのファイル(*.*) (*)"_s}));
}

TEST(DeckFileDialogTest, SaveAddsTheSelectedExtensionAsksBeforeReplacingAndNeedsAFolder)
{
    QTemporaryDir dir;
    FileDialog d;
    DeckFileDialog::prepareSave(d, DeckFileText::saveFilter());
    d.setDirectory(dir.path());
    d.show();
    auto* types = child<QComboBox>(&d, u"fileTypeCombo"_s);
    EXPECT_EQ(std::tuple(types->itemText(0), types->itemText(1), d.testOption(QFileDialog::DontConfirmOverwrite)),
              std::tuple(u"デッキ ファイル (*.txt)"_s, u"デッキ ファイル (*.deck)"_s, false));

    d.selectFile(u"plain"_s);
    EXPECT_EQ(d.selectedFiles(), QStringList{dir.filePath(u"plain.txt"_s)});

    QTest::keyClick(types, Qt::Key_Down);  // as the user picks "*.deck"
    d.selectFile(u"mydeck"_s);
    EXPECT_EQ(d.selectedFiles(), QStringList{dir.filePath(u"mydeck.deck"_s)});
    d.selectFile(u"named.txt"_s);
    EXPECT_EQ(d.selectedFiles(), QStringList{dir.filePath(u"named.txt"_s)});

    // A name in a folder that does not exist: the dialog says so and stays open.
    std::tuple<QString, QString, QMessageBox::Icon, QMessageBox::StandardButtons> shown;
    QTimer::singleShot(0, &d, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            box->accept();
        }
    });
    d.setWindowTitle(u"ファイルを保存"_s);
    d.selectFile(u"gone/plain"_s);
    d.accept();
    EXPECT_EQ(shown, std::tuple(u"ファイルを保存"_s,
                                dir.filePath(u"gone"_s) + u"\nフォルダが見つかりません。\nフォルダ名が正しいか確認してください。"_s,
                                QMessageBox::Warning, QMessageBox::StandardButtons(QMessageBox::Ok)));
    EXPECT_TRUE(d.isVisible() && d.result() != QDialog::Accepted);

    // Accepted, the chosen file's folder is where the next dialog of this run starts, whichever
    // folder Qt itself remembers last.
    QDir(dir.path()).mkdir(u"sub"_s);
    d.selectFile(u"sub/named.txt"_s);
    d.accept();
    QFileDialog().setDirectory(QDir::tempPath());
    FileDialog next;
    next.startIn();
    EXPECT_EQ(std::tuple(d.result(), FileDialog::lastFolder(), next.directory().path()),
              std::tuple(int(QDialog::Accepted), dir.filePath(u"sub"_s), dir.filePath(u"sub"_s)));
}

}  // namespace
