#include "GraphInputs.h"

#include "NumberText.h"
#include "UnitConversion.h"

#include <algorithm>
#include <cctype>

std::optional<ModelInputs> ModelInputsOf(const GraphInputs& inputs) {
    const auto freq = numtext::StrictNumber(inputs.freq);
    const auto hb = numtext::StrictNumber(inputs.hb);
    const auto hm = numtext::StrictNumber(inputs.hm);
    if (!freq || !hb || !hm) {
        return std::nullopt;
    }
    const auto metres = [&](double shown) {
        return inputs.english ? EnglishToMetric(shown, kMetresPerFoot) : shown;
    };
    ModelInputs numbers;
    numbers.f__mhz = *freq;
    numbers.h_b__meter = metres(*hb);
    numbers.h_m__meter = metres(*hm);
    numbers.area = ParseAreaType(inputs.area);
    numbers.city = ParseCitySize(inputs.city);
    numbers.time__percent = numtext::Val(inputs.pctTime);
    numbers.location__percent = numtext::Val(inputs.pctLoc);
    return numbers;
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

const char* HeightUnit(const GraphInputs& inputs) {
    return inputs.english ? "ft" : "m";
}

std::string KilowattText(double watts) {
    const double kilowatts = watts / 1000.0;
    const std::string text = numtext::Format(kilowatts, "###.##");
    const bool hasDigit =
        std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    return hasDigit ? text : numtext::ShortestText(kilowatts);
}
