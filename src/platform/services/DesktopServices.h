#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The services of clsWindowsAPI that need the window system or the desktop session. The core only
// knows these interfaces; the program installs implementations over Qt's dialogs and the login
// manager's bus (platform/desktop), and tests install recorders. Without an installed service the
// members answer as the platform does when a dialog or a request fails.

struct FileChoice {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    quintptr owner = 0;  // a window id of ours, or 0
    QString title;
    QStringList nameFilters;  // Qt name filters; empty: every file
    QString folder;          // where the dialog starts; "" leaves it to the dialog
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or "" when the user cancelled.
    virtual QString chooseFile(const FileChoice& choice) = 0;
    // The chosen folder, or "" when the user cancelled.
    virtual QString chooseFolder(quintptr owner, const QString& title, const QString& startFolder) = 0;
};

// What the login manager can be asked for.
enum class SessionRequest { PowerOff, Reboot, TerminateSession };

class SessionControl {
public:
    virtual ~SessionControl() = default;
    // True when the request was accepted.
    virtual bool request(SessionRequest what) = 0;
};

namespace DesktopServices {

inline constexpr char16_t kOpenTitle[] = u"ファイルを開く";
inline constexpr char16_t kSaveTitle[] = u"ファイルを保存";

FileChooser* fileChooser();
SessionControl* session();

// Installs the two services (either may be null) while it lives; the ones before come back after.
class Installation {
public:
    Installation(FileChooser* chooser, SessionControl* session);
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

private:
    FileChooser* previousChooser_;
    SessionControl* previousSession_;
};

// ExitWin's mode flags: 1 shut down and 8 power off end the machine, 2 restarts it; 4 (force)
// and every other value log off, and ending the session is always the forced kind here.
SessionRequest requestForExitMode(qint32 exitMode);

// The dialog filter in the platform's form, description and pattern parts each ended by a NUL
// and the list by a second NUL ("Text\0*.txt;*.log\0\0"), as Qt name filters ("Text (*.txt
// *.log)"). A filter that does not have that form answers no filter at all.
QStringList nameFiltersFromPlatform(QStringView filter);

}  // namespace DesktopServices
