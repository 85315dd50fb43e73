#include "PageTable.h"

namespace pages {

const std::vector<PageInfo>& PageTable() {
    using K = PageKind;
    static const std::vector<PageInfo> table = {
        {K::General, "CZENTPropPage", 200, 200, "General", 2, "ZENT Property Page", "General Help", 1029,
         "ZENT.ZENTPropPage.1", "{7E779A87-B73D-11D0-A956-00C0F6A06F60}"},
        {K::Axis, "CAxisPPg", 202, 202, "Axis", 201, "Axis Property Page", "Axes Help", 1030, "ZENT.CAxisPPg",
         "{CF083002-B827-11D0-8083-00C0F6A06FEA}"},
        {K::AxisLabels, "CAxLabPPg", 204, 204, "Axis Labels", 203, "Axis Labels Property Page",
         "Axes Labels Help", 1031, "ZENT.CAxLabPPg", "{F844A122-B8D0-11D0-8083-00C0F6A06FEA}"},
        {K::Grids, "CGridPPg", 206, 206, "Grids", 205, "Grid Property Page", "Grids Help", 1032,
         "ZENT.CGridPPg", "{23C93902-BA34-11D0-8083-00C0F6A06FEA}"},
        {K::Data, "CSDataPPg", 208, 208, "Data", 207, "S Data Property Page", "Data Help", 1033,
         "ZENT.CSDataPPg", "{5CFFA282-C09D-11D0-A956-00C0F6A06F60}"},
        {K::SimplePlots, "CSPlotPPg", 212, 210, "Simple Plots", 209, "S Plot Propery Page",
         "Simple Plots Help", 1034, "ZENT.CSPlotPPg", "{E4D2A443-BBBC-11D0-A956-00C0F6A06F60}"},
        {K::GroupPlots, "CGPlotPPg", 214, 212, "Group Plots", 211, "G Plot Propery Page", "Group Plots Help",
         1035, "ZENT.CGPlotPPg", "{92729102-BFD7-11D0-A956-00C0F6A06F60}"},
        {K::Legend, "CSLegendPPg", 218, 214, "Legend", 213, "Static Legend Property Page", "Legend Help",
         1037, "ZENT.CSLegendPPg", "{6FA7A362-C52A-11D0-A956-00C0F6A06F60}"},
        {K::Pie, "CPiePPg", 219, 216, "Pie Chart", 215, "Pie Chart Property Page", "Pie Chart Help", 1036,
         "ZENT.CPiePPg", "{8A7ED4E2-C6C1-11D0-A956-00C0F6A06F60}"},
        {K::Print, "CPrintPPg", 223, 220, "Print", 219, "Printing Property Page", "Printing Help", 1038,
         "ZENT.CPrintPPg", "{CE89F562-D2AC-11D0-A956-00C0F6A06F60}"},
        {K::Events, "CEventPPg", 221, 218, "Events", 217, "Event Property Page", "Events Help", 1039,
         "ZENT.CEventPPg", "{5676D722-CC60-11D0-A956-00C0F6A06F60}"},
    };
    return table;
}

const PageInfo& PageInfoOf(PageKind kind) {
    return PageTable()[static_cast<std::size_t>(kind)];
}

} // namespace pages
