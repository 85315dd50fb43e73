#include "FieldStrengthMenus.h"

#include "ModelNumbering.h"

namespace {

constexpr long kGraphModels[] = {GraphDavidson, GraphP529, GraphCost231, GraphComparison}; // by menu order

} // namespace

long GraphModelOf(ModelMenuItem item) {
    return kGraphModels[static_cast<int>(item)];
}

std::optional<std::array<bool, 4>> ModelMenuChecks(long graphModel) {
    std::array<bool, 4> checks{};
    if (graphModel == GraphUS) {
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
    return graphModel == GraphComparison;
}
