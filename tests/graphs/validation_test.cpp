// The graph windows' checks of their input boxes and the field-strength model menu.

#include "FieldStrengthMenus.h"
#include "GraphInputs.h"
#include "GraphValidation.h"

#include <gtest/gtest.h>

namespace {

struct CheckCase {
    InputBox box;
    const char* typed;
    const char* text;
    const char* message; // empty: accepted
};

class GraphBoxes : public ::testing::TestWithParam<CheckCase> {};

TEST_P(GraphBoxes, KeepOrReplaceTheValueAndRewriteTheText) {
    const CheckCase& c = GetParam();
    const GraphBoxCheck check = ValidateGraphBox(c.box, c.typed);
    EXPECT_EQ(check.text, c.text);
    EXPECT_EQ(check.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, GraphBoxes,
    ::testing::Values(
        CheckCase{InputBox::Frequency, "abc", "150.0", "Valid Frequency Range 150 MHz to 2000 MHz"},
        CheckCase{InputBox::Frequency, "2000", "2000.0", ""},
        CheckCase{InputBox::Frequency, "2000.1", "150.0", "Valid Frequency Range 150 MHz to 2000 MHz"},
        CheckCase{InputBox::Frequency, "450.12345", "450.1235", ""},
        CheckCase{InputBox::BaseHeight, "2500", "2500.0", ""},
        CheckCase{InputBox::BaseHeight, "2600", "30.0",
                  "Valid Height of Base Station Antenna is 30m to 2500m"},
        CheckCase{InputBox::MobileHeight, "1.5m", "1.5", ""},
        CheckCase{InputBox::MobileHeight, "0.5", "1.0", "Valid Height of Mobile Antenna is 1m to 30m"},
        CheckCase{InputBox::PctTime, "50.4", "50", ""},
        CheckCase{InputBox::PctTime, "0", "50", "Percent Range 1 to 99"},
        CheckCase{InputBox::PctLoc, "99", "99", ""},
        CheckCase{InputBox::PctLoc, "100", "50", "Percent Range 1 to 99"}));

// Heights shown in feet are checked as metres: each limit shown in feet is accepted, beyond it the
// metric default comes back in feet.
TEST(GraphBoxes, FeetAreCheckedAsTheMetresTheyStandFor) {
    const struct {
        InputBox box;
        const char* typed;
        const char* text;
        bool accepted;
    } cases[] = {
        {InputBox::MobileHeight, "3.2808", "3.2808", true},
        {InputBox::MobileHeight, "98.4252", "98.4252", true},
        {InputBox::MobileHeight, "98.43", "3.2808", false},
        {InputBox::MobileHeight, "3.28", "3.2808", false},
        {InputBox::BaseHeight, "98.4252", "98.4252", true},
        {InputBox::BaseHeight, "8202.0997", "8202.0997", true},
        {InputBox::BaseHeight, "8202.1", "98.4252", false},
        {InputBox::Frequency, "2000", "2000.0", true},
    };
    for (const auto& c : cases) {
        const GraphBoxCheck check = ValidateGraphBox(c.box, c.typed, true);
        EXPECT_EQ(check.text, c.text) << c.typed;
        EXPECT_EQ(check.message.empty(), c.accepted) << c.typed;
    }
    GraphInputs in;
    in.english = true;
    in.hb = "98.4252";
    in.hm = "3.2808";
    const auto numbers = ModelInputsOf(in);
    ASSERT_TRUE(numbers.has_value());
    EXPECT_EQ(numbers->h_b__meter, 30);
    EXPECT_EQ(numbers->h_m__meter, 1);
}

TEST(GraphBoxes, TooltipsStateTheAcceptedRange) {
    EXPECT_STREQ(GraphBoxTooltip(InputBox::BaseHeight), "Range 30m - 2500m");
    EXPECT_STREQ(GraphBoxTooltip(InputBox::Frequency), "Range 150MHz - 2000 MHz");
}

} // namespace

namespace {

TEST(ModelMenu, ItemsChooseTheirGraphModels) {
    EXPECT_EQ(GraphModelOf(ModelMenuItem::BrindelFS), 0);
    EXPECT_EQ(GraphModelOf(ModelMenuItem::Okum529FS), 1);
    EXPECT_EQ(GraphModelOf(ModelMenuItem::Cost231), 3);
    EXPECT_EQ(GraphModelOf(ModelMenuItem::Compare), 4);
}

TEST(ModelMenu, OneCheckMarkPerKnownModel) {
    using Checks = std::array<bool, 4>;
    EXPECT_EQ(ModelMenuChecks(0), (Checks{true, false, false, false}));
    EXPECT_EQ(ModelMenuChecks(1), (Checks{false, true, false, false}));
    EXPECT_EQ(ModelMenuChecks(3), (Checks{false, false, true, false}));
    EXPECT_EQ(ModelMenuChecks(4), (Checks{false, false, false, true}));
    EXPECT_EQ(ModelMenuChecks(2), (Checks{false, false, false, false}));
    EXPECT_FALSE(ModelMenuChecks(7).has_value());
}

TEST(ModelMenu, OnlyTheComparisonEditsTheBaseHeight) {
    EXPECT_TRUE(BaseHeightEditable(4));
    for (const long model : {0L, 1L, 2L, 3L}) {
        EXPECT_FALSE(BaseHeightEditable(model));
    }
}

} // namespace
