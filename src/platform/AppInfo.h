#pragma once

#include <QString>

// The program's own name and version, as its titles show them.
namespace AppInfo {

// The application title: message boxes of the main window carry it.
inline QString appTitle() { return QStringLiteral("Tessarin"); }

// "Tessarin ver" and the three version numbers, the plain title of the main window.
inline QString plainWindowTitle()
{
    return QStringLiteral("Tessarin ver%1.%2.%3")
        .arg(TESSARIN_VERSION_MAJOR)
        .arg(TESSARIN_VERSION_MINOR)
        .arg(TESSARIN_VERSION_PATCH);
}

// The plain title, " - " and the name of a deck file.
inline QString fileWindowTitle(const QString& fileName) { return plainWindowTitle() + QStringLiteral(" - ") + fileName; }

}  // namespace AppInfo
