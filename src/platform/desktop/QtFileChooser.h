#pragma once

#include "platform/DesktopServices.h"

// FileChooser over Qt's own file dialogs (the same on every desktop, and drivable in tests).
class QtFileChooser : public FileChooser {
public:
    QString chooseFile(const FileChoice& choice) override;
    QString chooseFolder(quintptr owner, const QString& title, const QString& startFolder) override;
};
