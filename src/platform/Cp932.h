#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Windows code page 932, the encoding of every file the program shares with its Windows users.
// Table-driven: the tables are filled once from glibc's CP932 converter, which maps 0x5C to "\",
// 0x8160 to "～" and 0x8740 to "①" the way the stored files need.
namespace Cp932 {

// Lenient: bytes that are not valid CP932 become U+FFFD; nothing aborts the decode. A large text
// is decoded on up to maxThreads threads (1 or 2).
QString decode(const char* data, qsizetype size, int maxThreads = 2);
inline QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

// Characters without a CP932 form become "?".
QByteArray encode(QStringView text);

// Bytes the character takes in CP932 (1 or 2); an unencodable character counts 1.
int byteLength(char16_t ch);

// Number of leading characters of text whose encoding fits in maxBytes (never splits a character).
qsizetype prefixFittingBytes(QStringView text, qsizetype maxBytes);

}  // namespace Cp932
