#include "GraphHolder.h"

#include "ChartBuild.h"
#include "CZENTCtrl.h"
#include "ZENTModuleState.h"
#include "Zoom.h"

void ZentEngineLink::BindContext() {
    zent::BindEngine();
}

void ZentEngineLink::DeleteDataset(std::uint16_t handle) {
    EngineDeleteDataset(handle, 0);
}

std::int32_t ZentEngineLink::PaletteColor(int code) const {
    return static_cast<std::int32_t>(EngineGetPaletteColor(code));
}

void ZentEngineLink::ReleaseGraphics() {
    if (owner_ != nullptr) {
        owner_->ReleaseDataTip();
    }
}

CGraphHolder::CGraphHolder(CZENTCtrl* owner)
    : owner_(owner), link_(owner), model_(std::make_unique<chart::CChartModel>(this, &link_)) {}

CGraphHolder::~CGraphHolder() = default;

void CGraphHolder::OnPageCreated(EngineHandle page) {
    model_->PageHandle = chart::StoredHandle(static_cast<std::uint32_t>(page));
    Page = page;
    if (LargeEnough != 0) {
        CreateGraph();
    }
}

void CGraphHolder::OnBuildGraph(EngineHandle graph, EngineDC dc) {
    chart::OnBuildGraph(*model_, graph, dc);
    // The scale a zoom asked for exists once the new graph is built: read the engine's final one.
    chart::ReadBackZoomedScale(*model_);
}

void CGraphHolder::CreateGraph() {
    chart::CChartModel& m = *model_;
    m.Control = owner_;
    const EngineHandle graph = EngineCreateGraph(
        &zent::EngineContextBlock(), Page, 0.0, 0.0, 1.0, 1.0,
        static_cast<kestran::ColorRef>(m.WindowBackgroundColor) & 0xFFFFFFu,
        static_cast<kestran::ColorRef>(m.WindowBorderColor) & 0xFFFFFFu, m.WindowBorderThickness, this);
    m.GraphHandle = chart::StoredHandle(static_cast<std::uint32_t>(graph));
    m.GraphWindow = static_cast<std::uintptr_t>(EngineGetGraphWindow(graph));
}

bool CGraphHolder::PrintPage() {
    const chart::CChartModel& m = *model_;
    EngineSetPrintOptions(m.PrintGraphBackground, m.PrintPlotBackground, m.PrintBorder,
                          m.PrintMaintainAspectRatio, m.PrintStyle, m.PrintLeft, m.PrintTop);
    if (m.PrintStyle >= 0 && m.PrintStyle <= 2) {
        return EnginePrintPage(Page) != 0;
    }
    return EnginePrintPageAt(Page, m.PrintLeft, m.PrintTop, m.PrintRight, m.PrintBottom) != 0;
}
