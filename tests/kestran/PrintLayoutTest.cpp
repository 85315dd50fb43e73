#include "engine/PrintLayout.h"
#include "EngineCodes.h"

#include <gtest/gtest.h>

using namespace kestran;

TEST(PrintLayout, EachStylePlacesThePage) {
    const QRectF paper(0, 0, 4000, 6000);
    const QSizeF page(800, 400);
    struct Case {
        PrintPlacement placement;
        QRectF expected;
    } cases[] = {
        {{codes::PrintFull, false}, paper},
        {{codes::PrintFull, true}, QRectF(0, 2000, 4000, 2000)},
        {{codes::PrintProportionate, false}, QRectF(0, 2000, 4000, 2000)},
        {{codes::PrintExact, false, 0.1, 0.2}, QRectF(400, 1200, 2500, 1250)},
        {{codes::PrintPosition, false, 0.25, 0.5, 0.75, 1.0}, QRectF(1000, 3000, 2000, 3000)},
        {{codes::PrintPosition, false, 0.75, 1.0, 0.25, 0.5}, QRectF(1000, 3000, 2000, 3000)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintTarget(c.placement, paper, page, 300), c.expected) << c.placement.style;
    }
}

TEST(PrintLayout, NothingToPrintIntoGivesAnEmptyTarget) {
    EXPECT_TRUE(PrintTarget({codes::PrintPosition, false, 0.5, 0.5, 0.5, 0.9}, QRectF(0, 0, 100, 100),
                            QSizeF(10, 10), 96)
                    .isEmpty());
    EXPECT_TRUE(PrintTarget({}, QRectF(), QSizeF(10, 10), 96).isEmpty());
    EXPECT_TRUE(PrintTarget({}, QRectF(0, 0, 10, 10), QSizeF(10, 10), 0).isEmpty());
}
