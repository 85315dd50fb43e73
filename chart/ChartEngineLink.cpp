#include "ChartEngineLink.h"

#include <array>

namespace chart {

namespace {

constexpr std::int32_t Rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

constexpr std::array<std::int32_t, 20> kStandardPalette = {
    Rgb(0, 0, 0),       Rgb(0, 0, 128),   Rgb(0, 128, 0),     Rgb(0, 128, 128),   Rgb(128, 0, 0),
    Rgb(128, 0, 128),   Rgb(128, 128, 0), Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(0, 0, 255),
    Rgb(0, 255, 0),     Rgb(0, 255, 255), Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),
    Rgb(255, 255, 255), Rgb(255, 128, 0), Rgb(128, 0, 255),   Rgb(0, 128, 255),   Rgb(128, 64, 0),
};

} // namespace

std::int32_t ChartEngineLink::PaletteColor(int code) const {
    return StandardPaletteColor(code);
}

std::int32_t ChartEngineLink::StandardPaletteColor(int code) {
    if (code < 0 || code >= static_cast<int>(kStandardPalette.size())) {
        return 0;
    }
    return kStandardPalette[static_cast<std::size_t>(code)];
}

} // namespace chart
