#pragma once
// The methods of the control's automation interface (dispatch ids 51-82 and AboutBox) as one
// table: each entry lists its argument types, the dispatch layer coerces the arguments to them,
// and a small handler does the work. Set, cursor and point indices are checked before use.

#include <Dispatch.h>

#include <vector>

class CZENTCtrl;

namespace zent {

enum class Arg {
    Long,
    Double,
    Bool,
    String,
    Doubles,   // points: a by-reference double (the first of the caller's array) or an array of doubles
    OutDouble, // by-reference double the method writes
    OutLong,   // by-reference long (or 16-bit integer) the method writes
};

class MethodArgs;
using MethodHandler = automation::HRESULT (*)(CZENTCtrl& control, const MethodArgs& args,
                                              automation::Variant& result);

struct Method {
    automation::DISPID dispid;
    const char* name;
    std::vector<Arg> args;
    MethodHandler handler;
};

constexpr int kMethodCount = 33; // 51..82 and AboutBox

const std::vector<Method>& Methods();
const Method* FindMethod(automation::DISPID dispid);
automation::HRESULT InvokeMethod(CZENTCtrl& control, const Method& method,
                                 const std::vector<automation::Variant>& args, automation::Variant* result);

} // namespace zent
