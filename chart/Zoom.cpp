#include "Zoom.h"

#include "ChartAxes.h"

#include <Kestran.h>

#include <array>
#include <charconv>
#include <cmath>

namespace chart {

namespace {

QString GeneralText(double value) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 6);
    return QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
}

} // namespace

bool ZoomToRubberBand(CChartModel& m) {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    if (EngineGetRubberBandRect(&x1, &y1, &x2, &y2) == 0) {
        return false;
    }
    if (std::fabs(x2 - x1) < 0.001 * std::fabs(m.EventZoomResetMaxX - m.EventZoomResetMinX) ||
        std::fabs(y2 - y1) < 0.001 * std::fabs(m.EventZoomResetMaxY - m.EventZoomResetMinY)) {
        return false;
    }
    if (m.EventZoomX != 0) {
        AutoScaleAxis(m, m.GraphHandle, 0, x1, x2, 2);
    }
    if (m.EventZoomY != 0) {
        AutoScaleAxis(m, m.GraphHandle, 1, y2, y1, 2);
    }
    return true;
}

void ZoomResetScales(CChartModel& m) {
    const double spanX = m.EventZoomResetMaxX - m.EventZoomResetMinX;
    AutoScaleAxis(m, m.GraphHandle, 0, m.EventZoomResetMinX + 0.05 * spanX,
                  m.EventZoomResetMaxX - 0.05 * spanX, 1);
    const double spanY = m.EventZoomResetMaxY - m.EventZoomResetMinY;
    AutoScaleAxis(m, m.GraphHandle, 1, m.EventZoomResetMinY + 0.05 * spanY,
                  m.EventZoomResetMaxY - 0.05 * spanY, 1);
}

bool MouseWorldPosition(const CChartModel& m, double& x, double& y) {
    return EngineDeviceToWorld(m.GraphHandle, m.AxisHandle[0], m.AxisHandle[1], &x, &y) != 0;
}

bool MouseInsideScales(const CChartModel& m) {
    double x = 0.0, y = 0.0;
    if (!MouseWorldPosition(m, x, y)) {
        return false;
    }
    return m.AxisMin[0] <= x && x <= m.AxisMax[0] && m.AxisMin[1] <= y && y <= m.AxisMax[1];
}

void ReadBackZoomedScale(CChartModel& m) {
    if (m.Zooming == 0) {
        return;
    }
    for (std::size_t a = 0; a < 2; ++a) {
        double interval = 0.0, min = 0.0, max = 0.0, intercept = 0.0;
        int minor = 0, spare = 0;
        if (EngineGetAxisTicks(m.GraphHandle, m.AxisHandle[a], &interval, &minor, &spare) != 0) {
            m.AxisMajorTickInterval[a] = interval;
            m.AxisMinorTicks[a] = minor;
        }
        if (EngineGetAxisScale(m.GraphHandle, m.AxisHandle[a], &min, &max, &intercept) != 0) {
            m.AxisMin[a] = min;
            m.AxisMax[a] = max;
            m.AxisIntercept[a] = intercept;
        }
    }
    m.Zooming = 0;
}

QString DataValueText(double x, double y) {
    return QStringLiteral("X=") + GeneralText(x) + QStringLiteral("\nY=") + GeneralText(y);
}

} // namespace chart
