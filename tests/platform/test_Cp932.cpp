#include "platform/Cp932.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kReplacement = 0xFFFD;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

qsizetype encodedSize(QStringView text) { return Cp932::encode(text).size(); }

TEST(Cp932, EveryCharacterRoundTrips)
{
    int singles = 0;
    for (int b = 0; b < 256; ++b) {
        const QString ch = Cp932::decode(bytes({b}));
        ASSERT_EQ(ch.size(), 1) << "byte " << b;
        if (ch[0] == QChar(kReplacement))
            continue;
        ++singles;
        EXPECT_EQ(Cp932::decode(Cp932::encode(ch)), ch) << "byte " << b;
        EXPECT_EQ(Cp932::byteLength(ch[0].unicode()), 1) << "byte " << b;
    }
    int doubles = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QString ch = Cp932::decode(bytes({lead, trail}));
            if (ch.size() != 1 || ch[0] == QChar(kReplacement))
                continue;
            ++doubles;
            const QByteArray back = Cp932::encode(ch);
            ASSERT_EQ(back.size(), 2) << std::hex << lead << ' ' << trail;
            EXPECT_EQ(Cp932::decode(back), ch) << std::hex << lead << ' ' << trail;
            EXPECT_EQ(Cp932::byteLength(ch[0].unicode()), 2) << std::hex << lead << ' ' << trail;
        }
    }
    // ASCII plus the 63 half-width katakana; the double-byte table has well over 7000 characters.
    EXPECT_EQ(singles, 128 + 63);
    EXPECT_GT(doubles, 7000);
}

TEST(Cp932, CharactersTheStoredFilesNeed)
{
    struct Case {
        const char* label;
        QByteArray code;
        QString text;
    };
    const Case cases[] = {
        {"fullwidth reverse solidus", bytes({0x81, 0x5F}), u"＼"_s},
        {"fullwidth tilde", bytes({0x81, 0x60}), u"～"_s},
        {"fullwidth solidus", bytes({0x81, 0x5E}), u"／"_s},
        {"ideographic space", bytes({0x81, 0x40}), u"　"_s},
        {"backslash", bytes({0x5C}), u"\\"_s},
        {"tilde", bytes({0x7E}), u"~"_s},
        {"circled one", bytes({0x87, 0x40}), u"①"_s},
        {"half-width a", bytes({0xB1}), u"ｱ"_s},
        {"trail byte 5C", bytes({0x83, 0x5C}), u"ソ"_s},
        {"trail byte 5B", bytes({0x81, 0x5B}), u"ー"_s},
        {"trail byte 5D", bytes({0x95, 0x5D}), u"評"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cp932::decode(c.code), c.text) << c.label;
        EXPECT_EQ(Cp932::encode(c.text), c.code) << c.label;
    }
    EXPECT_EQ(Cp932::encode(u"😀"_s), QByteArray("??")) << "a surrogate pair has no CP932 form";
}

TEST(Cp932, InvalidBytesDecodeLeniently)
{
    struct Case {
        const char* label;
        QByteArray input;
        QString expected;
    };
    const Case cases[] = {
        {"final lone lead byte", "ab" + bytes({0x82}), u"ab\uFFFD"_s},
        {"lead byte before a line end", bytes({0x82, 0x0D, 0x0A}) + "x", u"\uFFFD\r\nx"_s},
        {"lead byte before a blank", bytes({0x81, 0x20}), u"\uFFFD "_s},
        {"lead byte before DEL", bytes({0x81, 0x7F}), u"\uFFFD\u007F"_s},
        {"byte 0x80", bytes({0x41, 0x80, 0x42}), u"A\uFFFDB"_s},
        {"bytes above 0xFC", bytes({0xFD, 0xFE, 0xFF}), u"\uFFFD\uFFFD\uFFFD"_s},
        {"NUL bytes", QByteArray("a\0b", 3), QString(u"a\0b"_s)},
        {"empty", QByteArray(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Cp932::decode(c.input), c.expected) << c.label;
}

TEST(Cp932, RandomBytesKeepTheirLineStructure)
{
    // The profile writer relies on CR and LF surviving any decode one for one.
    QRandomGenerator rng(932);
    for (int round = 0; round < 200; ++round) {
        QByteArray input(rng.bounded(1, 4000), Qt::Uninitialized);
        for (char& b : input)
            b = char(rng.bounded(256));
        const QString out = Cp932::decode(input);
        EXPECT_GE(out.size(), (input.size() + 1) / 2);
        EXPECT_LE(out.size(), input.size());
        EXPECT_EQ(out.count(u'\r'), input.count('\r'));
        EXPECT_EQ(out.count(u'\n'), input.count('\n'));
    }
}

TEST(Cp932, PrefixNeverSplitsACharacter)
{
    const QString mixed = u"aソ表ｱ①b　～c＼"_s;
    for (qsizetype maxBytes = 0; maxBytes <= encodedSize(mixed) + 2; ++maxBytes) {
        const qsizetype n = Cp932::prefixFittingBytes(mixed, maxBytes);
        ASSERT_LE(n, mixed.size());
        EXPECT_LE(encodedSize(QStringView(mixed).first(n)), maxBytes) << maxBytes;
        if (n < mixed.size()) {
            EXPECT_GT(encodedSize(QStringView(mixed).first(n + 1)), maxBytes) << maxBytes;
        }
    }
    // The long-text path, where the count walks the characters.
    const QString wide = u"a"_s + QString(3000, u'あ');
    EXPECT_EQ(Cp932::prefixFittingBytes(wide, 4095), 2048);
    EXPECT_EQ(Cp932::prefixFittingBytes(wide, 4094), 2047);
    EXPECT_EQ(Cp932::prefixFittingBytes(QString(5000, u'x'), 4095), 4095);
}

}  // namespace
