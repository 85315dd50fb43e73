#pragma once
// The chart the engine benchmarks and the comparison with QCustomPlot draw: a 1280 x 800 page,
// the plot area from 10 % to 75 % across and 12 % to 88 % down, both axes with numeric labels,
// titles and dotted grids at major and minor ticks, three titles, a legend beside the plot area
// and line plots in the five pen styles in turn. Both sides are built from these numbers.

#include "Kestran.h"

#include <QString>
#include <vector>

namespace scene {

struct Spec {
    int curves = 13;
    int points = 3000;
    int penWidth = 2;
};

constexpr int kWidth = 1280, kHeight = 800;
constexpr double kPlotLeft = 0.1, kPlotTop = 0.12, kPlotRight = 0.75, kPlotBottom = 0.88;
constexpr double kLegendLeft = 0.77, kLegendTop = 0.12, kLegendRight = 0.99, kLegendBottom = 0.6;
constexpr double kXMin = 0, kXMax = 300, kXStep = 50;
constexpr double kYMin = 60, kYMax = 200, kYStep = 20;
constexpr int kMinorTicks = 4;
constexpr int kTitleCount = 3;

// Curves rise like path loss over distance with a ripple; the first points fall below the Y
// scale, so clipping is part of every draw.
std::vector<double> Xs(int points);
std::vector<double> Ys(int curve, int points);
int PenStyle(int curve); // kestran::codes::PenStyle
QString Title(int t);
int TitlePointSize(int t);
QString LegendLine(int curve);

// The scene built with the engine's own calls.
class EngineChart {
public:
    explicit EngineChart(const Spec& spec);
    ~EngineChart();
    EngineChart(const EngineChart&) = delete;
    EngineChart& operator=(const EngineChart&) = delete;
    EngineHandle Page() const { return page_; }

private:
    EngineHandle page_ = 0, graph_ = 0;
    std::vector<EngineHandle> sets_;
};

} // namespace scene
