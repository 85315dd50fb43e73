// The distance-range report's rules: range corrections, the distances of a run, the progress
// scale and the report line of one distance.

#include "CalendarTime.h"
#include "frmLogDistRangeLogic.h"
#include "LossCalculation.h"
#include "ModCalculations.h"
#include "NumberText.h"
#include "ReportLineInputs.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct CorrectionCase {
    const char* what;
    DistanceRange typed;
    DistanceRange expected;
    bool start, end, step;
};

const CorrectionCase kCorrections[] = {
    {"design values pass", {1, 100, 1}, {1, 100, 1}, false, false, false},
    {"end 0", {1, 0, 1}, {1, 299.9, 1}, false, true, false},
    {"negative end", {1, -5, 1}, {1, 299.9, 1}, false, true, false},
    {"descending, positive step", {50, 10, 5}, {50, 10, -5}, false, false, true},
    {"descending, negative step", {50, 10, -5}, {50, 10, -5}, false, false, false},
    {"descending, step 0", {50, 10, 0}, {50, 10, -0.1}, false, false, true},
    {"descending start is not tested", {1e6, 10, -1}, {1e6, 10, -1}, false, false, false},
    {"start 0", {0, 10, 1}, {0.1, 10, 1}, true, false, false},
    {"negative start", {-3, 10, 1}, {0.1, 10, 1}, true, false, false},
    {"ascending, step 0", {1, 10, 0}, {1, 10, 0.1}, false, false, true},
    {"ascending, negative step", {1, 10, -2}, {1, 10, 2}, false, false, true},
    {"start equals end", {5, 5, 1}, {5, 5, 1}, false, false, false},
    {"end 0 makes the range ascending", {400, 0, -1}, {400, 299.9, -1}, false, true, false},
    {"end 0, start 0, step 0", {0, 0, 0}, {0.1, 299.9, 0.1}, true, true, true},
};

TEST(RangeCorrection, EachRuleCorrectsItsValue) {
    for (const auto& c : kCorrections) {
        const CheckedRange r = CorrectRange(c.typed);
        EXPECT_DOUBLE_EQ(r.range.start, c.expected.start) << c.what;
        EXPECT_DOUBLE_EQ(r.range.end, c.expected.end) << c.what;
        EXPECT_DOUBLE_EQ(r.range.step, c.expected.step) << c.what;
        EXPECT_EQ(r.startCorrected, c.start) << c.what;
        EXPECT_EQ(r.endCorrected, c.end) << c.what;
        EXPECT_EQ(r.stepCorrected, c.step) << c.what;
        EXPECT_EQ(r.AnyCorrected(), c.start || c.end || c.step) << c.what;
        // A corrected range passes the check unchanged.
        EXPECT_FALSE(CorrectRange(r.range).AnyCorrected()) << c.what;
    }
}

TEST(RangeCorrection, ValuesThatAreNotFiniteNeverMakeARun) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (DistanceRange typed :
         {DistanceRange{1, inf, 1}, DistanceRange{inf, 10, 1}, DistanceRange{1, 10, nan},
          DistanceRange{nan, nan, nan}, DistanceRange{-inf, 10, inf}}) {
        const CheckedRange r = CorrectRange(typed);
        EXPECT_TRUE(r.AnyCorrected());
        EXPECT_TRUE(std::isfinite(r.range.start) && std::isfinite(r.range.end) &&
                    std::isfinite(r.range.step));
        EXPECT_GT(DistanceCount(r.range), 0);
        EXPECT_LT(DistanceCount(r.range), 10000);
    }
}

struct StepCase {
    DistanceRange range;
    long long count;
    double first, last;
};

