#include "Scene.h"

#include <cmath>
#include <cstring>

namespace scene {

std::vector<double> Xs(int points) {
    std::vector<double> x(static_cast<size_t>(points));
    for (int i = 0; i < points; ++i) {
        x[static_cast<size_t>(i)] = kXMax * (i + 1) / points;
    }
    return x;
}

std::vector<double> Ys(int curve, int points) {
    const std::vector<double> x = Xs(points);
    std::vector<double> y(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        y[i] = 80 + 6 * curve + 20 * std::log10(x[i]) + 3 * std::sin(double(i) * 0.05 + curve);
    }
    return y;
}

int PenStyle(int curve) {
    return curve % 5;
}

QString Title(int t) {
    static const char* const titles[kTitleCount] = {"Path Loss Comparison", "150 MHz, hb 30 m, hm 1 m",
                                                    "Footer"};
    return QString::fromLatin1(titles[t]);
}

int TitlePointSize(int t) {
    return t == 0 ? 14 : 9;
}

QString LegendLine(int curve) {
    return QStringLiteral("Model %1 curve").arg(curve + 1);
}

EngineChart::EngineChart(const Spec& spec) {
    page_ = EngineCreatePage("ZENT0", nullptr, "First Graph", "PageMenu", 0xFFFFFF, 10, 0, 0, 0, 0, kWidth,
                             kHeight, nullptr);
    graph_ = EngineCreateGraph(nullptr, page_, 0, 0, 1, 1, 0xFFFFFF, 0, 1, nullptr);
    EngineSetPlotArea(graph_, nullptr, kPlotLeft, kPlotTop, kPlotRight, kPlotBottom, 0xFFFFFF);
    EngineSetTickSizes(page_, 10, 5);
    EngineSetBorderStyle(graph_, 0);
    EngineSetScaleTypes(graph_, 0, 0);
    EngineSetScale(graph_, kXMin, kYMin, kXMax, kYMax);
    EngineSetAxesIntercepts(graph_, kXMin, kYMin);
    const std::vector<double> x = Xs(spec.points);
    for (int c = 0; c < spec.curves; ++c) {
        const std::vector<double> y = Ys(c, spec.points);
        sets_.push_back(EngineCreateDataset(nullptr, x.data(), y.data(), spec.points));
    }
    for (int axis = 0; axis < 2; ++axis) {
        EngineSetLineAttributes(graph_, nullptr, 0, 1, 0);
        const EngineHandle h = axis == 0 ? EngineAddXAxis(graph_, nullptr, kXStep, kMinorTicks, 0)
                                         : EngineAddYAxis(graph_, nullptr, kYStep, kMinorTicks, 1);
        EngineSetTextAttributes(0, "Arial", 8, 0);
        EngineAddNumericAxisLabels(graph_, nullptr, h, axis == 0 ? 0 : 1, 0, 0, 0, 0);
        EngineSetTextAttributes(0, "Arial", 10, 1);
        EngineAddAxisTitle(graph_, nullptr, h, axis == 0 ? 0 : 1,
                           axis == 0 ? "Distance (km)" : "Path loss (dB)");
        EngineSetLineAttributes(graph_, nullptr, kestran::codes::PenDot, 1, 0xC0C0C0);
        EngineAddAxisGrid(graph_, h, kestran::codes::GridBoth);
    }
    for (int c = 0; c < spec.curves; ++c) {
        EngineSetLineAttributes(graph_, nullptr, PenStyle(c), spec.penWidth, EngineGetPaletteColor(c + 1));
        EngineAddLinePlot(graph_, nullptr, sets_[size_t(c)], 0, 0);
    }
    const double ys[kTitleCount] = {0.015, 0.11, 0.985};
    const int anchors[kTitleCount] = {6, 14, 14};
    for (int t = 0; t < kTitleCount; ++t) {
        EngineSetTextAttributes(0, "Arial", TitlePointSize(t), 0);
        EngineAddTitle(graph_, nullptr, Title(t).toLatin1().constData(), 0.5, ys[t], anchors[t], 0);
    }
    std::vector<char> block(size_t(spec.curves) * 42, '\0');
    for (int c = 0; c < spec.curves; ++c) {
        std::strncpy(block.data() + c * 42, LegendLine(c).toLatin1().constData(), 41);
    }
    EngineSetTextAttributes(0, "Arial", 8, 0);
    EngineAddSimpleLegend(graph_, nullptr, kLegendLeft, kLegendTop, kLegendRight, kLegendBottom, 0, 1, 0,
                          0xFFFFFF, 0, block.data(), spec.curves);
}

EngineChart::~EngineChart() {
    EngineDeletePage(page_);
    for (EngineHandle s : sets_) {
        EngineDeleteDataset(s, 0);
    }
}

} // namespace scene
