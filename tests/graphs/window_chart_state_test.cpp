// The chart state stored with each graph window, and the container side of the chart control's
// persisted state that loads it.

#include "window_fixture.h"

#include "ChartConstants.h"
#include "ComLoader.h"
#include "FrmOkumFieldStrength.h"
#include "GraphForm.h"
#include "ProgramState.h"

#include <QApplication>
#include <QWidget>

namespace {

using automation::InvokeKind;
using automation::Variant;

// Dispatch ids of the control's properties that the stored states set.
constexpr int kEventShowPropPage = 13;
constexpr int kPrintBorder = 26;
constexpr int kAxisGridColor = 114;
constexpr int kLeftDoubleClick = 515;

struct Setting {
    int dispid;
    int item;
    Variant value;
};

void ExpectSettings(automation::IDispatch& chart, const std::vector<Setting>& settings) {
    for (const Setting& s : settings)
        EXPECT_EQ(GraphWindowTest::Get(chart, s.dispid, s.item), s.value) << s.dispid << "(" << s.item << ")";
}

// The legend stands beside the plot area, inside the chart, so it can cover neither a curve nor
// the axes; the plot area takes most of the chart.
void ExpectLegendBesideThePlot(automation::IDispatch& chart) {
    const auto plot = GraphWindowTest::EdgesOf(chart, GraphWindowTest::kPlotArea);
    const auto legend = GraphWindowTest::EdgesOf(chart, GraphWindowTest::kLegendBox);
    EXPECT_GT(plot.right - plot.left, 0.6);
    EXPECT_GT(plot.bottom - plot.top, 0.7);
    EXPECT_GT(legend.left, plot.right);
    EXPECT_LE(legend.right, 1.0);
    EXPECT_GE(legend.top, plot.top);
    EXPECT_LE(legend.bottom, plot.bottom);
}

using StoredChartTest = GraphWindowTest;

TEST_F(StoredChartTest, LossWindowKeepsTitleAxisTitlesGridPrintBorderAndDoubleClick) {
    GraphForm w;
    w.Form_Load();
    ASSERT_NE(w.chart(), nullptr);
    const Variant grey = Variant::I4(0x808080);
    ExpectSettings(*w.chart(), {
                                   {chartid::TitleString, 0, Variant::Str("dB Loss Calculation")},
                                   {chartid::AxisTitleString, 0, Variant::Str("Distance (Km)")},
                                   {chartid::AxisTitleString, 1, Variant::Str("dB")},
                                   {chartid::SLegendEnable, -1, Variant::Bool(true)},
                                   {kAxisGridColor, 0, grey},
                                   {kAxisGridColor, 1, grey},
                                   {kPrintBorder, -1, Variant::Bool(false)},
                                   {kEventShowPropPage, -1, Variant::I4(kLeftDoubleClick)},
                               });
    ExpectLegendBesideThePlot(*w.chart());
}

TEST_F(StoredChartTest, FieldStrengthWindowKeepsAxisTitlesLegendBoxAndPlotArea) {
    program::GraphModel = 4;
    FrmOkumFieldStrength w;
    w.Form_Load();
    ASSERT_NE(w.chart(), nullptr);
    ExpectSettings(*w.chart(), {
                                   {chartid::AxisTitleString, 0, Variant::Str("Distance (km)")},
                                   {chartid::AxisTitleString, 1, Variant::Str("dB (uv/m)")},
                                   {chartid::SLegendEnable, -1, Variant::Bool(true)},
                                   {kEventShowPropPage, -1, Variant::I4(kLeftDoubleClick)},
                               });
    ExpectLegendBesideThePlot(*w.chart());
}

// A control created by ProgID, as the windows create theirs, shown so that it draws.
class ContainerTest : public GraphWindowTest {
protected:
    void SetUp() override {
        GraphWindowTest::SetUp();
        ASSERT_EQ(automation::CreateControl("ZENT.ZENTCtrl.1", &host_, control_), automation::S_OK);
        ASSERT_NE(control_.persist, nullptr);
        control_.widget->resize(400, 300);
        host_.resize(400, 300);
        host_.show();
        QApplication::processEvents();
    }
    QImage Screen() const { return control_.widget->grab().toImage(); }
    void Put(int dispid, Variant value) {
        ASSERT_EQ(control_.dispatch->Invoke(dispid, InvokeKind::PropertyPut, {std::move(value)}, nullptr),
                  automation::S_OK);
    }
    void Call(int dispid) { control_.dispatch->Invoke(dispid, InvokeKind::Method, {}, nullptr); }

    QWidget host_;
    automation::ControlInstance control_;
};

TEST_F(ContainerTest, SavedStateLoadsIntoAnotherControl) {
    Put(chartid::SLegendStrings, Variant::Str("Saved"));
    std::vector<std::uint8_t> stream;
    ASSERT_EQ(control_.persist->Save(stream), automation::S_OK);
    automation::ControlInstance other;
    ASSERT_EQ(automation::CreateControl("ZENT.ZENTCtrl.1", &host_, other), automation::S_OK);
    ASSERT_EQ(other.persist->Load(stream.data(), stream.size()), automation::S_OK);
    EXPECT_EQ(GetText(*other.dispatch, chartid::SLegendStrings), "Saved");
    // A cut stream is refused and changes nothing.
    ASSERT_EQ(other.persist->InitNew(), automation::S_OK);
    EXPECT_EQ(GetText(*other.dispatch, chartid::SLegendStrings), "");
    EXPECT_EQ(other.persist->Load(stream.data(), stream.size() / 2), automation::E_FAIL);
    EXPECT_EQ(GetText(*other.dispatch, chartid::SLegendStrings), "");
}

TEST_F(ContainerTest, StreamLoadedIntoADrawnControlShowsAtTheNextBuild) {
    // The state of a chart without data.
    constexpr int kSDataNumPlotPoints = 150;
    std::vector<std::uint8_t> empty;
    control_.dispatch->Invoke(kSDataNumPlotPoints, InvokeKind::PropertyPut, {Variant::I4(0), Variant::I4(0)},
                              nullptr);
    ASSERT_EQ(control_.persist->Save(empty), automation::S_OK);
    // The drawn chart: one curve, built and on screen.
    std::vector<double> x{1, 2, 3, 4}, y{1, 5, 2, 8};
    control_.dispatch->Invoke(chartid::DefineDataSet, InvokeKind::Method,
                              {Variant::I4(0), Variant::Str("Line Data"), Variant::RefR8(x[0]),
                               Variant::RefR8(y[0]), Variant::I4(4)},
                              nullptr);
    Call(chartid::UpdateGraph);
    QApplication::processEvents();
    const QImage drawn = Screen();
    ASSERT_GT(DrawnPixels(drawn), 500);

    ASSERT_EQ(control_.persist->Load(empty.data(), empty.size()), automation::S_OK);
    // Every later paint still draws the curve from the engine's data sets.
    control_.widget->update();
    QApplication::processEvents();
    EXPECT_TRUE(Screen() == drawn);
    EXPECT_TRUE(Screen() == drawn);

    Call(chartid::UpdateGraph);
    QApplication::processEvents();
    EXPECT_FALSE(Screen() == drawn);
}

} // namespace
