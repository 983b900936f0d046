#include "platform/clsWindowsAPI.h"

#include "DesktopServices.h"

// The file and folder choosers and the end of the session, through the services the program
// installed (DesktopServices.h).

namespace {

QString chooseFile(FileChoice::Kind kind, quintptr owner, const QString& folder, const QString& filter)
{
    FileChooser* chooser = DesktopServices::fileChooser();
    if (!chooser)
        return {};
    FileChoice choice;
    choice.kind = kind;
    choice.owner = owner;
    choice.title =
        QString::fromUtf16(kind == FileChoice::Kind::Open ? DesktopServices::kOpenTitle : DesktopServices::kSaveTitle);
    choice.nameFilters = DesktopServices::nameFiltersFromPlatform(filter);
    choice.folder = folder;
    return chooser->chooseFile(choice);
}

}  // namespace

void clsWindowsAPI::OpenDialog(quintptr wlngHWnd, QString& ostrFilePath, const QString& istrDefaultPath,
                               const QString& istrFilter)
{
    ostrFilePath = chooseFile(FileChoice::Kind::Open, wlngHWnd, istrDefaultPath, istrFilter);
}

void clsWindowsAPI::SaveDialog(quintptr wlngHWnd, QString& ostrFilePath, const QString& istrDefaultPath,
                               const QString& istrFilter)
{
    ostrFilePath = chooseFile(FileChoice::Kind::Save, wlngHWnd, istrDefaultPath, istrFilter);
}

QString clsWindowsAPI::GetFolderDialog(quintptr lngHwnd, qint32 /*lngRoot*/, const QString& strIniPath,
                                       const QString& strTitle, qint32 /*lngFlg*/)
{
    // The shell's namespace root and browse flags have no counterpart in a folder chooser here.
    FileChooser* chooser = DesktopServices::fileChooser();
    return chooser ? chooser->chooseFolder(lngHwnd, strTitle, strIniPath) : QString();
}

bool clsWindowsAPI::ExitWin(qint32 ExitMode)
{
    // No privilege to enable first: the login manager decides by itself whether we may.
    SessionControl* session = DesktopServices::session();
    return session && session->request(DesktopServices::requestForExitMode(ExitMode));
}
