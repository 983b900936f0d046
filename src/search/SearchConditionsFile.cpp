#include "SearchConditions.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// A condition file is a few KB; the cap keeps a device, a huge file or an endless pipe from
// exhausting memory.
constexpr qint64 kConditionsCap = 16 * 1024 * 1024;

}  // namespace

std::optional<SearchConditions> SearchConditions::readFile(const QString& file, QString& error)
{
    const auto refuse = [&](const QString& why) {
        error = why;
        return std::nullopt;
    };
    QFile f;
    if (file == u"-") {
        if (!f.open(stdin, QIODevice::ReadOnly))
            return refuse(u"cannot be read: "_s + f.errorString());
    } else {
        // Only a regular file: a FIFO without a writer would block and a device never ends.
        const QFileInfo info(file);
        if (!info.exists())
            return refuse(u"no such file"_s);
        if (!info.isFile())
            return refuse(u"not a regular file"_s);
        if (info.size() > kConditionsCap)
            return refuse(u"larger than 16 MiB"_s);
        f.setFileName(file);
        if (!f.open(QIODevice::ReadOnly))
            return refuse(u"cannot be read: "_s + f.errorString());
    }
    // A pipe hands its bytes over in pieces.
    QByteArray json;
    while (json.size() <= kConditionsCap) {
        const QByteArray piece = f.read(kConditionsCap + 1 - json.size());
        if (piece.isEmpty())
            break;
        json += piece;
    }
    if (json.size() > kConditionsCap)
        return refuse(u"larger than 16 MiB"_s);
    if (f.error() != QFileDevice::NoError)
        return refuse(u"cannot be read: "_s + f.errorString());
    return fromJson(json, error);
}

WriteResult SearchConditions::writeFile(const QString& path) const { return writeFileAtomically(path, toJson()); }
