#include "PropertyStream.h"

#include "ArrayProperties.h"
#include "ScalarProperties.h"

#include <algorithm>
#include <climits>

namespace chart {

namespace {

// A stream may hold a group count that its Y values do not fill (the count was changed without a
// new point count); the gap is filled with zeros. A corrupt count must not make that gap huge.
constexpr std::size_t kMaxPaddedCells = std::size_t(1) << 22;

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

bool FitDataSets(CChartModel& model) {
    std::size_t padded = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSetCount); ++i) {
        DoubleArray& x = model.SDataXData[i];
        DoubleArray& y = model.SDataYData[i];
        if (x.size() > static_cast<std::size_t>(INT_MAX)) {
            return false;
        }
        // The X values are what the next build draws, so they decide the point count.
        model.SDataNumPlotPoints[i] = static_cast<std::int32_t>(x.size());
        const auto groups = static_cast<std::size_t>(std::max(model.SDataNumGroups[i], 1));
        if (groups > SIZE_MAX / std::max<std::size_t>(x.size(), 1)) {
            return false;
        }
        const std::size_t cells = x.size() * groups;
        if (cells > y.size()) {
            padded += cells - y.size();
            if (padded > kMaxPaddedCells) {
                return false;
            }
        }
        y.resize(cells, 0.0);
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> SavePropertyStream(const CChartModel& model, const ControlExtent& extent) {
    ByteWriter writer;
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
