#include "platform/clsWindowsAPI.h"

#include "ProcessControl.h"

#include <QCoreApplication>

// Waiting for and ending processes. Both waits keep the window alive: other event handlers may run
// while they last.

void clsWindowsAPI::WaitProcess(qint64 vProcessID, qint32 vInterval)
{
    bool running = true;
    while (running) {
        running = ProcessControl::isRunning(vProcessID);
        // A step of 0 ms or less would spin a core for as long as the process lives.
        ProcessControl::sleep(qMax(vInterval, 1));
        QCoreApplication::processEvents();
    }
}

void clsWindowsAPI::WaitTime(qint32 ilngWaitSec, qint32 ilngIntervalMilliSec)
{
    // Steps of at least 1 ms, counted and slept alike, so the wait lasts what it was asked to.
    const qint32 step = qMax(ilngIntervalMilliSec, 1);
    const qint64 steps = ProcessControl::waitSteps(ilngWaitSec, step);
    for (qint64 i = 0; i < steps; ++i) {
        QCoreApplication::processEvents();
        ProcessControl::sleep(step);
    }
}

qint32 clsWindowsAPI::TerminateProc(qint32 ilngProcID)
{
    ProcessControl::terminate(ilngProcID);
    return 0;
}
