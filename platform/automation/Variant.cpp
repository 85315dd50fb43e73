#include "Variant.h"

#include <array>
#include <charconv>

namespace automation {

namespace {

// The tag of each alternative of the storage, in its order.
constexpr std::array<VarType, 12> kTags = {
    VT_EMPTY,
    VT_I2,
    VT_I4,
    VT_R8,
    VT_BOOL,
    VT_BSTR,
    VT_ARRAY | VT_R8,
    VT_BYREF | VT_I2,
    VT_BYREF | VT_I4,
    VT_BYREF | VT_R8,
    VT_BYREF | VT_BOOL,
    VT_BYREF | VT_BSTR,
};

std::string NumberText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

VarType Variant::vt() const {
    return kTags[value_.index()];
}

template <class T> const T& Variant::Get() const {
    if (const auto* target = std::get_if<T*>(&value_)) {
        return **target;
    }
    return std::get<T>(value_);
}

double* Variant::R8Target() const {
    const auto* target = std::get_if<double*>(&value_);
    return target != nullptr ? *target : nullptr;
}
std::int32_t* Variant::I4Target() const {
    const auto* target = std::get_if<std::int32_t*>(&value_);
    return target != nullptr ? *target : nullptr;
}

std::int16_t Variant::AsI2() const {
    return Get<std::int16_t>();
}
std::int32_t Variant::AsI4() const {
    return Get<std::int32_t>();
}
double Variant::AsR8() const {
    return Get<double>();
}
bool Variant::AsBool() const {
    return Get<bool>();
}
const std::string& Variant::AsStr() const {
    return Get<std::string>();
}
const std::vector<double>& Variant::AsR8Array() const {
    return std::get<std::vector<double>>(value_);
}

Variant Variant::Dereferenced() const {
    return std::visit(
        [](const auto& held) -> Variant {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_pointer_v<T>) {
                return Variant(*held);
            } else {
                Variant copy;
                copy.value_ = held;
                return copy;
            }
        },
        value_);
}

bool Variant::StoreThrough(const Variant& value) const {
    return std::visit(
        [&value](const auto& held) {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_pointer_v<T>) {
                using Target = std::remove_pointer_t<T>;
                if (const auto* source = std::get_if<Target>(&value.value_)) {
                    *held = *source;
                    return true;
                }
            }
            return false;
        },
        value_);
}

std::string Describe(const Variant& value) {
    const Variant plain = value.Dereferenced();
    const std::string ref = value.IsByRef() ? "BYREF " : "";
    switch (plain.vt()) {
    case VT_EMPTY:
        return "EMPTY";
    case VT_I2:
        return ref + "I2 " + std::to_string(plain.AsI2());
    case VT_I4:
        return ref + "I4 " + std::to_string(plain.AsI4());
    case VT_R8:
        return ref + "R8 " + NumberText(plain.AsR8());
    case VT_BOOL:
        return ref + (plain.AsBool() ? "BOOL True" : "BOOL False");
    case VT_BSTR:
        return ref + "BSTR \"" + plain.AsStr() + "\"";
    default:
        return "R8 ARRAY of " + std::to_string(plain.AsR8Array().size());
    }
}

} // namespace automation
