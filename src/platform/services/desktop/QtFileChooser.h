#pragma once

#include "platform/services/DesktopServices.h"

// FileChooser over FileDialog: the desktop's own dialogs where it has them, Qt's elsewhere.
class QtFileChooser : public FileChooser {
public:
    QString chooseFile(const FileChoice& choice) override;
    QString chooseFolder(quintptr owner, const QString& title, const QString& startFolder) override;
};
