#include "clsFileIO.h"

#include "Cp932.h"
#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kChunk = 64 * 1024;

// Which classic error an open failure is: the caller sees "file not found" and "path not found"
// apart, as the deck dialogs' users would on the original platform.
RuntimeError openError(const QString& path, qint32 mode)
{
    const QFileInfo info(path);
    if (!QFileInfo(info.absolutePath()).isDir())
        return RuntimeError::pathNotFound();
    if (mode == 1 && !info.exists())
        return RuntimeError::fileNotFound();
    return RuntimeError::pathFileAccess();
}

}  // namespace

clsFileIO::clsFileIO() = default;

clsFileIO::~clsFileIO() { closeHandle(); }

QString clsFileIO::badOpenModeMessage() { return u"オープンモードの指定が不正です。"_s; }
QString clsFileIO::readNotOpenMessage() { return u"ファイルが開かれていません。"_s; }
QString clsFileIO::writeNotOpenMessage() { return u"ファイルが開かれていません"_s; }

RuntimeError clsFileIO::writeError(int err)
{
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return RuntimeError::diskFull();
    case EACCES:
    case EPERM:
    case EROFS:
        return RuntimeError::permissionDenied();
    default:
        return RuntimeError::deviceIo();
    }
}

void clsFileIO::fail(const RuntimeError& error)
{
    errMessage_ = QString::number(error.number()) + u".."_s + error.description();
}

void clsFileIO::closeHandle()
{
    if (file_)
        file_->close();
    file_.reset();
    buffer_.clear();
    bufferPos_ = 0;
    mode_ = 0;
}

qint32 clsFileIO::CountRecord(QString& FileName)
{
    if (FileName.isEmpty())
        FileName = fileName_;
    // Only regular files: a device or pipe could feed lines for ever.
    if (FileName.isEmpty() || !QFileInfo(FileName).isFile())
        return -1;

    // A separate instance, so that this one may hold the same file open meanwhile.
    clsFileIO other;
    other.setOpenMode(1);
    qint32 mode = 0;
    if (!other.OpenFile(FileName, mode))
        return -1;
    qint32 counter = 0;
    for (;;) {
        bool failed = false;
        if (other.atEndOfData(failed))
            return failed ? -1 : (other.CloseFile() ? counter : -1);
        QByteArray line;
        const RawLine read = other.readRawLine(line);
        if ((read != RawLine::Line && read != RawLine::TooLong) || counter == std::numeric_limits<qint32>::max())
            return -1;
        ++counter;
    }
}

bool clsFileIO::ReadData(QStringList& Data)
{
    QString line;
    if (!ReadLine(line))
        return false;

    QStringList fields;
    const qsizetype length = line.size();
    qsizetype pos = 0;
    while (pos < length) {
        if (line[pos] == u'"') {
            const qsizetype close = line.indexOf(u'"', pos + 1);
            if (close >= 0) {
                fields << line.mid(pos + 1, close - pos - 1);
                // The character after the closing quote is taken as the separator, whatever it is.
                pos = close + 2;
                continue;
            }
            // Deck records carry the card name unquoted, so a name may open a quote it never
            // closes; only the fields before it are ever used. There the quote is plain text.
            if (fields.size() < 2) {
                fail(RuntimeError::invalidCall());
                return false;
            }
        }
        const qsizetype comma = line.indexOf(u',', pos);
        if (comma < 0) {
            fields << line.mid(pos);
            pos = length;
        } else {
            fields << line.mid(pos, comma - pos);
            pos = comma + 1;
        }
    }
    if (length > 0 && pos - 1 < length && line[pos - 1] == u',')
        fields << QString();
    if (fields.isEmpty())
        fields << QString();

    Data = fields;
    errMessage_.clear();
    return true;
}

bool clsFileIO::fillBuffer(bool& failed)
{
    failed = false;
    if (bufferPos_ > 0) {
        buffer_.remove(0, bufferPos_);
        bufferPos_ = 0;
    }
    const qsizetype old = buffer_.size();
    buffer_.resize(old + kChunk);
    const qint64 got = file_->read(buffer_.data() + old, kChunk);
    buffer_.resize(old + std::max<qint64>(got, 0));
    if (got < 0) {
        failed = true;
        return false;
    }
    return got > 0;
}

bool clsFileIO::atEndOfData(bool& failed)
{
    failed = false;
    if (bufferPos_ < buffer_.size())
        return false;
    return !fillBuffer(failed);
}

