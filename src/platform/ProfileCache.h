#pragma once

#include <QString>

#include <memory>

class ProfileIndex;

// Parsed profile files kept between reads that repeat quickly (a preview per arrow key). An entry
// is answered only while the file on disk is the one that was read: same device and inode, size,
// modification and change times. A file modified or changed shortly before it was read may change
// again within the file system's timestamp resolution without any of these moving, so such an
// entry is read afresh until the file has stood still long enough. For the user-interface thread only: the
// kept indexes answer look-ups through caches of their own (other threads may read a kept index
// at the same time through cursors of their own).
namespace ProfileCache {

// The clock a file's age is read on, in nanoseconds since the epoch; nullptr sets the system's
// realtime clock back. Tests move it rather than wait for a file to settle.
using Clock = qint64 (*)();
void setClock(Clock clock);

// The parsed file at path; a missing file gives an empty index and is not kept.
std::shared_ptr<ProfileIndex> index(const QString& path);

}  // namespace ProfileCache
