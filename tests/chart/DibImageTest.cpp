#include "DibImage.h"

#include <gtest/gtest.h>
#include <QPainter>

using namespace chart;

namespace {

std::uint32_t U32(const QByteArray& b, int at) {
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8 | std::uint8_t(b[at + 2]) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

} // namespace

TEST(DibImage, BitCountRisesToTheNextDibDepth) {
    const std::pair<int, int> cases[] = {{1, 1},   {2, 4},   {4, 4},   {5, 8},  {8, 8},
                                         {15, 16}, {16, 16}, {24, 24}, {32, 24}};
    for (const auto& [depth, bits] : cases) {
        EXPECT_EQ(DibBitCount(depth), bits) << depth;
    }
}

TEST(DibImage, OneBitBitmapHasATwoEntryColourTable) {
    QImage mono(10, 3, QImage::Format_MonoLSB);
    mono.fill(1);
    const QImage dib = BitmapToDib(mono);
    EXPECT_EQ(dib.depth(), 1);
    EXPECT_EQ(DibNumColors(dib), 2);
    EXPECT_EQ(DibColorTableSize(dib), 8);
    const QByteArray packed = PackDib(dib);
    EXPECT_EQ(U32(packed, 0), 40u);
    EXPECT_EQ(packed[14], 1);
    EXPECT_EQ(DibBitsOffset(dib), 48);
    EXPECT_EQ(packed.size(), 48 + 4 * 3);
}

TEST(DibImage, ThirtyTwoBitBitmapIsStoredAsTwentyFourBitsBottomUp) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    const QImage dib = BitmapToDib(image);
    EXPECT_EQ(dib.depth(), 24);
    EXPECT_EQ(DibNumColors(dib), 0);
    const QByteArray packed = PackDib(dib);
    EXPECT_EQ(packed[14], 24);
    EXPECT_EQ(U32(packed, 20), 24u); // two rows of 9 bytes padded to 12
    ASSERT_EQ(packed.size(), 40 + 24);
    // The top row comes last; its first pixel is red as blue, green, red.
    EXPECT_EQ(packed.mid(40 + 12, 3), QByteArray("\x00\x00\xff", 3));
    EXPECT_EQ(packed.mid(40, 3), QByteArray("\xff\xff\xff", 3));
}

TEST(DibImage, EightBitPaletteIsPaddedTo256Entries) {
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6)});
    indexed.fill(1);
    const QVector<QRgb> palette = DibCreatePalette(BitmapToDib(indexed));
    ASSERT_EQ(palette.size(), 256);
    EXPECT_EQ(palette[1], qRgb(4, 5, 6));
    EXPECT_EQ(palette[255], qRgb(0, 0, 0));
    EXPECT_TRUE(DibCreatePalette(BitmapToDib(QImage(2, 2, QImage::Format_RGB32))).isEmpty());
}

TEST(DibImage, NullBitmapsGiveNothing) {
    EXPECT_TRUE(BitmapToDib(QImage()).isNull());
    EXPECT_TRUE(PackDib(QImage()).isEmpty());
    QImage target(4, 4, QImage::Format_RGB32);
    QPainter painter(&target);
    EXPECT_FALSE(PaintDib(painter, QRect(0, 0, 4, 4), QImage(), QRect(0, 0, 1, 1)));
}

TEST(DibImage, PaintStretchesColourOnColour) {
    QImage dib(2, 1, QImage::Format_RGB888);
    dib.setPixel(0, 0, qRgb(255, 0, 0));
    dib.setPixel(1, 0, qRgb(0, 0, 255));
    QImage target(8, 4, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        EXPECT_TRUE(PaintDib(painter, QRect(0, 0, 8, 4), dib, QRect(0, 0, 2, 1)));
        EXPECT_TRUE(painter.testRenderHint(QPainter::SmoothPixmapTransform));
    }
    EXPECT_EQ(target.pixel(3, 2), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(4, 2), qRgb(0, 0, 255));
}
