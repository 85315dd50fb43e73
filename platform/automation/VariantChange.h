#pragma once
// The standard conversion between variant types, as automation's ChangeType does it: numbers read
// and written in the C locale, Booleans as "True"/"False" or numbers (non-zero is True, True is -1),
// integers rounded half to even with overflow detection. A failed conversion is a status, never an
// exception.

#include "Dispatch.h"
#include "Variant.h"

#include <cstdint>
#include <string_view>

namespace automation {

enum class ChangeStatus { Ok, TypeMismatch, Overflow };

// Automation result codes of the statuses (S_OK, DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW, Dispatch.h).
std::int32_t ResultCode(ChangeStatus status);

struct Changed {
    ChangeStatus status = ChangeStatus::Ok;
    Variant value; // VT_EMPTY unless status is Ok
    bool ok() const { return status == ChangeStatus::Ok; }
};

// source converted to target (VT_EMPTY, VT_I2, VT_I4, VT_R8, VT_BOOL or VT_BSTR). A by-reference
// source converts its target's value; any other target type is a type mismatch.
Changed ChangeType(const Variant& source, VarType target);

// The text form used for variants: integers in decimal, doubles in their shortest round-trip form
// ("0.005", "301", "1e+20"), Booleans "True"/"False", empty as "".
Changed ToText(const Variant& source);

// A number read the way ChangeType reads text: blanks around it, an optional sign, digits with one
// optional "." and an optional exponent. TypeMismatch for anything else, Overflow beyond a double.
ChangeStatus ParseNumber(std::string_view text, double& value);

} // namespace automation
