#include "ZentEngineLink.h"

#include "ZENTModuleState.h"

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
    if (releaseGraphics_) {
        releaseGraphics_();
    }
}
