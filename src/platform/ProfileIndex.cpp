#include "ProfileIndex.h"

#include "Cp932.h"
#include "ProfileSyntax.h"

#include <QFile>
#include <QFileInfo>

#include <bit>
#include <cerrno>
#include <future>
#include <limits>
#include <thread>

#include <unistd.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

using namespace ProfileSyntax;

namespace {

constexpr qint64 kParallelReadBytes = 4 << 20;

// The first CR or LF in p[from, end), or end.
qsizetype lineEndFrom(const char16_t* p, qsizetype from, qsizetype end)
{
    qsizetype i = from;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    for (; i + 8 <= end; i += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int hits = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(chunk, cr), _mm_cmpeq_epi16(chunk, lf)));
        if (hits)
            return i + std::countr_zero(unsigned(hits)) / 2;
    }
#endif
    while (i < end && !isLineEnd(p[i]))
        ++i;
    return i;
}

// Reads size bytes at offset into to; false on an error or a short read.
bool readAt(int fd, char* to, qsizetype size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pread(fd, to, size_t(size), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        to += n, size -= n, offset += n;
    }
    return true;
}

// A large file is read in two halves at once: copying it out of the page cache is a good part of
// reading a catalogue, and the second core is otherwise idle then.
QByteArray readAllOf(QFile& file)
{
    const qint64 size = file.size();
    if (size < kParallelReadBytes || size > std::numeric_limits<qsizetype>::max() / 2 ||
        std::thread::hardware_concurrency() < 2 || file.handle() < 0)
        return file.readAll();
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    const qsizetype half = qsizetype(size / 2);
    std::future<bool> first = std::async(std::launch::async, [&] { return readAt(file.handle(), bytes.data(), half, 0); });
    const bool second = readAt(file.handle(), bytes.data() + half, bytes.size() - half, half);
    if (first.get() && second)
        return bytes;
    // Changed while read (or a read failed): read it as it now stands, as one piece.
    return file.seek(0) ? file.readAll() : QByteArray();
}

std::shared_ptr<const QString> readDecoded(const QString& path)
{
    // A FIFO or a device would block or never end: only regular files are read.
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::make_shared<const QString>();
    const QByteArray bytes = readAllOf(file);
    return std::make_shared<const QString>(Cp932::decode(bytes));
}

}  // namespace

ProfileIndex::ProfileIndex(const QString& path) : text_(readDecoded(path)) { indexSections(); }

void ProfileIndex::indexSections()
{
    const QStringView text(*text_);
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();

    // Headers are rare among the lines: jump from "[" to "[" and keep those that open a line.
    qsizetype pos = 0;
    while ((pos = text.indexOf(u'[', pos)) >= 0) {
        qsizetype lineStart = pos;
        while (lineStart > 0 && isBlank(p[lineStart - 1]))
            --lineStart;
        if (lineStart > 0 && !isLineEnd(p[lineStart - 1])) {
            ++pos;
            continue;
        }
        const LineSpan span = lineAt(text, pos);
        const Line line = classify(text.sliced(pos, span.end - pos));
        if (!sections_.empty())
            sections_.back().bodyEnd = lineStart;
        sections_.push_back({line.name, span.next, n, nameHash(line.name), false});
        if (span.next == n)
            break;
        pos = span.next;
    }

    size_t capacity = 16;
    while (capacity < sections_.size() * 2)
        capacity *= 2;
    slots_.assign(capacity, -1);
    const size_t mask = capacity - 1;
    for (qint32 s = 0; s < qint32(sections_.size()); ++s) {
        const Section& sec = sections_[s];
        for (size_t i = sec.hash & mask;; i = (i + 1) & mask) {
            const qint32 other = slots_[i];
            if (other < 0) {
                slots_[i] = s;
                sections_[s].first = true;
                break;
            }
            // The first of duplicate sections wins; a later one's keys are not merged.
            if (sections_[other].hash == sec.hash && sameName(sections_[other].name, sec.name))
                break;
        }
    }
}

qint32 ProfileIndex::findSection(QStringView name) const
{
    const size_t hash = nameHash(name);
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const qint32 s = slots_[i];
        if (s < 0)
            return -1;
        if (sections_[s].hash == hash && sameName(sections_[s].name, name))
            return s;
    }
}

ProfileIndex::ParsedSection& ProfileIndex::parsed(Cursor& cursor, qint32 section) const
{
    ParsedSection* oldest = &cursor.cache_[0];
    for (ParsedSection& entry : cursor.cache_) {
        if (entry.section == section) {
            entry.lastUse = ++cursor.clock_;
            return entry;
        }
        if (entry.lastUse < oldest->lastUse)
            oldest = &entry;
    }
    oldest->section = section;
    oldest->next = sections_[section].bodyBegin;
    oldest->keys.clear();  // keeps the capacity for the next section
    oldest->lastUse = ++cursor.clock_;
    return *oldest;
}

