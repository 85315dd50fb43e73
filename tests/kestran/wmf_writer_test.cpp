#include "wmf_records.h"
#include "WmfWriter.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

using kestran::WmfPoint;
using kestran::WmfRect;
using kestran::WmfWriter;

namespace {

const WmfRect Page{0, 0, 1280, 800};

// The record the last drawing call wrote (the one before the end record).
WmfRecordView LastRecord(WmfWriter& w) {
    const auto records = WmfRecords(w.Data());
    return records.size() >= 2 ? records[records.size() - 2] : WmfRecordView{};
}

std::string TextBytes(const WmfRecordView& r, std::size_t firstParam, std::size_t length) {
    std::string s;
    for (std::size_t i = 0; i < length; ++i) {
        const auto word = std::uint16_t(r.params.at(firstParam + i / 2));
        s.push_back(char(i % 2 == 0 ? word & 0xFF : word >> 8));
    }
    return s;
}

} // namespace

TEST(WmfWriter, EmptyPictureIsByteExact) {
    WmfWriter w(Page, 96);
    const std::vector<std::uint8_t> expected = {
        // placeable header: key, handle, box 0 0 1280 800, 96 per inch, reserved, checksum
        0xD7, 0xCD, 0xC6, 0x9A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x20, 0x03, 0x60, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x51, 0x51,
        // metafile header: memory, 9 words, version 3.0, 26 words, 0 objects, largest record 5
        0x01, 0x00, 0x09, 0x00, 0x00, 0x03, 0x1A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00,
        0x00,
        // anisotropic map mode, window origin 0,0 and extent 1280 x 800 (y first), end
        0x04, 0x00, 0x00, 0x00, 0x03, 0x01, 0x08, 0x00,             //
        0x05, 0x00, 0x00, 0x00, 0x0B, 0x02, 0x00, 0x00, 0x00, 0x00, //
        0x05, 0x00, 0x00, 0x00, 0x0C, 0x02, 0x20, 0x03, 0x00, 0x05, //
        0x03, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(w.Data(), expected);
}

TEST(WmfWriter, ChecksumIsXorOfFirstTenWords) {
    for (const WmfRect box :
         {WmfRect{-100, -50, 3000, 2000}, WmfRect{7, 9, 11, 13}, WmfRect{0, 0, 40000, -40000}}) {
        WmfWriter w(box, 1440);
        const auto& d = w.Data();
        std::uint16_t x = 0;
        for (std::size_t i = 0; i < 20; i += 2)
            x ^= WmfU16(d, i);
        EXPECT_EQ(WmfU16(d, 20), x);
        EXPECT_EQ(WmfU16(d, 14), 1440);
    }
}

TEST(WmfWriter, BoundingBoxIsClampedToSixteenBits) {
    WmfWriter w({-70000, 0, 70000, 100}, 96);
    const auto& d = w.Data();
    EXPECT_EQ(std::int16_t(WmfU16(d, 6)), -32768);
    EXPECT_EQ(std::int16_t(WmfU16(d, 10)), 32767);
}

struct RecordCase {
    const char* name;
    std::function<void(WmfWriter&)> draw;
    std::uint16_t function;
    std::uint32_t words;
};

TEST(WmfWriter, RecordsHaveTheirFormatSizes) {
    const std::vector<RecordCase> cases = {
        {"pen", [](WmfWriter& w) { w.CreatePen(kestran::WmfPenStyle::Dash, 2, 0xFF); }, 0x02FA, 8},
        {"solid brush", [](WmfWriter& w) { w.CreateSolidBrush(0xFF); }, 0x02FC, 7},
        {"hatch brush", [](WmfWriter& w) { w.CreateHatchBrush(kestran::WmfHatch::Cross, 0); }, 0x02FC, 7},
        {"null brush", [](WmfWriter& w) { w.CreateNullBrush(); }, 0x02FC, 7},
        {"font", [](WmfWriter& w) { w.CreateFont({}); }, 0x02FB, 28},
        {"select", [](WmfWriter& w) { w.SelectObject(w.CreateNullBrush()); }, 0x012D, 4},
        {"delete", [](WmfWriter& w) { w.DeleteObject(w.CreateNullBrush()); }, 0x01F0, 4},
        {"move", [](WmfWriter& w) { w.MoveTo(1, 2); }, 0x0214, 5},
        {"line", [](WmfWriter& w) { w.LineTo(1, 2); }, 0x0213, 5},
        {"polyline",
         [](WmfWriter& w) {
             w.Polyline({{0, 0}, {1, 1}, {2, 0}});
         },
         0x0325, 10},
        {"polygon",
         [](WmfWriter& w) {
             w.Polygon({{0, 0}, {1, 1}, {2, 0}, {1, 5}});
         },
         0x0324, 12},
        {"polypolygon",
         [](WmfWriter& w) {
             w.PolyPolygon({{{0, 0}, {1, 1}, {2, 0}}, {{5, 5}, {6, 6}, {7, 5}}});
         },
         0x0538, 18},
        {"rectangle",
         [](WmfWriter& w) {
             w.Rectangle({1, 2, 3, 4});
         },
         0x041B, 7},
        {"ellipse",
         [](WmfWriter& w) {
             w.Ellipse({1, 2, 3, 4});
         },
         0x0418, 7},
        {"arc",
         [](WmfWriter& w) {
             w.Arc({0, 0, 10, 10}, {10, 5}, {5, 0});
         },
         0x0817, 11},
        {"pie",
         [](WmfWriter& w) {
             w.Pie({0, 0, 10, 10}, {10, 5}, {5, 0});
         },
         0x081A, 11},
        {"text odd", [](WmfWriter& w) { w.TextOut(10, 20, "Title"); }, 0x0521, 9},
        {"text even", [](WmfWriter& w) { w.TextOut(10, 20, "Titl"); }, 0x0521, 8},
        {"ext text", [](WmfWriter& w) { w.ExtTextOut(10, 20, "Hi"); }, 0x0A32, 8},
        {"ext text clipped",
         [](WmfWriter& w) {
             w.ExtTextOut(10, 20, "Hi", kestran::wmf_eto::Clipped, {0, 0, 5, 5});
         },
         0x0A32, 12},
        {"ext text advances",
         [](WmfWriter& w) {
             w.ExtTextOut(10, 20, "Hi!", 0, {}, {9, 3, 4});
         },
         0x0A32, 12},
        {"ext text clipped advances",
         [](WmfWriter& w) {
             w.ExtTextOut(10, 20, "Hi", kestran::wmf_eto::Clipped, {0, 0, 5, 5}, {9, 3});
         },
         0x0A32, 14},
        {"ext text too few advances",
         [](WmfWriter& w) {
             w.ExtTextOut(10, 20, "Hi!", 0, {}, {9, 3});
         },
         0x0A32, 9},
        {"text colour", [](WmfWriter& w) { w.SetTextColor(0x123456); }, 0x0209, 5},
        {"back colour", [](WmfWriter& w) { w.SetBkColor(0x123456); }, 0x0201, 5},
        {"back mode", [](WmfWriter& w) { w.SetBkMode(kestran::WmfBkMode::Transparent); }, 0x0102, 4},
        {"text align", [](WmfWriter& w) { w.SetTextAlign(kestran::wmf_align::Center); }, 0x012E, 4},
        {"fill mode", [](WmfWriter& w) { w.SetPolyFillMode(kestran::WmfPolyFill::Winding); }, 0x0106, 4},
        {"clip",
         [](WmfWriter& w) {
             w.IntersectClipRect({1, 2, 3, 4});
         },
         0x0416, 7},
        {"save", [](WmfWriter& w) { w.SaveDC(); }, 0x001E, 3},
        {"restore", [](WmfWriter& w) { w.RestoreDC(); }, 0x0127, 4},
    };
    for (const auto& c : cases) {
        WmfWriter w(Page, 96);
        c.draw(w);
        const WmfRecordView r = LastRecord(w);
        EXPECT_EQ(r.function, c.function) << c.name;
        EXPECT_EQ(r.words, c.words) << c.name;
    }
}

TEST(WmfWriter, PointParametersAreStoredYFirstAndRectanglesBottomFirst) {
    WmfWriter w(Page, 96);
    w.LineTo(11, 22);
    EXPECT_EQ(LastRecord(w).params, (std::vector<std::int16_t>{22, 11}));
    w.Rectangle({1, 2, 3, 4});
    EXPECT_EQ(LastRecord(w).params, (std::vector<std::int16_t>{4, 3, 2, 1}));
    w.Polyline({{5, 6}, {7, 8}});
    EXPECT_EQ(LastRecord(w).params, (std::vector<std::int16_t>{2, 5, 6, 7, 8}));
    w.Pie({0, 1, 10, 11}, {2, 3}, {4, 5});
    EXPECT_EQ(LastRecord(w).params, (std::vector<std::int16_t>{5, 4, 3, 2, 11, 10, 1, 0}));
    w.ExtTextOut(10, 20, "ab", kestran::wmf_eto::Opaque, {1, 2, 3, 4});
    const auto ext = LastRecord(w).params;
    EXPECT_EQ(std::vector<std::int16_t>(ext.begin(), ext.begin() + 8),
              (std::vector<std::int16_t>{20, 10, 2, kestran::wmf_eto::Opaque, 1, 2, 3, 4}));
}

TEST(WmfWriter, AdvancesFollowThePaddedTextOnePerCharacter) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<int> dx;
        std::vector<std::int16_t> tail; // the parameters after the text
    };
    const std::vector<Case> cases = {
        {"odd length", "abc", {7, 6, 5}, {7, 6, 5}},
        {"extra advances dropped", "ab", {7, 6, 5}, {7, 6}},
        {"two-byte character counts once", "a\xC3\xBC", {7, 8}, {7, 8}},
        {"clamped", "ab", {-40000, 40000}, {-32768, 32767}},
    };
    for (const Case& c : cases) {
        WmfWriter w(Page, 96);
        w.ExtTextOut(10, 20, c.text, 0, {}, c.dx);
        const WmfRecordView r = LastRecord(w);
        ASSERT_GE(r.params.size(), c.tail.size()) << c.name;
        EXPECT_EQ(std::vector<std::int16_t>(r.params.end() - std::ptrdiff_t(c.tail.size()), r.params.end()),
                  c.tail)
            << c.name;
        EXPECT_EQ(r.params.size(), 4 + (std::size_t(r.params[2]) + 1) / 2 + c.tail.size()) << c.name;
    }
    // A cut text keeps the advances of the characters it keeps.
    WmfWriter w(Page, 96);
    w.ExtTextOut(0, 0, std::string(10000, 'x'), 0, {}, std::vector<int>(10000, 6));
    const WmfRecordView r = LastRecord(w);
    EXPECT_EQ(r.params[2], WmfWriter::MaxTextBytes);
    EXPECT_EQ(r.words,
              3u + 4u + std::uint32_t(WmfWriter::MaxTextBytes) / 2 + std::uint32_t(WmfWriter::MaxTextBytes));
    EXPECT_EQ(r.params.back(), 6);
}

