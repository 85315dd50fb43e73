#pragma once
// The Western Windows code page (Windows-1252), in which property streams keep their strings, RTF
// files name with \ansicpg1252, the log's plain text is exported and metafiles store their text.

#include <cstdint>
#include <optional>

namespace codepage {

// The character of a byte. The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) give the C1 control of the same value, so any stored byte reads back without loss.
char16_t Windows1252ToChar(std::uint8_t byte);

// The byte of a character, or none when the code page lacks it. The C1 controls of the five
// unassigned bytes give those bytes back.
std::optional<std::uint8_t> CharToWindows1252(char32_t ch);

// False for the five bytes the code page leaves unassigned.
bool Windows1252Assigns(std::uint8_t byte);

} // namespace codepage
