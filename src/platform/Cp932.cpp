#include "Cp932.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <future>
#include <memory>
#include <thread>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

struct Tables {
    std::array<char16_t, 256> single{};       // kReplacement where the byte alone is no character
    std::array<char16_t, 0x10000> dbl{};      // indexed by lead << 8 | trail
    std::array<quint16, 0x10000> encode{};    // 0 = no CP932 form; < 0x100 single byte
    Tables();
};

char16_t convertOne(iconv_t cd, const unsigned char* bytes, size_t n)
{
    char in[2] = {char(bytes[0]), n > 1 ? char(bytes[1]) : '\0'};
    char16_t out[4] = {};
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    size_t inLeft = n;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1) || inLeft != 0 ||
        outLeft != sizeof out - sizeof(char16_t))
        return kReplacement;
    return out[0];
}

Tables::Tables()
{
    single.fill(kReplacement);
    dbl.fill(kReplacement);
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == iconv_t(-1))
        return;  // no converter: everything but ASCII decodes as U+FFFD
    for (int b = 0; b < 256; ++b) {
        if (isLeadByte(quint8(b)))
            continue;
        const unsigned char byte = quint8(b);
        single[b] = b < 0x80 ? char16_t(b) : convertOne(cd, &byte, 1);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(quint8(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(quint8(trail)))
                continue;
            const unsigned char pair[2] = {quint8(lead), quint8(trail)};
            dbl[lead << 8 | trail] = convertOne(cd, pair, 2);
        }
    }
    iconv_close(cd);

    // The encoder takes the converter's own choice where several codes share one character.
    iconv_t back = iconv_open("CP932", "UTF-16LE");
    for (int b = 0; b < 256; ++b)
        if (single[b] != kReplacement && encode[single[b]] == 0)
            encode[single[b]] = quint16(b);
    for (int code = 0; code < 0x10000; ++code) {
        const char16_t ch = dbl[code];
        if (ch == kReplacement || encode[ch] != 0 || back == iconv_t(-1))
            continue;
        char16_t in[1] = {ch};
        unsigned char out[4] = {};
        char* inp = reinterpret_cast<char*>(in);
        char* outp = reinterpret_cast<char*>(out);
        size_t inLeft = sizeof in;
        size_t outLeft = sizeof out;
        iconv(back, nullptr, nullptr, nullptr, nullptr);
        if (iconv(back, &inp, &inLeft, &outp, &outLeft) != size_t(-1) && outLeft == 2)
            encode[ch] = quint16(out[0] << 8 | out[1]);
        else
            encode[ch] = quint16(code);
    }
    if (back != iconv_t(-1))
        iconv_close(back);
}

const Tables& tables()
{
    static const std::unique_ptr<Tables> t = std::make_unique<Tables>();
    return *t;
}

// Decodes [p, end) to dst; answers the end of what was written.
char16_t* decodeInto(const unsigned char* p, const unsigned char* end, char16_t* dst)
{
    const Tables& t = tables();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            *dst++ = b;
            ++p;
        } else if (isLeadByte(b)) {
            if (p + 1 < end && isTrailByte(p[1])) {
                *dst++ = t.dbl[b << 8 | p[1]];
                p += 2;
            } else {
                *dst++ = kReplacement;  // a lone lead byte: the next byte starts afresh
                ++p;
            }
        } else {
            *dst++ = t.single[b];
            ++p;
        }
    }
    return dst;
}

// Texts this large are decoded on two threads.
constexpr qsizetype kParallelBytes = 4 << 20;

}  // namespace

namespace Cp932 {

QString decode(const char* data, qsizetype size, int maxThreads)
{
    QString out(size, Qt::Uninitialized);  // never more characters than bytes
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* const end = p + size;
    // A line feed is never part of a double-byte character: a large text is cut after one near its
    // middle and the halves decoded at once, the second into its own part of the buffer (which it
    // cannot outgrow) and moved up behind the first.
    const auto* cut = size >= kParallelBytes && maxThreads > 1
                          ? static_cast<const unsigned char*>(std::memchr(p + size / 2, '\n', size_t(size - size / 2)))
                          : nullptr;
    if (!cut || std::thread::hardware_concurrency() < 2) {
        out.truncate(decodeInto(p, end, dst) - dst);
        return out;
    }
    ++cut;
    char16_t* const secondAt = dst + (cut - p);
    std::future<char16_t*> second = std::async(std::launch::async, [=] { return decodeInto(cut, end, secondAt); });
    char16_t* const firstEnd = decodeInto(p, cut, dst);
    char16_t* const secondEnd = second.get();
    std::memmove(firstEnd, secondAt, size_t(secondEnd - secondAt) * sizeof(char16_t));
    out.truncate(firstEnd - dst + (secondEnd - secondAt));
    return out;
}

QByteArray encode(QStringView text)
{
    const Tables& t = tables();
    QByteArray out;
    out.reserve(text.size() * 2);
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch < 0x80) {
            out.append(char(ch));
            continue;
        }
        const quint16 code = t.encode[ch];
        if (code == 0)
            out.append('?');
        else if (code < 0x100)
            out.append(char(code));
        else {
            out.append(char(code >> 8));
            out.append(char(code & 0xFF));
        }
    }
    return out;
}

int byteLength(char16_t ch)
{
    if (ch < 0x80)
        return 1;
    const quint16 code = tables().encode[ch];
    return code >= 0x100 ? 2 : 1;
}

qsizetype prefixFittingBytes(QStringView text, qsizetype maxBytes)
{
    // Every character takes at most two bytes: short texts need no counting.
    if (text.size() * 2 <= maxBytes)
        return text.size();
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        bytes += byteLength(text[i].unicode());
        if (bytes > maxBytes)
            return i;
    }
    return text.size();
}

}  // namespace Cp932