TEST(RangeDistances, TheEndIsNeverLostToRounding) {
    const StepCase cases[] = {
        {{1, 100, 1}, 100, 1, 100},
        {{0.1, 10, 0.1}, 100, 0.1, 10},
        {{0.1, 299.9, 0.1}, 2999, 0.1, 299.9},
        {{50, 10, -5}, 9, 50, 10},
        {{0.1, 10, 1}, 10, 0.1, 9.1},
        {{5, 5, 1}, 1, 5, 5},
        {{10, 0.1, -0.1}, 100, 10, 0.1},
        {{0.3, 0.9, 0.2}, 4, 0.3, 0.9},
        {{1, 2, 5}, 1, 1, 1},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(DistanceCount(c.range), c.count)
            << c.range.start << " " << c.range.end << " " << c.range.step;
        EXPECT_DOUBLE_EQ(DistanceAt(c.range, 0), c.first);
        EXPECT_EQ(DistanceAt(c.range, c.count - 1), c.last) << "exactly the end value";
    }
}

TEST(RangeDistances, EachDistanceIsStartPlusIndexSteps) {
    const DistanceRange r{0.1, 299.9, 0.1};
    for (long long i = 0; i < DistanceCount(r) - 1; ++i)
        ASSERT_DOUBLE_EQ(DistanceAt(r, i), 0.1 + static_cast<double>(i) * 0.1) << i;
    // Adding the step again and again drifts: 0.1 added 2998 times is not 299.9.
    double added = 0.1;
    for (int i = 0; i < 2998; ++i)
        added += 0.1;
    EXPECT_NE(added, 299.9);
}

TEST(RangeDistances, ARangeOfNoStepsHasNoDistances) {
    EXPECT_EQ(DistanceCount({1, 10, 0}), 0);
    EXPECT_EQ(DistanceCount({10, 1, 1}), 0);
}

TEST(RangeProgress, AscendingRunFillsFromStartToEnd) {
    const ProgressScale s = MakeProgressScale(1, 100);
    EXPECT_FALSE(s.descending);
    EXPECT_EQ(s.minimum, 100);
    EXPECT_EQ(s.maximum, 10000);
    EXPECT_EQ(s.ValueAt(1), 100);
    EXPECT_EQ(s.ValueAt(50.5), 5050);
    EXPECT_EQ(s.ValueAt(100), 10000);
}

TEST(RangeProgress, DescendingRunAlsoFillsLeftToRight) {
    const ProgressScale s = MakeProgressScale(50, 10);
    EXPECT_TRUE(s.descending);
    EXPECT_EQ(s.minimum, 1000);
    EXPECT_EQ(s.maximum, 5000);
    for (double d : {50.0, 45.0, 30.0, 10.0})
        EXPECT_EQ(s.ValueAt(d), static_cast<int>(std::lround((50 - (d - 10)) * 100))) << d;
}

TEST(RangeProgress, EqualEndsShowAFullBarNotABusyOne) {
    const ProgressScale s = MakeProgressScale(5, 5);
    EXPECT_LT(s.minimum, s.maximum);
    EXPECT_EQ(s.ValueAt(5), s.maximum);
}

TEST(RangeProgress, HugeRangesStayInsideTheBarsScale) {
    const ProgressScale s = MakeProgressScale(0.1, 1e15);
    EXPECT_GE(s.minimum, 0);
    EXPECT_LE(s.maximum, 1000000000);
    EXPECT_LT(s.minimum, s.maximum);
    EXPECT_EQ(s.ValueAt(1e15), s.maximum);
    EXPECT_EQ(s.ValueAt(2e15), s.maximum);
}

const std::tm kDate = testsupport::CalendarTime(2026, 12, 8, 21, 5);

TEST(RangeLine, MetricLineIsTheCalculationsLineAtThatDistance) {
    const ShownInputs in = testsupport::MetricShownInputs();
    const auto pieces = RangeReportLine(in, 10, kDate);
    const std::string line = testsupport::LineText(pieces);
    ASSERT_EQ(line.size(), 149u) << line;
    EXPECT_EQ(line.substr(0, 8), "      10");
    EXPECT_EQ(line.substr(9, 7), "    450");
    EXPECT_EQ(line.substr(17, 7), "    100");
    EXPECT_EQ(line.substr(26, 6), "   1.5");
    EXPECT_EQ(line.substr(33, 8), "Urban   ");
    EXPECT_EQ(line.substr(43, 12), "Small/Medium");
    EXPECT_EQ(line.substr(55, 8), " 143.13 ") << "Davidson loss";
    EXPECT_EQ(line.substr(103, 8), " 50% 50%");
    EXPECT_EQ(line.substr(111, 7), " Metric");
    EXPECT_EQ(line.substr(118, 9), "     1000");
    EXPECT_EQ(line.substr(127), " 12/08/2026 09:05 pm\r\n");
}

