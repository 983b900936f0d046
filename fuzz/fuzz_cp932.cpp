// CP932 decoder and encoder against glibc's converter: valid bytes decode as it decodes them and
// encode back as it encodes; anything else decodes without fault, and what the encoder writes
// decodes to the same text.

#include "FuzzSupport.h"

#include "platform/Cp932.h"

#include <iconv.h>

#include <optional>

namespace {

enum class Way { Decode, Encode };

// The whole input through iconv (CP932 to UTF-16LE or back), or nullopt when it rejects any of it.
std::optional<QByteArray> iconvConvert(Way way, const QByteArray& in)
{
    static const iconv_t decoder = iconv_open("UTF-16LE", "CP932");
    static const iconv_t encoder = iconv_open("CP932", "UTF-16LE");
    const iconv_t cd = way == Way::Decode ? decoder : encoder;
    Fuzz::require(cd != iconv_t(-1), "iconv has CP932");
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray out(in.size() * 4 + 4, '\0');
    char* inp = const_cast<char*>(in.constData());
    size_t inLeft = size_t(in.size());
    char* outp = out.data();
    size_t outLeft = size_t(out.size());
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1) || inLeft != 0)
        return std::nullopt;
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

QByteArray utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    const QString text = Cp932::decode(bytes);
    Fuzz::require(text.size() <= bytes.size(), "at most one character per byte");
    const QByteArray encoded = Cp932::encode(text);

    if (const std::optional<QByteArray> reference = iconvConvert(Way::Decode, bytes)) {
        Fuzz::require(utf16(text) == *reference, "valid bytes decode as iconv decodes them");
        const std::optional<QByteArray> back = iconvConvert(Way::Encode, *reference);
        Fuzz::require(back && encoded == *back, "decoded text encodes as iconv encodes it");
        Fuzz::require(*back != bytes || encoded == bytes, "valid text gives back the same bytes");
    }

    // What the encoder writes decodes to the text, with "?" for what has no CP932 form.
    QString expected = text;
    expected.replace(QChar(0xFFFD), QLatin1Char('?'));
    Fuzz::require(Cp932::decode(encoded) == expected, "encoded text decodes back");

    qsizetype length = 0;
    for (const QChar c : text)
        length += Cp932::byteLength(c.unicode());
    Fuzz::require(length == encoded.size(), "byteLength adds up to the encoded size");
    for (const qsizetype limit : {qsizetype(0), qsizetype(1), encoded.size() / 2, encoded.size() - 1}) {
        if (limit < 0)
            continue;
        const qsizetype n = Cp932::prefixFittingBytes(text, limit);
        Fuzz::require(Cp932::encode(QStringView(text).first(n)).size() <= limit, "the prefix fits");
        Fuzz::require(n == text.size() || Cp932::encode(QStringView(text).first(n + 1)).size() > limit,
                      "the prefix is the longest that fits");
    }
    return 0;
}
