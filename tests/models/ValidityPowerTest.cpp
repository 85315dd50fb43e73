#include "ModCalculations.h"
#include "ModelNumbering.h"
#include "TestVectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

namespace {

TEST(Validity, InputsInRange) {
    const auto rows = ReadVectors("InputsInRange.csv");
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        ModelInputs in;
        in.f__mhz = row.Number("f__mhz");
        in.h_b__meter = row.Number("h_b__meter");
        in.h_m__meter = row.Number("h_m__meter");
        in.d__km = row.Number("d__km");
        const auto model = static_cast<ModelIndex>(static_cast<int>(row.Number("model")));
        EXPECT_EQ(InputsInRange(model, in), row.Number("expected") != 0) << "line " << row.Line();
    }
}

TEST(ModelInputs, ListTextsParseOnce) {
    const std::pair<const char*, AreaType> areas[] = {
        {"Urban", AreaType::Urban}, {" urban ", AreaType::Urban}, {"SUBURBAN", AreaType::Suburban},
        {"Open", AreaType::Open},   {"Forest", AreaType::Other},  {"", AreaType::Other},
    };
    for (const auto& [text, area] : areas)
        EXPECT_EQ(ParseAreaType(text), area) << '"' << text << '"';
    const std::pair<const char*, CitySize> cities[] = {
        {"Large", CitySize::Large},         {" Large ", CitySize::Large},
        {"large", CitySize::SmallMedium},   {"Small/Medium", CitySize::SmallMedium},
        {"Village", CitySize::SmallMedium},
    };
    for (const auto& [text, city] : cities)
        EXPECT_EQ(ParseCitySize(text), city) << '"' << text << '"';
}

TEST(ModelNumbering, GraphModelsAndReportColumnsNameTheirModels) {
    const std::pair<long, std::optional<ModelIndex>> graphModels[] = {
        {0, ModelHataDavidson}, {1, ModelP529},    {2, ModelUS},
        {3, ModelCost231},      {4, std::nullopt}, {5, std::nullopt},
    };
    for (const auto& [number, model] : graphModels)
        EXPECT_EQ(ModelOfGraphModel(number), model) << number;
    // OHDavLs C231Ls H529Ls H529FS HDAVFS C231FS
    const ColumnResult columns[ResultColumnCount] = {
        {ModelHataDavidson, ModelResult::PathLoss},
        {ModelCost231, ModelResult::PathLoss},
        {ModelP529, ModelResult::PathLoss},
        {ModelP529, ModelResult::FieldStrength},
        {ModelHataDavidson, ModelResult::FieldStrength},
        {ModelCost231, ModelResult::FieldStrength},
    };
    for (int i = 0; i < ResultColumnCount; ++i) {
        EXPECT_EQ(ResultOfColumn(i).model, columns[i].model) << i;
        EXPECT_EQ(ResultOfColumn(i).result, columns[i].result) << i;
    }
}

TEST(Power, TextToWattsByUnit) {
    const int savedUnit = PowerUnit;
    struct Case {
        int unit;
        const char* text;
        double watts;
    } cases[] = {
        {0, "30", 30},       {1, "30", 30000},   {2, "30", 1},   {3, "30", 1000},
        {1, "abc", 0},       {0, "abc", 0},      {2, "", 0.001}, {3, "x", 1},
        {1, " 1.5kW", 1500}, {2, "-10", 0.0001}, {7, "30", 0},
    };
    for (const auto& c : cases) {
        PowerUnit = c.unit;
        EXPECT_NEAR(PowerTextToWatts(c.text), c.watts, 1e-12 * std::max(1.0, c.watts))
            << c.unit << " " << c.text;
    }
    PowerUnit = savedUnit;
}

TEST(Power, DefaultsAndGetter) {
    EXPECT_EQ(PowerWatts, 1000.0);
    EXPECT_EQ(PowerUnit, 1);
    EXPECT_EQ(GetPowerWatts(), PowerWatts);
}

TEST(FitNumberText, RightAlignsThePlainNumber) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"00012.50", "    12.5"},
        {"-00012.50", "   -12.5"},
        {"0000.00", "      0"},
        {"00000.00", "       0"},
        {"", ""},
        {"0450.0", "   450"},
        {"0001000.0", "     1000"},
        {"abc", "  0"},
        // Wider than the field: the digits are kept and the field widens.
        {"12", "12"},
        {"1.5", "1.5"},
        {"0.125", "0.125"},
        {"99.999999", "99.999999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitNumberText(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(FitNumberText("123456789012.5"), "123456789012.5");
}

} // namespace
