#include "CalendarTime.h"
#include "LossCalculation.h"
#include "MeasuredDump.h"
#include "ReportLine.h"
#include "ReportLineInputs.h"

#include <gtest/gtest.h>

namespace {

// The underlined columns of a line, as a string of '_' and ' ' the length of the line.
std::string UnderlineMap(const std::vector<ReportPiece>& pieces) {
    std::string map;
    for (const auto& p : pieces)
        map += std::string(p.text.size(), p.underline ? '_' : ' ');
    return map;
}

ModelInputs DefaultInputs() {
    return {450, 10, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50};
}

ReportLineValues LineOf(const ModelInputs& in, const LossResults& r) {
    ReportLineValues v;
    v.shown = testsupport::MetricShownInputs();
    v.shown.distShown = in.d__km;
    v.shown.freqMHz = in.f__mhz;
    v.shown.hbShown = in.h_b__meter;
    v.shown.hmShown = in.h_m__meter;
    v.shown.city = in.city == CitySize::Large ? "Large" : "Small/Medium";
    v.results = r;
    v.shown.pctTime = in.time__percent;
    v.shown.pctLoc = in.location__percent;
    v.when = testsupport::CalendarTime(2026, 12, 8, 21, 5);
    return v;
}

} // namespace

TEST(ReportLine, TitleHas144CharactersWithWordsAtTheirColumns) {
    const std::string title = ReportLogTitle();
    EXPECT_EQ(title.size(), 144u);
    EXPECT_EQ(title.find("OHDavLs"), 55u);
    EXPECT_EQ(title.find("Time"), 140u);
}

TEST(ReportLine, DefaultCalculationGivesThe147CharacterLine) {
    const ModelInputs in = DefaultInputs();
    const auto pieces = ReportLogLine(LineOf(in, CalculateLosses(in)));
    const std::string line = testsupport::LineText(pieces);
    ASSERT_EQ(line.size(), 149u); // with CR LF
    EXPECT_EQ(line.substr(147), "\r\n");
    EXPECT_EQ(line.substr(0, 55), "      10     450     100     1.5 Urban     Small/Medium");
    EXPECT_EQ(line.substr(55, 48), " 143.13  140.42  143.13   49.31    49.3   52.01 ");
    EXPECT_EQ(line.substr(103, 44), " 50% 50% Metric     1000 12/08/2026 09:05 pm");
}

TEST(ReportLine, OnlyOutOfRangeResultsAreUnderlinedWithTheirBlank) {
    const ModelInputs in = DefaultInputs();
    const auto map = UnderlineMap(ReportLogLine(LineOf(in, CalculateLosses(in))));
    const std::string expected = std::string(63, ' ') + std::string(8, '_') + std::string(24, ' ') +
                                 std::string(8, '_') + std::string(map.size() - 103, ' ');
    EXPECT_EQ(map, expected);
}

TEST(ReportLine, AtEighteenHundredMegahertzOnlyCost231IsInRange) {
    ModelInputs in = DefaultInputs();
    in.f__mhz = 1800;
    in.city = CitySize::Large;
    const LossResults r = CalculateLosses(in);
    const bool expected[] = {false, true, false, false, false, true};
    for (int i = 0; i < ResultColumnCount; ++i)
        EXPECT_EQ(r.inRange[i], expected[i]) << "column " << i;
}

TEST(ReportLine, CityColumnOnlyForAreaUrbanAroundBlanksAllowed) {
    const struct {
        const char* area;
        const char* city;
    } cases[] = {{"Suburban", "            "}, {" Urban ", "Small/Medium"}, {"urban", "            "}};
    for (const auto& c : cases) {
        ModelInputs in = DefaultInputs();
        in.area = ParseAreaType(c.area);
        ReportLineValues v = LineOf(in, CalculateLosses(in));
        v.shown.area = c.area;
        const std::string line = testsupport::LineText(ReportLogLine(v));
        EXPECT_EQ(line.substr(43, 12), c.city) << c.area;
    }
}

TEST(ReportLine, EnglishLineShowsTypedValuesAndTheUnitsWordAsStored) {
    const ModelInputs in = DefaultInputs();
    ReportLineValues v = LineOf(in, CalculateLosses(in));
    v.shown.english = true;
    v.shown.distShown = 6.2139;
    v.shown.hbShown = 328.084;
    const std::string line = testsupport::LineText(ReportLogLine(v));
    EXPECT_EQ(line.substr(0, 8), "    6.21");
    EXPECT_EQ(line.substr(17, 7), " 328.08");
    EXPECT_EQ(line.substr(111, 7), " Enlish");
}

TEST(LossChecks, BoundsAndMessagesInCheckOrder) {
    const struct {
        double f, hb, hm, d;
        const char* message;
    } cases[] = {
        {30, 100, 1.5, 10, ""},
        {2000, 100, 1.5, 10, ""},
        {29.99, 100, 1.5, 10, "Valid Frequency Range 30Mhz to 2000 MHz"},
        {2000.01, 10, 0, 0, "Valid Frequency Range 30Mhz to 2000 MHz"},
        {450, 19.9, 1.5, 10, "Valid Height of Base Station Antenna is 20m to 2500m"},
        {450, 2500, 1.5, 300, ""},
        {450, 2500.1, 1.5, 10, "Valid Height of Base Station Antenna is 20m to 2500m"},
        {450, 100, 0.9, 10, "Valid Height of Mobile Antenna is 1m to 30m"},
        {450, 100, 1.5, 0, "Valid Range is 0 < Distance <= 300 km"},
        {450, 100, 1.5, 187 * 1.6093, "Valid Range is 0 < Distance <= 300 km"},
    };
    for (const auto& c : cases) {
        ModelInputs in = DefaultInputs();
        in.f__mhz = c.f;
        in.h_b__meter = c.hb;
        in.h_m__meter = c.hm;
        in.d__km = c.d;
        EXPECT_EQ(CheckLossInputs(in).value_or(""), c.message)
            << c.f << " " << c.hb << " " << c.hm << " " << c.d;
    }
}

TEST(MeasuredDump, WithoutAFileThreeBlocksAndSeventySixEmptyRows) {
    std::vector<MeasuredRecord> records(3);
    for (auto& r : records) {
        r.Freq = -1;
        r.Dist[0] = MeasuredEndMarker();
    }
    const auto pieces = MeasuredDump(records);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0], "\r\nTable Segments: 3\r\n");
    EXPECT_EQ(pieces[1], "0> Freq:-1  %:0 City:  hm: 0 hb(0): \r\n");
    std::string rows;
    for (int i = 0; i < 76; ++i)
        rows += "     0: \r\n";
    EXPECT_EQ(pieces[3], "2> Freq:-1  %:0 City:  hm: 0 hb(0): \r\n" + rows + "\r\n");
}

TEST(MeasuredDump, LastTableListsItsReadingsUpToTheEndMarker) {
    MeasuredRecord r;
    r.Freq = 450;
    r.TimeFraction = 0.5;
    r.Area = "Urban";
    r.Hm = 1.5;
    r.ColumnCount = 2;
    r.ColumnHb = {30, 100.5};
    r.Dist[0] = 1;
    r.Dist[1] = 2.5;
    r.Reading[0] = {70, 72.25};
    r.Reading[1] = {60, 61};
    r.Reading[2][0] = MeasuredEndMarker();
    const auto pieces = MeasuredDump({r});
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1], "0> Freq:450  %:0.5 City: Urban hm: 1.5 hb(2): 30  100.5  \r\n"
                         "     1: 70 72.25 \r\n     2.5: 60 61 \r\n\r\n");
}
