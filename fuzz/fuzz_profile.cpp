// The profile reader and SetInitValue on arbitrary files. The input's first line is the request,
// "section<TAB>key<TAB>value" in CP932; the rest is the file. After the write the file differs from
// the original only in the written line (or the lines added for it), the key reads back as
// written, and every other name the file holds reads as before.

#include "FuzzSupport.h"

#include "platform/Cp932.h"
#include "platform/ProfileSyntax.h"
#include "platform/clsWindowsAPI.h"

#include <QList>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Name = std::pair<QString, QString>;  // section, key

// The file's lines, each with its own line end.
QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines << bytes.mid(begin, i + 1 - begin);
        begin = i + 1;
    }
    if (begin < bytes.size())
        lines << bytes.mid(begin);
    return lines;
}

// Up to a bound, the section and key names of the file's key lines.
QList<Name> namesIn(const QByteArray& bytes)
{
    QList<Name> names;
    QString section;
    for (const QByteArray& raw : linesOf(bytes)) {
        QByteArray content = raw;
        while (content.endsWith('\n') || content.endsWith('\r'))
            content.chop(1);
        const QString text = Cp932::decode(content);
        const ProfileSyntax::Line line = ProfileSyntax::classify(text);
        if (line.kind == ProfileSyntax::Line::Header)
            section = line.name.toString();
        else if (line.kind == ProfileSyntax::Line::Key && names.size() < 64)
            names.append({section, line.name.toString()});
    }
    return names;
}

// The values of the names, read through one reader as the loader reads.
QStringList read(const QString& path, const QList<Name>& names)
{
    clsWindowsAPI api;
    api.setIniFileName(path);
    QStringList values;
    for (const Name& name : names)
        values << api.GetInitValue(name.second, name.first);
    return values;
}

// What a read gives of a written value: CP932 can hold, blanks trimmed, cut at NUL and 4095 bytes.
QString asReadBack(const QString& value)
{
    QString text = Cp932::decode(Cp932::encode(value));
    text = ProfileSyntax::trimmed(text).toString();
    text.truncate(text.indexOf(QChar(u'\0')) < 0 ? text.size() : text.indexOf(QChar(u'\0')));
    text.truncate(Cp932::prefixFittingBytes(text, 4095));
    return text;
}

bool sameName(const Name& a, const Name& b)
{
    return ProfileSyntax::sameName(ProfileSyntax::trimmed(a.first), ProfileSyntax::trimmed(b.first)) &&
           ProfileSyntax::sameName(ProfileSyntax::trimmed(a.second), ProfileSyntax::trimmed(b.second));
}

void checkOneLineChanged(const QByteArray& before, const QByteArray& after, const QByteArray& valueBytes)
{
    const QList<QByteArray> old = linesOf(before);
    const QList<QByteArray> now = linesOf(after);
    qsizetype head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head])
        ++head;
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const qsizetype removed = old.size() - head - tail;
    const qsizetype added = now.size() - head - tail;
    // One key line rewritten, a key line inserted, or a section and key appended; a last line
    // without a line end gets one first.
    Fuzz::require(removed <= 1 && added >= removed && added - removed <= 2, "only the written line changes");
    if (removed == 1 && added > 1)
        Fuzz::require(now[head].startsWith(old[head]) && now[head].size() > old[head].size() &&
                          now[head].mid(old[head].size()).trimmed().isEmpty(),
                      "a last line only gains its line end");
    Fuzz::require(now.mid(head, added).join().contains('=' + valueBytes), "the written line holds the value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    const qsizetype newline = input.indexOf('\n');
    const QList<QByteArray> request = input.left(std::max<qsizetype>(newline, 0)).split('\t');
    const QByteArray original = input.mid(newline + 1);
    const Name written{Cp932::decode(request.value(0)), Cp932::decode(request.value(1))};
    const QString value = Cp932::decode(request.value(2));

    const QString path = Fuzz::scratch(u"profile.ini"_s);
    Fuzz::writeFile(path, original);
    const QList<Name> others = namesIn(original);
    const QStringList before = read(path, others);

    clsWindowsAPI writer;
    writer.setIniFileName(path);
    const bool ok = writer.SetInitValue(written.second, value, written.first);
    const QByteArray after = Fuzz::readFile(path);
    if (!ok) {
        Fuzz::require(after == original, "a refused write leaves the file alone");
        return 0;
    }
    if (after != original)  // unchanged when the file already holds the line
        checkOneLineChanged(original, after, Cp932::encode(value));
    const QStringList now = read(path, others + QList<Name>{written});
    Fuzz::require(now.last() == asReadBack(value), "the value reads back");
    for (qsizetype i = 0; i < others.size(); ++i)
        if (!sameName(others[i], written))
            Fuzz::require(now[i] == before[i], "every other key reads as before");
    return 0;
}
