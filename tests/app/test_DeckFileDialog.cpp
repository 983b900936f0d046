#include "app/DeckFileDialog.h"

#include "deckfile/DeckFileText.h"

#include "Child.h"
#include "QtPrinters.h"

#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DeckFileDialogTest, OpenOffersDeckFilesThenEverything)
{
    QFileDialog d;
    DeckFileDialog::prepareOpen(d, DeckFileText::openFilter());
    EXPECT_EQ(std::tuple(d.fileMode(), d.acceptMode(), d.nameFilters()),
              std::tuple(QFileDialog::ExistingFile, QFileDialog::AcceptOpen,
                         QStringList{u"デッキファイル(*.txt,*.deck) (*.txt *.deck)"_s, u"すべてのファイル(*.*) (*.*)"_s}));
}

TEST(DeckFileDialogTest, SaveAddsTheSelectedExtensionAndAsksBeforeReplacing)
{
    QTemporaryDir dir;
    QFileDialog d;
    DeckFileDialog::prepareSave(d, DeckFileText::saveFilter());
    d.setDirectory(dir.path());
    d.show();
    EXPECT_EQ(std::pair(d.nameFilters(), d.testOption(QFileDialog::DontConfirmOverwrite)),
              std::pair(QStringList{u"デッキ ファイル (*.txt) (*.txt)"_s, u"デッキ ファイル (*.deck) (*.deck)"_s}, false));

    d.selectFile(u"plain"_s);
    EXPECT_EQ(d.selectedFiles(), QStringList{dir.filePath(u"plain.txt"_s)});

    QTest::keyClick(child<QComboBox>(&d, u"fileTypeCombo"_s), Qt::Key_Down);  // as the user picks "*.deck"
    d.selectFile(u"mydeck"_s);
    EXPECT_EQ(d.selectedFiles(), QStringList{dir.filePath(u"mydeck.deck"_s)});
    d.selectFile(u"named.txt"_s);
    EXPECT_EQ(d.selectedFiles(), QStringList{dir.filePath(u"named.txt"_s)});
}

}  // namespace
