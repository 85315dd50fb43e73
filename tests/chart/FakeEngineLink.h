#pragma once
// An engine stand-in that records what the model asks of it.

#include "ChartEngineLink.h"

#include <vector>

namespace charttest {

class FakeEngineLink : public chart::ChartEngineLink {
public:
    void BindContext() override { ++binds; }
    void DeleteDataset(std::uint16_t handle) override { deleted.push_back(handle); }
    std::int32_t PaletteColor(int code) const override { return 0x010101 * code; }
    void ReleaseGraphics() override { ++releases; }

    int binds = 0;
    int releases = 0;
    std::vector<std::uint16_t> deleted;
};

} // namespace charttest
