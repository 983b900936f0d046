#include "FileWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// The system's reasons that a player can act on, in the editor's language.
QString systemReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return u"アクセスが拒否されました"_s;
    case EROFS:
        return u"読み取り専用のファイルシステムです"_s;
    case ENOSPC:
    case EDQUOT:
        return u"ディスクの空き容量が足りません"_s;
    case EFBIG:
        return u"ファイルの大きさの上限を超えます"_s;
    case ENAMETOOLONG:
        return u"ファイル名が長すぎます"_s;
    case EIO:
        return u"入出力エラーが起きました"_s;
    case 0:
        return {};
    default:
        return u"システムエラー %1"_s.arg(error);
    }
}

QString withSystemReason(const QString& what, int error)
{
    const QString why = systemReason(error);
    return why.isEmpty() ? what + u"。"_s : what + u"（"_s + why + u"）。"_s;
}

// The file a path finally names: links followed to their end, even when that end does not exist.
bool resolveLinks(QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink(); ++depth) {
        if (depth == 40)  // the system's own limit
            return false;
        info.setFile(info.symLinkTarget());
    }
    path = info.absoluteFilePath();
    return true;
}

}  // namespace

QString WriteResult::reason() const
{
    switch (failure) {
    case Failure::None:
        return {};
    case Failure::NotRegularFile:
        return u"通常のファイルではないため、書き込みません。"_s;
    case Failure::NoFolder:
        return u"保存先のフォルダがありません。"_s;
    case Failure::LinkLoop:
        return u"シンボリックリンクが循環しています。"_s;
    case Failure::CannotCreate:
        return withSystemReason(u"ファイルを作成できません"_s, systemError);
    case Failure::CannotWrite:
        return withSystemReason(u"ファイルに書き込めません"_s, systemError);
    }
    return {};
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    using Failure = WriteResult::Failure;
    QString target = path;
    if (!resolveLinks(target))
        return {Failure::LinkLoop, ELOOP};
    // A rename over a device or a pipe would swap it for a plain file; a folder cannot take one.
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return {Failure::NotRegularFile};
    if (!QFileInfo(info.absolutePath()).isDir())
        return {Failure::NoFolder, ENOENT};

    QSaveFile file(target);
    file.setDirectWriteFallback(false);  // atomic or nothing
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {Failure::CannotCreate, errno};
    errno = 0;
    // A write the file-size limit or a full disk cut short can still be reported whole: only the
    // size the file really has tells.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const int error = errno ? errno : EFBIG;
        file.cancelWriting();
        return {Failure::CannotWrite, error};
    }
    errno = 0;
    if (!file.commit())
        return {Failure::CannotWrite, errno};
    return {};
}
