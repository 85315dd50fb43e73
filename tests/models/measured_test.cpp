#include "Measured.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const double kMarker = MeasuredEndMarker();

std::vector<MeasuredRecord> OneEmptyRecord() {
    return std::vector<MeasuredRecord>(1);
}

MeasuredReadResult Parse(const std::string& text, std::vector<MeasuredRecord>& records) {
    return ParseMeasured(text, "/data/measured.csv", records);
}

// A header line for a table of the given columns (base heights 10, 20, ...).
std::string Header(int columns, double freq = 450, const std::string& area = "Urban") {
    std::string line = "0," + std::to_string(freq) + ",0.5," + area + ",1.5," + std::to_string(columns);
    for (int c = 0; c < columns; ++c) {
        line += "," + std::to_string(10 * (c + 1));
    }
    return line + "\n";
}

// Rows 1, 2, ... with readings row*10 + column.
std::string Rows(int rows, int columns) {
    std::string text;
    for (int r = 1; r <= rows; ++r) {
        text += std::to_string(r);
        for (int c = 0; c < columns; ++c) {
            text += "," + std::to_string(r * 10 + c);
        }
        text += "\n";
    }
    return text;
}

TEST(MeasuredEndMarkerTest, IsTheSmallestPositiveSubnormal) {
    EXPECT_TRUE(IsMeasuredEndMarker(kMarker));
    EXPECT_EQ(kMarker, 4.94065645841247E-324);
    EXPECT_FALSE(IsMeasuredEndMarker(0.0));
    EXPECT_FALSE(IsMeasuredEndMarker(-kMarker));
}

TEST(ReadMeasuredTest, ExampleTableGivesItsFieldsAndMarkers) {
    auto records = OneEmptyRecord();
    ASSERT_TRUE(Parse("0,450,0.5,Urban,1.5,2,30,100\n1,80.2,85.0\n2,71.5,77.3\n", records).ok);
    ASSERT_EQ(records.size(), 1u);
    const MeasuredRecord& t = records[0];
    EXPECT_EQ(t.Freq, 450);
    EXPECT_EQ(t.TimeFraction, 0.5);
    EXPECT_EQ(t.Area, "Urban");
    EXPECT_EQ(t.Hm, 1.5);
    EXPECT_EQ(t.ColumnCount, 2);
    EXPECT_EQ(t.ColumnHb[0], 30);
    EXPECT_EQ(t.ColumnHb[1], 100);
    EXPECT_EQ(t.RowCount, 2);
    EXPECT_EQ(t.Dist[0], 1);
    EXPECT_EQ(t.Dist[1], 2);
    EXPECT_TRUE(IsMeasuredEndMarker(t.Dist[2]));
    EXPECT_EQ(t.Reading[0][0], 80.2);
    EXPECT_EQ(t.Reading[0][1], 85.0);
    EXPECT_EQ(t.Reading[1][0], 71.5);
    EXPECT_EQ(t.Reading[1][1], 77.3);
    EXPECT_TRUE(IsMeasuredEndMarker(t.Reading[2][0]));
    EXPECT_TRUE(IsMeasuredEndMarker(t.Reading[2][1]));
}

TEST(ReadMeasuredTest, TwoTablesEachEndWithTheMarkerInTheirUsedColumnsOnly) {
    auto records = OneEmptyRecord();
    ASSERT_TRUE(Parse(Header(2) + Rows(3, 2) + Header(4, 900) + Rows(5, 4), records).ok);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].RowCount, 3);
    EXPECT_TRUE(IsMeasuredEndMarker(records[0].Dist[3]));
    EXPECT_TRUE(IsMeasuredEndMarker(records[0].Reading[3][0]));
    EXPECT_TRUE(IsMeasuredEndMarker(records[0].Reading[3][1]));
    EXPECT_EQ(records[0].Reading[3][2], 0);
    EXPECT_EQ(records[1].Freq, 900);
    EXPECT_EQ(records[1].RowCount, 5);
    EXPECT_EQ(records[1].Reading[4][3], 53);
    EXPECT_TRUE(IsMeasuredEndMarker(records[1].Dist[5]));
    for (int c = 0; c < 4; ++c) {
        EXPECT_TRUE(IsMeasuredEndMarker(records[1].Reading[5][c])) << c;
    }
    EXPECT_EQ(records[1].Reading[5][4], 0);
}

