// Metafile text: UTF-8 from the engine, stored in the Western Windows code page.

#include "WmfWriter.h"

#include "Windows1252.h"
#include <optional>

namespace kestran {

namespace {

char ToCp1252(char32_t cp) {
    // Control characters would end the string early in some players; the code page's unassigned
    // bytes have no glyph to show.
    if (cp < 0x20)
        return '?';
    const std::optional<std::uint8_t> byte = codepage::CharToWindows1252(cp);
    return byte && codepage::Windows1252Assigns(*byte) ? char(*byte) : '?';
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns U+FFFD for a malformed sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = std::uint8_t(text[i++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (std::uint8_t(text[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (std::uint8_t(text[i++]) & 0x3F);
    }
    return cp;
}

} // namespace

std::string WmfWriter::ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size())
        out.push_back(ToCp1252(NextCodePoint(utf8, i)));
    return out;
}

} // namespace kestran
