#include "CodeMaps.h"

namespace pages {

int CodeMap::In(int position) const {
    for (const auto& [pos, code] : positionCode) {
        if (pos == position) {
            return code;
        }
    }
    return inFallback;
}

int CodeMap::Out(int code) const {
    for (const auto& [pos, stored] : positionCode) {
        if (stored == code) {
            return pos;
        }
    }
    return outFallback;
}

std::function<int(int)> InOf(const CodeMap& map) {
    return [&map](int position) { return map.In(position); };
}

std::function<int(int)> OutOf(const CodeMap& map) {
    return [&map](int code) { return map.Out(code); };
}

const CodeMap& MapBarType() {
    static const CodeMap map{{{0, 6}, {1, 8}, {2, 7}, {3, 9}}, 6, 0};
    return map;
}

const CodeMap& MapHatch() {
    static const CodeMap map{{{0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}}, -1, 0};
    return map;
}

const CodeMap& MapLineStyle() {
    static const CodeMap map{{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, 0, 0};
    return map;
}

const CodeMap& MapGroupPlotType() {
    static const CodeMap map{{{0, 5}, {1, 2}, {2, 0}, {3, 1}, {4, 3}, {5, 6}, {6, 7}}, 2, 1};
    return map;
}

const CodeMap& MapDblClickEvent() {
    static const CodeMap map{{{0, 0}, {1, 515}, {2, 518}}, 0, 0};
    return map;
}

const CodeMap& MapDragEvent() {
    static const CodeMap map{{{0, 0}, {1, 513}, {2, 516}}, 0, 0};
    return map;
}

const CodeMap& MapPrintStyle() {
    static const CodeMap map{{{0, 0}, {1, 1}, {2, 2}, {3, 3}}, 0, 0};
    return map;
}

const CodeMap& MapLabelPosition(int axis) {
    static const CodeMap xAxis{{{0, 0}, {1, 3}, {2, 4}}, 0, 0};
    static const CodeMap yAxis{{{0, 1}, {1, 3}, {2, 2}}, 1, 0};
    return axis % 2 == 0 ? xAxis : yAxis;
}

int MapLabelPosition(int axis, int value, MapDirection direction) {
    const CodeMap& map = MapLabelPosition(axis);
    return direction == MapDirection::In ? map.In(value) : map.Out(value);
}

} // namespace pages
