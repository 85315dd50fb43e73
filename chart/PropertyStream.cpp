#include "PropertyStream.h"

#include "ArrayProperties.h"
#include "ChartLimits.h"
#include "ScalarProperties.h"

#include <algorithm>
#include <climits>

namespace chart {

namespace {

// Lends the live model's palette to the model a stream is read into, and nothing else: that model
// must never delete engine data sets or drop the live control's graphics.
class PaletteOnlyLink : public ChartEngineLink {
public:
    explicit PaletteOnlyLink(const ChartEngineLink* source) : source_(source) {}
    std::int32_t PaletteColor(int code) const override {
        return source_ != nullptr ? source_->PaletteColor(code) : StandardPaletteColor(code);
    }

private:
    const ChartEngineLink* source_;
};

// The values load as the control that saved them held them, also a Y array that a changed group
// count no longer fills, or one that holds values past it (readers never read past an array). The
// point count saved is the count loaded (a pie's build leaves it below its X values), but never more
// than the X values hold.
bool FitDataSets(CChartModel& model) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSetCount); ++i) {
        const DoubleArray& x = model.SDataXData[i];
        const int groups = model.SDataNumGroups[i];
        if (x.size() > static_cast<std::size_t>(INT32_MAX) || groups < 0 || groups > kGroupCount) {
            return false;
        }
        model.SDataNumPlotPoints[i] =
            std::clamp(model.SDataNumPlotPoints[i], 0, static_cast<std::int32_t>(x.size()));
    }
    return true;
}

long long DataValueCount(const CChartModel& model) {
    long long values = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSetCount); ++i) {
        values += static_cast<long long>(model.SDataXData[i].size() + model.SDataYData[i].size());
    }
    return values;
}

} // namespace

std::string NoMemoryToLoadText(long long values, const QString& file) {
    const std::string what =
        file.isEmpty() ? std::string("The chart") : "The chart file " + file.toStdString();
    return what + " holds " + GroupedCount(values) +
           " values, and there is not enough memory for them: it was not loaded, and the chart is unchanged.";
}

std::vector<std::uint8_t> SavePropertyStream(const CChartModel& model, const ControlExtent& extent) {
    // Room for the values at once: growing a stream of hundreds of megabytes step by step would
    // need twice its size.
    ByteWriter writer(static_cast<std::size_t>(DataValueCount(model)) * 8 + (1u << 16));
    PropExchange px(writer);
    ControlExtent written = extent;
    // A storing exchange only reads the model.
    DoPropExchange(px, const_cast<CChartModel&>(model), written);
    return writer.Take();
}

bool ReadPropertyStream(const std::uint8_t* data, std::size_t size, CChartModel& fresh,
                        ControlExtent* extent) {
    ByteReader reader(data, size);
    PropExchange px(reader);
    ControlExtent loadedExtent;
    DoPropExchange(px, fresh, loadedExtent);
    // Whatever was read, the handles name engine objects of another graph.
    fresh.ClearEngineHandles();
    if (px.Ok() && px.RanOutOfMemory()) {
        throw StreamOutOfMemory(DataValueCount(fresh) + px.ValuesWithoutMemory());
    }
    if (!px.Ok() || !FitDataSets(fresh)) {
        return false;
    }
    if (extent != nullptr) {
        *extent = loadedExtent;
    }
    return true;
}

bool LoadPropertyStream(CChartModel& live, const std::uint8_t* data, std::size_t size, ControlExtent* extent,
                        const std::function<void()>& beforeAdopt) {
    PaletteOnlyLink link(live.EngineLink());
    CChartModel fresh(nullptr, &link);
    if (!ReadPropertyStream(data, size, fresh, extent)) {
        return false;
    }
    if (beforeAdopt) {
        beforeAdopt();
    }
    AdoptPersistedState(live, std::move(fresh));
    return true;
}

void ResetPersistedState(CChartModel& model) {
    ResetScalarProperties(model);
    std::fill(model.DataSet.begin(), model.DataSet.end(), 0);
}

void AdoptPersistedState(CChartModel& live, CChartModel&& loaded) {
    for (const ScalarProperty& property : ScalarProperties()) {
        std::visit([&](auto member) { live.*member = std::move(loaded.*member); }, property.member);
    }
    for (const ArrayProperty& property : ArrayProperties()) {
        if (property.engineHandle) {
            continue;
        }
        std::visit(
            [&](auto member) {
                if constexpr (!std::is_same_v<decltype(member), PointerArray>) {
                    live.*member = std::move(loaded.*member);
                }
            },
            property.member);
    }
    for (const NestedArrayProperty& family : NestedArrayProperties()) {
        std::visit([&](auto member) { live.*member = std::move(loaded.*member); }, family.member);
    }
}

} // namespace chart
