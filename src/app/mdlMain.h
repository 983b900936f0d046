#pragma once

class QApplication;

namespace mdlMain {

// Sets the limits, loads and shows the main window, hands a command-line deck to it, and runs the
// program. Answers the process exit status: non-zero when the first catalogue load failed.
int Main(QApplication& app);

}  // namespace mdlMain
