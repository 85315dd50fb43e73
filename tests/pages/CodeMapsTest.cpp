#include "CodeMaps.h"

#include <gtest/gtest.h>

#include <string>

using namespace pages;

namespace {

struct MapCase {
    std::string name;
    const CodeMap& (*map)();
    std::vector<std::pair<int, int>> positionCode;
    int unlistedPosition;
    int inFallback;
    int unlistedCode;
    int outFallback;
};

const std::vector<MapCase>& MapCases() {
    static const std::vector<MapCase> cases = {
        {"BarType", MapBarType, {{0, 6}, {1, 8}, {2, 7}, {3, 9}}, 4, 6, 10, 0},
        {"Hatch", MapHatch, {{0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}}, 7, -1, 6, 0},
        {"LineStyle", MapLineStyle, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, 5, 0, 5, 0},
        {"GroupPlotType",
         MapGroupPlotType,
         {{0, 5}, {1, 2}, {2, 0}, {3, 1}, {4, 3}, {5, 6}, {6, 7}},
         7,
         2,
         4,
         1},
        {"DblClickEvent", MapDblClickEvent, {{0, 0}, {1, 515}, {2, 518}}, 3, 0, 513, 0},
        {"DragEvent", MapDragEvent, {{0, 0}, {1, 513}, {2, 516}}, 3, 0, 515, 0},
        {"PrintStyle", MapPrintStyle, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, 4, 0, -1, 0},
    };
    return cases;
}

} // namespace

TEST(CodeMaps, EveryListedPositionAndCodeMapBothWays) {
    for (const MapCase& c : MapCases()) {
        for (const auto& [position, code] : c.positionCode) {
            EXPECT_EQ(c.map().In(position), code) << c.name << " position " << position;
            EXPECT_EQ(c.map().Out(code), position) << c.name << " code " << code;
        }
    }
}

TEST(CodeMaps, UnlistedPositionsAndCodesTakeTheFallbacks) {
    for (const MapCase& c : MapCases()) {
        EXPECT_EQ(c.map().In(c.unlistedPosition), c.inFallback) << c.name;
        EXPECT_EQ(c.map().In(-1), c.inFallback) << c.name;
        EXPECT_EQ(c.map().Out(c.unlistedCode), c.outFallback) << c.name;
    }
}

TEST(CodeMaps, LabelPositionDependsOnTheAxisParity) {
    struct Case {
        int axis;
        int position;
        int code;
    };
    const Case cases[] = {{0, 0, 0}, {0, 1, 3}, {0, 2, 4}, {2, 2, 4},
                          {1, 0, 1}, {1, 1, 3}, {1, 2, 2}, {3, 2, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(MapLabelPosition(c.axis, c.position, MapDirection::In), c.code)
            << c.axis << "/" << c.position;
        EXPECT_EQ(MapLabelPosition(c.axis, c.code, MapDirection::Out), c.position) << c.axis << "/" << c.code;
    }
}

TEST(CodeMaps, LabelPositionFallbacks) {
    EXPECT_EQ(MapLabelPosition(0, 3, MapDirection::In), 0);
    EXPECT_EQ(MapLabelPosition(1, 3, MapDirection::In), 1);
    EXPECT_EQ(MapLabelPosition(0, 2, MapDirection::Out), 0); // a Y code on an X axis
    EXPECT_EQ(MapLabelPosition(1, 4, MapDirection::Out), 0);
}
