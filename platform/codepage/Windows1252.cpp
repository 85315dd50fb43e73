#include "Windows1252.h"

#include <array>
#include <cstddef>

namespace codepage {

namespace {

// The characters of the bytes 0x80..0x9F; the rest of the code page equals Latin-1. The
// unassigned bytes hold their own C1 control.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsHigh(char32_t value) {
    return value >= 0x80 && value < 0xA0;
}

} // namespace

char16_t Windows1252ToChar(std::uint8_t byte) {
    return IsHigh(byte) ? kHighControls[byte - 0x80] : char16_t(byte);
}

std::optional<std::uint8_t> CharToWindows1252(char32_t ch) {
    if (ch <= 0xFF && !IsHigh(ch)) {
        return static_cast<std::uint8_t>(ch);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

bool Windows1252Assigns(std::uint8_t byte) {
    return !IsHigh(byte) || kHighControls[byte - 0x80] != char16_t(byte);
}

} // namespace codepage
