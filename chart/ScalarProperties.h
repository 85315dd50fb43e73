#pragma once
// The 48 scalar properties of the automation interface, in dispatch-id order (1..48), which is also
// their order in the property stream. Each names the model field its put copies into and the
// default a reset or a new control gives.

#include "ChartModel.h"

#include <cstdint>
#include <optional>
#include <QString>
#include <variant>
#include <vector>

namespace chart {

enum class ScalarKind { Long, Double, Bool, String };

using ScalarMember = std::variant<std::int32_t CChartModel::*, double CChartModel::*, QString CChartModel::*>;
using ScalarValue = std::variant<std::int32_t, double, QString>;

struct ScalarProperty {
    int dispid;
    const char* name;
    ScalarKind kind;
    ScalarMember member;
    ScalarValue defaultValue;
};

constexpr int kScalarPropertyCount = 48;

const std::vector<ScalarProperty>& ScalarProperties();
// The property of a dispatch id, or null when the id is not a scalar property.
const ScalarProperty* FindScalarProperty(int dispid);

ScalarValue GetScalar(const CChartModel& model, const ScalarProperty& property);
// The value must have the property's type (Bool properties take an int32: 0 or non-zero).
void PutScalar(CChartModel& model, const ScalarProperty& property, const ScalarValue& value);

// Every scalar property back to its default (the control's reset state).
void ResetScalarProperties(CChartModel& model);

} // namespace chart
