#include "ModelNumbering.h"

namespace {

constexpr ColumnResult kColumns[ResultColumnCount] = {
    {ModelHataDavidson, ModelResult::PathLoss},      // OHDavLs
    {ModelCost231, ModelResult::PathLoss},           // C231Ls
    {ModelP529, ModelResult::PathLoss},              // H529Ls
    {ModelP529, ModelResult::FieldStrength},         // H529FS
    {ModelHataDavidson, ModelResult::FieldStrength}, // HDAVFS
    {ModelCost231, ModelResult::FieldStrength},      // C231FS
};

} // namespace

std::optional<ModelIndex> ModelOfGraphModel(long graphModel) {
    switch (graphModel) {
    case GraphDavidson:
        return ModelHataDavidson;
    case GraphP529:
        return ModelP529;
    case GraphUS:
        return ModelUS;
    case GraphCost231:
        return ModelCost231;
    default:
        return std::nullopt;
    }
}

ColumnResult ResultOfColumn(int column) {
    return kColumns[column];
}