TEST(WmfWriter, CoordinatesAreClampedToSixteenBits) {
    WmfWriter w(Page, 96);
    w.LineTo(100000, -100000);
    EXPECT_EQ(LastRecord(w).params, (std::vector<std::int16_t>{-32768, 32767}));
}

TEST(WmfWriter, ObjectSlotsReuseTheLowestFreeIndex) {
    WmfWriter w(Page, 96);
    EXPECT_EQ(w.CreatePen(kestran::WmfPenStyle::Solid, 1, 0), 0);
    EXPECT_EQ(w.CreateSolidBrush(0), 1);
    EXPECT_EQ(w.CreateFont({}), 2);
    EXPECT_TRUE(w.DeleteObject(1));
    EXPECT_TRUE(w.DeleteObject(0));
    EXPECT_EQ(w.CreateNullBrush(), 0);
    EXPECT_EQ(w.CreateNullBrush(), 1);
    EXPECT_EQ(w.CreateNullBrush(), 3);
    EXPECT_EQ(w.ObjectTableSize(), 4);
    EXPECT_EQ(WmfU16(w.Data(), 22 + 10), 4);
}

TEST(WmfWriter, EmptySlotsAreRefusedWithoutARecord) {
    WmfWriter w(Page, 96);
    const int pen = w.CreatePen(kestran::WmfPenStyle::Solid, 1, 0);
    EXPECT_TRUE(w.DeleteObject(pen));
    const std::size_t size = w.Data().size();
    EXPECT_FALSE(w.DeleteObject(pen));
    EXPECT_FALSE(w.SelectObject(pen));
    EXPECT_FALSE(w.SelectObject(-1));
    EXPECT_FALSE(w.SelectObject(99));
    EXPECT_EQ(w.Data().size(), size);
}

