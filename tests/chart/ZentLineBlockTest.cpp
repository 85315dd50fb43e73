#include "ChartBuildLines.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

std::string Slot(const chart::LineBlock& block, int slot) {
    return std::string(block.data() + slot * chart::kLineSlotBytes);
}

TEST(ZentLineBlock, CarriageReturnsSplitAndLineFeedsAreDropped) {
    int count = 32;
    const chart::LineBlock block = chart::SplitLines(QStringLiteral("Hata\r\nCOST 231"), count);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(chart::SlotCount(block), 100);
    EXPECT_EQ(Slot(block, 0), "Hata");
    EXPECT_EQ(Slot(block, 1), "COST 231");
    EXPECT_EQ(Slot(block, 2), "");
}

TEST(ZentLineBlock, ReadsAtMostCountLines) {
    QString text;
    for (int i = 0; i < 40; ++i) {
        text += QStringLiteral("L%1\r").arg(i);
    }
    int count = 32;
    const chart::LineBlock block = chart::SplitLines(text, count);
    EXPECT_EQ(Slot(block, 31), "L31");
    EXPECT_EQ(Slot(block, 32), "");
}

TEST(ZentLineBlock, EmptyLinesBetweenReturnsGiveEmptySlots) {
    int count = 5;
    const chart::LineBlock block = chart::SplitLines(QStringLiteral("A\r\rB"), count);
    EXPECT_EQ(Slot(block, 0), "A");
    EXPECT_EQ(Slot(block, 1), "");
    EXPECT_EQ(Slot(block, 2), "B");
}

TEST(ZentLineBlock, LongLinesAreCutWithinTheirSlotAtACharacterBoundary) {
    int count = 1;
    const chart::LineBlock block =
        chart::SplitLines(QString(40, QLatin1Char('a')) + QString(5, QChar(0xE9)), count);
    const std::string first = Slot(block, 0);
    EXPECT_EQ(first.size(), 40u); // the two-byte character would not fit whole
    EXPECT_EQ(block[chart::kLineSlotBytes - 1], '\0');
}

} // namespace
