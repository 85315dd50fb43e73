#include "MethodArgs.h"

#include "ChartDispatch.h"

#include <limits>

namespace zent {

using automation::HRESULT;
using automation::Variant;

namespace {

constexpr std::size_t kUnbounded = std::numeric_limits<std::size_t>::max();

HRESULT ReadPoints(const Variant& arg, std::pair<const double*, std::size_t>& points) {
    if (const double* target = arg.R8Target()) {
        points = {target, kUnbounded};
        return automation::S_OK;
    }
    if (arg.vt() == (automation::VT_ARRAY | automation::VT_R8)) {
        points = {arg.AsR8Array().data(), arg.AsR8Array().size()};
        return automation::S_OK;
    }
    return automation::DISP_E_TYPEMISMATCH;
}

} // namespace

HRESULT MethodArgs::Read(const std::vector<Arg>& kinds, const std::vector<Variant>& args) {
    if (args.size() != kinds.size()) {
        return automation::DISP_E_BADPARAMCOUNT;
    }
    values_.assign(args.size(), Variant());
    points_.assign(args.size(), {nullptr, 0});
    original_.clear();
    for (const Variant& arg : args) {
        original_.push_back(&arg);
    }
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        HRESULT hr = automation::S_OK;
        switch (kinds[i]) {
        case Arg::Long:
            hr = chart::CoerceArgument(args[i], chart::ValueKind::Long, values_[i]);
            break;
        case Arg::Double:
            hr = chart::CoerceArgument(args[i], chart::ValueKind::Double, values_[i]);
            break;
        case Arg::Bool:
            hr = chart::CoerceArgument(args[i], chart::ValueKind::Bool, values_[i]);
            break;
        case Arg::String:
            hr = chart::CoerceArgument(args[i], chart::ValueKind::String, values_[i]);
            break;
        case Arg::Doubles:
            hr = ReadPoints(args[i], points_[i]);
            break;
        case Arg::OutDouble:
        case Arg::OutLong:
            hr = args[i].IsByRef() ? automation::S_OK : automation::DISP_E_TYPEMISMATCH;
            break;
        }
        if (hr != automation::S_OK) {
            return hr;
        }
    }
    return automation::S_OK;
}

bool MethodArgs::Store(int i, double value) const {
    return At(i).IsEmpty() && original_[static_cast<std::size_t>(i)]->StoreThrough(Variant::R8(value));
}

bool MethodArgs::Store(int i, std::int32_t value) const {
    const Variant& target = *original_[static_cast<std::size_t>(i)];
    if (target.StoreThrough(Variant::I4(value))) {
        return true;
    }
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max() &&
           target.StoreThrough(Variant::I2(static_cast<std::int16_t>(value)));
}

} // namespace zent
