#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace numtext {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number that starts at text[pos]: sign, digits with at most one point (at least
// one digit), then an exponent only when it has digits. 0 when no number starts there.
std::size_t numberLength(std::string_view text, std::size_t pos) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i - pos;
}

// Rough power of ten of an unsigned number text: where its first significant digit stands.
long decimalMagnitude(std::string_view number) {
    long magnitude = 0;
    std::size_t i = 0;
    bool seenPoint = false;
    bool significant = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            seenPoint = true;
        } else if (number[i] != '0' || significant) {
            significant = true;
            if (!seenPoint)
                ++magnitude;
        } else if (seenPoint) {
            --magnitude;
        }
    }
    long exponent = 0;
    if (i + 1 < number.size()) {
        std::string_view e = number.substr(i + 1);
        const bool negative = e[0] == '-';
        if (e[0] == '+' || e[0] == '-')
            e.remove_prefix(1);
        if (e.size() > 6) // far beyond any double either way
            return negative ? -100000 : 100000;
        std::from_chars(e.data(), e.data() + e.size(), exponent);
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent;
}

// Converts a number text already checked by numberLength. from_chars refuses a leading '+'.
std::optional<double> convert(std::string_view number) {
    const bool negative = !number.empty() && number[0] == '-';
    if (!number.empty() && (number[0] == '+' || number[0] == '-'))
        number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small rounds to zero; too large becomes infinity, which every range check refuses.
        value = decimalMagnitude(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// A value as 15 significant decimal digits and the power of ten of the first one.
struct Decimal {
    std::array<char, 15> digits{};
    int exponent = 0;
    bool negative = false;
};

Decimal toDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    // buffer holds "d.ddddddddddddde+XX"
    std::size_t k = 0;
    const char* p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (isDigit(*p) && k < d.digits.size())
            d.digits[k++] = *p;
    }
    int exponent = 0;
    if (p != result.ptr)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, exponent);
    d.exponent = exponent;
    return d;
}

// Digits of |value| rounded half away from zero to `decimals` places, taken from its
// 15-significant-digit form: integer digits (no leading zeros, "" for zero) and fraction digits.
struct Rounded {
    std::string integer;
    std::string fraction;
    bool isZero = true;
};

Rounded roundDecimal(const Decimal& d, int decimals) {
    // Place digit i of the 15 at the position 10^(exponent - i); keep positions >= 10^-decimals.
    const int lowest = -decimals;
    const int highest = std::max(d.exponent, 0);
    std::string all(static_cast<std::size_t>(highest - lowest + 1), '0'); // positions highest..lowest
    bool roundUp = false;
    for (int i = 0; i < 15; ++i) {
        const int position = d.exponent - i;
        if (position >= lowest) {
            all[static_cast<std::size_t>(highest - position)] = d.digits[static_cast<std::size_t>(i)];
        } else if (position == lowest - 1) {
            roundUp = d.digits[static_cast<std::size_t>(i)] >= '5';
            break;
        } else {
            break;
        }
    }
    if (roundUp) {
        std::size_t i = all.size();
        while (i > 0) {
            --i;
            if (all[i] == '9') {
                all[i] = '0';
            } else {
                ++all[i];
                break;
            }
            if (i == 0)
                all.insert(all.begin(), '1');
        }
    }
    Rounded r;
    const std::size_t fractionStart = all.size() - static_cast<std::size_t>(decimals);
    r.integer = all.substr(0, fractionStart);
    r.fraction = all.substr(fractionStart);
    const std::size_t firstNonZero = r.integer.find_first_not_of('0');
    r.integer = firstNonZero == std::string::npos ? std::string() : r.integer.substr(firstNonZero);
    r.isZero = r.integer.empty() && r.fraction.find_first_not_of('0') == std::string::npos;
    return r;
}

std::string nonFinite(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

} // namespace

double Val(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const std::size_t length = numberLength(text, pos);
    if (length == 0)
        return 0.0;
    return convert(text.substr(pos, length)).value_or(0.0);
}

