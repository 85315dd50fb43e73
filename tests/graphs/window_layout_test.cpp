// The graph windows' charts as drawn: at the windows' default size and at 1600 x 1000, in metric
// and English units, at 100 and 300 km, with and without measured data, no legend lies on a curve
// or a title, every text is whole inside the chart, and each data set has its colour (by pixel)
// and its line style (by the engine's recorded drawing calls).
//
// With TARVEK_GRAPH_SHOTS naming a folder, each case also leaves a picture of its window and the
// window's saved metafile there; run under Xvfb with QT_QPA_PLATFORM=xcb for screenshots of real
// windows.

#include "window_fixture.h"

#include "canvas/RecordingCanvas.h"
#include "ChartConstants.h"
#include "CZENTCtrl.h"
#include "FrmOkumFieldStrength.h"
#include "GraphForm.h"
#include "Kestran.h"
#include "LoadMeasured.h"
#include "ModCalculations.h"
#include "ProgramState.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace {

using automation::InvokeKind;
using automation::Variant;
using kestran::Primitive;

// Dispatch id of the property that hides an axis.
constexpr int kAxisEnable = 86;

constexpr kestran::ColorRef Rgb(int r, int g, int b) {
    return static_cast<kestran::ColorRef>(r | (g << 8) | (b << 16));
}

// One data set as it must be drawn: colour, pen style (0 solid, 2 dotted, 3 dash-dot) and width.
struct Pen {
    kestran::ColorRef colour;
    int style;
    int width;
};

enum class Window { Loss, Comparison, SingleP529 };

struct Case {
    Window window;
    bool english;
    double km;
    bool measured;
    bool large; // 1600 x 1000, else the window's default size
};

// The data sets of 450 MHz, base 100 m, mobile 1.5 m, urban: ITU-R P.529 leaves its range
// beyond 100 km (a dash-dot piece), COST 231 is outside its frequency range throughout. Every set
// is one pixel wide but the path-loss free space, which its builder leaves at the chart's width 2.
std::vector<Pen> ExpectedSets(const Case& c) {
    const kestran::ColorRef green = Rgb(0, 128, 0), red = Rgb(255, 0, 0), blue = Rgb(0, 0, 180);
    const bool broken = c.km == 300;
    std::vector<Pen> sets;
    const auto add = [&sets](kestran::ColorRef colour, int style, int width = 1) {
        sets.push_back(Pen{colour, style, width});
    };
    if (c.window == Window::SingleP529) {
        for (const kestran::ColorRef colour :
             {green, red, blue, Rgb(255, 0, 255), Rgb(0, 0, 0), Rgb(0, 200, 200)}) {
            add(colour, 0);
            if (broken)
                add(colour, 3);
        }
        add(Rgb(200, 200, 200), 2);
        return sets;
    }
    add(green, 0);
    if (broken)
        add(green, 3);
    add(red, 0);
    add(blue, 3);
    if (c.window == Window::Loss) {
        add(Rgb(40, 40, 40), 2, 2);
        return sets;
    }
    add(Rgb(0, 0, 0), 2);
    if (c.measured)
        add(Rgb(0, 200, 200), 0);
    return sets;
}

std::string Name(const Case& c) {
    const char* windows[] = {"loss", "comparison", "p529"};
    return std::string(windows[static_cast<int>(c.window)]) + (c.english ? "_english_" : "_metric_") +
           std::to_string(static_cast<int>(c.km)) + "km" + (c.measured ? "_measured" : "") +
           (c.large ? "_1600x1000" : "_default");
}

// Measured field strengths at 450 MHz, 50 % of time, urban, mobile 1.5 m, base 30 m and 100 m.
const char* const kMeasuredCsv = "0,450,0.5,Urban,1.5,2,30,100\n"
                                 "1,72.5,84.0\n2,63.0,75.5\n4,52.5,66.0\n6,46.0,60.5\n8,41.5,56.0\n"
                                 "10,38.0,52.5\n15,31.0,46.5\n20,26.5,42.0\n30,19.0,35.5\n40,14.5,30.0\n"
                                 "50,10.0,26.5\n60,7.5,23.0\n";

