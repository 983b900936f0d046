#include "platform/clsWindowsAPI.h"
#include "platform/services/desktop/LoginManagerSession.h"
#include "platform/services/desktop/QtFileChooser.h"

#include "Fixtures.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Answers the next file dialog from a timer: names `name` in it, or cancels it for "". Keeps what it showed.
class DesktopDialogTest : public ::testing::Test, protected Fixtures::TempFolder {
protected:
    QtFileChooser chooser;
    const DesktopServices::Installation installed{&chooser, nullptr};
    QObject context;
    clsWindowsAPI api;
    QString title, folder;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;

    void answerNext(const QString& name)
    {
        auto* timer = new QTimer(&context);
        QObject::connect(timer, &QTimer::timeout, &context, [this, timer, name] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            timer->stop();
            timer->deleteLater();
            std::tie(title, folder, filters, mode) =
                std::tuple(d->windowTitle(), d->directory().path(), d->nameFilters(), d->fileMode());
            if (name.isEmpty())
                return d->reject();
            d->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(name);  // as the user types it
            static_cast<QDialog*>(d)->accept();  // through QFileDialog's checks
        });
        timer->start(10);
    }
};

TEST_F(DesktopDialogTest, ChoosersAnswerTheFullPathOrNothing)
{
    withBytes(u"deck.txt"_s, "1,001,x\r\n");
    QDir(path()).mkdir(u"decks"_s);
    QString chosen = u"before"_s;
    answerNext({});
    api.OpenDialog(0, chosen, path(), u"デッキ\0*.txt;*.deck\0\0"_s);
    EXPECT_EQ(std::tuple(chosen, title, folder, filters, mode),
              std::tuple(QString(), u"ファイルを開く"_s, path(), QStringList{u"デッキ (*.txt *.deck)"_s},
                         QFileDialog::ExistingFile));

    answerNext(u"deck.txt"_s);
    api.OpenDialog(0, chosen, path(), {});
    EXPECT_EQ(chosen, file(u"deck.txt"_s));

    answerNext(u"new.deck"_s);
    api.SaveDialog(0, chosen, path(), u"broken\0"_s);  // a malformed filter offers every file
    EXPECT_EQ(std::tuple(chosen, title, filters),
              std::tuple(file(u"new.deck"_s), u"ファイルを保存"_s, QFileDialog().nameFilters()));

    answerNext(u"decks"_s);
    EXPECT_EQ(api.GetFolderDialog(0, 0, path(), u"フォルダ"_s, 1), file(u"decks"_s));
    EXPECT_EQ(std::tuple(title, folder), std::tuple(u"フォルダ"_s, path()));
    answerNext({});
    EXPECT_EQ(api.GetFolderDialog(0, 0, path(), u"フォルダ"_s, 1), QString());
}

TEST(LoginManagerSessionTest, NoBusRefusesEveryRequest)
{
    LoginManagerSession session(QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_s, u"none"_s));
    for (SessionRequest r : {SessionRequest::PowerOff, SessionRequest::Reboot, SessionRequest::TerminateSession})
        EXPECT_FALSE(session.request(r));
}

}  // namespace
