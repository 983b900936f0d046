#include "ProfileEdit.h"

#include "Cp932.h"
#include "ProfileSyntax.h"

#include <QByteArrayView>

using namespace ProfileSyntax;

namespace {

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

bool endsWithLineEnd(const QByteArray& bytes) { return bytes.endsWith('\r') || bytes.endsWith('\n'); }

}  // namespace

namespace ProfileEdit {

std::optional<QByteArray> setValue(const QByteArray& file, QStringView section, QStringView key,
                                   const QByteArray& value)
{
    // CR and LF are never CP932 trail bytes and decode to themselves, so the lines of the bytes
    // and of the decoded text correspond one to one.
    const QString decoded = Cp932::decode(file);
    const QStringView text(decoded);
    const QByteArray keyBytes = Cp932::encode(key);
    const QByteArray newLine = keyBytes + '=' + value;

    QByteArrayView lineEnding;  // the file's own, CR LF when it has none
    bool inTarget = false;
    qsizetype insertAt = -1;  // after the target's header or last key line
    QByteArrayView insertEnding;

    qsizetype bytePos = 0;
    qsizetype textPos = 0;
    while (bytePos < file.size() && textPos <= text.size()) {
        const ByteLine bl = byteLineAt(file, bytePos);
        const LineSpan tl = lineAt(text, textPos);
        const QByteArrayView ending(file.constData() + bl.end, bl.next - bl.end);
        if (lineEnding.isEmpty())
            lineEnding = ending;
        const Line line = classify(text.sliced(textPos, tl.end - textPos));
        if (line.kind == Line::Header) {
            if (inTarget)
                break;  // only the first of duplicate sections counts
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

}  // namespace ProfileEdit
