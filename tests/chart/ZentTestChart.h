#pragma once
// A control with one enabled line data set on fixed axes 0..10, for drawing and mouse tests.

#include "ContainerCalls.h"
#include "CZENTCtrl.h"

#include <QImage>
#include <vector>

namespace zenttest {

inline void DefineLine(CZENTCtrl& control, std::int32_t colorRef) {
    std::vector<double> x = {0, 2, 4, 6, 8, 10}, y = {1, 9, 1, 9, 1, 9};
    testsupport::DefineDataSet(control, 0, "Line", x, y);
    chart::CChartModel& m = control.Model();
    m.SDataEnable[0] = 1;
    m.SDataType[0] = 0;
    m.SPlotType[0] = 0;
    m.SPlotLineColor[0] = colorRef;
    m.SPlotLineThickness[0] = 3;
    for (int a = 0; a < 2; ++a) {
        m.AxisAutoAxis[static_cast<std::size_t>(a)] = 0;
        m.AxisMin[static_cast<std::size_t>(a)] = 0.0;
        m.AxisMax[static_cast<std::size_t>(a)] = 10.0;
        m.AxisMajorTickInterval[static_cast<std::size_t>(a)] = 2.0;
    }
}

// Pixels of a pure colour (0x00BBGGRR) inside a rectangle, allowing for anti-aliasing.
inline int CountColour(const QImage& image, const QRect& area, std::int32_t colorRef) {
    const int r = colorRef & 0xFF, g = (colorRef >> 8) & 0xFF, b = (colorRef >> 16) & 0xFF;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - r) < 60 && std::abs(c.green() - g) < 60 && std::abs(c.blue() - b) < 60) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace zenttest
