#include "PageFactory.h"
#include "PageFixture.h"
#include "PageTable.h"

#include <functional>

using namespace pages;
using chart::CChartModel;

namespace {

// One edit box per page: what the control's value shows as, and what a typed value saves as.
struct RoundTrip {
    PageKind kind;
    std::function<void(CChartModel&)> seed;
    int editId;
    const char* shown;
    const char* typed;
    std::function<bool(const CChartModel&)> saved;
};

const std::vector<RoundTrip>& RoundTrips() {
    static const std::vector<RoundTrip> rows = {
        {PageKind::General, [](CChartModel& m) { m.LeftPlotArea = 0.15; }, 205, "0.15", "0.3",
         [](const CChartModel& m) { return m.LeftPlotArea == 0.3; }},
        {PageKind::Axis, [](CChartModel& m) { m.AxisIntercept[0] = 2.5; }, 224, "2.5", "-1",
         [](const CChartModel& m) { return m.AxisIntercept[0] == -1; }},
        {PageKind::AxisLabels, [](CChartModel& m) { m.AxisTitleString[0] = "Distance"; }, 245, "Distance",
         "km", [](const CChartModel& m) { return m.AxisTitleString[0] == QStringLiteral("km"); }},
        {PageKind::Grids, [](CChartModel& m) { m.AxisGridLineWidth[0] = 3; }, 207, "3", "5",
         [](const CChartModel& m) { return m.AxisGridLineWidth[0] == 5; }},
        {PageKind::Data, [](CChartModel& m) { m.SDataName[0] = "curve"; }, 285, "curve", "loss",
         [](const CChartModel& m) { return m.SDataName[0] == QStringLiteral("loss"); }},
        {PageKind::SimplePlots, [](CChartModel& m) { m.SPlotBarWidth[0] = 0.5; }, 350, "0.5", "0.8",
         [](const CChartModel& m) { return m.SPlotBarWidth[0] == 0.8; }},
        {PageKind::GroupPlots, [](CChartModel& m) { m.GPlotScatterSize[0] = 4; }, 306, "4", "9",
         [](const CChartModel& m) { return m.GPlotScatterSize[0] == 9; }},
        {PageKind::Legend, [](CChartModel& m) { m.SLegendBorderThickness = 2; }, 269, "2", "4",
         [](const CChartModel& m) { return m.SLegendBorderThickness == 4; }},
        {PageKind::Pie, [](CChartModel& m) { m.PieDiameter[0] = 0.4; }, 277, "0.4", "0.6",
         [](const CChartModel& m) { return m.PieDiameter[0] == 0.6; }},
        {PageKind::Print, [](CChartModel& m) { m.PrintLeft = 0.05; }, 323, "0.05", "0.1",
         [](const CChartModel& m) { return m.PrintLeft == 0.1; }},
        {PageKind::Events, [](CChartModel& m) { m.EventZoomResetMinX = -7; }, 365, "-7", "3",
         [](const CChartModel& m) { return m.EventZoomResetMinX == 3; }},
    };
    return rows;
}

} // namespace

TEST_F(PageTest, EveryPageRoundTripsThroughTheControl) {
    ASSERT_EQ(RoundTrips().size(), static_cast<std::size_t>(kPageCount));
    for (const RoundTrip& row : RoundTrips()) {
        const char* name = PageInfoOf(row.kind).className;
        row.seed(model);
        rebuilds = 0;
        std::unique_ptr<CPropertyPage> page = CreatePage(row.kind, target);
        page->OnInitDialog();
        EXPECT_EQ(Edit(*page, row.editId)->text(), QString::fromLatin1(row.shown)) << name;
        EXPECT_EQ(target.OpenPage(row.kind), page.get()) << name;
        page->UpdateData(false);
        EXPECT_EQ(rebuilds, 0) << name;
        Type(*page, row.editId, QString::fromLatin1(row.typed));
        EXPECT_TRUE(page->IsModified()) << name;
        EXPECT_TRUE(page->Apply()) << name;
        EXPECT_TRUE(row.saved(model)) << name;
        EXPECT_EQ(rebuilds, 1) << name;
        EXPECT_FALSE(page->IsModified()) << name;
    }
}

TEST_F(PageTest, EveryPageNamesItsControlsByResourceId) {
    for (const PageInfo& info : PageTable()) {
        std::unique_ptr<CPropertyPage> page = CreatePage(info.kind, target);
        const QList<QWidget*> named =
            page->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^IDC_\\d+$")));
        EXPECT_GE(named.size(), 6) << info.className;
    }
}
