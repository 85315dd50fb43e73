#include "ModCalculations.h"
#include "TestVectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

namespace {

constexpr double kTol = 1e-4;

struct PowerGuard {
    double saved = PowerWatts;
    explicit PowerGuard(double watts) { PowerWatts = watts; }
    ~PowerGuard() { PowerWatts = saved; }
};

TEST(Helpers, TableLookupClampsEndsAndInterpolatesInside) {
    struct Case {
        double f, urban, suburban;
    } cases[] = {
        {50, 5.3, 6.8}, {100, 5.3, 6.8}, {3000, 8, 10}, {3500, 8, 10}, {1250, 6.9, 8.7}, {450, 5.95, 7.6},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(TableLookup(LocationSigmaUrban, c.f), c.urban, 1e-12) << c.f;
        EXPECT_NEAR(TableLookup(LocationSigmaSuburbanOpen, c.f), c.suburban, 1e-12) << c.f;
    }
}

TEST(Helpers, TimeCorrection) {
    for (double d : {0.0, 1.0, 10.0, 100.0, 600.0})
        EXPECT_EQ(TimeCorrection(d, 50), 0.0) << d;
    for (double p : {1.0, 10.0, 90.0, 99.0})
        EXPECT_EQ(TimeCorrection(0, p), 0.0) << p;
    EXPECT_NEAR(TimeCorrection(100, 10), -2.7929, kTol);
    EXPECT_NEAR(TimeCorrection(100, 90), 2.7929, kTol);
    EXPECT_EQ(TimeCorrection(30, 0.5), TimeCorrection(30, 1));
    EXPECT_EQ(TimeCorrection(30, 120), TimeCorrection(30, 99));
}

TEST(Helpers, LocationCorrection) {
    struct Case {
        double f, p;
        const char* area;
        double expected;
    } cases[] = {
        {450, 50, "Urban", 0},
        {450, 90, "Urban", -7.5922},
        {450, 10, "Urban", 7.5922},
        {450, 50.5, "Urban", 5.95 * -0.025}, // 49.5 rounds to the even 50
        {450, 49.5, "Urban", 5.95 * 0.025},  // 48.5 rounds to the even 48
        {450, 1.5, "Urban", 5.95 * 2.321},   // 0.5 rounds to 0
        {450, 1, "urban", 5.95 * 2.321},     // case does not matter
        {450, 99, "URBAN", 5.95 * -2.321},
        {450, 51, "Urban", 5.95 * -0.025},
        {450, 10, " Urban", 0}, // the key is not trimmed
        {450, 10, "Suburban", 7.6 * 1.276},
        {450, 10, "open", 7.6 * 1.276},
        {450, 10, "Forest", 0},
        {450, 10, "", 0},
        {450, -5, "Urban", 5.95 * 2.321}, // clamped to the table
        {450, 1e9, "Urban", 5.95 * -2.321},
        {450, -1e300, "Urban", 5.95 * 2.321},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(LocationCorrection(c.f, c.p, c.area), c.expected, kTol) << c.p << " " << c.area;
}

TEST(Helpers, AreaCorrection) {
    EXPECT_NEAR(AreaCorrection("Suburban", 28), 5.4, 1e-12);
    EXPECT_NEAR(AreaCorrection("Open", 1000), 29.01, 1e-9);
    EXPECT_NEAR(AreaCorrection(" open ", 1000), 29.01, 1e-9);
    EXPECT_EQ(AreaCorrection("Urban", 900), 0.0);
    EXPECT_EQ(AreaCorrection(" Urban", 900), 0.0);
    EXPECT_EQ(AreaCorrection("Forest", 900), 0.0);
}

// A model's inputs as the windows' lists give the area and city.
ModelInputs Inputs(double f, double d, double hb, double hm, std::string_view area, std::string_view city,
                   double pctTime, double pctLoc) {
    return {f, d, hb, hm, ParseAreaType(area), ParseCitySize(city), pctTime, pctLoc};
}

ModelInputs InputsOf(const VectorRow& row) {
    return Inputs(row.Number("f__mhz"), row.Number("d__km"), row.Number("h_b__meter"),
                  row.Number("h_m__meter"), row.Text("area"), row.Text("city"), row.Number("time__percent"),
                  row.Number("location__percent"));
}

struct NamedProcedure {
    const char* name;
    ModelProcedure procedure;
};

const NamedProcedure kProcedures[] = {
    {"HataDavidsonLoss", HataDavidsonLoss},
    {"HataDavidsonFieldStrength", HataDavidsonFieldStrength},
    {"P529Loss", P529Loss},
    {"P529FieldStrength", P529FieldStrength},
    {"Cost231Loss", Cost231Loss},
    {"Cost231FieldStrength", Cost231FieldStrength},
    {"USLoss", USLoss},
    {"USFieldStrength", USFieldStrength},
};

ModelProcedure ProcedureNamed(std::string_view name) {
    for (const auto& p : kProcedures) {
        if (name == p.name)
            return p.procedure;
    }
    ADD_FAILURE() << "no procedure " << name;
    return USLoss;
}

TEST(Procedures, ExampleValues) {
    PowerGuard power(1000);
    const auto rows = ReadVectors("ProcedureExamples.csv");
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows)
        EXPECT_NEAR(ProcedureNamed(row.Text("procedure"))(InputsOf(row)), row.Number("expected"), kTol)
            << "line " << row.Line();
}

TEST(Procedures, CityMattersOnlyInUrbanAreas) {
    for (const char* area : {"Suburban", "Open"}) {
        EXPECT_EQ(P529Loss(Inputs(450, 10, 100, 1.5, area, "Large", 50, 50)),
                  P529Loss(Inputs(450, 10, 100, 1.5, area, "Small/Medium", 50, 50)));
        EXPECT_EQ(Cost231Loss(Inputs(1800, 10, 100, 1.5, area, "Large", 50, 50)),
                  Cost231Loss(Inputs(1800, 10, 100, 1.5, area, "Small/Medium", 50, 50)));
    }
    EXPECT_NE(P529Loss(Inputs(450, 10, 100, 3, "Urban", "Large", 50, 50)),
              P529Loss(Inputs(450, 10, 100, 3, "Urban", "Small/Medium", 50, 50)));
}

TEST(Procedures, UnknownUrbanCityUsesSmallMediumWhateverCameBefore) {
    const double small = HataDavidsonLoss(Inputs(450, 10, 100, 3, "Urban", "Small/Medium", 50, 50));
    for (const char* before : {"Large", "Small/Medium"}) {
        HataDavidsonLoss(Inputs(450, 10, 100, 3, "Urban", before, 50, 50));
        P529Loss(Inputs(450, 10, 100, 3, "Urban", before, 50, 50));
        EXPECT_EQ(HataDavidsonLoss(Inputs(450, 10, 100, 3, "Urban", "Village", 50, 50)), small);
        EXPECT_EQ(P529Loss(Inputs(450, 10, 100, 3, "Urban", "", 50, 50)), small);
    }
    EXPECT_EQ(HataDavidsonLoss(Inputs(450, 10, 100, 3, " Urban ", " Large ", 50, 50)),
              HataDavidsonLoss(Inputs(450, 10, 100, 3, "Urban", "Large", 50, 50)));
}

TEST(Procedures, ThresholdsSwitchTermsOnStrictly) {
    // At exactly 20 km the exponent is 1 and the Davidson A term is 0, so the two losses agree.
    EXPECT_NEAR(HataDavidsonLoss(Inputs(450, 20, 100, 1.5, "Urban", "Small/Medium", 50, 50)),
                P529Loss(Inputs(450, 20, 100, 1.5, "Urban", "Small/Medium", 50, 50)), 1e-9);
    EXPECT_GT(std::fabs(HataDavidsonLoss(Inputs(450, 20.5, 100, 1.5, "Urban", "Small/Medium", 50, 50)) -
                        P529Loss(Inputs(450, 20.5, 100, 1.5, "Urban", "Small/Medium", 50, 50))),
              1e-3);
    // Each term starts at zero at its threshold, so the loss is continuous across it.
    struct Edge {
        double f, d, hb;
    } edges[] = {{450, 40.238, 100}, {450, 64.38, 100}, {450, 30, 300}, {900, 20, 100}};
    for (const auto& e : edges) {
        const double at = HataDavidsonLoss(Inputs(e.f, e.d, e.hb, 1.5, "Urban", "Small/Medium", 50, 50));
        const double after =
            HataDavidsonLoss(Inputs(e.f, e.d + 1e-7, e.hb + 1e-7, 1.5, "Urban", "Small/Medium", 50, 50));
        EXPECT_NEAR(at, after, 1e-4) << e.d << " " << e.hb;
    }
}

TEST(Procedures, FiniteOverWideInputs) {
    const double frequencies[] = {1e-3, 0.5, 30, 1500, 3000};
    const double distances[] = {1e-3, 0.5, 1, 20, 600, 1000};
    const double heights[] = {1e-3, 0.5, 1, 300, 2500, 1e4};
    for (double f : frequencies)
        for (double d : distances)
            for (double h : heights)
                for (const auto& p : kProcedures)
                    EXPECT_TRUE(std::isfinite(p.procedure(Inputs(f, d, h, h, "Urban", "Large", 50, 50))))
                        << f << " " << d << " " << h;
}

TEST(Procedures, RegimeBoundaryGrid) {
    PowerGuard power(1000);
    const auto rows = ReadVectors("RegimeBoundaryGrid.csv");
    ASSERT_EQ(rows.size(), 324u);
    for (const auto& row : rows)
        for (const auto& p : kProcedures)
            EXPECT_NEAR(p.procedure(InputsOf(row)), row.Number(p.name), 1e-6)
                << p.name << " line " << row.Line();
}

} // namespace
