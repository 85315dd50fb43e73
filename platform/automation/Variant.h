#pragma once
// The automation variant: a tagged value passed through dispatch interfaces and kept by the suite
// parameters. The tags keep the automation numbering (VT_I2 = 2, ...) so dispatch tables and
// stored type codes read as they do everywhere else.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace automation {

using VarType = std::uint16_t;

constexpr VarType VT_EMPTY = 0;
constexpr VarType VT_I2 = 2;
constexpr VarType VT_I4 = 3;
constexpr VarType VT_R8 = 5;
constexpr VarType VT_BSTR = 8;
constexpr VarType VT_BOOL = 11;
// Flags combined with a base type.
constexpr VarType VT_ARRAY = 0x2000;
constexpr VarType VT_BYREF = 0x4000;
constexpr VarType VT_TYPEMASK = 0x0fff;

// Automation Booleans as integers.
constexpr std::int16_t VARIANT_TRUE = -1;
constexpr std::int16_t VARIANT_FALSE = 0;

class Variant {
public:
    Variant() = default; // VT_EMPTY

    static Variant I2(std::int16_t value) { return Variant(value); }
    static Variant I4(std::int32_t value) { return Variant(value); }
    static Variant R8(double value) { return Variant(value); }
    static Variant Bool(bool value) { return Variant(value); }
    static Variant Str(std::string value) { return Variant(std::move(value)); }
    // An array of doubles (VT_ARRAY | VT_R8); its length is the vector's size.
    static Variant R8Array(std::vector<double> values) { return Variant(std::move(values)); }

    // By-reference forms point at the caller's storage, which must outlive the variant; a callee
    // writes its results through them.
    static Variant RefI2(std::int16_t& target) { return Variant(&target); }
    static Variant RefI4(std::int32_t& target) { return Variant(&target); }
    static Variant RefR8(double& target) { return Variant(&target); }
    static Variant RefBool(bool& target) { return Variant(&target); }
    static Variant RefStr(std::string& target) { return Variant(&target); }

    VarType vt() const;
    bool IsEmpty() const { return vt() == VT_EMPTY; }
    bool IsByRef() const { return (vt() & VT_BYREF) != 0; }

    // Typed access. Each accessor requires the matching vt() (the by-reference forms give the value
    // they point at); any other type throws std::bad_variant_access.
    std::int16_t AsI2() const;
    std::int32_t AsI4() const;
    double AsR8() const;
    bool AsBool() const;
    const std::string& AsStr() const;
    const std::vector<double>& AsR8Array() const;

    // The caller's storage behind a by-reference variant (arrays of points pass as their first
    // element); null for any other type.
    double* R8Target() const;
    std::int32_t* I4Target() const;

    // The same value without the reference: a by-reference variant gives a copy of its target.
    Variant Dereferenced() const;

    // Writes through a by-reference variant of the same base type; false for any other pair.
    bool StoreThrough(const Variant& value) const;

    // Same tag and same value (by-reference forms compare their targets' addresses).
    friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }
    friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }

private:
    using Storage =
        std::variant<std::monostate, std::int16_t, std::int32_t, double, bool, std::string,
                     std::vector<double>, std::int16_t*, std::int32_t*, double*, bool*, std::string*>;

    template <class T> explicit Variant(T value) : value_(std::in_place_type<T>, std::move(value)) {}

    template <class T> const T& Get() const;

    Storage value_;
};

// "I2 7", "R8 0.5", "BSTR \"N\"": for test failure messages and logs.
std::string Describe(const Variant& value);

} // namespace automation
