#pragma once
// What the steps of the build share: the model's values as the engine takes them.

#include "ChartModel.h"

#include <Kestran.h>

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QString>

namespace chart::build {

inline kestran::ColorRef Color(std::int32_t value) {
    return static_cast<kestran::ColorRef>(value) & 0x00FFFFFFu;
}

inline std::size_t U(int index) {
    return static_cast<std::size_t>(index);
}

inline int Points(const CChartModel& m, int set) {
    return m.SDataNumPlotPoints[U(set)];
}

inline bool Drawable(const CChartModel& m, int set) {
    return Points(m, set) > 0 && m.SDataEnable[U(set)] != 0;
}

inline QByteArray Utf8(const QString& text) {
    return text.toUtf8();
}

inline void SetText(std::int32_t color, const QString& face, std::int32_t size, std::int32_t style) {
    EngineSetTextAttributes(Color(color), Utf8(face).constData(), size, style);
}

inline bool HasSecondaryAxes(const CChartModel& m) {
    return m.AxisEnable[2] != 0 || m.AxisEnable[3] != 0;
}

} // namespace chart::build
