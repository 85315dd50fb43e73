#include "canvas/WmfCanvas.h"
#include "EngineCodes.h"
#include "wmf_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <QList>

using namespace kestran;

TEST(WmfCanvas, ObjectsAreMadeOnlyWhenTheyChange) {
    WmfWriter writer(WmfRect{0, 0, 200, 100}, 96);
    {
        WmfCanvas canvas(writer);
        const QPointF line[2] = {{0, 0}, {100, 50}};
        for (int i = 0; i < 100; ++i) {
            canvas.SetPen({0x0000FF, 2, codes::PenSolid});
            canvas.SetBrush(BrushSpec{0xFF0000, codes::HatchCross, false, true});
            canvas.Polyline(line, 2);
            canvas.Rectangle(QRectF(10, 10, 20, 20));
        }
        canvas.SetPen({0x00FF00, 1, codes::PenDash});
        canvas.Polyline(line, 2);
    }
    // One pen, one brush, then the second pen reuses the first pen's freed slot.
    EXPECT_LE(writer.ObjectTableSize(), 3);
    EXPECT_LT(writer.Data().size(), 100u * 40 + 400);
}

TEST(WmfCanvas, OutOfRangeCoordinatesAreClampedNotWrapped) {
    WmfWriter writer(WmfRect{0, 0, 200, 100}, 96);
    {
        WmfCanvas canvas(writer);
        canvas.SetPen({0, 1, codes::PenSolid});
        const QPointF far[2] = {{-1e12, 0}, {1e12, std::nan("")}};
        canvas.Polyline(far, 2);
    }
    EXPECT_GT(writer.Data().size(), 18u);
}

// Text goes out with the advances the engine laid it out with: their sum is the measured width
// (wherever a player draws it), one per character as the writer stores them, and narrow letters
// get narrow advances.
TEST(WmfCanvas, TextCarriesTheAdvancesItWasMeasuredWith) {
    struct Case {
        QString text;
        double points;
        int style;
        int angle;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("iiiiWWWW"), 10, 0, 0},
        {QStringLiteral("Freq: 450.0MHz,  Antenna Mobile Height: 1.5m"), 8, codes::FontBold, 0},
        {QStringLiteral("dB (\u00B5V/m)"), 12, 0, 90},
        {QStringLiteral("\u03A9 \U0001F600 km"), 9, codes::FontItalic,
         0}, // written as '?': still one advance
    };
    for (const Case& c : cases) {
        WmfWriter writer(WmfRect{0, 0, 800, 600}, 96);
        double measured = 0;
        {
            WmfCanvas canvas(writer);
            FontSpec font;
            font.points = c.points;
            font.style = c.style;
            font.angle = c.angle;
            canvas.SetFont(font);
            measured = canvas.TextSize(c.text).width();
            canvas.Text(QPointF(400, 300), c.text, codes::AnchorLeft);
        }
        const auto records = WmfRecords(writer.Data());
        const auto text = std::find_if(records.begin(), records.end(),
                                       [](const WmfRecordView& r) { return r.function == 0x0A32; });
        ASSERT_NE(text, records.end()) << c.text.toStdString();
        const std::size_t length = std::size_t(text->params.at(2));
        EXPECT_EQ(length, std::size_t(c.text.toUcs4().size())) << c.text.toStdString();
        ASSERT_EQ(text->params.size(), 4 + (length + 1) / 2 + length) << c.text.toStdString();
        const std::vector<std::int16_t> dx(text->params.end() - std::ptrdiff_t(length), text->params.end());
        EXPECT_EQ(std::accumulate(dx.begin(), dx.end(), 0), int(std::lround(measured)))
            << c.text.toStdString();
        if (c.text.startsWith(QStringLiteral("iiii"))) {
            EXPECT_LT(dx[0] * 2, dx[7]);
        }
    }
}

// Players draw a styled pen wider than one logical unit solid; such a line is written as its
// dashes, one piece each, with a solid pen of its width cut square at the ends. Dashes of a 300
// pixel line at width 2, as the screen draws them: dash 8 on 4 off, dot 2 on 4 off, dash-dot
// 8, 4, 2, 4 and dash-dot-dot 8, 4, 2, 4, 2, 4.
TEST(WmfCanvas, WideStyledPensAreWrittenAsTheirDashes) {
    struct Case {
        int style, width, scale;
        std::size_t pieces;
    };
    for (const Case& c :
         {Case{codes::PenDash, 2, 1, 25}, Case{codes::PenDot, 2, 1, 50}, Case{codes::PenDashDot, 2, 1, 33},
          Case{codes::PenDashDotDot, 2, 1, 37}, Case{codes::PenDot, 2, 15, 50},
          Case{codes::PenDot, 1, 15, 100}, Case{codes::PenDot, 1, 1, 1}}) {
        SCOPED_TRACE(::testing::Message()
                     << "style " << c.style << " width " << c.width << " scale " << c.scale);
        WmfWriter writer(WmfRect{0, 0, 400 * c.scale, 100 * c.scale}, 96 * c.scale);
        {
            WmfCanvas canvas(writer, c.scale);
            canvas.SetPen({0xFF0000, c.width, c.style});
            const QPointF line[3] = {{50, 50}, {200, 50}, {350, 50}};
            canvas.Polyline(line, 3);
        }
        std::size_t pieces = 0;
        for (const WmfRecordView& r : WmfRecords(writer.Data())) {
            if (r.function == 0x02FA) { // CreatePenIndirect: style, width
                const int style = r.params.at(0) & 0xFF;
                EXPECT_TRUE(style == 0 || r.params.at(1) <= 1) << style << " at " << r.params.at(1);
                if (style == 0) {
                    EXPECT_EQ(r.params.at(1), c.width * c.scale);
                    EXPECT_EQ(r.params.at(0) & 0x0F00, 0x0200); // flat ends
                }
            }
            pieces += r.function == 0x0325 ? 1 : 0; // Polyline
        }
        EXPECT_EQ(pieces, c.pieces);
    }
}

// A canvas that goes when memory has run out (a draw that failed, unwinding) closes its picture in
// the room the writer kept: restoring the clipped context and deleting its objects allocate
// nothing, however full the buffer was.
TEST(WmfCanvas, ClosingAPictureAllocatesNothing) {
    for (std::size_t spare = 0; spare <= 128; spare += 4) {
        WmfWriter writer(WmfRect{0, 0, 200, 100}, 96);
        std::size_t capacity = 0;
        {
            WmfCanvas canvas(writer);
            canvas.SetFont(FontSpec{});
            canvas.SetBrush(BrushSpec{});
            canvas.SetClip(QRectF(0, 0, 100, 50));
            canvas.SetPen({0x0000FF, 1, codes::PenSolid});
            // A polyline record of n points takes 8 + 4n bytes: fill the buffer up to `spare`.
            const std::size_t free = writer.Data().capacity() - writer.Data().size() + 6 - 8 - spare;
            std::vector<QPointF> line(free / 4, QPointF(1, 1));
            canvas.Polyline(line.data(), int(line.size()));
            capacity = writer.Data().capacity();
        }
        SCOPED_TRACE(spare);
        EXPECT_EQ(writer.Data().capacity(), capacity);
    }
}
