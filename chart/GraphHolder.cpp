#include "GraphHolder.h"

#include "ChartBuild.h"
#include "ZENTModuleState.h"
#include "Zoom.h"

CGraphHolder::CGraphHolder(CZENTCtrl* control, std::function<void()> releaseGraphics)
    : control_(control), link_(std::move(releaseGraphics)),
      model_(std::make_unique<chart::CChartModel>(this, &link_)) {}

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
    m.Control = control_;
    const EngineHandle graph = EngineCreateGraph(
        &zent::EngineContextBlock(), Page, 0.0, 0.0, 1.0, 1.0,
        static_cast<kestran::ColorRef>(m.WindowBackgroundColor) & 0xFFFFFFu,
        static_cast<kestran::ColorRef>(m.WindowBorderColor) & 0xFFFFFFu, m.WindowBorderThickness, this);
    m.GraphHandle = chart::StoredHandle(static_cast<std::uint32_t>(graph));
    m.GraphWindow = static_cast<std::uintptr_t>(EngineGetGraphWindow(graph));
}
