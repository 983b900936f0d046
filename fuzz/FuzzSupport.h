#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

// A broken property is a crash to libFuzzer: it keeps the input that showed it.
inline void require(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// One folder per run for the files a harness writes and reads back (below TMPDIR: scripts/fuzz
// points it at memory, since the writer syncs every file it replaces, and removes it afterwards).
inline QString scratch(const QString& name)
{
    static QTemporaryDir dir;
    require(dir.isValid(), "scratch folder");
    return dir.filePath(name);
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(), "scratch write");
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray bytesOf(const unsigned char* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

}  // namespace Fuzz