std::optional<QStringView> ProfileIndex::find(QStringView section, QStringView key) const
{
    return find(cursor_, section, key);
}

qint32 ProfileIndex::locate(Cursor& cursor, QStringView sectionName) const
{
    // Readers ask for several keys of one section in a row, and usually go through the sections
    // in file order: try the same and the next section before the hash.
    qint32 s = cursor.lastSection_;
    if (s < 0 || !sameName(sections_[s].name, sectionName)) {
        const qint32 next = cursor.lastSection_ + 1;
        if (next < qint32(sections_.size()) && sections_[next].first && sameName(sections_[next].name, sectionName))
            s = next;
        else if ((s = findSection(sectionName)) < 0)
            return -1;
        cursor.lastSection_ = s;
    }
    return s;
}

// A body holds no header line (each one ends a body), so every line holding "=" is a key line; one
// pass per line finds both its "=" and its end.
qsizetype ProfileIndex::parseLine(qsizetype i, qsizetype bodyEnd, std::optional<Key>& key) const
{
    const QStringView text(*text_);
    const char16_t* p = text.utf16();
    const qsizetype lineStart = i;
    qsizetype eq = -1;
    for (; i < bodyEnd && !isLineEnd(p[i]); ++i)
        if (p[i] == u'=') {
            eq = i;
            i = lineEndFrom(p, i + 1, bodyEnd);  // the rest of a long value in strides
            break;
        }
    const qsizetype lineEnd = i;
    if (i < bodyEnd)
        i += (p[i] == u'\r' && i + 1 < bodyEnd && p[i + 1] == u'\n') ? 2 : 1;
    if (eq < 0)
        key.reset();
    else
        key = Key{trimmed(text.sliced(lineStart, eq - lineStart)), trimmed(text.sliced(eq + 1, lineEnd - eq - 1))};
    return i;
}

std::optional<QStringView> ProfileIndex::find(Cursor& cursor, QStringView section, QStringView key) const
{
    const QStringView sectionName = trimmed(section);
    const QStringView keyName = trimmed(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return std::nullopt;
    const qint32 s = locate(cursor, sectionName);
    if (s < 0)
        return std::nullopt;

    ParsedSection& entry = parsed(cursor, s);
    for (const Key& k : entry.keys)
        if (sameName(k.name, keyName))
            return k.value;

    // Parse on only until the key turns up: the first of duplicate keys is the first one met.
    const qsizetype bodyEnd = sections_[s].bodyEnd;
    std::optional<Key> line;
    while (entry.next < bodyEnd) {
        entry.next = parseLine(entry.next, bodyEnd, line);
        if (!line)
            continue;
        entry.keys.push_back(*line);
        if (sameName(line->name, keyName))
            return line->value;
    }
    return std::nullopt;
}

bool ProfileIndex::keysOf(Cursor& cursor, QStringView section, std::vector<Key>& keys, QStringView& sectionName) const
{
    keys.clear();
    const QStringView name = trimmed(section);
    const qint32 s = name.isEmpty() ? -1 : locate(cursor, name);
    if (s < 0)
        return false;
    sectionName = sections_[s].name;
    std::optional<Key> line;
    for (qsizetype i = sections_[s].bodyBegin; i < sections_[s].bodyEnd;) {
        i = parseLine(i, sections_[s].bodyEnd, line);
        if (line)
            keys.push_back(*line);
    }
    return true;
}

const ProfileIndex::Column& ProfileIndex::column(QStringView key) const
{
    for (const Column& c : columns_)
        if (sameName(c.key, key))
            return c;
    Column made{key.toString(), std::vector<std::optional<QStringView>>(sections_.size())};
    std::optional<Key> line;
    for (size_t s = 0; s < sections_.size(); ++s) {
        if (!sections_[s].first)
            continue;  // never answered: a name finds the first of its sections
        for (qsizetype i = sections_[s].bodyBegin; i < sections_[s].bodyEnd;) {
            i = parseLine(i, sections_[s].bodyEnd, line);
            if (line && sameName(line->name, key)) {
                made.values[s] = line->value;
                break;
            }
        }
    }
    columns_.push_back(std::move(made));
    return columns_.back();
}

std::optional<QStringView> ProfileIndex::findInColumn(Cursor& cursor, QStringView section, QStringView key) const
{
    const QStringView sectionName = trimmed(section);
    const QStringView keyName = trimmed(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return std::nullopt;
    const qint32 s = locate(cursor, sectionName);
    return s < 0 ? std::nullopt : column(keyName).values[size_t(s)];
}
