#include "FieldStrengthMenus.h"

namespace {

constexpr long kGraphModels[] = {0, 1, 3, 4}; // by menu order
constexpr long kUsModel = 2;
constexpr long kComparison = 4;

} // namespace

long GraphModelOf(ModelMenuItem item) {
    return kGraphModels[static_cast<int>(item)];
}

std::optional<std::array<bool, 4>> ModelMenuChecks(long graphModel) {
    std::array<bool, 4> checks{};
    if (graphModel == kUsModel) {
        return checks;
    }
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (kGraphModels[i] == graphModel) {
            checks[i] = true;
            return checks;
        }
    }
    return std::nullopt;
}

bool BaseHeightEditable(long graphModel) {
    return graphModel == kComparison;
}
