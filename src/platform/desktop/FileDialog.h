#pragma once

#include <QFileDialog>

// The file dialog every chooser of ours shows: the platform's own where the desktop provides one,
// Qt's otherwise. Each starts where the last accepted one of this run ended (nothing is kept
// between runs), and a save refuses a name in a folder that does not exist.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // Starts in `folder`, or when it is "" in the folder of the last accepted choice of this run.
    void startIn(const QString& folder = {});
    // The chosen file's full path, or "" when the user cancelled.
    QString run();
    void accept() override;

    static QString lastFolder();
    // Where the next dialog starts when none of this run was accepted yet (a folder kept from an
    // earlier run).
    static void setLastFolder(const QString& folder);
    static QString missingFolderMessage(const QString& folder);
};