TEST(ReadMeasuredTest, FullTableOf75RowsAnd6ColumnsIsReadWhole) {
    auto records = OneEmptyRecord();
    ASSERT_TRUE(Parse(Header(6) + Rows(75, 6), records).ok);
    const MeasuredRecord& t = records.at(0);
    EXPECT_EQ(t.RowCount, 75);
    EXPECT_EQ(t.Dist[74], 75);
    EXPECT_EQ(t.Reading[74][5], 755);
    EXPECT_EQ(t.ColumnHb[5], 60);
    EXPECT_TRUE(IsMeasuredEndMarker(t.Dist[75]));
    for (int c = 0; c < 6; ++c) {
        EXPECT_TRUE(IsMeasuredEndMarker(t.Reading[75][c])) << c;
    }
}

TEST(ReadMeasuredTest, TableWithoutRowsStillEndsWithTheMarker) {
    auto records = OneEmptyRecord();
    ASSERT_TRUE(Parse(Header(3) + Header(1, 900) + Rows(1, 1) + Header(2, 150), records).ok);
    ASSERT_EQ(records.size(), 3u);
    for (int i : {0, 2}) {
        EXPECT_EQ(records[i].RowCount, 0);
        EXPECT_TRUE(IsMeasuredEndMarker(records[i].Dist[0]));
        EXPECT_TRUE(IsMeasuredEndMarker(records[i].Reading[0][0]));
    }
    EXPECT_EQ(records[1].RowCount, 1);
}

TEST(ReadMeasuredTest, ItemsMayBeSpreadOverLinesQuotedAndPadded) {
    const std::string text = "\xEF\xBB\xBF"
                             "0, 450 ,\t0.5\r\n"
                             "  \"Sub urban\" , 1.5,1\r\n"
                             "\r\n"
                             "30\r"
                             "+1.5e0\n"
                             "-80.25\n";
    auto records = OneEmptyRecord();
    const MeasuredReadResult result = Parse(text, records);
    ASSERT_TRUE(result.ok) << result.message;
    const MeasuredRecord& t = records.at(0);
    EXPECT_EQ(t.Area, "Sub urban");
    EXPECT_EQ(t.ColumnHb[0], 30);
    EXPECT_EQ(t.Dist[0], 1.5);
    EXPECT_EQ(t.Reading[0][0], -80.25);
    EXPECT_EQ(t.RowCount, 1);
}

TEST(ReadMeasuredTest, EmptyFileReadsAndKeepsTheRecords) {
    auto records = OneEmptyRecord();
    records[0].Freq = 7;
    EXPECT_TRUE(Parse(" \n\n", records).ok);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Freq, 7);
}

TEST(ReadMeasuredTest, TablesReplaceWhateverTheRecordsHeld) {
    std::vector<MeasuredRecord> records(3);
    records[0].ColumnHb[5] = 99;
    ASSERT_TRUE(Parse(Header(1) + Rows(1, 1), records).ok);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ColumnHb[5], 0);
}

struct MalformedCase {
    const char* name;
    std::string text;
    int line;
    std::string reason;
};

class MalformedFileTest : public ::testing::TestWithParam<MalformedCase> {};

