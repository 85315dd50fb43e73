#include "ChartDispatch.h"

#include "ScalarProperties.h"

#include <VariantChange.h>

#include <algorithm>
#include <array>

namespace chart {

namespace {

using automation::HRESULT;
using automation::Variant;
using M = CChartModel;
using V = ValueKind;
using I = IndexKind;

IndexedProperty P(int id, const char* name, V kind, I index, PropertyMember member,
                  PropertyRule rule = PropertyRule::Plain) {
    return {id, name, kind, index, member, rule};
}

std::vector<IndexedProperty> MakeTable() {
    return {
        P(49, "CurrentPlot", V::Long, I::None, &M::CurrentPlot),
        P(50, "CurrentAxis", V::Long, I::None, &M::CurrentAxis),
        P(83, "AxisMin", V::Double, I::Axis, &M::AxisMin),
        P(84, "AxisMax", V::Double, I::Axis, &M::AxisMax),
        P(85, "ScaleEnable", V::Bool, I::AxisPair, &M::ScaleEnable),
        P(86, "AxisEnable", V::Bool, I::Axis, &M::AxisEnable),
        P(87, "AxisInterceptTrack", V::Bool, I::Axis, &M::AxisInterceptTrack),
        P(88, "AxisLabelsEnable", V::Bool, I::Axis, &M::AxisLabelsEnable),
        P(89, "AxisScaleMode", V::Long, I::Axis, &M::AxisScaleMode),
        P(90, "AxisIntercept", V::Double, I::Axis, &M::AxisIntercept),
        P(91, "AxisColor", V::Long, I::Axis, &M::AxisColor),
        P(92, "AxisLineWidth", V::Long, I::Axis, &M::AxisLineWidth),
        P(93, "AxisMinorTicks", V::Long, I::Axis, &M::AxisMinorTicks),
        P(94, "AxisMajorTickInterval", V::Double, I::Axis, &M::AxisMajorTickInterval),
        P(95, "AxisTickStyle", V::Long, I::Axis, &M::AxisTickStyle),
        P(96, "AxisLabelPos", V::Long, I::Axis, &M::AxisLabelPos),
        P(97, "AxisLabelDecs", V::Long, I::Axis, &M::AxisLabelDecs),
        P(98, "AxisLabelColor", V::Long, I::Axis, &M::AxisLabelColor),
        P(99, "AxisLabelFont", V::String, I::Axis, &M::AxisLabelFont),
        P(100, "AxisLabelFontStyle", V::Long, I::Axis, &M::AxisLabelFontStyle),
        P(101, "AxisLabelFontSize", V::Long, I::Axis, &M::AxisLabelFontSize),
        P(102, "AxisNumericStyle", V::Long, I::Axis, &M::AxisNumericStyle),
        P(103, "AxisTitleString", V::String, I::Axis, &M::AxisTitleString),
        P(104, "AxisTitleFont", V::String, I::Axis, &M::AxisTitleFont),
        P(105, "AxisLabelStrings", V::String, I::Axis, &M::AxisLabelStrings),
        P(106, "NumAxisLabelStrings", V::Long, I::Axis, &M::NumAxisLabelStrings),
        P(107, "AxisLabelStringsEnable", V::Bool, I::Axis, &M::AxisLabelStringsEnable),
        P(108, "AxisLabelStringsStart", V::Long, I::Axis, &M::AxisLabelStringsStart),
        P(109, "AxisTitleColor", V::Long, I::Axis, &M::AxisTitleColor),
        P(110, "AxisTitleFontStyle", V::Long, I::Axis, &M::AxisTitleFontStyle),
        P(111, "AxisTitleFontSize", V::Long, I::Axis, &M::AxisTitleFontSize),
        P(112, "AxisTitlePos", V::Long, I::Axis, &M::AxisTitlePos),
        P(113, "AxisGridEnable", V::Bool, I::Axis, &M::AxisGridEnable),
        P(114, "AxisGridColor", V::Long, I::Axis, &M::AxisGridColor),
        P(115, "AxisGridLineWidth", V::Long, I::Axis, &M::AxisGridLineWidth),
        P(116, "AxisGridLineStyle", V::Long, I::Axis, &M::AxisGridLineStyle),
        P(117, "AxisGridType", V::Long, I::Axis, &M::AxisGridType),
        P(118, "TitleString", V::String, I::Title, &M::TitleString),
        P(119, "TitleFont", V::String, I::Title, &M::TitleFont),
        P(120, "TitleColor", V::Long, I::Title, &M::TitleColor),
        P(121, "TitleFontStyle", V::Long, I::Title, &M::TitleFontStyle),
        P(122, "TitleFontSize", V::Long, I::Title, &M::TitleFontSize),
        P(123, "TitlePos", V::Long, I::Title, &M::TitlePos),
        P(124, "SPlotType", V::Long, I::Set, &M::SPlotType),
        P(125, "SPlotRefAxes", V::Long, I::Set, &M::SPlotRefAxes),
        P(126, "SPlotLineColor", V::Long, I::Set, &M::SPlotLineColor),
        P(127, "SPlotLineThickness", V::Long, I::Set, &M::SPlotLineThickness),
        P(128, "SPlotAreaFill", V::Bool, I::Set, &M::SPlotAreaFill),
        P(129, "SPlotBarType", V::Long, I::Set, &M::SPlotBarType),
        P(130, "SPlotBarColor", V::Long, I::Set, &M::SPlotBarColor),
        P(131, "SPlotBarJustify", V::Long, I::Set, &M::SPlotBarJustify),
        P(132, "SPlotBarHatch", V::Long, I::Set, &M::SPlotBarHatch),
        P(133, "SPlotBarWidth", V::Double, I::Set, &M::SPlotBarWidth),
        P(134, "SPlotScatterColor", V::Long, I::Set, &M::SPlotScatterColor),
        P(135, "SPlotScatterShape", V::Long, I::Set, &M::SPlotScatterShape),
        P(136, "SPlotScatterSize", V::Long, I::Set, &M::SPlotScatterSize),
        P(137, "SPlotScatterDrop", V::Bool, I::Set, &M::SPlotScatterDrop),
        P(138, "SPlotScatterLine", V::Bool, I::Set, &M::SPlotScatterLine),
        P(139, "SPlotLineStyle", V::Long, I::Set, &M::SPlotLineStyle),
        P(140, "GPlotType", V::Long, I::Set, &M::GPlotType),
        P(141, "GPlotDataset", V::Long, I::Set, &M::GPlotDataset),
        P(142, "GPlotRefAxes", V::Long, I::Set, &M::GPlotRefAxes),
        P(143, "GPlotAreaFill", V::Bool, I::Set, &M::GPlotAreaFill),
        P(144, "GPlotBarType", V::Long, I::Set, &M::GPlotBarType),
        P(145, "GPlotLineColor", V::Long, I::SetGroup, &M::GPlotLineColor),
        P(146, "GPlotLineStyle", V::Long, I::SetGroup, &M::GPlotLineStyle),
        P(147, "GPlotLineThickness", V::Long, I::SetAnyGroup, &M::GPlotLineThickness),
        P(148, "GPlotBarHatch", V::Long, I::SetGroup, &M::GPlotBarHatch),
        P(149, "GPlotBarJustify", V::Long, I::Set, &M::GPlotBarJustify),
        P(150, "SDataNumPlotPoints", V::Long, I::Set, &M::SDataNumPlotPoints, PropertyRule::PointCount),
        P(151, "SDataName", V::String, I::Set, &M::SDataName),
        P(152, "SDataEnable", V::Bool, I::Set, &M::SDataEnable),
        P(153, "SDataType", V::Long, I::Set, &M::SDataType),
        P(154, "SDataNumGroups", V::Long, I::Set, &M::SDataNumGroups, PropertyRule::GroupCount),
        P(155, "PieNumericStyle", V::Long, I::Set, &M::PieNumericStyle),
        P(156, "Pie3DLook", V::Bool, I::Set, &M::Pie3DLook),
        P(157, "PieCenterX", V::Double, I::Set, &M::PieCenterX),
        P(158, "PieCenterY", V::Double, I::Set, &M::PieCenterY),
        P(159, "PieDiameter", V::Double, I::Set, &M::PieDiameter),
        P(160, "PieSliceFillColor", V::Long, I::SetGroup, &M::PieSliceFillColor),
        P(161, "PieSliceHatch", V::Long, I::SetGroup, &M::PieSliceHatch),
        P(162, "PieSliceBorderColor", V::Long, I::SetGroup, &M::PieSliceBorderColor),
        P(163, "PieSliceExplode", V::Double, I::SetGroup, &M::PieSliceExplode),
        P(164, "PieSliceLabel", V::String, I::SetGroup, &M::PieSliceLabel),
        P(165, "PieNumericFont", V::String, I::Set, &M::PieNumericFont),
        P(166, "PieFontStyle", V::Long, I::Set, &M::PieFontStyle),
        P(167, "PieFontSize", V::Long, I::Set, &M::PieFontSize),
        P(168, "PieFontColor", V::Long, I::Set, &M::PieFontColor),
        P(169, "SPlotScatterStyle", V::Bool, I::Set, &M::SPlotScatterStyle),
        P(170, "AxisAutoAxis", V::Bool, I::Axis, &M::AxisAutoAxis),
        P(171, "GPlotScatterStyle", V::Bool, I::Set, &M::GPlotScatterStyle),
        P(172, "GPlotScatterSize", V::Long, I::Set, &M::GPlotScatterSize),
        P(173, "GPlotScatterShape", V::Long, I::Set, &M::GPlotScatterShape),
        P(174, "XDataValues", V::Double, I::SetPoint, &M::SDataXData, PropertyRule::XValue),
        P(175, "YDataValues", V::Double, I::SetPointGroup, &M::SDataYData, PropertyRule::YValue),
        P(176, "GPlotBarWidth", V::Double, I::Set, &M::GPlotBarWidth),
        P(177, "SPlotSpline", V::Bool, I::Set, &M::SPlotSpline),
    };
}

// The element a cell names, whatever its array type.
template <typename T> struct Cell {
    T* value = nullptr; // null: the cell does not exist (a point past the count reads 0.0)
};

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Range of the first and second index of a kind (0 = unbounded here, checked by the rule).
std::array<int, 2> IndexLimits(IndexKind kind) {
    switch (kind) {
    case I::Axis:
        return {kAxisCount, 0};
    case I::AxisPair:
        return {kAxisPairCount, 0};
    case I::Title:
        return {kTitleCount, 0};
    case I::Set:
    case I::SetPoint:
    case I::SetPointGroup:
        return {kSetCount, 0};
    case I::SetGroup:
    case I::SetAnyGroup:
        return {kSetCount, kGroupCount};
    case I::None:
        break;
    }
    return {0, 0};
}

// Point and group cells of a set's values: Y is point-major; with one group (or none) the group
// argument is not used.
double* ValueCell(CChartModel& m, const IndexedProperty& p, const std::vector<int>& index) {
    const std::size_t set = U(index[0]);
    const int point = index[1];
    if (point < 0 || point >= m.SDataNumPlotPoints[set]) {
        return nullptr;
    }
    DoubleArray& values = (m.*std::get<std::vector<DoubleArray> CChartModel::*>(p.member))[set];
    std::size_t cell = U(point);
    if (p.rule == PropertyRule::YValue) {
        const int groups = m.SDataNumGroups[set];
        if (groups >= 2) {
            const int group = index[2];
            if (group < 0 || group >= groups) {
                return nullptr;
            }
            cell = U(point) * U(groups) + U(group);
        }
    }
    // A reconnected set may count more points than its values hold.
    return cell < values.size() ? &values[cell] : nullptr;
}

using CellRef = std::variant<std::monostate, std::int32_t*, double*, QString*>;

CellRef Locate(CChartModel& m, const IndexedProperty& p, const std::vector<int>& index) {
    if (p.rule == PropertyRule::XValue || p.rule == PropertyRule::YValue) {
        double* cell = ValueCell(m, p, index);
        return cell != nullptr ? CellRef(cell) : CellRef();
    }
    return std::visit(
        [&](auto member) -> CellRef {
            using T = decltype(member);
            if constexpr (std::is_same_v<T, std::int32_t CChartModel::*>) {
                return &(m.*member);
            } else if constexpr (std::is_same_v<T, LongArray CChartModel::*> ||
                                 std::is_same_v<T, DoubleArray CChartModel::*> ||
                                 std::is_same_v<T, StringArray CChartModel::*>) {
                auto& array = m.*member;
                return U(index[0]) < array.size() ? CellRef(&array[U(index[0])]) : CellRef();
            } else {
                auto& outer = m.*member;
                if (U(index[0]) >= outer.size() || U(index[1]) >= outer[U(index[0])].size()) {
                    return CellRef();
                }
                return CellRef(&outer[U(index[0])][U(index[1])]);
            }
        },
        p.member);
}

Variant ReadCell(const CellRef& cell, ValueKind kind) {
    if (const auto* l = std::get_if<std::int32_t*>(&cell)) {
        return kind == V::Bool ? Variant::Bool(**l != 0) : Variant::I4(**l);
    }
    if (const auto* d = std::get_if<double*>(&cell)) {
        return Variant::R8(**d);
    }
    if (const auto* s = std::get_if<QString*>(&cell)) {
        return Variant::Str((*s)->toStdString());
    }
    switch (kind) {
    case V::String:
        return Variant::Str({});
    case V::Long:
        return Variant::I4(0);
    case V::Bool:
        return Variant::Bool(false);
    case V::Double:
        break;
    }
    return Variant::R8(0.0);
}

// An automation TRUE is -1, and a flag keeps it so: its stored byte is 0xFF, as containers expect.
std::int32_t StoredFlag(const Variant& value) {
    return value.AsBool() ? automation::VARIANT_TRUE : automation::VARIANT_FALSE;
}

void WriteCell(const CellRef& cell, const Variant& value) {
    if (const auto* l = std::get_if<std::int32_t*>(&cell)) {
        **l = value.vt() == automation::VT_BOOL ? StoredFlag(value) : value.AsI4();
    } else if (const auto* d = std::get_if<double*>(&cell)) {
        **d = value.AsR8();
    } else if (const auto* s = std::get_if<QString*>(&cell)) {
        **s = QString::fromStdString(value.AsStr());
    }
}

HRESULT ReadIndices(const IndexedProperty& p, const std::vector<Variant>& args, std::vector<int>& index) {
    const std::array<int, 2> limits = IndexLimits(p.index);
    for (int i = 0; i < IndexArgumentCount(p.index); ++i) {
        const automation::Changed changed = automation::ChangeType(args[U(i)], automation::VT_I4);
        if (!changed.ok()) {
            return automation::ResultCode(changed.status);
        }
        const int value = changed.value.AsI4();
        const int limit = i < 2 ? limits[U(i)] : 0;
        if (limit > 0 && (value < 0 || value >= limit)) {
            return automation::DISP_E_BADINDEX;
        }
        index.push_back(value);
    }
    return automation::S_OK;
}

HRESULT PutRule(CChartModel& m, const IndexedProperty& p, const std::vector<int>& index,
                const Variant& value) {
    const int set = index[0];
    if (p.rule == PropertyRule::PointCount) {
        const int n = value.AsI4();
        CheckPointCount(n);
        const auto groups = static_cast<std::size_t>(std::max(m.SDataNumGroups[U(set)], 1));
        CheckSetFits(m, set, U(n), U(n) * groups, m.SDataNumGroups[U(set)]);
        SetPointCount(m, set, n);
        return automation::S_OK;
    }
    const int groups = value.AsI4();
    CheckGroupCount(groups, 0);
    // The values stay as they are, but a save and load lays them out for the new count.
    CheckSetFits(m, set, m.SDataXData[U(set)].size(), m.SDataYData[U(set)].size(), groups);
    m.SDataNumGroups[U(set)] = groups;
    return automation::S_OK;
}

HRESULT InvokeIndexed(CChartModel& m, const IndexedProperty& p, automation::InvokeKind kind,
                      const std::vector<Variant>& args, Variant* result) {
    const bool put = kind == automation::InvokeKind::PropertyPut;
    const int indices = IndexArgumentCount(p.index);
    if (static_cast<int>(args.size()) != indices + (put ? 1 : 0)) {
        return automation::DISP_E_BADPARAMCOUNT;
    }
    std::vector<int> index;
    if (const HRESULT hr = ReadIndices(p, args, index); hr != automation::S_OK) {
        return hr;
    }
    if (!put) {
        if (result != nullptr) {
            *result = ReadCell(Locate(m, p, index), p.kind);
        }
        return automation::S_OK;
    }
    Variant value;
    if (const HRESULT hr = CoerceArgument(args.back(), p.kind, value); hr != automation::S_OK) {
        return hr;
    }
    if (p.rule == PropertyRule::PointCount || p.rule == PropertyRule::GroupCount) {
        return PutRule(m, p, index, value);
    }
    WriteCell(Locate(m, p, index), value);
    return automation::S_OK;
}

HRESULT InvokeScalar(CChartModel& m, const ScalarProperty& p, automation::InvokeKind kind,
                     const std::vector<Variant>& args, Variant* result) {
    static constexpr std::array<ValueKind, 4> kKinds = {V::Long, V::Double, V::Bool, V::String};
    const ValueKind valueKind = kKinds[static_cast<std::size_t>(p.kind)];
    if (kind != automation::InvokeKind::PropertyPut) {
        if (!args.empty()) {
            return automation::DISP_E_BADPARAMCOUNT;
        }
        if (result != nullptr) {
            const ScalarValue value = GetScalar(m, p);
            if (const auto* s = std::get_if<QString>(&value)) {
                *result = Variant::Str(s->toStdString());
            } else if (const auto* d = std::get_if<double>(&value)) {
                *result = Variant::R8(*d);
            } else {
                const std::int32_t l = std::get<std::int32_t>(value);
                *result = valueKind == V::Bool ? Variant::Bool(l != 0) : Variant::I4(l);
            }
        }
        return automation::S_OK;
    }
    if (args.size() != 1) {
        return automation::DISP_E_BADPARAMCOUNT;
    }
    Variant value;
    if (const HRESULT hr = CoerceArgument(args[0], valueKind, value); hr != automation::S_OK) {
        return hr;
    }
    switch (valueKind) {
    case V::Long:
        PutScalar(m, p, value.AsI4());
        break;
    case V::Bool:
        PutScalar(m, p, StoredFlag(value));
        break;
    case V::Double:
        PutScalar(m, p, value.AsR8());
        break;
    case V::String:
        PutScalar(m, p, QString::fromStdString(value.AsStr()));
        break;
    }
    return automation::S_OK;
}

} // namespace

const std::vector<IndexedProperty>& IndexedProperties() {
    static const std::vector<IndexedProperty> table = MakeTable();
    return table;
}

const IndexedProperty* FindIndexedProperty(int dispid) {
    const auto& table = IndexedProperties();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [dispid](const IndexedProperty& p) { return p.dispid == dispid; });
    return found != table.end() ? &*found : nullptr;
}

