#pragma once

#include <QByteArray>
#include <QString>

// How a write into a file the user named ended. Every writer goes through writeFileAtomically, so
// none replaces a device, a pipe or a folder, and none breaks a symbolic link.
struct WriteResult {
    enum class Failure {
        None,
        NotRegularFile,  // the target exists and is a device, a FIFO, a socket or a folder
        NoFolder,        // the folder to hold it is missing or is not a folder
        LinkLoop,        // a chain of symbolic links that never ends
        CannotCreate,    // the system refused the temporary file
        CannotWrite,     // writing or the final rename failed; any earlier file is as it was
    };
    Failure failure = Failure::None;
    int systemError = 0;  // errno where the system refused; 0 when unknown

    bool ok() const { return failure == Failure::None; }
    // The reason in the editor's language, for a message that also names the file.
    QString reason() const;
};

// Writes bytes into path, replacing an existing regular file atomically (a temporary file renamed
// over it). A symbolic link stays a link: the file it leads to is the one replaced or created.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// What a save produced: the file written, or why not (the content could not be made, or the file
// could not be written). A writer's box and the companion's exit status are both drawn from it.
struct SaveResult {
    QString path;
    QString contentError;  // non-null: the bytes could not be made, nothing was written
    WriteResult write;

    bool written() const { return contentError.isNull() && write.ok(); }
    QString reason() const { return contentError.isNull() ? write.reason() : contentError; }
};
