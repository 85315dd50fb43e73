// Draws the benchmark scene with the engine and with QCustomPlot, alternately in one process, and
// prints the median time of each and their ratio; then runs itself twice more to compare the peak
// memory of the chart control and of a QCustomPlot widget, each holding one curve of a million
// points and drawn once.
//
//   bench_versus_qcustomplot [--rounds N] [--images DIR]
//
// Both sides draw into the same kind of image without antialiasing, lay out everything anew each
// time, and QCustomPlot keeps its defaults otherwise (adaptive sampling on).

#include "ContainerCalls.h"
#include "CZENTCtrl.h"
#include "ProcessMemory.h"
#include "Scene.h"

#include <qcustomplot.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

QColor ToQColor(kestran::ColorRef c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QVector<double> ToQVector(const std::vector<double>& v) {
    return QVector<double>(v.begin(), v.end());
}

QFont Arial(double points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}

// The engine's minor tick count, which QCustomPlot would otherwise derive from the step.
class FixedTicker : public QCPAxisTickerFixed {
public:
    explicit FixedTicker(double step) {
        setTickStep(step);
        setScaleStrategy(ssNone);
    }

protected:
    int getSubTickCount(double) override { return scene::kMinorTicks; }
};

void SetUpAxis(QCPAxis* axis, double min, double max, double step, const QString& label) {
    axis->setRange(min, max);
    axis->setTicker(QSharedPointer<QCPAxisTicker>(new FixedTicker(step)));
    axis->setTickLength(0, 10);
    axis->setSubTickLength(0, 5);
    axis->setTickLabelFont(Arial(8));
    axis->setLabelFont(Arial(10, true));
    axis->setLabel(label);
    const QPen grid(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine);
    axis->grid()->setPen(grid);
    axis->grid()->setSubGridPen(grid);
    axis->grid()->setSubGridVisible(true);
    axis->grid()->setZeroLinePen(Qt::NoPen);
}

// The scene of Scene.h built with QCustomPlot.
class QcpChart {
public:
    explicit QcpChart(const scene::Spec& spec) {
        using namespace scene;
        plot_.resize(kWidth, kHeight);
        plot_.setAntialiasedElements(QCP::aeNone);
        plot_.setNotAntialiasedElements(QCP::aeAll);
        plot_.setBackground(Qt::white);
        QCPAxisRect* rect = plot_.axisRect();
        rect->setAutoMargins(QCP::msNone);
        rect->setMargins(QMargins(int(kPlotLeft * kWidth), int(kPlotTop * kHeight),
                                  kWidth - int(kPlotRight * kWidth), kHeight - int(kPlotBottom * kHeight)));
        SetUpAxis(plot_.xAxis, kXMin, kXMax, kXStep, QStringLiteral("Distance (km)"));
        SetUpAxis(plot_.yAxis, kYMin, kYMax, kYStep, QStringLiteral("Path loss (dB)"));
        const QVector<double> keys = ToQVector(Xs(spec.points));
        for (int c = 0; c < spec.curves; ++c) {
            QCPGraph* graph = plot_.addGraph();
            graph->setData(keys, ToQVector(Ys(c, spec.points)), true);
            static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                                  Qt::DashDotDotLine};
            graph->setPen(QPen(ToQColor(EngineGetPaletteColor(c + 1)), spec.penWidth, styles[PenStyle(c)]));
            graph->setName(LegendLine(c));
        }
        const double ys[kTitleCount] = {0.015, 0.11, 0.985};
        for (int t = 0; t < kTitleCount; ++t) {
            auto* text = new QCPItemText(&plot_);
            text->setClipToAxisRect(false);
            text->position->setType(QCPItemPosition::ptAbsolute);
            text->position->setCoords(kWidth / 2.0, ys[t] * kHeight);
            text->setPositionAlignment(Qt::AlignHCenter | (t == 0 ? Qt::AlignTop : Qt::AlignBottom));
            text->setFont(Arial(TitlePointSize(t)));
            text->setText(Title(t));
        }
        plot_.legend->setVisible(true);
        plot_.legend->setFont(Arial(8));
        plot_.legend->setBorderPen(QPen(Qt::black, 1));
        QCPLayoutInset* inset = rect->insetLayout();
        inset->setInsetPlacement(0, QCPLayoutInset::ipFree);
        const double w = (kPlotRight - kPlotLeft) * kWidth, h = (kPlotBottom - kPlotTop) * kHeight;
        inset->setInsetRect(
            0, QRectF((kLegendLeft - kPlotLeft) * kWidth / w, (kLegendTop - kPlotTop) * kHeight / h,
                      (kLegendRight - kLegendLeft) * kWidth / w, (kLegendBottom - kLegendTop) * kHeight / h));
    }

    void Draw(QImage& image) {
        QCPPainter painter(&image);
        plot_.toPainter(&painter, image.width(), image.height());
    }

private:
    QCustomPlot plot_;
};

