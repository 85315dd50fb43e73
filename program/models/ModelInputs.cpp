#include "ModelInputs.h"

#include <cctype>

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool SameLetters(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != upper[i])
            return false;
    }
    return true;
}

} // namespace

AreaType ParseAreaType(std::string_view text) {
    const std::string_view key = Trimmed(text);
    if (SameLetters(key, "URBAN"))
        return AreaType::Urban;
    if (SameLetters(key, "SUBURBAN"))
        return AreaType::Suburban;
    if (SameLetters(key, "OPEN"))
        return AreaType::Open;
    return AreaType::Other;
}

CitySize ParseCitySize(std::string_view text) {
    return Trimmed(text) == "Large" ? CitySize::Large : CitySize::SmallMedium;
}
