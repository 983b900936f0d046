#include "platform/clsFileIO.h"

#include "platform/Cp932.h"
#include "platform/RuntimeError.h"

#include <QFile>

#include <cerrno>
#include <limits>

using namespace Qt::StringLiterals;

// The write side of clsFileIO: deck saving writes through its own atomic writer, so the editor
// never calls these.

bool clsFileIO::KillFile(QString& FileName)
{
    if (!FileName.isEmpty())
        fileName_ = FileName;
    else
        FileName = fileName_;
    if (FileName.isEmpty())
        return false;
    return QFile::remove(FileName);
}

bool clsFileIO::WriteData(const QStringList& Data, bool DblQuote)
{
    QString line;
    for (qsizetype i = 0; i < Data.size(); ++i) {
        if (i > 0)
            line += u',';
        if (DblQuote)
            line += u'"' + Data[i] + u'"';
        else
            line += Data[i];
    }
    return WriteLine(line);
}

bool clsFileIO::WriteLine(const QString& WriteString)
{
    errMessage_.clear();
    if (!file_) {
        errMessage_ = writeNotOpenMessage();
        return false;
    }
    if (mode_ == 1) {
        fail(RuntimeError::badFileMode());
        return false;
    }
    if (currentRow_ == std::numeric_limits<qint32>::max()) {
        fail(RuntimeError::overflow());
        return false;
    }
    QByteArray bytes = Cp932::encode(WriteString);
    bytes += "\r\n";
    // Flushed line by line: a full disk must show up here, not as a silently short file.
    errno = 0;
    if (file_->write(bytes) != bytes.size() || !file_->flush()) {
        fail(writeError(errno));
        return false;
    }
    ++currentRow_;
    return true;
}
