#include "Windows1252.h"

#include <gtest/gtest.h>

using namespace codepage;

namespace {

struct CodePoint {
    std::uint8_t byte;
    char16_t ch;
    bool assigned;
};

// From the published Windows-1252 table.
constexpr CodePoint kCodePoints[] = {
    {0x00, 0x0000, true},  {0x41, 0x0041, true},  {0x7F, 0x007F, true}, {0x80, 0x20AC, true},
    {0x81, 0x0081, false}, {0x82, 0x201A, true},  {0x8A, 0x0160, true}, {0x8D, 0x008D, false},
    {0x8F, 0x008F, false}, {0x90, 0x0090, false}, {0x96, 0x2013, true}, {0x97, 0x2014, true},
    {0x99, 0x2122, true},  {0x9D, 0x009D, false}, {0x9F, 0x0178, true}, {0xA0, 0x00A0, true},
    {0xE9, 0x00E9, true},  {0xFF, 0x00FF, true},
};

} // namespace

TEST(Windows1252, MapsBytesAndCharactersBothWays) {
    for (const CodePoint& c : kCodePoints) {
        EXPECT_EQ(Windows1252ToChar(c.byte), c.ch) << int(c.byte);
        EXPECT_EQ(CharToWindows1252(c.ch), c.byte) << int(c.byte);
        EXPECT_EQ(Windows1252Assigns(c.byte), c.assigned) << int(c.byte);
    }
}

TEST(Windows1252, EveryByteReadsBackAsItself) {
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(CharToWindows1252(Windows1252ToChar(std::uint8_t(b))), b);
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageHaveNoByte) {
    for (const char32_t ch : {char32_t(0x0080), char32_t(0x009F), char32_t(0x0100), char32_t(0x0411),
                              char32_t(0x2015), char32_t(0xFFFD), char32_t(0x1F600)}) {
        EXPECT_FALSE(CharToWindows1252(ch).has_value()) << unsigned(ch);
    }
}
