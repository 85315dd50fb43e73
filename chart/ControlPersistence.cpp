#include "ControlPersistence.h"

#include "ChartLimits.h"
#include "ControlEvents.h"
#include "PropertyStream.h"
#include "StockEvents.h"

#include <cmath>
#include <QWidget>

namespace zent {

namespace {

std::int32_t ToHiMetric(int pixels) {
    return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0));
}

} // namespace

chart::ControlExtent ExtentOf(const QWidget& widget) {
    chart::ControlExtent extent;
    extent.width = ToHiMetric(widget.width());
    extent.height = ToHiMetric(widget.height());
    return extent;
}

ControlPersistence::ControlPersistence(const QWidget& widget, chart::CChartModel& model,
                                       ControlEvents& events)
    : widget_(widget), model_(model), events_(events), readyState_(kReadyStateLoading) {}

std::vector<std::uint8_t> ControlPersistence::Save() const {
    return chart::SavePropertyStream(model_, ExtentOf(widget_));
}

// The control has no asynchronous properties: once its persisted state is loaded or reset it is
// complete.
bool ControlPersistence::Load(const std::uint8_t* data, std::size_t size) {
    chart::ControlExtent extent;
    bool loaded = false;
    try {
        loaded = chart::LoadPropertyStream(model_, data, size, &extent);
    } catch (const chart::StreamOutOfMemory& refused) {
        throw chart::ChartTooLarge(chart::NoMemoryToLoadText(refused.Values()));
    }
    if (loaded) {
        SetReadyState(kReadyStateComplete);
    }
    return loaded;
}

void ControlPersistence::Reset() {
    chart::ResetPersistedState(model_);
    SetReadyState(kReadyStateComplete);
}

void ControlPersistence::SetReadyState(int state) {
    if (readyState_ != state) {
        readyState_ = state;
        events_.Fire(kReadyStateChange, {automation::Variant::I4(state)});
    }
}

} // namespace zent