class ChartLayoutTest : public GraphWindowTest {
protected:
    // Opens the window of a case over the main window's inputs; `inputs` may change them once the
    // units are set.
    void Open(const Case& c, const std::function<void()>& inputs = {}) {
        ui().txtFreq->setText(QStringLiteral("450.0"));
        ui().txthb->setText(QStringLiteral("100.0"));
        ui().txthm->setText(QStringLiteral("1.5"));
        if (c.english)
            ui().mnuUnitsEnglish->trigger();
        if (inputs)
            inputs();
        QFile csv(tempDir() + QStringLiteral("/measured.csv"));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write(kMeasuredCsv);
        csv.close();
        ASSERT_TRUE(LoadMeasuredFile(tempDir()));
        program::ShowMeasuredData = c.measured ? -1 : 0;
        if (c.window == Window::Loss) {
            auto w = std::make_unique<GraphForm>();
            w->Form_Load();
            if (c.km == 300)
                w->menus().mnuGraph300->trigger();
            window_ = std::move(w);
        } else {
            program::GraphModel = c.window == Window::Comparison ? 4 : 1;
            auto w = std::make_unique<FrmOkumFieldStrength>();
            w->Form_Load();
            if (c.km == 300)
                w->extra().mnuModelDist300->trigger();
            window_ = std::move(w);
        }
        window_->ui().cmdUpdateGraph->click();
        window_->resize(c.large ? QSize(1600, 1000) : window_->sizeHint());
        window_->show();
        QApplication::processEvents();
        control_ = dynamic_cast<CZENTCtrl*>(window_->ui().chartWidget);
        ASSERT_NE(control_, nullptr);
        const QString shots = qEnvironmentVariable("TARVEK_GRAPH_SHOTS");
        if (!shots.isEmpty()) {
            const QString base = QDir(shots).filePath(QString::fromStdString(Name(c)));
            window_->grab().save(base + QStringLiteral(".png"));
            fileAnswers_ = {base + QStringLiteral(".wmf")};
            fileQuestions_ = 0;
            window_->mnuFileSave_Click();
        }
    }

    automation::IDispatch& Chart() { return *window_->chart(); }
    // The box in the control's pixels.
    QRectF Box(BoxIds ids) {
        const Edges e = EdgesOf(Chart(), ids);
        const QSizeF size = control_->size();
        return QRectF(QPointF(e.left * size.width(), e.top * size.height()),
                      QPointF(e.right * size.width(), e.bottom * size.height()));
    }
    QRectF PlotArea() { return Box(kPlotArea); }
    QRectF LegendBox() { return Box(kLegendBox); }

    void Put(int dispid, std::vector<Variant> args) {
        ASSERT_EQ(Chart().Invoke(dispid, InvokeKind::PropertyPut, args, nullptr), automation::S_OK) << dispid;
    }
    // Rebuilds and paints the chart; its picture and the engine's drawing calls.
    QImage Draw(kestran::RecordingCanvas* calls = nullptr) {
        Chart().Invoke(chartid::UpdateGraph, InvokeKind::Method, {}, nullptr);
        const QImage image = control_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (calls != nullptr)
            EnginePaintPageToCanvas(control_->Page(), *calls);
        return image;
    }

    // Every text of the drawn chart lies whole inside it.
    void ExpectTextsInside() {
        kestran::RecordingCanvas calls;
        Draw(&calls);
        const QRectF chart(QPointF(0, 0), QSizeF(control_->size()));
        for (const Primitive* text : calls.Find(Primitive::Text))
            EXPECT_TRUE(chart.contains(text->rect)) << text->text.toStdString();
    }

    std::unique_ptr<GraphFormBase> window_;
    CZENTCtrl* control_ = nullptr;
};

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const Window window : {Window::Loss, Window::Comparison, Window::SingleP529})
        for (const bool english : {false, true})
            for (const double km : {100.0, 300.0})
                for (const bool measured : {false, true})
                    for (const bool large : {false, true})
                        if (!measured || window == Window::Comparison)
                            cases.push_back({window, english, km, measured, large});
    return cases;
}

