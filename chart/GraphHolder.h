#pragma once
// The engine's page and graph callback object of one control: it owns the chart model (and the
// model's link to the engine), makes the graph when the page first paints, and builds the chart
// into a graph when the graph first draws.

#include "ChartModel.h"

#include <Kestran.h>

#include <memory>

class CZENTCtrl;

// The model's view of the engine, over the engine's calls.
class ZentEngineLink : public chart::ChartEngineLink {
public:
    explicit ZentEngineLink(CZENTCtrl* owner) : owner_(owner) {}
    void BindContext() override;
    void DeleteDataset(std::uint16_t handle) override;
    std::int32_t PaletteColor(int code) const override;
    void ReleaseGraphics() override;

private:
    CZENTCtrl* owner_;
};

class CGraphHolder : public EnginePageCallback, public EngineGraphCallback {
public:
    explicit CGraphHolder(CZENTCtrl* owner);
    ~CGraphHolder() override;
    CGraphHolder(const CGraphHolder&) = delete;
    CGraphHolder& operator=(const CGraphHolder&) = delete;

    chart::CChartModel& Model() { return *model_; }
    const chart::CChartModel& Model() const { return *model_; }

    void OnPageCreated(EngineHandle page) override;
    void OnBuildGraph(EngineHandle graph, EngineDC dc) override;
    void CreateGraph();
    // The page on the engine's printer, with the model's print settings; false when it failed.
    bool PrintPage();

    int LargeEnough = 1; // a page smaller than 50 x 50 pixels gets no graph of its own
    int PageOption = 10;
    EngineHandle Page = 0;

private:
    CZENTCtrl* owner_;
    ZentEngineLink link_; // declared before the model, which releases engine objects through it
    std::unique_ptr<chart::CChartModel> model_;
};
