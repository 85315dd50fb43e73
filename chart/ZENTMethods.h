#pragma once
// The methods of the control's automation interface (dispatch ids 51-82 and AboutBox) as one
// table: each entry lists its argument types, the dispatch layer coerces the arguments to them,
// and a small handler does the work. Set, cursor and point indices are checked before use.

#include "MethodArgs.h"

#include <Dispatch.h>

#include <functional>
#include <QString>
#include <vector>

namespace chart {
class CChartModel;
}

namespace zent {

class ChartMouse;
class ChartOutput;
class ChartView;

// What the methods work on: one control's model and the parts that act on it, and how a call that
// succeeded but left out what the chart cannot hold tells the containers so.
struct ControlParts {
    chart::CChartModel& model;
    ChartView& view;
    ChartMouse& mouse;
    ChartOutput& output;
    std::function<void(const QString& text)> tellLeftOut;
};

using MethodHandler = automation::HRESULT (*)(ControlParts& control, const MethodArgs& args,
                                              automation::Variant& result);

struct Method {
    automation::DISPID dispid;
    const char* name;
    std::vector<Arg> args;
    MethodHandler handler;
};

constexpr int kMethodCount = 33; // 51..82 and AboutBox

const std::vector<Method>& Methods();
// Methods whose result is a BOOL: a refused call returns FALSE.
bool ReturnsBool(automation::DISPID dispid);
const Method* FindMethod(automation::DISPID dispid);
automation::HRESULT InvokeMethod(ControlParts& control, const Method& method,
                                 const std::vector<automation::Variant>& args, automation::Variant* result);

} // namespace zent
