#include "platform/Cp932.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytes(int first, int second = -1)
{
    return second < 0 ? QByteArray(1, char(first)) : QByteArray(1, char(first)) + char(second);
}

// Round trips of valid text against the system's converter are the CP932 fuzzer's.
TEST(Cp932, CharactersTheStoredFilesNeed)
{
    const std::pair<QByteArray, QString> cases[] = {
        {bytes(0x81, 0x5F), u"＼"_s}, {bytes(0x81, 0x60), u"～"_s}, {bytes(0x81, 0x5E), u"／"_s},
        {bytes(0x81, 0x40), u"　"_s}, {bytes(0x5C), u"\\"_s},       {bytes(0x7E), u"~"_s},
        {bytes(0x87, 0x40), u"①"_s}, {bytes(0xB1), u"ｱ"_s},         {bytes(0x83, 0x5C), u"ソ"_s},
        {bytes(0x81, 0x5B), u"ー"_s}, {bytes(0x95, 0x5D), u"評"_s},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(std::pair(Cp932::decode(code), Cp932::encode(text)), std::pair(text, code)) << text.toStdString();
    EXPECT_EQ(Cp932::encode(u"😀"_s), QByteArray("??")) << "a surrogate pair has no CP932 form";
}

TEST(Cp932, InvalidBytesDecodeLeniently)
{
    const std::tuple<const char*, QByteArray, QString> cases[] = {
        {"final lone lead byte", "ab" + bytes(0x82), u"ab\uFFFD"_s},
        {"lead byte before a line end", bytes(0x82, 0x0D) + "\nx", u"\uFFFD\r\nx"_s},
        {"lead byte before a blank", bytes(0x81, 0x20), u"\uFFFD "_s},
        {"lead byte before DEL", bytes(0x81, 0x7F), u"\uFFFD\u007F"_s},
        {"byte 0x80", "A" + bytes(0x80) + "B", u"A\uFFFDB"_s},
        {"bytes above 0xFC", bytes(0xFD, 0xFE) + bytes(0xFF), u"\uFFFD\uFFFD\uFFFD"_s},
        {"NUL bytes", QByteArray("a\0b", 3), QString(u"a\0b"_s)},
        {"empty", QByteArray(), QString()},
    };
    for (const auto& [label, input, expected] : cases)
        EXPECT_EQ(Cp932::decode(input), expected) << label;

    // A large text is decoded in two halves on two threads: as on one.
    const QByteArray large = (bytes(0x82, 0xA0) + "k\r" + bytes(0x82) + "\n" + bytes(0x93, 0xFA)).repeated(600000);
    EXPECT_EQ(Cp932::decode(large), Cp932::decode(large.constData(), large.size(), 1));
}

}  // namespace