TEST(WmfWriter, HeaderSizesMatchTheRecordsEvenAfterMoreDrawing) {
    WmfWriter w(Page, 96);
    w.SelectObject(w.CreatePen(kestran::WmfPenStyle::Solid, 1, 0xFF));
    w.Polyline({{0, 0}, {100, 100}, {200, 50}});
    w.Data();
    w.TextOut(5, 5, "more after the first Data()");
    std::vector<WmfPoint> many(500, WmfPoint{3, 4});
    w.Polygon(many);
    const auto& d = w.Data();
    const auto records = WmfRecords(d);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().function, 0);
    EXPECT_EQ(records.back().offset + 6, d.size());
    EXPECT_EQ(std::size_t(WmfU32(d, 22 + 6)) * 2 + 22, d.size());
    std::uint32_t largest = 0;
    for (const auto& r : records)
        largest = std::max(largest, r.words);
    EXPECT_EQ(WmfU32(d, 22 + 12), largest);
    EXPECT_EQ(largest, 3u + 1u + 1000u);
    EXPECT_EQ(w.MaxRecordWords(), largest);
}

TEST(WmfWriter, LongPolylineIsSplitIntoJoinedRecords) {
    std::vector<WmfPoint> points;
    for (int i = 0; i < 70000; ++i)
        points.push_back({i % 30000, i / 30000});
    WmfWriter w(Page, 96);
    w.Polyline(points);
    std::vector<WmfRecordView> lines;
    for (const auto& r : WmfRecords(w.Data())) {
        if (r.function == 0x0325)
            lines.push_back(r);
    }
    ASSERT_EQ(lines.size(), 3u);
    std::size_t drawn = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int count = std::uint16_t(lines[k].params[0]);
        EXPECT_LE(count, WmfWriter::MaxPointsPerRecord);
        EXPECT_EQ(lines[k].words, 4u + 2u * std::uint32_t(count));
        const WmfPoint first = points[drawn];
        EXPECT_EQ(lines[k].params[1], first.x);
        EXPECT_EQ(lines[k].params[2], first.y);
        drawn += std::size_t(count) - 1;
    }
    EXPECT_EQ(drawn, points.size() - 1);
}

