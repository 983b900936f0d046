#include "platform/services/DesktopServices.h"
#include "platform/services/ProcessControl.h"
#include "platform/clsWindowsAPI.h"

#include "Fixtures.h"

#include <QScopeGuard>
#include <QThread>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DesktopServicesTest, PlatformFiltersAndExitWinThroughTheLoginManager)
{
    const std::pair<QString, QStringList> cases[] = {
        {u"デッキ\0*.deck\0\0"_s, {u"デッキ (*.deck)"_s}},
        {u"Text\0*.txt; *.log\0All\0*.*\0\0junk"_s, {u"Text (*.txt *.log)"_s, u"All (*)"_s}},
        {u"Text\0*.txt\0"_s, {u"Text (*.txt)"_s}},  // the text's end closes the list
        {QString(), {}}, {u"Text|*.txt"_s, {}}, {u"Text\0*.txt"_s, {}}, {u"Text\0*.txt\0All\0\0"_s, {}},
        {u"Text\0 ; \0\0"_s, {}}, {u"Text\0my deck.txt\0\0"_s, {}},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(DesktopServices::nameFiltersFromPlatform(filter), expected)
            << QString(filter).replace(u'\0', u'0').toStdString();

    struct : SessionControl {
        QList<SessionRequest> asked;
        bool answer = true;
        bool request(SessionRequest what) override { return asked << what, answer; }
    } session;
    clsWindowsAPI api;
    EXPECT_FALSE(api.ExitWin(1)) << "no session control";
    const DesktopServices::Installation installed(nullptr, &session);
    for (qint32 mode : {1, 2, 4, 8, 3, 0, -1})
        EXPECT_TRUE(api.ExitWin(mode));
    using R = SessionRequest;
    EXPECT_EQ(session.asked, (QList<R>{R::PowerOff, R::Reboot, R::TerminateSession, R::PowerOff, R::TerminateSession,
                                       R::TerminateSession, R::TerminateSession}));
    session.answer = false;
    EXPECT_FALSE(api.ExitWin(2)) << "refused";
}

// How many times pending events ran during f.
int eventPasses(const std::function<void()>& f)
{
    int passes = 0;
    QTimer each;
    QObject::connect(&each, &QTimer::timeout, [&passes] { ++passes; });
    each.start(0);
    f();
    return passes;
}

// The sleeps the waits asked for, each slept for real.
QList<qint32>& sleeps()
{
    static QList<qint32> asked;
    return asked;
}

TEST(ProcessTest, WaitsLastTheirStepsOrTheProcessAndTerminateProcEndsOneProcessOnly)
{
    ProcessControl::setSleeper([](qint32 ms) { sleeps() << ms, QThread::msleep(static_cast<unsigned long>(ms)); });
    const auto restore = qScopeGuard([] { ProcessControl::setSleeper(nullptr); });
    clsWindowsAPI api;
    EXPECT_EQ(eventPasses([&] { api.WaitTime(0, 50); }), 0);
    EXPECT_EQ(eventPasses([&] { api.WaitTime(1, 300); }), 4);
    EXPECT_EQ(sleeps(), QList<qint32>(4, 300));
    // A step of 0 ms or less still sleeps 1 ms: the wait lasts, and no step is a busy one.
    sleeps().clear();
    api.WaitTime(1, 0);
    EXPECT_EQ(sleeps(), QList<qint32>(1000, 1));

    const Fixtures::TempFolder folder;
    const QStringList writeLater{u"-c"_s, u"sleep 0.3; echo done > \"$0\""_s};
    QProcess child;
    child.start(u"sh"_s, writeLater + QStringList{folder.file(u"child"_s)});
    ASSERT_TRUE(child.waitForStarted());
    sleeps().clear();
    api.WaitProcess(child.processId(), 0);
    EXPECT_EQ(std::pair(Fixtures::readBytes(folder.file(u"child"_s)), sleeps().count(1)),
              std::pair(QByteArray("done\n"), sleeps().size()));
    qint64 other = 0;  // not our child
    ASSERT_TRUE(QProcess::startDetached(u"sh"_s, writeLater + QStringList{folder.file(u"other"_s)}, {}, &other));
    api.WaitProcess(other, 20);
    EXPECT_EQ(Fixtures::readBytes(folder.file(u"other"_s)), "done\n");
    for (qint64 none : {qint64(0x7ffffff0), qint64(0), qint64(-1), qint64(getpid())})
        EXPECT_EQ(eventPasses([&] { api.WaitProcess(none, 10); }), 1) << none;

    QProcess sleeper;
    sleeper.start(u"sleep"_s, {u"30"_s});
    ASSERT_TRUE(sleeper.waitForStarted());
    EXPECT_EQ(api.TerminateProc(qint32(sleeper.processId())), 0);
    EXPECT_TRUE(sleeper.waitForFinished(10000) && sleeper.exitStatus() == QProcess::CrashExit);

    // The other ids are tried by a child running as nobody in a group of its own, beside a sentinel
    // of nobody's: a kill sent by mistake ends one of the two. (Init takes no kill from inside its
    // namespace, so 1 is only called.)
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to become nobody";
    const auto nobody = [] { return setpgid(0, 0) == 0 && setgid(65534) == 0 && setuid(65534) == 0; };
    const pid_t sentinel = fork();
    if (sentinel == 0)
        _exit(nobody() && raise(SIGSTOP) == 0 ? 0 : 1);  // a stopped process still dies of a kill
    int status = 0;
    ASSERT_EQ(waitpid(sentinel, &status, WUNTRACED), sentinel);
    ASSERT_TRUE(WIFSTOPPED(status)) << "the sentinel did not become nobody";
    const pid_t tester = fork();
    if (tester == 0) {
        qint32 answers = nobody() ? 0 : 1;
        for (qint32 id : {0, 1, -1, -qint32(sentinel), -qint32(getpid())})
            answers |= api.TerminateProc(id);
        _exit(answers);
    }
    ASSERT_EQ(waitpid(tester, &status, 0), tester);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "tester status " << status;
    EXPECT_EQ(waitpid(sentinel, &status, WNOHANG), 0) << "the sentinel was killed";
    kill(sentinel, SIGKILL), waitpid(sentinel, &status, 0);
}

}  // namespace
