#include "clsWindowsAPI.h"

#include "ProcessControl.h"

#include <QCoreApplication>

// Waiting for and ending processes. Both waits keep the window alive: other event handlers may run
// while they last.

void clsWindowsAPI::WaitProcess(qint64 vProcessID, qint32 vInterval)
{
    bool running = true;
    while (running) {
        running = ProcessControl::isRunning(vProcessID);
        ProcessControl::sleep(vInterval);
        QCoreApplication::processEvents();
    }
}

void clsWindowsAPI::WaitTime(qint32 ilngWaitSec, qint32 ilngIntervalMilliSec)
{
    const qint64 steps = ProcessControl::waitSteps(ilngWaitSec, ilngIntervalMilliSec);
    for (qint64 i = 0; i < steps; ++i) {
        QCoreApplication::processEvents();
        ProcessControl::sleep(ilngIntervalMilliSec);
    }
}

qint32 clsWindowsAPI::TerminateProc(qint32 ilngProcID)
{
    ProcessControl::terminate(ilngProcID);
    return 0;
}
