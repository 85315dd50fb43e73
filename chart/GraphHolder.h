#pragma once
// The engine's page and graph callback object of one control: it owns the chart model (and the
// model's link to the engine), makes the graph when the page first paints, and builds the chart
// into a graph when the graph first draws.

#include "ChartModel.h"
#include "ZentEngineLink.h"

#include <Kestran.h>

#include <functional>
#include <memory>

class CZENTCtrl;

class CGraphHolder : public EnginePageCallback, public EngineGraphCallback {
public:
    // `control` is what the model names as its control; `releaseGraphics` drops its data-value tip.
    CGraphHolder(CZENTCtrl* control, std::function<void()> releaseGraphics);
    ~CGraphHolder() override;
    CGraphHolder(const CGraphHolder&) = delete;
    CGraphHolder& operator=(const CGraphHolder&) = delete;

    chart::CChartModel& Model() { return *model_; }
    const chart::CChartModel& Model() const { return *model_; }

    void OnPageCreated(EngineHandle page) override;
    void OnBuildGraph(EngineHandle graph, EngineDC dc) override;
    void CreateGraph();

    int LargeEnough = 1; // a page smaller than 50 x 50 pixels gets no graph of its own
    int PageOption = 10;
    EngineHandle Page = 0;

private:
    CZENTCtrl* control_;
    ZentEngineLink link_; // declared before the model, which releases engine objects through it
    std::unique_ptr<chart::CChartModel> model_;
};
