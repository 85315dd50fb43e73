#pragma once
// The chart model's view of the engine, over the engine's calls.

#include "ChartEngineLink.h"

#include <functional>

class ZentEngineLink : public chart::ChartEngineLink {
public:
    // `releaseGraphics` drops the control's data-value tip.
    explicit ZentEngineLink(std::function<void()> releaseGraphics)
        : releaseGraphics_(std::move(releaseGraphics)) {}
    void BindContext() override;
    void DeleteDataset(std::uint16_t handle) override;
    std::int32_t PaletteColor(int code) const override;
    void ReleaseGraphics() override;

private:
    std::function<void()> releaseGraphics_;
};
