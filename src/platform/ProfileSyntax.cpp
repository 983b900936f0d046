#include "ProfileSyntax.h"

namespace ProfileSyntax {

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && isBlank(text[end - 1].unicode()))
        --end;
    return text.sliced(begin, end - begin);
}

size_t nameHash(QStringView name)
{
    // FNV-1a over the folded UTF-16 units.
    quint64 h = 14695981039346656037ull;
    for (const QChar c : name) {
        h ^= foldAscii(c.unicode());
        h *= 1099511628211ull;
    }
    // The multiplications only carry upwards: mix the high bits down before a table takes the low ones.
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return size_t(h);
}

bool onlySpaces(QStringView text)
{
    for (const QChar c : text)
        if (c != u' ')
            return false;
    return true;
}

Line classify(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && isBlank(line[i].unicode()))
        ++i;
    Line result;
    if (i < line.size() && line[i] == u'[') {
        const qsizetype close = line.indexOf(u']', i + 1);
        const qsizetype end = close < 0 ? line.size() : close;
        result.kind = Line::Header;
        result.name = trimmed(line.sliced(i + 1, end - i - 1));
        return result;
    }
    const qsizetype eq = line.indexOf(u'=', i);
    if (eq < 0)
        return result;
    result.kind = Line::Key;
    result.name = trimmed(line.sliced(i, eq - i));
    result.value = trimmed(line.sliced(eq + 1));
    return result;
}

LineSpan lineAt(QStringView text, qsizetype from)
{
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    qsizetype e = from;
    while (e < n && !isLineEnd(p[e]))
        ++e;
    if (e == n)
        return {e, e};
    if (p[e] == u'\r' && e + 1 < n && p[e + 1] == u'\n')
        return {e, e + 2};
    return {e, e + 1};
}

}  // namespace ProfileSyntax
