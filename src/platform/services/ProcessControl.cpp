#include "ProcessControl.h"

#include <QFile>
#include <QThread>

#include <csignal>
#include <limits>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool isProcessId(qint64 pid)
{
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max();
}

// An exited process whose parent has not collected it yet still answers signals.
bool isZombie(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readLine();
    // "pid (name) state ...": the name may itself hold ") ".
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && close + 2 < line.size() && (line[close + 2] == 'Z' || line[close + 2] == 'X');
}

ProcessControl::Sleeper sleeper = nullptr;

}  // namespace

namespace ProcessControl {

bool isRunning(qint64 pid)
{
    if (!isProcessId(pid) || pid == ::getpid())
        return false;
    const auto id = static_cast<pid_t>(pid);
    // WNOWAIT leaves the child's status for whoever started it.
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(id), &info, WEXITED | WNOHANG | WNOWAIT) == 0)
        return info.si_pid == 0;
    return ::kill(id, 0) == 0 && !isZombie(id);
}

bool terminate(qint64 pid)
{
    if (!isProcessId(pid) || pid == 1)
        return false;
    return ::kill(static_cast<pid_t>(pid), SIGKILL) == 0;
}

void sleep(qint32 milliseconds)
{
    if (milliseconds <= 0)
        return;
    if (sleeper)
        sleeper(milliseconds);
    else
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void setSleeper(Sleeper s) { sleeper = s; }

qint64 waitSteps(qint32 seconds, qint32 intervalMs)
{
    if (seconds <= 0)
        return 0;
    const qint64 step = qMax<qint64>(intervalMs, 1);
    return (qint64(seconds) * 1000 + step - 1) / step;
}

}  // namespace ProcessControl
