// Nothing a plot draws lands outside its plot area: random charts, whose data leave the scale on
// every side, are drawn with and without their plots, and every pixel that changed must lie within
// the plot background.

#include "Kestran.h"

#include <gtest/gtest.h>

#include <QImage>
#include <random>
#include <vector>

namespace {

constexpr kestran::ColorRef kPlotBackground = 0xF0F0F0;

class RandomChart {
public:
    explicit RandomChart(std::mt19937& rng) : rng_(rng) {
        page_ = EngineCreatePage("ZENT0", nullptr, "First Graph", "PageMenu", 0xFFFFFF, 10, 0x40000000u, 0, 0,
                                 0, 311, 217, nullptr);
        graph_ = EngineCreateGraph(nullptr, page_, 0, 0, 1, 1, 0xFFFFFF, 0, 0, nullptr);
        EngineSetBorderStyle(graph_, 5);
        EngineSetPlotArea(graph_, nullptr, Real(0.05, 0.3), Real(0.05, 0.3), Real(0.7, 0.95), Real(0.7, 0.95),
                          kPlotBackground);
        EngineSetScale(graph_, 0, 0, 10, 10);
        EngineSetAxesIntercepts(graph_, Real(-2, 12), Real(-2, 12));
    }
    ~RandomChart() {
        EngineDeletePage(page_);
        for (EngineHandle d : data_) {
            EngineDeleteDataset(d, 0);
        }
    }

    QImage Render() const { return EngineRenderPageImage(page_); }

    void AddPlots() {
        const int plots = Int(1, 3);
        for (int i = 0; i < plots; ++i) {
            AddPlot(kColours[std::size_t(i)]);
        }
    }

private:
    static constexpr kestran::ColorRef kColours[3] = {0x0000FF, 0x00C000, 0xFF0000};

    double Real(double lo, double hi) const { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    int Int(int lo, int hi) const { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // Points spread over the scale and past it on every side.
    EngineHandle Data(int groups) {
        const int n = Int(2, 12);
        std::vector<double> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n * groups));
        double at = Real(-3, 2);
        for (int i = 0; i < n; ++i) {
            at += Real(0.3, 2.5);
            x[std::size_t(i)] = at;
        }
        for (double& v : y) {
            v = Real(-4, 14);
        }
        const EngineHandle d = groups == 1 ? EngineCreateDataset(nullptr, x.data(), y.data(), n)
                                           : EngineCreateGroupDataset(nullptr, x.data(), y.data(), n, groups);
        data_.push_back(d);
        return d;
    }

    void AddPlot(kestran::ColorRef colour) {
        const int width = Int(0, 7), style = Int(0, 4), shape = Int(1, 9), size = Int(3, 17);
        const int barType = Int(6, 9), justify = std::vector<int>{0, 3, 4}[std::size_t(Int(0, 2))];
        const int hatch = Int(-1, 5);
        const kestran::ColorRef colours[3] = {colour, colour, colour};
        const int hatches[3] = {hatch, hatch, hatch}, opaque[3] = {0, 1, 0};
        const int styles[3] = {style, style, style}, widths[3] = {width, width, width};
        EngineSetLineAttributes(graph_, nullptr, style, width, colour);
        switch (Int(0, 9)) {
        case 0:
            EngineAddLinePlot(graph_, nullptr, Data(1), Int(0, 1), Int(0, 1));
            break;
        case 1:
            EngineAddScatterPlot(graph_, nullptr, Data(1), shape, colour, size, Int(0, 1), Int(0, 1));
            break;
        case 2:
            EngineAddLineMarkerPlot(graph_, nullptr, Data(1), shape, colour, size, Int(0, 1));
            break;
        case 3:
            EngineAddBarPlot(graph_, nullptr, Data(1), Real(0.2, 1.5), justify, barType, colour, hatch, 0);
            break;
        case 4:
            EngineAddGroupBarPlot(graph_, nullptr, Data(3), Real(0.2, 1.5), justify, barType, Int(0, 2),
                                  colours, hatches, opaque, 3);
            break;
        case 5:
            EngineAddFloatingBarPlot(graph_, nullptr, Data(2), Real(0.2, 1.5), justify, barType, colour,
                                     hatch, 1);
            break;
        case 6:
            EngineAddStackedLinePlot(graph_, nullptr, Data(3), Int(0, 1), styles, widths, colours, 3);
            break;
        case 7:
            EngineAddHighLowClosePlot(graph_, nullptr, Data(3), shape, colour, size, Int(0, 1));
            break;
        case 8:
            EngineAddErrorBarPlot(graph_, nullptr, Data(3), size);
            break;
        default:
            EngineAddLinePlot(graph_, nullptr, Data(1), 0, 0);
            break;
        }
    }

    std::mt19937& rng_;
    EngineHandle page_ = 0, graph_ = 0;
    std::vector<EngineHandle> data_;
};

// The box of the plot background's pixels.
QRect PlotBox(const QImage& image) {
    QRect box;
    const QRgb background = qRgb(0xF0, 0xF0, 0xF0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == background) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace

TEST(PlotClip, RandomChartsDrawNoPixelOutsideThePlotArea) {
    std::mt19937 rng(2101);
    int outside = 0, inside = 0;
    for (int chart = 0; chart < 300; ++chart) {
        RandomChart c(rng);
        const QImage empty = c.Render();
        const QRect box = PlotBox(empty);
        ASSERT_FALSE(box.isEmpty());
        c.AddPlots();
        const QImage drawn = c.Render();
        ASSERT_EQ(drawn.size(), empty.size());
        int strays = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) != empty.pixel(x, y)) {
                    ++(box.contains(x, y) ? inside : strays);
                }
            }
        }
        EXPECT_EQ(strays, 0) << "chart " << chart;
        outside += strays;
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 300 * 100); // the plots were drawn at all
}
