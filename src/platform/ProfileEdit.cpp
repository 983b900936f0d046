#include "ProfileEdit.h"

#include "Cp932.h"
#include "ProfileSyntax.h"

#include "FileWrite.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

using namespace ProfileSyntax;

namespace {

bool survivesEncoding(QStringView text) { return Cp932::decode(Cp932::encode(text)) == text; }

bool hasLineEnd(QStringView text) { return text.contains(u'\r') || text.contains(u'\n'); }


struct ByteLine {
    qsizetype begin;
    qsizetype end;   // content end
    qsizetype next;  // after the line end
};

ByteLine byteLineAt(const QByteArray& bytes, qsizetype from)
{
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype e = from;
    while (e < n && p[e] != '\r' && p[e] != '\n')
        ++e;
    if (e == n)
        return {from, e, e};
    if (p[e] == '\r' && e + 1 < n && p[e + 1] == '\n')
        return {from, e, e + 2};
    return {from, e, e + 1};
}

constexpr qsizetype kChunkBytes = 1 << 20;

// The end of the chunk starting at begin: just past the first line end after kChunkBytes.
qsizetype chunkEndAfter(const QByteArray& bytes, qsizetype begin)
{
    if (bytes.size() - begin <= kChunkBytes)
        return bytes.size();
    const ByteLine line = byteLineAt(bytes, begin + kChunkBytes);
    return line.next;
}

bool endsWithLineEnd(const QByteArray& bytes) { return bytes.endsWith('\r') || bytes.endsWith('\n'); }

}  // namespace

namespace ProfileEdit {

std::optional<QByteArray> setValue(const QByteArray& file, QStringView section, QStringView key,
                                   const QByteArray& value)
{
    const QByteArray keyBytes = Cp932::encode(key);
    const QByteArray newLine = keyBytes + '=' + value;

    QByteArrayView lineEnding;  // the file's own, CR LF when it has none
    bool inTarget = false;
    bool targetDone = false;
    qsizetype insertAt = -1;  // after the target's header or last key line
    QByteArrayView insertEnding;

    // Decoded a chunk of whole lines at a time, so that a key near the top of a large file costs
    // little. CR and LF are never CP932 trail bytes and decode to themselves: the lines of the
    // bytes and of the decoded text correspond one to one, and decoding line by line gives what
    // decoding the whole file gives.
    for (qsizetype chunkBegin = 0; chunkBegin < file.size() && !targetDone;) {
        const qsizetype chunkEnd = chunkEndAfter(file, chunkBegin);
        const QString decoded = Cp932::decode(file.constData() + chunkBegin, chunkEnd - chunkBegin);
        const QStringView text(decoded);
        qsizetype bytePos = chunkBegin;
        qsizetype textPos = 0;
        while (bytePos < chunkEnd && textPos <= text.size()) {
            const ByteLine bl = byteLineAt(file, bytePos);
            const LineSpan tl = lineAt(text, textPos);
            const QByteArrayView ending(file.constData() + bl.end, bl.next - bl.end);
            if (lineEnding.isEmpty())
                lineEnding = ending;
            const Line line = classify(text.sliced(textPos, tl.end - textPos));
            if (line.kind == Line::Header) {
                if (inTarget) {
                    targetDone = true;  // only the first of duplicate sections counts
                    break;
                }
                if (sameName(line.name, section)) {
                    inTarget = true;
                    insertAt = bl.next;
                    insertEnding = ending;
                }
            } else if (inTarget && line.kind == Line::Key) {
                if (sameName(line.name, key)) {
                    // "=" and blanks are never trail bytes: the first "=" byte is the line's first "=".
                    const qsizetype eq = file.indexOf('=', bl.begin);
                    qsizetype keyEnd = eq;
                    while (keyEnd > bl.begin && (file[keyEnd - 1] == ' ' || file[keyEnd - 1] == '\t'))
                        --keyEnd;
                    const QByteArray rewritten = file.mid(bl.begin, keyEnd - bl.begin) + '=' + value;
                    if (rewritten == file.mid(bl.begin, bl.end - bl.begin))
                        return std::nullopt;
                    return file.left(bl.begin) + rewritten + file.mid(bl.end);
                }
                insertAt = bl.next;
                insertEnding = ending;
            }
            bytePos = bl.next;
            textPos = tl.next;
        }
        chunkBegin = chunkEnd;
    }
    if (lineEnding.isEmpty())
        lineEnding = QByteArrayView("\r\n");

    if (insertAt >= 0) {
        if (!insertEnding.isEmpty())
            return file.left(insertAt) + newLine + insertEnding.toByteArray() + file.mid(insertAt);
        // The line to follow is the file's last and has no line end: keep the file ending the same way.
        return file + lineEnding.toByteArray() + newLine;
    }
    QByteArray result = file;
    if (!file.isEmpty() && !endsWithLineEnd(file))
        result += lineEnding;
    result += '[' + Cp932::encode(section) + ']' + lineEnding.toByteArray() + newLine + lineEnding.toByteArray();
    return result;
}

bool writeValue(const QString& path, QStringView section, QStringView key, QStringView value)
{
    section = ProfileSyntax::trimmed(section);
    key = ProfileSyntax::trimmed(key);
    if (section.isEmpty() || key.isEmpty() || section.contains(u']') || key.startsWith(u'[') ||
        key.contains(u'=') || hasLineEnd(section) || hasLineEnd(key) || hasLineEnd(value) ||
        !survivesEncoding(section) || !survivesEncoding(key))
        return false;

    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        QFile in(path);
        if (!QFileInfo(path).isFile() || !in.open(QIODevice::ReadOnly))
            return false;
        bytes = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return false;
    }
    const std::optional<QByteArray> edited = setValue(bytes, section, key, Cp932::encode(value));
    if (!edited)
        return true;  // the file already says so

    // Atomic replacement only: a failed write must leave the old file whole.
    return writeFileAtomically(path, *edited).ok();
}

}  // namespace ProfileEdit
