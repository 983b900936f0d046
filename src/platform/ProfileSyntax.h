#pragma once

#include <QStringView>

#include <cstddef>

// The line syntax of profile files, shared by the reader and the writer so that both agree on
// what a section header and a key line are.
namespace ProfileSyntax {

inline bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
inline bool isLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }
// ASCII only: names are compared the way the Windows profile routines compare them in the
// system's code page, where full Unicode folding would match names those routines keep apart.
inline char16_t foldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c; }

// Spaces and tabs removed at both ends.
QStringView trimmed(QStringView text);
// Equal without regard to ASCII case. Inline: bulk readers call it for every key they ask.
inline bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    for (qsizetype i = 0; i < a.size(); ++i)
        if (pa[i] != pb[i] && foldAscii(pa[i]) != foldAscii(pb[i]))
            return false;
    return true;
}
// A hash consistent with sameName.
size_t nameHash(QStringView name);
// Empty or only U+0020, what trimming spaces leaves empty: such a name argument is replaced by
// the object's property, and such a catalogue value counts as none.
bool onlySpaces(QStringView text);

struct Line {
    enum Kind { Other, Header, Key };
    Kind kind = Other;
    QStringView name;   // section or key name, trimmed
    QStringView value;  // key lines: the value, trimmed
};

// Classifies one line given without its line end. A header is a line whose first non-blank
// character is "[", its name running to the first "]" (or the line's end); a key line is any
// other line holding "=".
Line classify(QStringView line);

// Length of the line starting at text[from] without its line end, and the start of the next line.
struct LineSpan {
    qsizetype end;
    qsizetype next;
};
LineSpan lineAt(QStringView text, qsizetype from);

}  // namespace ProfileSyntax
