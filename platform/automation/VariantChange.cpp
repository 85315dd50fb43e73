#include "VariantChange.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace automation {

namespace {

Changed Fail(ChangeStatus status) {
    return Changed{status, Variant()};
}

Changed Done(Variant value) {
    return Changed{ChangeStatus::Ok, std::move(value)};
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Only the characters of a plain decimal number; from_chars alone would also take "inf" and "nan".
bool IsDecimalNumberText(std::string_view text) {
    std::size_t i = 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i == text.size()) {
        return true;
    }
    if (text[i] != 'e' && text[i] != 'E') {
        return false;
    }
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    if (i == text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}

// The power of ten just above a plain decimal number's leading digit ("123" 3, "0.5" 0, "0.01" -1),
// exponent included: tells an underflow from an overflow when the number does not fit a double.
long DecimalMagnitude(std::string_view text) {
    const std::size_t exponentAt = std::min(text.find_first_of("eE"), text.size());
    const std::string_view mantissa = text.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    long magnitude = first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
    if (exponentAt < text.size()) {
        std::string_view digits = text.substr(exponentAt + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            digits.remove_prefix(1);
        }
        constexpr long kLimit = 1L << 30;
        long exponent = 0;
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc() ||
            exponent > kLimit) {
            exponent = kLimit;
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

// Rounds half to even and checks the range of the integer type.
template <class Int> ChangeStatus ToInteger(double value, Int& result) {
    if (std::isnan(value)) {
        return ChangeStatus::Overflow;
    }
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return ChangeStatus::Overflow;
    }
    result = static_cast<Int>(rounded);
    return ChangeStatus::Ok;
}

// The numeric value of a source for a conversion to a number.
ChangeStatus NumericValue(const Variant& source, double& value) {
    switch (source.vt()) {
    case VT_EMPTY:
        value = 0;
        return ChangeStatus::Ok;
    case VT_I2:
        value = source.AsI2();
        return ChangeStatus::Ok;
    case VT_I4:
        value = source.AsI4();
        return ChangeStatus::Ok;
    case VT_R8:
        value = source.AsR8();
        return ChangeStatus::Ok;
    case VT_BOOL:
        value = source.AsBool() ? VARIANT_TRUE : VARIANT_FALSE;
        return ChangeStatus::Ok;
    case VT_BSTR:
        return ParseNumber(source.AsStr(), value);
    default:
        return ChangeStatus::TypeMismatch;
    }
}

std::string DoubleText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

Changed ToBool(const Variant& source) {
    if (source.vt() == VT_BSTR) {
        const std::string_view name = Trimmed(source.AsStr());
        if (EqualsIgnoringCase(name, "True")) {
            return Done(Variant::Bool(true));
        }
        if (EqualsIgnoringCase(name, "False")) {
            return Done(Variant::Bool(false));
        }
    }
    double value = 0;
    const ChangeStatus status = NumericValue(source, value);
    if (status != ChangeStatus::Ok) {
        return Fail(status);
    }
    return Done(Variant::Bool(value != 0));
}

template <class Int> Changed ToIntegerVariant(const Variant& source) {
    double value = 0;
    ChangeStatus status = NumericValue(source, value);
    Int result = 0;
    if (status == ChangeStatus::Ok) {
        status = ToInteger(value, result);
    }
    if (status != ChangeStatus::Ok) {
        return Fail(status);
    }
    if constexpr (sizeof(Int) == 2) {
        return Done(Variant::I2(result));
    } else {
        return Done(Variant::I4(result));
    }
}

Changed ToDouble(const Variant& source) {
    double value = 0;
    const ChangeStatus status = NumericValue(source, value);
    if (status != ChangeStatus::Ok) {
        return Fail(status);
    }
    return Done(Variant::R8(value));
}

} // namespace

std::int32_t ResultCode(ChangeStatus status) {
    switch (status) {
    case ChangeStatus::Ok:
        return S_OK;
    case ChangeStatus::TypeMismatch:
        return DISP_E_TYPEMISMATCH;
    case ChangeStatus::Overflow:
        return DISP_E_OVERFLOW;
    }
    return DISP_E_TYPEMISMATCH;
}

ChangeStatus ParseNumber(std::string_view text, double& value) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsDecimalNumberText(text)) {
        return ChangeStatus::TypeMismatch;
    }
    double parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is an overflow.
        if (DecimalMagnitude(text) <= 0) {
            value = 0;
            return ChangeStatus::Ok;
        }
        return ChangeStatus::Overflow;
    }
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return ChangeStatus::TypeMismatch;
    }
    value = negative ? -parsed : parsed;
    return ChangeStatus::Ok;
}

Changed ToText(const Variant& source) {
    switch (source.vt()) {
    case VT_EMPTY:
        return Done(Variant::Str(""));
    case VT_I2:
        return Done(Variant::Str(std::to_string(source.AsI2())));
    case VT_I4:
        return Done(Variant::Str(std::to_string(source.AsI4())));
    case VT_R8:
        return Done(Variant::Str(DoubleText(source.AsR8())));
    case VT_BOOL:
        return Done(Variant::Str(source.AsBool() ? "True" : "False"));
    case VT_BSTR:
        return Done(Variant::Str(source.AsStr()));
    default:
        return Fail(ChangeStatus::TypeMismatch);
    }
}

Changed ChangeType(const Variant& source, VarType target) {
    const Variant plain = source.Dereferenced();
    switch (target) {
    case VT_EMPTY:
        return Done(Variant());
    case VT_I2:
        return ToIntegerVariant<std::int16_t>(plain);
    case VT_I4:
        return ToIntegerVariant<std::int32_t>(plain);
    case VT_R8:
        return ToDouble(plain);
    case VT_BOOL:
        return ToBool(plain);
    case VT_BSTR:
        return ToText(plain);
    default:
        return Fail(ChangeStatus::TypeMismatch);
    }
}

} // namespace automation