TEST(RangeLine, EnglishHeightsReachTheModelsInMetres) {
    ShownInputs english = testsupport::MetricShownInputs();
    english.english = true;
    english.hbShown = 100 / 0.3048; // 328.08 ft
    english.hmShown = 1.5 / 0.3048;
    const ShownInputs metric = testsupport::MetricShownInputs();
    for (double d : {1.0, 10.0, 64.5, 150.0}) {
        const std::string e = testsupport::LineText(RangeReportLine(english, d, kDate));
        const std::string m = testsupport::LineText(RangeReportLine(metric, d, kDate));
        EXPECT_EQ(e.substr(55, 48), m.substr(55, 48)) << "results at " << d;
        EXPECT_EQ(e.substr(17, 7), " 328.08") << "heights are shown as typed";
        EXPECT_EQ(e.substr(111, 7), " Enlish");
        const auto ep = RangeReportLine(english, d, kDate);
        const auto mp = RangeReportLine(metric, d, kDate);
        for (std::size_t i = 0; i < ep.size(); ++i)
            EXPECT_EQ(ep[i].underline, mp[i].underline) << "validity mark " << i << " at " << d;
    }
    // 1 m, the models' lower bound, shows as 3.2808 ft and is still in range.
    english.hmShown = 3.2808;
    ShownInputs atBound = metric;
    atBound.hmShown = 1;
    const auto ep = RangeReportLine(english, 10, kDate);
    const auto mp = RangeReportLine(atBound, 10, kDate);
    for (std::size_t i = 0; i < ep.size(); ++i)
        EXPECT_EQ(ep[i].underline, mp[i].underline) << "validity mark " << i << " at the bound";
}

TEST(RangeLine, ModelsUseThePercentOfLocations) {
    ShownInputs in = testsupport::MetricShownInputs();
    in.pctLoc = 90;
    const std::string line = testsupport::LineText(RangeReportLine(in, 10, kDate));
    EXPECT_EQ(line.substr(107, 4), " 90%");
    const LossResults at90 =
        CalculateLosses({450, 10, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 90});
    const LossResults at50 =
        CalculateLosses({450, 10, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50});
    ASSERT_GT(at90.values[OHDavLs], at50.values[OHDavLs] + 1);
    EXPECT_EQ(line.substr(55, 8), FitNumberText(numtext::Format(at90.values[OHDavLs], "0000.00")) + " ");
}

TEST(RangeLine, OutOfRangeResultsAreUnderlinedWithTheirBlank) {
    // 450 MHz at 150 km: only the Davidson results stay in range.
    const auto pieces = JoinPieces(RangeReportLine(testsupport::MetricShownInputs(), 150, kDate));
    std::string underlined;
    for (const auto& p : pieces)
        if (p.underline)
            underlined += p.text;
    EXPECT_EQ(underlined.size(), 32u) << "four results of 8 columns each";
    EXPECT_EQ(pieces.size(), 5u);
    // 1500 MHz at 50 km lies in every range: the whole line is one append.
    ShownInputs edge = testsupport::MetricShownInputs();
    edge.freqMHz = 1500;
    ASSERT_EQ(JoinPieces(RangeReportLine(edge, 50, kDate)).size(), 1u);
}

TEST(RangeLine, JoiningKeepsTextAndUnderlines) {
    const std::vector<ReportPiece> pieces{{"a", false}, {"b", false}, {"c", true}, {"d", true}, {"e", false}};
    const auto j = JoinPieces(pieces);
    ASSERT_EQ(j.size(), 3u);
    EXPECT_EQ(j[0].text, "ab");
    EXPECT_EQ(j[1].text, "cd");
    EXPECT_TRUE(j[1].underline);
    EXPECT_EQ(j[2].text, "e");
    EXPECT_TRUE(JoinPieces({}).empty());
}

} // namespace