void DrawEngine(const scene::EngineChart& chart, QImage& image) {
    QPainter painter(&image);
    EnginePaintPage(chart.Page(), painter);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F> double Milliseconds(F&& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void CompareDrawing(const scene::Spec& spec, int rounds, const QString& imageDir) {
    scene::EngineChart engine(spec);
    QcpChart qcp(spec);
    QImage a(scene::kWidth, scene::kHeight, QImage::Format_RGB32), b = a;
    for (int i = 0; i < 2; ++i) {
        DrawEngine(engine, a);
        qcp.Draw(b);
    }
    std::vector<double> te, tq;
    for (int r = 0; r < rounds; ++r) {
        // Alternating which side goes first cancels what one draw leaves in the caches for the next.
        if (r % 2 == 0) {
            te.push_back(Milliseconds([&] { DrawEngine(engine, a); }));
            tq.push_back(Milliseconds([&] { qcp.Draw(b); }));
        } else {
            tq.push_back(Milliseconds([&] { qcp.Draw(b); }));
            te.push_back(Milliseconds([&] { DrawEngine(engine, a); }));
        }
    }
    const double me = Median(te), mq = Median(tq);
    std::printf("%2d x %7d points, pen %d: engine %8.3f ms, QCustomPlot %8.3f ms, ratio %.2f\n", spec.curves,
                spec.points, spec.penWidth, me, mq, me / mq);
    if (!imageDir.isEmpty()) {
        const QString name =
            QStringLiteral("%1x%2-pen%3").arg(spec.curves).arg(spec.points).arg(spec.penWidth);
        a.save(imageDir + QStringLiteral("/engine-") + name + QStringLiteral(".png"));
        b.save(imageDir + QStringLiteral("/qcustomplot-") + name + QStringLiteral(".png"));
    }
}

constexpr int kMemoryPoints = 1'000'000;

void FillControl(CZENTCtrl& control, std::vector<double> x, std::vector<double> y) {
    testsupport::DefineDataSet(control, 0, "Curve", x, y);
    testsupport::EnableDataSet(control, 0);
    const double limits[2][2] = {{scene::kXMin, scene::kXMax}, {scene::kYMin, scene::kYMax}};
    for (int axis = 0; axis < 2; ++axis) {
        testsupport::SetAxisRange(control, axis, limits[axis][0], limits[axis][1]);
    }
}

// Child process: one side's peak memory, as "baseline peak" in KiB.
int MeasureMemory(const std::string& side) {
    long baseline = 0;
    if (side == "engine") {
        CZENTCtrl control;
        control.resize(scene::kWidth, scene::kHeight);
        control.grab();
        baseline = static_cast<long>(benchmem::PeakBytes() / 1024);
        FillControl(control, scene::Xs(kMemoryPoints), scene::Ys(0, kMemoryPoints));
        control.UpdateGraph();
        control.grab();
    } else {
        QCustomPlot plot;
        plot.resize(scene::kWidth, scene::kHeight);
        plot.grab();
        baseline = static_cast<long>(benchmem::PeakBytes() / 1024);
        plot.addGraph()->setData(ToQVector(scene::Xs(kMemoryPoints)), ToQVector(scene::Ys(0, kMemoryPoints)),
                                 true);
        plot.xAxis->setRange(scene::kXMin, scene::kXMax);
        plot.yAxis->setRange(scene::kYMin, scene::kYMax);
        plot.replot();
        plot.grab();
    }
    std::printf("%ld %ld\n", baseline, static_cast<long>(benchmem::PeakBytes() / 1024));
    return 0;
}

bool RunChild(const QString& side, long& baseline, long& peak) {
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory-of"), side});
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        return false;
    }
    return std::sscanf(p.readAllStandardOutput().constData(), "%ld %ld", &baseline, &peak) == 2;
}

void CompareMemory() {
    long be = 0, pe = 0, bq = 0, pq = 0;
    if (!RunChild(QStringLiteral("engine"), be, pe) || !RunChild(QStringLiteral("qcustomplot"), bq, pq)) {
        std::printf("memory: a measuring run failed\n");
        return;
    }
    std::printf("1 x %d points, peak memory: control %.1f MB (%.1f MB before the data), QCustomPlot %.1f MB "
                "(%.1f MB), ratio %.2f\n",
                kMemoryPoints, pe / 1024.0, be / 1024.0, pq / 1024.0, bq / 1024.0, double(pe) / double(pq));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 31;
    QString imageDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--memory-of") == 0) {
            return MeasureMemory(argv[i + 1]);
        }
        if (std::strcmp(argv[i], "--rounds") == 0) {
            rounds = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--images") == 0) {
            imageDir = QString::fromLocal8Bit(argv[i + 1]);
            QDir().mkpath(imageDir);
        }
    }
    for (const scene::Spec& spec :
         {scene::Spec{13, 3000, 1}, scene::Spec{13, 3000, 2}, scene::Spec{1, 1'000'000, 1}}) {
        CompareDrawing(spec, rounds, imageDir);
    }
    CompareMemory();
    return 0;
}
