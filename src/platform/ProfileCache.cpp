#include "ProfileCache.h"

#include "ProfileIndex.h"

#include <QFile>

#include <sys/stat.h>
#include <time.h>

#include <array>

namespace {

// Timestamps of some file systems step by two seconds; a file modified less than this before it
// was read is not trusted to show its next edit.
constexpr qint64 kSettleNs = 3'000'000'000;
// The change time cannot be set back, as the modification time can (cp -p, touch -r), but it steps
// by a clock tick of up to 10 ms: a file changed less than this before it was read is not trusted
// either, or an edit of the same size that sets the same old modification time could go unseen.
constexpr qint64 kChangeSettleNs = 50'000'000;
// The catalogue and the image map, with room to spare.
constexpr size_t kEntries = 4;

struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const Stamp&) const = default;
};

qint64 ns(const timespec& t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; }

bool stampOf(const QString& path, Stamp& out)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    out = {st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
    return true;
}

qint64 systemNow()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return ns(t);
}

ProfileCache::Clock nowNs = systemNow;

struct Entry {
    QString path;
    Stamp stamp;
    std::shared_ptr<ProfileIndex> index;
    quint64 lastUse = 0;
};

}  // namespace

namespace ProfileCache {

void setClock(Clock clock) { nowNs = clock ? clock : systemNow; }

std::shared_ptr<ProfileIndex> index(const QString& path)
{
    static std::array<Entry, kEntries> entries;
    static quint64 clock = 0;

    Stamp before;
    if (!stampOf(path, before))
        return std::make_shared<ProfileIndex>(path);
    Entry* slot = &entries[0];
    for (Entry& e : entries) {
        if (e.index && e.path == path) {
            slot = &e;
            break;
        }
        if (e.lastUse < slot->lastUse)
            slot = &e;
    }
    if (slot->index && slot->path == path && slot->stamp == before) {
        slot->lastUse = ++clock;
        return slot->index;
    }

    const qint64 readAt = nowNs();
    auto fresh = std::make_shared<ProfileIndex>(path);
    Stamp after;
    // Keep only what is known to be the file as it stands: not changed while being read, and old
    // enough that a later edit must move its modification time.
    if (stampOf(path, after) && after == before && before.modified <= readAt - kSettleNs &&
        before.changed <= readAt - kChangeSettleNs)
        *slot = {path, before, fresh, ++clock};
    else if (slot->path == path)
        *slot = {};
    return fresh;
}

}  // namespace ProfileCache