// A file the program cannot trust is refused as a whole: one message names the line, and the
// records stay as they were.
TEST_P(MalformedFileTest, IsRefusedWithOneMessageNamingTheLine) {
    const MalformedCase& c = GetParam();
    auto records = OneEmptyRecord();
    records[0].Freq = 123;
    const MeasuredReadResult result = Parse(c.text, records);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.title, "Okum-Hata");
    EXPECT_EQ(result.message, "Warning: Cannot read file /data/measured.csv\nLine " + std::to_string(c.line) +
                                  ": " + c.reason);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Freq, 123);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedFileTest,
    ::testing::Values(
        MalformedCase{"NoHeaderFirst", "\n1,2,3\n", 2, "the file does not begin with a table header"},
        MalformedCase{"SevenColumns", Header(6) + "0,450,0.5,Urban,1.5,7,1,2,3,4,5,6,7\n", 2,
                      "a table needs 1 to 6 columns"},
        MalformedCase{"NoColumns", "0,450,0.5,Urban,1.5,0\n", 1, "a table needs 1 to 6 columns"},
        MalformedCase{"NegativeColumns", "0,450,0.5,Urban,1.5,-2\n1,2\n", 1, "a table needs 1 to 6 columns"},
        MalformedCase{"FractionalColumns", "0,450,0.5,Urban,1.5,1.5,30\n", 1, "a table needs 1 to 6 columns"},
        MalformedCase{"HugeColumns", "0,450,0.5,Urban,1.5,1e300,30\n", 1, "a table needs 1 to 6 columns"},
        MalformedCase{"SeventySixRows", Header(2) + Rows(76, 2), 77, "a table has more than 75 rows"},
        MalformedCase{"LettersInRow", Header(2) + "1,80,abc\n", 2, "\"abc\" is not a number"},
        MalformedCase{"LettersAsDistance", Header(1) + "x,80\n", 2, "\"x\" is not a number"},
        MalformedCase{"LettersInHeader", "0,450MHz,0.5,Urban,1.5,1,30\n", 1, "\"450MHz\" is not a number"},
        MalformedCase{"EmptyNumber", Header(2) + "1,,80\n", 2, "\"\" is not a number"},
        MalformedCase{"TrailingComma", Header(1) + "1,80,\n", 2, "\"\" is not a number"},
        MalformedCase{"DecimalComma", Header(1) + "1,\"80,5\"\n", 2, "\"80,5\" is not a number"},
        MalformedCase{"EndInsideHeader", "0,450,0.5,Urban\n", 1, "the file ends inside a table header"},
        MalformedCase{"EndInsideBaseHeights", "0,450,0.5,Urban,1.5,3,30,\n", 1, "\"\" is not a number"},
        MalformedCase{"EndInsideLastBaseHeight", "0,450,0.5,Urban,1.5,3,30,60", 1,
                      "the file ends inside a table header"},
        MalformedCase{"EndInsideRow", Header(3) + Rows(2, 3) + "3,80\n", 4,
                      "the file ends inside a data row"},
        MalformedCase{"UnclosedQuote", "0,450,0.5,\"Urban,1.5,1,30\n", 1, "a quoted text is not closed"},
        MalformedCase{"TextAfterQuote", "0,450,0.5,\"Urban\"x,1.5,1,30\n", 1, "text follows a closing quote"},
        MalformedCase{"Infinity", Header(1) + "1,inf\n", 2, "\"inf\" is not a number"},
        MalformedCase{"NotANumber", Header(1) + "nan,80\n", 2, "\"nan\" is not a number"},
        MalformedCase{"DoubleSign", Header(1) + "+-1,80\n", 2, "\"+-1\" is not a number"},
        MalformedCase{"ControlCharacterShownAsQuestionMark",
                      Header(1) + std::string("1,8\0"
                                              "0\n",
                                              6),
                      2, "\"8?0\" is not a number"},
        MalformedCase{"LongItemShortened", Header(1) + "1," + std::string(100, '7') + "x\n", 2,
                      "\"" + std::string(40, '7') + "...\" is not a number"},
        MalformedCase{"ItemLongerThanAnyValue", Header(1) + "1," + std::string(300, '7') + "\n", 2,
                      "an item is longer than 256 characters"},
        // A value too many or too few shifts the later rows; the fault shows only further on.
        MalformedCase{"ExtraValueInARow", Header(2) + "1,80,85,90\n2,71,77\n3,60,65\n", 2,
                      "a data row needs a distance and 2 readings"},
        MalformedCase{"MissingValueInARow", Header(2) + "1,80\n2,71,77\n3,60,65\n4,50,55\n", 2,
                      "a data row needs a distance and 2 readings"},
        MalformedCase{"ExtraBaseHeight", "0,450,0.5,Urban,1.5,1,30,100\n1,80\n2,70\n", 1,
                      "a table header needs 6 values and then 1 base height"},
        // Rows may share a line: a fault after them is its own.
        MalformedCase{"RowsSharingALine", Header(1) + "1,80,2,70\n3,x\n", 3, "\"x\" is not a number"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

TEST(ReadMeasuredTest, MoreTablesThanA16BitIndexReachesAreRefused) {
    std::string text;
    for (int i = 0; i <= kMeasuredMaxTables; ++i) {
        text += "0,1,1,a,1,1,1\n";
    }
    auto records = OneEmptyRecord();
    const MeasuredReadResult result = Parse(text, records);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Line 32768: the file holds more than 32767 tables"), std::string::npos);
    EXPECT_EQ(records.size(), 1u);
}

// Serves a first line, then the same line again and again up to a size, counting what it served.
class RepeatedLines : public std::streambuf {
public:
    RepeatedLines(std::string first, std::string repeated, std::uint64_t size)
        : first_(std::move(first)), repeated_(std::move(repeated)), left_(size) {}
    std::uint64_t served() const { return served_; }

protected:
    int_type underflow() override {
        if (left_ == 0) {
            return traits_type::eof();
        }
        block_ = served_ == 0 ? first_ : std::string();
        while (block_.size() < 4096 && block_.size() < left_) {
            block_ += repeated_;
        }
        block_.resize(std::min<std::uint64_t>(block_.size(), left_));
        left_ -= block_.size();
        served_ += block_.size();
        setg(block_.data(), block_.data(), block_.data() + block_.size());
        return traits_type::to_int_type(block_[0]);
    }

private:
    std::string first_, repeated_, block_;
    std::uint64_t left_;
    std::uint64_t served_ = 0;
};

// Read in blocks, a file gives the tables its whole text gives, whatever falls on a block's edge:
// line ends of two characters, quoted areas, padded numbers.
TEST(ReadMeasuredTest, StreamGivesTheTablesOfTheWholeText) {
    std::string text;
    for (int t = 0; t < 40; ++t) {
        text += "0, " + std::to_string(100 + t) + ".125 ,0.5,\"Sub urban\",1.5,6,10,20,30,40,50,60\r\n";
        for (int r = 1; r <= 75; ++r) {
            text += std::to_string(r) + ".0625";
            for (int c = 0; c < 6; ++c)
                text += ",  " + std::to_string(t * 1000 + r * 10 + c) + ".5";
            text += "\r\n";
        }
    }
    ASSERT_GT(text.size(), 3u * 64 * 1024);
    auto whole = OneEmptyRecord();
    ASSERT_TRUE(Parse(text, whole).ok);
    std::istringstream stream(text);
    auto streamed = OneEmptyRecord();
    ASSERT_TRUE(ParseMeasured(stream, "/data/measured.csv", streamed).ok);
    ASSERT_EQ(streamed.size(), 40u);
    for (std::size_t t = 0; t < whole.size(); ++t) {
        EXPECT_EQ(streamed[t].Freq, 100 + t + 0.125);
        EXPECT_EQ(streamed[t].Area, "Sub urban");
        EXPECT_EQ(streamed[t].RowCount, 75);
        EXPECT_EQ(streamed[t].Dist, whole[t].Dist) << t;
        EXPECT_EQ(streamed[t].Reading, whole[t].Reading) << t;
    }
    EXPECT_EQ(streamed[39].Reading[74][5], 39755.5);
}

// A gigabyte that goes wrong at its start is refused there, without reading the rest.
TEST(ReadMeasuredTest, StreamIsRefusedAtItsFirstBadLineWithoutReadingTheRest) {
    constexpr std::uint64_t kGigabyte = 1ull << 30;
    const struct {
        std::string first, repeated, reason;
    } cases[] = {
        {"1,80\n", Header(1), "Line 1: the file does not begin with a table header"},
        {std::string(1, '\0'), std::string(1, '\0'), "Line 1: an item is longer than 256 characters"},
    };
    for (const auto& c : cases) {
        RepeatedLines bytes(c.first, c.repeated, kGigabyte);
        std::istream stream(&bytes);
        auto records = OneEmptyRecord();
        const MeasuredReadResult result = ParseMeasured(stream, "/data/measured.csv", records);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Warning: Cannot read file /data/measured.csv\n" + c.reason);
        EXPECT_LT(bytes.served(), 1u << 20);
    }
}

class MeasuredFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("measured_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string PathOf(const char* name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

TEST_F(MeasuredFileTest, MissingFileIsReportedAndLeavesTheRecords) {
    auto records = OneEmptyRecord();
    records[0].Freq = 5;
    const std::string path = PathOf("measured.csv");
    const MeasuredReadResult result = ReadMeasured(path, records);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Warning: Cannot find file " + path);
    EXPECT_EQ(result.title, "Okum-Hata");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Freq, 5);
}

TEST_F(MeasuredFileTest, FileBesideTheProgramIsRead) {
    const std::string path = PathOf("measured.csv");
    std::ofstream(path) << Header(2) << Rows(3, 2);
    auto records = OneEmptyRecord();
    EXPECT_TRUE(ReadMeasured(path, records).ok);
    EXPECT_EQ(records.at(0).RowCount, 3);
}

TEST_F(MeasuredFileTest, FolderInPlaceOfTheFileIsRefused) {
    const std::string path = PathOf("measured.csv");
    std::filesystem::create_directory(path);
    auto records = OneEmptyRecord();
    const MeasuredReadResult result = ReadMeasured(path, records);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Warning: Cannot read file " + path);
}

// A named pipe opened for reading waits for a writer: the start would hang.
TEST_F(MeasuredFileTest, NamedPipeIsRefusedWithoutWaitingForAWriter) {
    const std::string path = PathOf("measured.csv");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    auto records = OneEmptyRecord();
    auto reading = std::async(std::launch::async, [&] { return ReadMeasured(path, records); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Lets the reader go, so that the test ends with its failure.
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "the reader waits on the pipe";
    }
    const MeasuredReadResult result = reading.get();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Warning: Cannot read file " + path);
}

// Two tables of 450 MHz, 50 %, 1.5 m: the first without a 60 m column, the second with one.
std::vector<MeasuredRecord> LookupTables() {
    std::vector<MeasuredRecord> records = OneEmptyRecord();
    const std::string text = "0,450,0.5,Urban,1.5,2,30,100\n1,80,85\n"
                             "0,450,0.5,URBAN,1.5,3,30.48,60,100\n1,70,75,79\n"
                             "0,900,0.1,Open,3,1,50\n1,60\n";
    EXPECT_TRUE(ParseMeasured(text, "", records).ok);
    return records;
}

struct LookupCase {
    const char* name;
    double f, hb, hm;
    const char* area;
    double timeFraction;
    int found, record, column;
};

class FindMeasuredCurveTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(FindMeasuredCurveTest, PicksTheFirstMatchingTableAndColumn) {
    const LookupCase& c = GetParam();
    const MeasuredMatch match = FindMeasuredCurve(c.f, c.hb, c.hm, c.area, c.timeFraction, LookupTables());
    EXPECT_EQ(match.Found, c.found);
    if (c.found) {
        EXPECT_EQ(match.Record, c.record);
        EXPECT_EQ(match.Column, c.column);
    }
}

constexpr double kFoot = 0.3048;

INSTANTIATE_TEST_SUITE_P(
    Cases, FindMeasuredCurveTest,
    ::testing::Values(LookupCase{"SameCase", 450, 100, 1.5, "Urban", 0.5, -1, 0, 1},
                      LookupCase{"AreaInCapitals", 450, 30, 1.5, "URBAN", 0.5, -1, 0, 0},
                      LookupCase{"AreaWithLeadingBlank", 450, 30, 1.5, " Urban", 0.5, 0, 0, 0},
                      LookupCase{"ColumnOnlyInTheSecondTable", 450, 60, 1.5, "urban", 0.5, -1, 1, 1},
                      LookupCase{"FrequencyHasNoTolerance", 450.0001, 100, 1.5, "Urban", 0.5, 0, 0, 0},
                      LookupCase{"TimeFractionHasNoTolerance", 450, 100, 1.5, "Urban", 0.5000001, 0, 0, 0},
                      LookupCase{"HeightsFromFeet", 450, (100 / kFoot) / 3.2808399, (1.5 / kFoot) * kFoot,
                                 "Urban", 0.5, -1, 0, 1},
                      LookupCase{"BaseHeightOfHundredFeet", 450, 100 * kFoot, 1.5, "Urban", 0.5, -1, 1, 0},
                      LookupCase{"BaseHeightOffByAMillimetre", 450, 100.001, 1.5, "Urban", 0.5, 0, 0, 0},
                      LookupCase{"MobileHeightOffByAMillimetre", 450, 100, 1.501, "Urban", 0.5, 0, 0, 0},
                      LookupCase{"ThirdTable", 900, 50, 3, "OPEN", 0.1, -1, 2, 0}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(FindMeasuredCurveTest, RecordsMarkedWithFrequencyMinusOneNeverMatch) {
    std::vector<MeasuredRecord> records(3);
    for (MeasuredRecord& r : records) {
        r.Freq = -1;
    }
    EXPECT_EQ(FindMeasuredCurve(450, 0, 0, "", 0, records).Found, 0);
    EXPECT_EQ(FindMeasuredCurve(450, 0, 0, "", 0, {}).Found, 0);
}

TEST(FindMeasuredCurveTest, ColumnCountOutsideItsRangeReadsNoFurtherThanSixColumns) {
    std::vector<MeasuredRecord> records(1);
    records[0].ColumnCount = 300;
    records[0].ColumnHb.fill(10);
    EXPECT_EQ(FindMeasuredCurve(0, 10, 0, "", 0, records).Column, 0);
    records[0].ColumnCount = -4;
    EXPECT_EQ(FindMeasuredCurve(0, 10, 0, "", 0, records).Found, 0);
}

} // namespace