int IndexArgumentCount(IndexKind kind) {
    switch (kind) {
    case I::None:
        return 0;
    case I::SetGroup:
    case I::SetAnyGroup:
    case I::SetPoint:
        return 2;
    case I::SetPointGroup:
        return 3;
    default:
        return 1;
    }
}

HRESULT CoerceArgument(const Variant& value, ValueKind kind, Variant& out) {
    static constexpr std::array<automation::VarType, 4> kTypes = {automation::VT_I4, automation::VT_R8,
                                                                  automation::VT_BOOL, automation::VT_BSTR};
    const automation::Changed changed = automation::ChangeType(value, kTypes[static_cast<std::size_t>(kind)]);
    if (!changed.ok()) {
        return automation::ResultCode(changed.status);
    }
    out = changed.value;
    return automation::S_OK;
}

HRESULT InvokeProperty(CChartModel& model, automation::DISPID dispid, automation::InvokeKind kind,
                       const std::vector<Variant>& args, Variant* result) {
    if (kind == automation::InvokeKind::Method) {
        return automation::DISP_E_MEMBERNOTFOUND;
    }
    if (const ScalarProperty* scalar = FindScalarProperty(dispid)) {
        return InvokeScalar(model, *scalar, kind, args, result);
    }
    if (const IndexedProperty* indexed = FindIndexedProperty(dispid)) {
        return InvokeIndexed(model, *indexed, kind, args, result);
    }
    return automation::DISP_E_MEMBERNOTFOUND;
}

void SetPointCount(CChartModel& model, int set, int count) {
    const std::size_t i = U(set);
    const std::size_t n = U(std::max(count, 0));
    const std::size_t cells = n * U(std::max(model.SDataNumGroups[i], 1));
    // Room for both first: a failed allocation leaves the set as it was.
    model.SDataXData[i].reserve(n);
    model.SDataYData[i].reserve(cells);
    model.SDataNumPlotPoints[i] = count;
    model.SDataXData[i].resize(n, 0.0);
    model.SDataYData[i].resize(cells, 0.0);
}

} // namespace chart
