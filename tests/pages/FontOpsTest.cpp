#include "FontOps.h"

#include <gtest/gtest.h>

using namespace pages;

TEST(FontOps, MakeLogFontTakesFaceAndStyleBits) {
    struct Case {
        int style;
        int weight;
        bool italic;
        bool underline;
    };
    const Case cases[] = {{0, 400, false, false},
                          {1, 700, false, false},
                          {2, 400, true, false},
                          {4, 400, false, true},
                          {7, 700, true, true}};
    for (const Case& c : cases) {
        const LogFont font = MakeLogFont(QStringLiteral("Arial"), c.style);
        EXPECT_EQ(font.faceName, QStringLiteral("Arial"));
        EXPECT_EQ(font.weight, c.weight) << c.style;
        EXPECT_EQ(font.italic, c.italic) << c.style;
        EXPECT_EQ(font.underline, c.underline) << c.style;
        EXPECT_EQ(font.height, 0);
        EXPECT_EQ(FontStyleFromDialog(font), c.style);
    }
}

TEST(FontOps, LongFaceNamesAreCutToTheField) {
    const LogFont font = MakeLogFont(QString(40, QLatin1Char('F')), 0);
    EXPECT_EQ(font.faceName.size(), kFaceNameMax);
}

TEST(FontOps, OnlyWeightSevenHundredIsBold) {
    LogFont font;
    font.weight = 800;
    EXPECT_EQ(FontStyleFromDialog(font), 0);
    font.weight = 700;
    EXPECT_EQ(FontStyleFromDialog(font), 1);
}
