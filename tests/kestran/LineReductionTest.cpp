// A line plot is drawn from its data set with each pixel column's run of points reduced to four;
// rendered, it must cover exactly the pixels of the whole polyline.

#include "canvas/Clip.h"
#include "canvas/PainterCanvas.h"
#include "EngineFixture.h"
#include "render/Render.h"

#include <cmath>
#include <QImage>
#include <QPainter>
#include <random>

using namespace kestran;
using LineReduction = EngineFixture;

namespace {

constexpr ColorRef kColour = 0x0000FF;

// Records polylines as they come, every point kept.
class FullRecording : public RecordingCanvas {
public:
    bool NeedsEveryPoint() const override { return true; }
};

QImage Render(const std::vector<const Primitive*>& lines) {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    for (const Primitive* p : lines) {
        canvas.SetPen(p->pen);
        canvas.Polyline(p->points.data(), int(p->points.size()));
    }
    return image;
}

int Coloured(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == qRgb(0xFF, 0, 0);
        }
    }
    return n;
}

size_t PointCount(const std::vector<const Primitive*>& lines) {
    size_t n = 0;
    for (const Primitive* p : lines) {
        n += p->points.size();
    }
    return n;
}

struct Points {
    std::vector<double> x, y;
};

// n points: X from x0 to x1 (or at random across that span), Y a noisy wave around 5.
Points Make(int n, double x0, double x1, bool shuffled, int gapEvery, unsigned seed, double wave = 4) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> noise(-0.5, 0.5), across(x0, x1);
    Points d;
    for (int i = 0; i < n; ++i) {
        d.x.push_back(shuffled ? across(rng) : x0 + (x1 - x0) * i / (n - 1));
        d.y.push_back(5 + wave * std::sin(i * 0.0013) + noise(rng));
        if (gapEvery > 0 && i % gapEvery == gapEvery - 1) {
            (i % 2 ? d.y : d.x).back() = i % 3 ? NAN : INFINITY;
        }
    }
    return d;
}

struct Case {
    const char* what;
    Points data;
    bool logX;
    bool dense; // the reduction must leave far fewer points
    bool reversedY = false;
};

TEST_F(LineReduction, ReducedLineCoversThePixelsOfTheWholeLine) {
    const Case cases[] = {
        {"sorted", Make(20000, 0, 10, false, 0, 1), false, true},
        {"sorted beyond both ends of the scale", Make(20000, -4, 14, false, 0, 2), false, true},
        {"descending", Make(20000, 12, -2, false, 0, 3), false, true},
        {"sorted with gaps", Make(20000, -1, 11, false, 37, 4), false, true},
        {"sorted across the top and bottom edges", Make(20000, 0, 10, false, 0, 9, 5.6), false, false},
        {"unsorted", Make(3000, -1, 11, true, 0, 5), false, false},
        {"unsorted with gaps", Make(3000, -1, 11, true, 11, 6), false, false},
        {"sparse", Make(300, -1, 11, false, 0, 7), false, false},
        {"sorted on a logarithmic scale", Make(20000, 0.05, 20, false, 0, 8), true, true},
        {"sorted, Y scale upside down", Make(20000, 0, 10, false, 0, 10), false, true, true},
    };
    for (const Case& c : cases) {
        for (int width : {1, 2, 3}) {
            SCOPED_TRACE(::testing::Message() << c.what << ", width " << width);
            EngineSetScaleTypes(graph, c.logX, 0);
            const double y0 = c.reversedY ? 10 : 0, y1 = 10 - y0;
            EngineSetScale(graph, c.logX ? 0.1 : 0, y0, 10, y1);
            EngineSetLineAttributes(graph, nullptr, codes::PenSolid, width, kColour);
            const EngineHandle set = Data(c.data.x, c.data.y);
            ASSERT_NE(EngineAddLinePlot(graph, nullptr, set, 0, 0), 0);
            Draw();
            EngineDeleteDataset(set, 0); // its plot draws nothing from now on
            const auto reduced = InColour(Primitive::Polyline, kColour);

            const ScalePair scale =
                Attach({ScaleMap(c.logX ? 0.1 : 0, 10, c.logX), ScaleMap(y0, y1, false)}, Plot());
            std::vector<QPointF> device;
            for (size_t i = 0; i < c.data.x.size(); ++i) {
                const bool finite = std::isfinite(c.data.x[i]) && std::isfinite(c.data.y[i]);
                device.push_back(finite
                                     ? QPointF(scale.x.ToDevice(c.data.x[i]), scale.y.ToDevice(c.data.y[i]))
                                     : QPointF(NAN, NAN));
            }
            FullRecording full;
            full.SetPen({kColour, width, codes::PenSolid});
            std::vector<QPointF> run;
            DrawClippedPolyline(full, device.data(), int(device.size()), Plot(), run);
            const auto whole = full.Find(Primitive::Polyline);

            const QImage image = Render(whole);
            EXPECT_EQ(Render(reduced), image);
            EXPECT_GT(Coloured(image), 300);
            if (c.dense) {
                EXPECT_LT(PointCount(reduced) * 4, PointCount(whole));
            }
        }
    }
}

} // namespace
