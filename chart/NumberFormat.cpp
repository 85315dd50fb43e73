#include "NumberFormat.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace chart {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Literal text up to the next lone '%', with "%%" read as '%'. pos ends on the '%' or at the end.
std::string ReadLiteral(std::string_view format, std::size_t& pos) {
    std::string literal;
    while (pos < format.size()) {
        if (format[pos] != '%') {
            literal += format[pos++];
        } else if (pos + 1 < format.size() && format[pos + 1] == '%') {
            literal += '%';
            pos += 2;
        } else {
            break;
        }
    }
    return literal;
}

bool ReadField(std::string_view format, std::size_t& pos, int& value) {
    value = 0;
    while (pos < format.size() && IsDigit(format[pos])) {
        value = value * 10 + (format[pos++] - '0');
        if (value > NumberFormat::kMaxField) {
            return false;
        }
    }
    return true;
}

std::string ToChars(double value, std::chars_format style, int precision) {
    std::vector<char> buffer(static_cast<std::size_t>(precision) + 400);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, style, precision);
    return std::string(buffer.data(), result.ptr);
}

int DecimalExponent(double magnitude, int precision) {
    const std::string scientific = ToChars(magnitude, std::chars_format::scientific, precision);
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    return exponent;
}

void StripTrailingZeros(std::string& body) {
    const std::size_t point = body.find('.');
    if (point == std::string::npos) {
        return;
    }
    const std::size_t exponent = body.find_first_of("eE", point);
    const std::size_t fractionEnd = exponent == std::string::npos ? body.size() : exponent;
    std::size_t keep = fractionEnd;
    while (keep > point + 1 && body[keep - 1] == '0') {
        --keep;
    }
    if (keep == point + 1) {
        keep = point;
    }
    body.erase(keep, fractionEnd - keep);
}

void EnsurePoint(std::string& body) {
    if (body.find('.') != std::string::npos) {
        return;
    }
    const std::size_t exponent = body.find_first_of("ep");
    body.insert(exponent == std::string::npos ? body.size() : exponent, 1, '.');
}

} // namespace

std::optional<NumberFormat> NumberFormat::Parse(std::string_view format) {
    NumberFormat result;
    if (format.empty()) {
        return result;
    }
    std::size_t pos = 0;
    result.prefix_ = ReadLiteral(format, pos);
    if (pos >= format.size()) {
        return std::nullopt; // no conversion at all
    }
    ++pos;
    for (; pos < format.size(); ++pos) {
        const char c = format[pos];
        if (c == '-') {
            result.left_ = true;
        } else if (c == '+') {
            result.plus_ = true;
        } else if (c == ' ') {
            result.space_ = true;
        } else if (c == '#') {
            result.alternate_ = true;
        } else if (c == '0') {
            result.zero_ = true;
        } else {
            break;
        }
    }
    if (!ReadField(format, pos, result.width_)) {
        return std::nullopt;
    }
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        if (!ReadField(format, pos, result.precision_)) {
            return std::nullopt;
        }
    }
    if (pos < format.size() && format[pos] == 'l') {
        ++pos;
    }
    if (pos >= format.size() || std::string_view("fFeEgGaA").find(format[pos]) == std::string_view::npos) {
        return std::nullopt;
    }
    result.conversion_ = format[pos++];
    result.suffix_ = ReadLiteral(format, pos);
    if (pos < format.size()) {
        return std::nullopt; // a second conversion
    }
    return result;
}

std::string NumberFormat::GeneralBody(double magnitude) const {
    const int precision = precision_ < 0 ? 6 : std::max(precision_, 1);
    const int exponent = magnitude == 0.0 ? 0 : DecimalExponent(magnitude, precision - 1);
    std::string body = (precision > exponent && exponent >= -4)
                           ? ToChars(magnitude, std::chars_format::fixed, precision - 1 - exponent)
                           : ToChars(magnitude, std::chars_format::scientific, precision - 1);
    if (alternate_) {
        EnsurePoint(body);
    } else {
        StripTrailingZeros(body);
    }
    return body;
}

std::string NumberFormat::Body(double magnitude) const {
    if (std::isinf(magnitude)) {
        return "inf";
    }
    if (std::isnan(magnitude)) {
        return "nan";
    }
    std::string body;
    switch (std::tolower(static_cast<unsigned char>(conversion_))) {
    case 'f':
        body = ToChars(magnitude, std::chars_format::fixed, precision_ < 0 ? 6 : precision_);
        break;
    case 'e':
        body = ToChars(magnitude, std::chars_format::scientific, precision_ < 0 ? 6 : precision_);
        break;
    case 'a':
        body = "0x" + (precision_ < 0 ? [&] {
            std::vector<char> buffer(64);
            const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                         std::chars_format::hex);
            return std::string(buffer.data(), r.ptr);
        }()
                                      : ToChars(magnitude, std::chars_format::hex, precision_));
        break;
    default:
        return GeneralBody(magnitude);
    }
    if (alternate_) {
        EnsurePoint(body);
    }
    return body;
}

void NumberFormat::Append(std::string& out, double value) const {
    std::string sign;
    if (std::signbit(value)) {
        sign = "-";
    } else if (plus_) {
        sign = "+";
    } else if (space_) {
        sign = " ";
    }
    std::string body = Body(std::fabs(value));
    if (std::isupper(static_cast<unsigned char>(conversion_))) {
        std::transform(body.begin(), body.end(), body.begin(),
                       [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    }
    const std::size_t length = sign.size() + body.size();
    const std::size_t pad = static_cast<std::size_t>(width_) > length ? width_ - length : 0;
    out += prefix_;
    if (left_) {
        out += sign + body + std::string(pad, ' ');
    } else if (zero_ && std::isfinite(value)) {
        // Zeros go after the sign and a hexadecimal prefix.
        const std::size_t prefix = body.rfind("0x", 0) == 0 || body.rfind("0X", 0) == 0 ? 2 : 0;
        out += sign + body.substr(0, prefix) + std::string(pad, '0') + body.substr(prefix);
    } else {
        out += std::string(pad, ' ') + sign + body;
    }
    out += suffix_;
}

std::string NumberFormat::Format(double value) const {
    std::string out;
    Append(out, value);
    return out;
}

} // namespace chart
