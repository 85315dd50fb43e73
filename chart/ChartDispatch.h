#pragma once
// The properties of the control's automation interface as one table: the 48 scalars (dispatch ids
// 1-48), CurrentPlot and CurrentAxis (49, 50) and the 95 indexed properties (83-177), each with
// its value type, its index kind and the model field it reads and writes. Property calls work on
// the model alone, so they need no window. Every index is checked against its range: a bad one is
// refused with DISP_E_BADINDEX and changes nothing.

#include "ChartLimits.h"
#include "ChartModel.h"

#include <Dispatch.h>

#include <variant>
#include <vector>

namespace chart {

enum class ValueKind { Long, Double, Bool, String };

enum class IndexKind {
    None,        // no index
    Axis,        // axis 0-3
    AxisPair,    // scale pair 0-1
    Title,       // title 0-2
    Set,         // data set 0-31
    SetGroup,    // data set, group (or slice) 0-15
    SetAnyGroup, // data set, group taken and not used
    SetPoint,    // data set, point (checked against the set's point count)
    SetPointGroup,
};

using PropertyMember =
    std::variant<std::int32_t CChartModel::*, LongArray CChartModel::*, DoubleArray CChartModel::*,
                 StringArray CChartModel::*, std::vector<LongArray> CChartModel::*,
                 std::vector<DoubleArray> CChartModel::*, std::vector<StringArray> CChartModel::*>;

// Properties whose put does more than store one element.
enum class PropertyRule { Plain, PointCount, GroupCount, XValue, YValue };

struct IndexedProperty {
    int dispid;
    const char* name;
    ValueKind kind;
    IndexKind index;
    PropertyMember member;
    PropertyRule rule = PropertyRule::Plain;
};

constexpr int kIndexedPropertyCount = 97; // with CurrentPlot and CurrentAxis

const std::vector<IndexedProperty>& IndexedProperties();
const IndexedProperty* FindIndexedProperty(int dispid);
int IndexArgumentCount(IndexKind kind);

// A value coerced to a property's type: I4, R8, BOOL or BSTR.
automation::HRESULT CoerceArgument(const automation::Variant& value, ValueKind kind,
                                   automation::Variant& out);

// A property get or put of any scalar, plain or indexed property (arguments: indices, then the
// value of a put). DISP_E_MEMBERNOTFOUND when the id is no property.
automation::HRESULT InvokeProperty(CChartModel& model, automation::DISPID dispid, automation::InvokeKind kind,
                                   const std::vector<automation::Variant>& args, automation::Variant* result);

// The point-count rule of SDataNumPlotPoints: X exactly n values, Y n x groups, old values kept.
void SetPointCount(CChartModel& model, int set, int count);

} // namespace chart
