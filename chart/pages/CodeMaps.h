#pragma once
// Combo-box positions and the codes the chart model stores for them. "In" is position to code (a
// choice being stored), "out" code to position (a stored value being shown); a position or code a
// map does not list gives the map's fallback for that direction.

#include <functional>
#include <utility>
#include <vector>

namespace pages {

struct CodeMap {
    std::vector<std::pair<int, int>> positionCode;
    int inFallback;
    int outFallback;

    int In(int position) const;
    int Out(int code) const;
};

// The two directions as functions, for combo boxes.
std::function<int(int)> InOf(const CodeMap& map);
std::function<int(int)> OutOf(const CodeMap& map);

const CodeMap& MapBarType();
const CodeMap& MapHatch();
const CodeMap& MapLineStyle();
const CodeMap& MapGroupPlotType();
const CodeMap& MapDblClickEvent();
const CodeMap& MapDragEvent();
const CodeMap& MapPrintStyle();
// X axes (even index) and Y axes (odd index) place labels and ticks with different codes.
const CodeMap& MapLabelPosition(int axis);

enum class MapDirection { In, Out };
int MapLabelPosition(int axis, int value, MapDirection direction);

} // namespace pages
