#pragma once
// The automation calling convention between a container and a control: members are reached by
// dispatch identifier as a method call, a property get or a property put, with variant arguments
// in declaration order (an indexed property put passes the index first and the value last).

#include "Variant.h"

#include <cstdint>
#include <vector>

namespace automation {

using HRESULT = std::int32_t;
using DISPID = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000Au);
constexpr HRESULT DISP_E_BADINDEX = static_cast<HRESULT>(0x8002000Bu);
constexpr HRESULT DISP_E_BADPARAMCOUNT = static_cast<HRESULT>(0x8002000Eu);
constexpr HRESULT DISP_E_EXCEPTION = static_cast<HRESULT>(0x80020009u);

inline bool Succeeded(HRESULT hr) {
    return hr >= 0;
}

enum class InvokeKind : std::uint16_t { Method = 1, PropertyGet = 2, PropertyPut = 4 };

// A dispatch interface: what a container holds of a control.
class IDispatch {
public:
    virtual ~IDispatch() = default;
    // args in declaration order; result may be null when the caller wants none.
    virtual HRESULT Invoke(DISPID member, InvokeKind kind, const std::vector<Variant>& args,
                           Variant* result) = 0;
};

// Where a control fires its events (the container's sink).
class IEventSink {
public:
    virtual ~IEventSink() = default;
    virtual void OnEvent(DISPID event, const std::vector<Variant>& args) = 0;
};

} // namespace automation
