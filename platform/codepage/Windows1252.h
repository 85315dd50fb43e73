#pragma once
// The Western Windows code page (Windows-1252), in which property streams keep their strings, RTF
// files name with \ansicpg1252, the log's plain text is exported and metafiles store their text.
// Header only: streams convert every character of every string, so the conversions inline.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace codepage {

namespace detail {

// The characters of the bytes 0x80..0x9F; the rest of the code page equals Latin-1. The
// unassigned bytes hold their own C1 control.
inline constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr bool IsHigh(char32_t value) {
    return value >= 0x80 && value < 0xA0;
}

} // namespace detail

// The character of a byte. The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) give the C1 control of the same value, so any stored byte reads back without loss.
constexpr char16_t Windows1252ToChar(std::uint8_t byte) {
    return detail::IsHigh(byte) ? detail::kHighControls[byte - 0x80] : char16_t(byte);
}

// The byte of a character, or none when the code page lacks it. The C1 controls of the five
// unassigned bytes give those bytes back.
constexpr std::optional<std::uint8_t> CharToWindows1252(char32_t ch) {
    if (ch <= 0xFF && !detail::IsHigh(ch)) {
        return static_cast<std::uint8_t>(ch);
    }
    for (std::size_t i = 0; i < detail::kHighControls.size(); ++i) {
        if (detail::kHighControls[i] == ch) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

// False for the five bytes the code page leaves unassigned.
constexpr bool Windows1252Assigns(std::uint8_t byte) {
    return !detail::IsHigh(byte) || detail::kHighControls[byte - 0x80] != char16_t(byte);
}

} // namespace codepage
