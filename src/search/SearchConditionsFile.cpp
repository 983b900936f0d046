#include "SearchConditions.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// A condition file is a few KB; the cap keeps a device, a huge file or an endless pipe from
// exhausting memory.
constexpr qint64 kConditionsCap = 16 * 1024 * 1024;

}  // namespace

std::optional<SearchConditions> SearchConditions::readFile(const QString& file, ConditionsRefusal& refusal)
{
    const auto refuse = [&](ConditionsRefusal::Reason why) {
        refusal = {.reason = why, .number = why == ConditionsRefusal::kTooLarge ? kConditionsCap : 0};
        return std::nullopt;
    };
    QFile f;
    if (file == u"-") {
        if (!f.open(stdin, QIODevice::ReadOnly))
            return refuse(ConditionsRefusal::kCannotOpen);
    } else {
        // Only a regular file: a FIFO without a writer would block and a device never ends.
        const QFileInfo info(file);
        if (!info.exists())
            return refuse(ConditionsRefusal::kNoSuchFile);
        if (!info.isFile())
            return refuse(ConditionsRefusal::kNotRegularFile);
        if (info.size() > kConditionsCap)
            return refuse(ConditionsRefusal::kTooLarge);
        f.setFileName(file);
        if (!f.open(QIODevice::ReadOnly))
            return refuse(ConditionsRefusal::kCannotOpen);
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
        return refuse(ConditionsRefusal::kTooLarge);
    if (f.error() != QFileDevice::NoError)
        return refuse(ConditionsRefusal::kCannotRead);
    return fromJson(json, refusal);
}

WriteResult SearchConditions::writeFile(const QString& path) const { return writeFileAtomically(path, toJson()); }
