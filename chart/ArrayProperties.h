#pragma once
// The model arrays the property stream carries, in stream order: 96 single arrays ("blobs"), then
// 11 families of nested arrays, one inner array per data set. Each entry knows its nominal size,
// which a loaded array is fitted to.

#include "ChartModel.h"

#include <variant>
#include <vector>

namespace chart {

// A pointer array (point buffers, label blocks): always stored empty, never loaded.
struct PointerArray {};

using ArrayMember = std::variant<LongArray CChartModel::*, DoubleArray CChartModel::*,
                                 StringArray CChartModel::*, PointerArray>;
using NestedMember =
    std::variant<std::vector<LongArray> CChartModel::*, std::vector<DoubleArray> CChartModel::*,
                 std::vector<StringArray> CChartModel::*>;

constexpr int kVariableSize = -1;

struct ArrayProperty {
    const char* name;
    ArrayMember member;
    int nominal;       // element count after a load
    bool engineHandle; // cleared after a load: it belongs to the graph of the process that wrote it
};

struct NestedArrayProperty {
    const char* name; // stream name of inner array i: the name followed by i in decimal
    NestedMember member;
    int innerNominal; // kVariableSize: the data values, whose length the stream decides
};

constexpr int kArrayPropertyCount = 96;
constexpr int kNestedArrayPropertyCount = 11;

const std::vector<ArrayProperty>& ArrayProperties();
const std::vector<NestedArrayProperty>& NestedArrayProperties();

} // namespace chart