TEST_F(ChartLayoutTest, TextsLegendCurvesAndStyles) {
    for (const Case& c : AllCases()) {
        SCOPED_TRACE(Name(c));
        Open(c);
        if (HasFatalFailure())
            return;
        const QRectF plot = PlotArea();
        const QRectF legend = LegendBox();

        // Every text is whole inside the chart; titles stay off the plot area and the legend.
        kestran::RecordingCanvas shown;
        const QImage withLegend = Draw(&shown);
        ExpectTextsInside();
        std::vector<std::string> titles;
        for (int t = 0; t < 3; ++t)
            titles.push_back(GetText(Chart(), chartid::TitleString, t));
        const std::string legendText = GetText(Chart(), chartid::SLegendStrings);
        const int legendLines = 1 + static_cast<int>(std::count(legendText.begin(), legendText.end(), '\r'));
        int legendTexts = 0, titleTexts = 0;
        for (const Primitive* text : shown.Find(Primitive::Text)) {
            const bool title =
                std::find(titles.begin(), titles.end(), text->text.toStdString()) != titles.end();
            if (title) {
                ++titleTexts;
                EXPECT_FALSE(text->rect.intersects(plot)) << text->text.toStdString();
                EXPECT_FALSE(text->rect.intersects(legend)) << text->text.toStdString();
            }
            legendTexts += legend.contains(text->rect) ? 1 : 0;
        }
        EXPECT_EQ(titleTexts, c.window == Window::Loss ? 3 : 2);
        EXPECT_EQ(legendTexts, legendLines); // the box shows every line

        // The legend draws only on blank chart: no pixel of a curve, an axis or a title changes.
        Put(chartid::SLegendEnable, {Variant::Bool(false)});
        const QImage without = Draw();
        const QRgb white = qRgb(255, 255, 255);
        int covered = 0;
        for (int y = 0; y < without.height(); ++y)
            for (int x = 0; x < without.width(); ++x)
                covered += without.pixel(x, y) != withLegend.pixel(x, y) && without.pixel(x, y) != white;
        EXPECT_EQ(covered, 0);

        // The data sets alone, with the Y scale opened so that every piece shows: each has its
        // colour on screen and is drawn, in set order, with its pen, one pixel wide.
        Put(kAxisEnable, {Variant::I4(0), Variant::Bool(false)});
        Put(kAxisEnable, {Variant::I4(1), Variant::Bool(false)});
        Put(chartid::AxisMin, {Variant::I4(1), Variant::R8(-300)});
        Put(chartid::AxisMax, {Variant::I4(1), Variant::R8(400)});
        kestran::RecordingCanvas data;
        const QImage sets = Draw(&data);
        std::vector<Pen> drawn;
        for (const Primitive& p : data.Primitives()) {
            if (p.kind == Primitive::Text)
                break; // the titles and the legend come after the plots
            if (p.kind != Primitive::Polyline)
                continue;
            const Pen pen{p.pen.color, p.pen.style, p.pen.width};
            if (drawn.empty() || drawn.back().colour != pen.colour || drawn.back().style != pen.style ||
                drawn.back().width != pen.width)
                drawn.push_back(pen);
        }
        const std::vector<Pen> expected = ExpectedSets(c);
        ASSERT_EQ(drawn.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(drawn[i].colour, expected[i].colour) << "set " << i;
            EXPECT_EQ(drawn[i].style, expected[i].style) << "set " << i;
            EXPECT_EQ(drawn[i].width, expected[i].width) << "set " << i;
            const QColor colour = kestran::ToQColor(expected[i].colour);
            int pixels = 0;
            for (int y = int(plot.top()) + 1; y < int(plot.bottom()); ++y)
                for (int x = int(plot.left()) + 1; x < int(plot.right()); ++x)
                    pixels += sets.pixel(x, y) == colour.rgb();
            EXPECT_GT(pixels, 8) << "set " << i;
        }
        window_.reset();
        ui().mnuUnitsMetric->trigger();
    }
}

TEST_F(ChartLayoutTest, TheLongestTitlesStayWholeAtTheDefaultSize) {
    // The longest texts the boxes' checks let through, in feet, with the power of 0.5 W.
    const auto longest = [this] {
        ui().txtFreq->setText(QStringLiteral("1999.9999"));
        ui().txthb->setText(QStringLiteral("2499.9999"));
        ui().txthm->setText(QStringLiteral("29.9999"));
        PowerWatts = 0.5;
    };
    struct PowerBack {
        ~PowerBack() { PowerWatts = 1000; }
    } back;
    for (const Window window : {Window::Loss, Window::Comparison}) {
        const Case c{window, true, 100, false, false};
        SCOPED_TRACE(Name(c));
        Open(c, longest);
        ASSERT_EQ(window_->ui().txthb->text(), QStringLiteral("2499.9999"));
        ExpectTextsInside();
        window_.reset();
    }
}

} // namespace
