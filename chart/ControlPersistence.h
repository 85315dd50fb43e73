#pragma once
// A control's persisted state as its container keeps it: the property stream with the control's
// extent, and the ready state that turns complete once the state is loaded or reset. Loading
// changes the model only: the chart on screen stays as it is (its engine data sets too) until the
// first draw or the next UpdateGraph builds the loaded state.

#include "PropExchange.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class QWidget;

namespace zent {

class ControlEvents;

// The widget's size in HIMETRIC (0.01 mm), at 96 pixels per inch.
chart::ControlExtent ExtentOf(const QWidget& widget);

class ControlPersistence {
public:
    ControlPersistence(const QWidget& widget, chart::CChartModel& model, ControlEvents& events);

    std::vector<std::uint8_t> Save() const;
    bool Load(const std::uint8_t* data, std::size_t size);
    void Reset();
    // Loading (1) until the container has loaded or reset the persisted state, then complete (4).
    int ReadyState() const { return readyState_; }

private:
    void SetReadyState(int state);

    const QWidget& widget_;
    chart::CChartModel& model_;
    ControlEvents& events_;
    int readyState_;
};

} // namespace zent