TEST(WmfWriter, OversizedPolygonFitsOneRecordWithItsEnds) {
    std::vector<WmfPoint> points;
    for (int i = 0; i < 40000; ++i)
        points.push_back({i % 1000, i / 1000});
    WmfWriter w(Page, 96);
    w.Polygon(points);
    const WmfRecordView r = LastRecord(w);
    ASSERT_EQ(r.function, 0x0324);
    EXPECT_EQ(r.params[0], WmfWriter::MaxPointsPerRecord);
    EXPECT_EQ(r.params[1], 0);
    EXPECT_EQ(r.params[2], 0);
    EXPECT_EQ(r.params[r.params.size() - 2], 999);
    EXPECT_EQ(r.params[r.params.size() - 1], 39);
}

TEST(WmfWriter, OversizedPolygonLosesOnlyRepeatedPointsWhenThatSuffices) {
    std::vector<WmfPoint> points;
    for (int i = 0; i < 40000; ++i)
        points.push_back({i / 4, 7}); // each point four times
    WmfWriter w(Page, 96);
    w.Polygon(points);
    const WmfRecordView r = LastRecord(w);
    ASSERT_EQ(r.params[0], 10000);
    for (int i = 0; i < 10000; ++i)
        ASSERT_EQ(r.params[std::size_t(1 + 2 * i)], i);
}