clsFileIO::RawLine clsFileIO::readRawLine(QByteArray& line)
{
    // Offsets are kept relative to bufferPos_, since filling the buffer moves its contents.
    qsizetype scanned = 0;
    bool tooLong = false;
    const auto take = [&](qsizetype next) {
        tooLong = tooLong || scanned > kMaxLineBytes;
        if (!tooLong)
            line = buffer_.mid(bufferPos_, scanned);
        bufferPos_ = next;
        return tooLong ? RawLine::TooLong : RawLine::Line;
    };
    for (;;) {
        const char* data = buffer_.constData();
        const qsizetype size = buffer_.size();
        qsizetype i = bufferPos_ + scanned;
        while (i < size && data[i] != '\r' && data[i] != '\n')
            ++i;
        scanned = i - bufferPos_;
        if (i < size && !(data[i] == '\r' && i + 1 == size))
            return take(data[i] == '\r' && data[i + 1] == '\n' ? i + 2 : i + 1);
        if (scanned > kMaxLineBytes) {
            // Dropped as it is scanned, so that the buffer stays bounded.
            tooLong = true;
            bufferPos_ += scanned;
            scanned = 0;
        }
        // No terminator yet, or a CR whose LF may be in the next chunk.
        bool failed = false;
        if (fillBuffer(failed))
            continue;
        if (failed)
            return RawLine::Error;
        if (bufferPos_ == buffer_.size() && !tooLong)
            return RawLine::End;
        return take(buffer_.size());
    }
}

bool clsFileIO::EndFile()
{
    errMessage_.clear();
    if (!file_) {
        fail(RuntimeError::badFileNameOrNumber());
        return true;
    }
    if (mode_ != 1) {
        fail(RuntimeError::badFileMode());
        return true;
    }
    bool failed = false;
    const bool end = atEndOfData(failed);
    if (failed)
        fail(RuntimeError::deviceIo());
    return end;
}

bool clsFileIO::ReadLine(QString& ReadString)
{
    errMessage_.clear();
    if (!file_) {
        errMessage_ = readNotOpenMessage();
        return false;
    }
    if (mode_ != 1) {
        fail(RuntimeError::badFileMode());
        return false;
    }
    if (currentRow_ == std::numeric_limits<qint32>::max()) {
        fail(RuntimeError::overflow());
        return false;
    }
    QByteArray raw;
    switch (readRawLine(raw)) {
    case RawLine::End:
        fail(RuntimeError::pastEndOfFile());
        return false;
    case RawLine::Error:
        fail(RuntimeError::deviceIo());
        return false;
    case RawLine::TooLong:
        fail(RuntimeError::outOfStringSpace());
        return false;
    case RawLine::Line:
        break;
    }
    ReadString = Cp932::decode(raw);
    ++currentRow_;
    return true;
}

bool clsFileIO::CloseFile()
{
    errMessage_.clear();
    bool ok = true;
    if (file_ && mode_ != 1) {
        errno = 0;
        if (!file_->flush()) {
            fail(writeError(errno));
            ok = false;
        }
    }
    closeHandle();
    opened_ = false;
    return ok;
}

bool clsFileIO::OpenFile(QString& FileName, qint32& OpenMode)
{
    errMessage_.clear();
    closeHandle();
    opened_ = false;
    if (!FileName.isEmpty())
        fileName_ = FileName;
    else
        FileName = fileName_;
    if (OpenMode != 0)
        openMode_ = OpenMode;
    else
        OpenMode = openMode_;

    QIODevice::OpenMode flags;
    switch (OpenMode) {
    case 1:
        flags = QIODevice::ReadOnly;
        break;
    case 2:
        flags = QIODevice::WriteOnly | QIODevice::Truncate;
        break;
    case 3:
        flags = QIODevice::WriteOnly | QIODevice::Append;
        break;
    default:
        errMessage_ = badOpenModeMessage();
        return false;
    }
    // Opening a FIFO would block, and a device never ends.
    if (FileName.isEmpty() || (OpenMode == 1 && QFileInfo::exists(FileName) && !QFileInfo(FileName).isFile())) {
        fail(RuntimeError::pathFileAccess());
        return false;
    }
    auto file = std::make_unique<QFile>(FileName);
    if (!file->open(flags)) {
        fail(openError(FileName, OpenMode));
        return false;
    }
    file_ = std::move(file);
    mode_ = OpenMode;
    currentRow_ = OpenMode == 1 ? 1 : 0;
    opened_ = true;
    return true;
}
