#include "ChartDescription.h"

#include "ChartDispatch.h"
#include "ScalarProperties.h"

#include <VariantChange.h>

#include <cmath>
#include <limits>
#include <vector>

namespace chartstate {

namespace {

using automation::Variant;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',', start)) {
        parts.push_back(Trimmed(text.substr(start, comma - start)));
        start = comma + 1;
    }
    parts.push_back(Trimmed(text.substr(start)));
    return parts;
}

std::optional<Variant> Number(std::string_view text) {
    double value = 0;
    if (text.empty() || automation::ParseNumber(text, value) != automation::ChangeStatus::Ok) {
        return std::nullopt;
    }
    const bool whole = std::floor(value) == value && text.find_first_of(".eE") == std::string_view::npos;
    if (whole && value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        return Variant::I4(static_cast<std::int32_t>(value));
    }
    return Variant::R8(value);
}

std::optional<Variant> Colour(std::string_view text) {
    constexpr std::string_view kOpen = "RGB(";
    if (text.substr(0, kOpen.size()) != kOpen || text.back() != ')') {
        return std::nullopt;
    }
    const auto parts = SplitCommas(text.substr(kOpen.size(), text.size() - kOpen.size() - 1));
    if (parts.size() != 3) {
        return std::nullopt;
    }
    std::int32_t colour = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto part = Number(parts[i]);
        if (!part || part->vt() != automation::VT_I4 || part->AsI4() < 0 || part->AsI4() > 255) {
            return std::nullopt;
        }
        colour |= part->AsI4() << (8 * i);
    }
    return Variant::I4(colour);
}

std::optional<Variant> Value(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        const std::string_view inner = text.substr(1, text.size() - 2);
        if (inner.find('"') != std::string_view::npos) {
            return std::nullopt;
        }
        return Variant::Str(std::string(inner));
    }
    if (text == "True" || text == "False") {
        return Variant::Bool(text == "True");
    }
    if (auto colour = Colour(text)) {
        return colour;
    }
    return Number(text);
}

// The dispatch id of a property by its automation name, or 0.
int DispidOf(std::string_view name) {
    for (const chart::ScalarProperty& p : chart::ScalarProperties()) {
        if (name == p.name) {
            return p.dispid;
        }
    }
    for (const chart::IndexedProperty& p : chart::IndexedProperties()) {
        if (name == p.name) {
            return p.dispid;
        }
    }
    return 0;
}

// "Name(items) = value" as the arguments of a property put; an error text when it is not one.
std::string ReadSetting(std::string_view line, int& dispid, std::vector<Variant>& args) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return "expected Name = value";
    }
    std::string_view target = Trimmed(line.substr(0, equals));
    std::string_view items;
    if (const auto open = target.find('('); open != std::string_view::npos) {
        if (target.back() != ')') {
            return "unclosed item list";
        }
        items = target.substr(open + 1, target.size() - open - 2);
        target = Trimmed(target.substr(0, open));
    }
    dispid = DispidOf(target);
    if (dispid == 0) {
        return "no property named " + std::string(target);
    }
    if (!items.empty()) {
        for (std::string_view item : SplitCommas(items)) {
            const auto index = Number(item);
            if (!index || index->vt() != automation::VT_I4) {
                return "item number expected: " + std::string(item);
            }
            args.push_back(*index);
        }
    }
    const auto value = Value(Trimmed(line.substr(equals + 1)));
    if (!value) {
        return "value expected: a number, True, False, RGB(r, g, b) or a text in quotes";
    }
    args.push_back(*value);
    return {};
}

} // namespace

std::optional<DescriptionError> ApplyChartDescription(std::string_view text, chart::CChartModel& model) {
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        int dispid = 0;
        std::vector<Variant> args;
        std::string error = ReadSetting(line, dispid, args);
        if (error.empty()) {
            const automation::HRESULT hr =
                chart::InvokeProperty(model, dispid, automation::InvokeKind::PropertyPut, args, nullptr);
            if (hr != automation::S_OK) {
                error = "the control refuses this setting (wrong item count, item or value)";
            }
        }
        if (!error.empty()) {
            return DescriptionError{number, error};
        }
    }
    return std::nullopt;
}

} // namespace chartstate