std::optional<double> StrictNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    const std::size_t length = numberLength(text, 0);
    if (length == 0 || length != text.size())
        return std::nullopt;
    const std::optional<double> value = convert(text);
    if (value && !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::string Format(double value, std::string_view pattern) {
    if (!std::isfinite(value))
        return nonFinite(value);

    const bool percent = pattern.find('%') != std::string_view::npos;
    if (percent)
        value *= 100.0;

    // Split the pattern at its decimal point into digit placeholders; other characters are literal
    // text kept in place (only "%" occurs in the program's patterns).
    const std::size_t point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    const std::string_view fractionPart =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    int minInteger = 0;
    for (char c : integerPart)
        minInteger += c == '0';
    int minFraction = 0;
    int maxFraction = 0;
    for (char c : fractionPart) {
        if (c == '0')
            minFraction = ++maxFraction;
        else if (c == '#')
            ++maxFraction;
    }

    const Rounded r = roundDecimal(toDecimal(value), maxFraction);
    std::string integer = r.integer;
    if (static_cast<int>(integer.size()) < minInteger)
        integer.insert(0, static_cast<std::size_t>(minInteger) - integer.size(), '0');
    std::string fraction = r.fraction;
    while (static_cast<int>(fraction.size()) > minFraction && fraction.back() == '0')
        fraction.pop_back();

    std::string out;
    if (value < 0 && !r.isZero)
        out += '-';
    out += integer;
    if (point != std::string_view::npos)
        out += '.' + fraction;
    if (percent)
        out += '%';
    return out;
}

std::string FormatText(std::string_view text, std::string_view pattern) {
    std::size_t width = 0;
    for (char c : pattern)
        width += c == '@';
    const bool leftAligned = pattern.find('!') != std::string_view::npos;
    if (text.size() >= width)
        return std::string(text);
    const std::string padding(width - text.size(), ' ');
    return leftAligned ? std::string(text) + padding : padding + std::string(text);
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string FormatDate(const std::tm& when, std::string_view pattern) {
    auto two = [](int v) {
        char b[3] = {static_cast<char>('0' + (v / 10) % 10), static_cast<char>('0' + v % 10), 0};
        return std::string(b);
    };
    std::string out;
    bool afterHour = false;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::string_view rest = pattern.substr(i);
        if (rest.substr(0, 5) == "am/pm" || rest.substr(0, 5) == "AM/PM") {
            const bool upper = rest[0] == 'A';
            out += when.tm_hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
            i += 5;
        } else if (rest.substr(0, 4) == "yyyy") {
            out += std::to_string(when.tm_year + 1900);
            i += 4;
        } else if (rest.substr(0, 2) == "mm") {
            out += afterHour ? two(when.tm_min) : two(when.tm_mon + 1);
            afterHour = false;
            i += 2;
        } else if (rest.substr(0, 2) == "dd") {
            out += two(when.tm_mday);
            i += 2;
        } else if (rest.substr(0, 2) == "hh") {
            const bool twelveHour = pattern.find("am/pm") != std::string_view::npos ||
                                    pattern.find("AM/PM") != std::string_view::npos;
            int hour = when.tm_hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += two(hour);
            afterHour = true;
            i += 2;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

std::string ShortestText(double value) {
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0)
        return "0";
    const Decimal d = toDecimal(value);
    std::string digits(d.digits.begin(), d.digits.end());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = d.negative ? "-" : "";
    if (d.exponent >= 15 || d.exponent < -4) {
        out += digits[0];
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        const int e = std::abs(d.exponent);
        out += d.exponent < 0 ? "E-" : "E+";
        if (e < 10)
            out += '0';
        out += std::to_string(e);
        return out;
    }
    if (d.exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
        return out;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= integerDigits)
        return out + digits + std::string(integerDigits - digits.size(), '0');
    return out + digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

std::string RoundTripText(double value) {
    if (!std::isfinite(value))
        return nonFinite(value);
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace numtext
