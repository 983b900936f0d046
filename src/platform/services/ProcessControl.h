#pragma once

#include <QtGlobal>

// The POSIX side of clsWindowsAPI's waits and process ending.
namespace ProcessControl {

// Whether the process is there to wait for: a child of ours that has not exited, or another
// process we may signal that has not exited. Ids that name a group or no process, our own id, and
// processes we may not signal are not.
bool isRunning(qint64 pid);

// Kills one process. Ids that would reach a group or every process (0, -1, any negative), init (1)
// and ids beyond pid_t are refused: false, and nothing is sent.
bool terminate(qint64 pid);

// A negative time sleeps not at all (the platform's sleep would take it for weeks, or forever).
void sleep(qint32 milliseconds);
// What sleep() does instead, for tests that count the steps rather than time them; nullptr sets
// the platform's sleep back.
using Sleeper = void (*)(qint32 milliseconds);
void setSleeper(Sleeper sleeper);

// How many steps of intervalMs make up seconds (none for 0 seconds or less). A step shorter than a
// millisecond counts as one, or the wait would never end.
qint64 waitSteps(qint32 seconds, qint32 intervalMs);

}  // namespace ProcessControl
