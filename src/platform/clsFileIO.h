#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QFile;
class RuntimeError;

// Sequential text files of lines and comma records, in CP932. Every operation answers success and
// keeps the text of the last failure in ErrMessage ("number..description"); nothing is thrown or
// shown. Lines end at CR LF, a lone CR or a lone LF on reading; written lines end with CR LF.
// Only regular files are read, and a line longer than kMaxLineBytes is a read error: a device,
// a pipe or a file without line ends must not be read into memory without bound.
class clsFileIO {
public:
    static constexpr qsizetype kMaxLineBytes = 1024 * 1024;

    clsFileIO();
    ~clsFileIO();
    clsFileIO(const clsFileIO&) = delete;
    clsFileIO& operator=(const clsFileIO&) = delete;

    qint32 CountRecord(QString& FileName);
    bool KillFile(QString& FileName);

    bool Opened() const { return opened_; }
    void setOpened(bool vData) { opened_ = vData; }
    QString ErrMessage() const { return errMessage_; }
    void setErrMessage(const QString& vData) { errMessage_ = vData; }
    qint32 CurrentRow() const { return currentRow_; }
    void setCurrentRow(qint32 vData) { currentRow_ = vData; }
    qint32 OpenMode() const { return openMode_; }
    void setOpenMode(qint32 vData) { openMode_ = vData; }
    QString FileName() const { return fileName_; }
    void setFileName(const QString& vData) { fileName_ = vData; }

    bool WriteData(const QStringList& Data, bool DblQuote);
    bool ReadData(QStringList& Data);
    bool EndFile();
    bool WriteLine(const QString& WriteString);
    bool ReadLine(QString& ReadString);
    bool CloseFile();
    bool OpenFile(QString& FileName, qint32& OpenMode);

    // The messages of the class's own failures.
    static QString badOpenModeMessage();       // "オープンモードの指定が不正です。"
    static QString readNotOpenMessage();       // "ファイルが開かれていません。"
    static QString writeNotOpenMessage();      // "ファイルが開かれていません"

private:
    enum class RawLine { Line, TooLong, End, Error };
    // Next line's bytes without its terminator, read through buffer_ so that a long line or a
    // large file is scanned once. A line over kMaxLineBytes is skipped to its end, never held.
    RawLine readRawLine(QByteArray& line);
    // Appends the next chunk of the file to buffer_; false at the end of the file or on an error.
    bool fillBuffer(bool& failed);
    bool atEndOfData(bool& failed);
    void closeHandle();
    void fail(const RuntimeError& error);
    // The classic error a failed write is, by errno.
    static RuntimeError writeError(int err);

    std::unique_ptr<QFile> file_;  // null: no handle
    QByteArray buffer_;            // bytes read ahead of the caller
    qsizetype bufferPos_ = 0;      // first unread byte in buffer_
    QString fileName_;
    qint32 openMode_ = 1;
    qint32 currentRow_ = 0;
    QString errMessage_;
    bool opened_ = false;
    qint32 mode_ = 0;  // mode the open handle was opened with
};