TEST(WmfWriter, TextIsWindows1252PaddedToEven) {
    WmfWriter w(Page, 96);
    w.TextOut(1, 2,
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC");
    const WmfRecordView r = LastRecord(w);
    ASSERT_EQ(r.params[0], 7);
    EXPECT_EQ(TextBytes(r, 1, 8), std::string("Gr\xFC\xDF"
                                              "e \x80\0",
                                              8));
    EXPECT_EQ(r.params[5], 2); // y, then x
    EXPECT_EQ(r.params[6], 1);
}

TEST(WmfWriter, UnmappableAndBrokenTextBecomesQuestionMarks) {
    EXPECT_EQ(WmfWriter::ToWindows1252("\xCE\xA9"
                                       "a\xFF"
                                       "b\xE2\x82"
                                       "c\t"),
              "?a?b?c?");
}

TEST(WmfWriter, LongTextIsCut) {
    WmfWriter w(Page, 96);
    w.TextOut(0, 0, std::string(10000, 'x'));
    const WmfRecordView r = LastRecord(w);
    EXPECT_EQ(r.params[0], WmfWriter::MaxTextBytes);
    EXPECT_EQ(r.words, 3u + 1u + std::uint32_t(WmfWriter::MaxTextBytes) / 2 + 2u);
}

TEST(WmfWriter, FontRecordHoldsItsFieldsAndAPaddedName) {
    kestran::WmfFont f;
    f.height = -17;
    f.escapement = 900;
    f.orientation = 900;
    f.weight = 700;
    f.italic = true;
    f.strikeOut = true;
    f.faceName = std::string(40, 'F');
    WmfWriter w(Page, 96);
    w.CreateFont(f);
    const WmfRecordView r = LastRecord(w);
    EXPECT_EQ(std::vector<std::int16_t>(r.params.begin(), r.params.begin() + 5),
              (std::vector<std::int16_t>{-17, 0, 900, 900, 700}));
    EXPECT_EQ(TextBytes(r, 5, 4), std::string("\x01\x00\x01\x00", 4)); // italic, underline, strike, charset
    EXPECT_EQ(TextBytes(r, 9, 32), std::string(31, 'F') + std::string(1, '\0'));
}

TEST(WmfWriter, SavedFileHoldsTheBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WmfWriter w(Page, 96);
    w.Rectangle({10, 10, 100, 100});
    const std::string path = dir.filePath("chart.wmf").toStdString();
    ASSERT_TRUE(w.SaveToFile(path));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), w.Data());
}

TEST(WmfWriter, SaveIntoMissingFolderFails) {
    QTemporaryDir dir;
    WmfWriter w(Page, 96);
    EXPECT_FALSE(w.SaveToFile(dir.filePath("no/such/folder/chart.wmf").toStdString()));
}

TEST(WmfWriter, FloatingPointsAreRoundedAndClamped) {
    struct PointF {
        double px, py;
        double x() const { return px; }
        double y() const { return py; }
    };
    const PointF points[] = {{1.4, 2.6}, {-0.6, 1e12}, {std::nan(""), -1e300}};
    WmfWriter w(Page, 96);
    w.PolylineOf(points, 3);
    EXPECT_EQ(LastRecord(w).params, (std::vector<std::int16_t>{3, 1, 3, -1, 32767, 0, -32768}));
    w.PolygonOf(points, 2);
    EXPECT_EQ(LastRecord(w).params, (std::vector<std::int16_t>{2, 1, 3, -1, 32767}));
}
