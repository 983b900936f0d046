#include "app/DeckFileDialog.h"

#include "deckfile/DeckFileText.h"

#include "QtPrinters.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Acts on the next file dialog once it is up.
void onNextFileDialog(QObject* context, std::function<void(QFileDialog*)> act)
{
    auto* timer = new QTimer(context);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, context, [timer, act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

TEST(DeckFileDialogTest, TurnsTheDeckFiltersIntoQtNameFilters)
{
    EXPECT_EQ(DeckFileDialog::nameFilters(DeckFileText::openFilter()),
              (QStringList{u"デッキファイル(*.txt,*.deck) (*.txt *.deck)"_s, u"すべてのファイル(*.*) (*.*)"_s}));
    EXPECT_EQ(DeckFileDialog::nameFilters(DeckFileText::saveFilter()),
              (QStringList{u"デッキ ファイル (*.txt) (*.txt)"_s, u"デッキ ファイル (*.deck) (*.deck)"_s}));
}

TEST(DeckFileDialogTest, SaveAddsTheSelectedExtensionAndCancelAnswersEmpty)
{
    QTemporaryDir dir;
    QObject context;
    QStringList offered;
    onNextFileDialog(&context, [&](QFileDialog* d) {
        offered = d->nameFilters();
        d->setDirectory(dir.path());
        auto* types = d->findChild<QComboBox*>(u"fileTypeCombo"_s);
        QTest::keyClick(types, Qt::Key_Down);  // as the user picks "*.deck"
        d->selectFile(u"mydeck"_s);
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(DeckFileDialog::save(nullptr, DeckFileText::saveFilter()), dir.filePath(u"mydeck.deck"_s));
    EXPECT_EQ(offered, DeckFileDialog::nameFilters(DeckFileText::saveFilter()));

    onNextFileDialog(&context, [&](QFileDialog* d) {
        d->setDirectory(dir.path());
        d->selectFile(u"plain"_s);
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(DeckFileDialog::save(nullptr, DeckFileText::saveFilter()), dir.filePath(u"plain.txt"_s));

    onNextFileDialog(&context, [](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(DeckFileDialog::open(nullptr, DeckFileText::openFilter()), QString());
}

TEST(DeckFileDialogTest, SaveAsksBeforeReplacingAFile)
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(u"old.txt"_s));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QObject context;
    bool asked = false;
    onNextFileDialog(&context, [&](QFileDialog* d) {
        d->setDirectory(dir.path());
        d->selectFile(u"old.txt"_s);
        QTimer::singleShot(50, d, [&asked, d] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                box->button(QMessageBox::Yes)->click();
            } else {
                d->reject();
            }
        });
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(DeckFileDialog::save(nullptr, DeckFileText::saveFilter()), dir.filePath(u"old.txt"_s));
    EXPECT_TRUE(asked);
}

}  // namespace
