#include "Variant.h"
#include "VariantChange.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace automation {
void PrintTo(const Variant& value, std::ostream* out) {
    *out << Describe(value);
}
} // namespace automation

namespace {

using automation::ChangeStatus;
using automation::ChangeType;
using automation::Variant;
using automation::VarType;
using automation::VT_BOOL;
using automation::VT_BSTR;
using automation::VT_EMPTY;
using automation::VT_I2;
using automation::VT_I4;
using automation::VT_R8;

struct ChangeCase {
    Variant source;
    VarType target;
    ChangeStatus status;
    Variant expected; // only when status is Ok
};

void PrintTo(const ChangeCase& c, std::ostream* out) {
    *out << Describe(c.source) << " -> " << c.target;
}

ChangeCase Ok(Variant source, VarType target, Variant expected) {
    return {std::move(source), target, ChangeStatus::Ok, std::move(expected)};
}
ChangeCase Fails(Variant source, VarType target, ChangeStatus status) {
    return {std::move(source), target, status, Variant()};
}

const ChangeStatus kMismatch = ChangeStatus::TypeMismatch;
const ChangeStatus kOverflow = ChangeStatus::Overflow;

class ChangeTypeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTypeTest, ConvertsAsTheAutomationRuntimeDoes) {
    const ChangeCase& c = GetParam();
    const automation::Changed result = ChangeType(c.source, c.target);
    EXPECT_EQ(result.status, c.status);
    if (c.status == ChangeStatus::Ok) {
        EXPECT_EQ(result.value, c.expected);
    } else {
        EXPECT_TRUE(result.value.IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(ToBoolean, ChangeTypeTest,
                         ::testing::Values(Ok(Variant::Str("True"), VT_BOOL, Variant::Bool(true)),
                                           Ok(Variant::Str("fALSE"), VT_BOOL, Variant::Bool(false)),
                                           Ok(Variant::Str(" true "), VT_BOOL, Variant::Bool(true)),
                                           Ok(Variant::Str("0"), VT_BOOL, Variant::Bool(false)),
                                           Ok(Variant::Str("-1"), VT_BOOL, Variant::Bool(true)),
                                           Ok(Variant::Str("0.25"), VT_BOOL, Variant::Bool(true)),
                                           Ok(Variant::I2(0), VT_BOOL, Variant::Bool(false)),
                                           Ok(Variant::I4(7), VT_BOOL, Variant::Bool(true)),
                                           Ok(Variant::R8(-0.5), VT_BOOL, Variant::Bool(true)),
                                           Ok(Variant(), VT_BOOL, Variant::Bool(false)),
                                           Fails(Variant::Str("yes"), VT_BOOL, kMismatch),
                                           Fails(Variant::Str(""), VT_BOOL, kMismatch),
                                           Fails(Variant::Str("Truex"), VT_BOOL, kMismatch)));

INSTANTIATE_TEST_SUITE_P(
    ToInteger, ChangeTypeTest,
    ::testing::Values(
        Ok(Variant::Str("7"), VT_I2, Variant::I2(7)), Ok(Variant::Str(" -12 "), VT_I2, Variant::I2(-12)),
        Ok(Variant::Str("+3"), VT_I4, Variant::I4(3)), Ok(Variant::Str("2.5"), VT_I2, Variant::I2(2)),
        Ok(Variant::Str("3.5"), VT_I2, Variant::I2(4)), Ok(Variant::Str("-2.5"), VT_I2, Variant::I2(-2)),
        Ok(Variant::Str("1e3"), VT_I2, Variant::I2(1000)), Ok(Variant::R8(0.5), VT_I4, Variant::I4(0)),
        Ok(Variant::R8(1.5), VT_I4, Variant::I4(2)), Ok(Variant::R8(2.5000001), VT_I4, Variant::I4(3)),
        Ok(Variant::Str("32767"), VT_I2, Variant::I2(32767)),
        Ok(Variant::Str("-32768"), VT_I2, Variant::I2(-32768)),
        Ok(Variant::R8(-32768.5), VT_I2, Variant::I2(-32768)), Fails(Variant::R8(32767.5), VT_I2, kOverflow),
        Fails(Variant::Str("32768"), VT_I2, kOverflow), Fails(Variant::I4(-32769), VT_I2, kOverflow),
        Ok(Variant::Str("2147483647"), VT_I4, Variant::I4(2147483647)),
        Fails(Variant::Str("2147483648"), VT_I4, kOverflow),
        Fails(Variant::R8(std::numeric_limits<double>::infinity()), VT_I4, kOverflow),
        Fails(Variant::R8(std::nan("")), VT_I2, kOverflow), Ok(Variant::Bool(true), VT_I2, Variant::I2(-1)),
        Ok(Variant::Bool(false), VT_I4, Variant::I4(0)), Ok(Variant(), VT_I2, Variant::I2(0)),
        Ok(Variant::I2(-5), VT_I4, Variant::I4(-5)), Fails(Variant::Str("seven"), VT_I2, kMismatch),
        Fails(Variant::Str("True"), VT_I2, kMismatch), Fails(Variant::Str("1,5"), VT_I2, kMismatch),
        Fails(Variant::Str("0x10"), VT_I4, kMismatch)));

INSTANTIATE_TEST_SUITE_P(
    ToDouble, ChangeTypeTest,
    ::testing::Values(
        Ok(Variant::Str("450"), VT_R8, Variant::R8(450)),
        Ok(Variant::Str("0.005"), VT_R8, Variant::R8(0.005)), Ok(Variant::Str(".5"), VT_R8, Variant::R8(0.5)),
        Ok(Variant::Str("5."), VT_R8, Variant::R8(5)), Ok(Variant::Str("-1.25E+2"), VT_R8, Variant::R8(-125)),
        Ok(Variant::Str("1e-400"), VT_R8, Variant::R8(0)),
        Ok(Variant::Str("0.000001e-400"), VT_R8, Variant::R8(0)), Ok(Variant::I2(7), VT_R8, Variant::R8(7)),
        Ok(Variant::Bool(true), VT_R8, Variant::R8(-1)), Ok(Variant(), VT_R8, Variant::R8(0)),
        Fails(Variant::Str("1e400"), VT_R8, kOverflow),
        Fails(Variant::Str("1000e99999999999999999999"), VT_R8, kOverflow),
        Fails(Variant::Str("0,5"), VT_R8, kMismatch), Fails(Variant::Str("inf"), VT_R8, kMismatch),
        Fails(Variant::Str("nan"), VT_R8, kMismatch), Fails(Variant::Str(""), VT_R8, kMismatch),
        Fails(Variant::Str("   "), VT_R8, kMismatch), Fails(Variant::Str("1.2.3"), VT_R8, kMismatch),
        Fails(Variant::Str("1e"), VT_R8, kMismatch), Fails(Variant::Str("--1"), VT_R8, kMismatch),
        Fails(Variant::Str("12abc"), VT_R8, kMismatch)));

INSTANTIATE_TEST_SUITE_P(ToText, ChangeTypeTest,
                         ::testing::Values(Ok(Variant::R8(0.005), VT_BSTR, Variant::Str("0.005")),
                                           Ok(Variant::R8(301), VT_BSTR, Variant::Str("301")),
                                           Ok(Variant::R8(0.5), VT_BSTR, Variant::Str("0.5")),
                                           Ok(Variant::R8(-0.1), VT_BSTR, Variant::Str("-0.1")),
                                           Ok(Variant::R8(1e20), VT_BSTR, Variant::Str("1e+20")),
                                           Ok(Variant::R8(0.1 + 0.2), VT_BSTR,
                                              Variant::Str("0.30000000000000004")),
                                           Ok(Variant::I2(-32768), VT_BSTR, Variant::Str("-32768")),
                                           Ok(Variant::I4(100000), VT_BSTR, Variant::Str("100000")),
                                           Ok(Variant::Bool(true), VT_BSTR, Variant::Str("True")),
                                           Ok(Variant::Bool(false), VT_BSTR, Variant::Str("False")),
                                           Ok(Variant(), VT_BSTR, Variant::Str("")),
                                           Ok(Variant::Str("  "), VT_BSTR, Variant::Str("  ")),
                                           Fails(Variant::R8Array({1, 2}), VT_BSTR, kMismatch)));

INSTANTIATE_TEST_SUITE_P(OtherTargets, ChangeTypeTest,
                         ::testing::Values(Ok(Variant::I2(3), VT_EMPTY, Variant()),
                                           Fails(Variant::I2(3), automation::VT_ARRAY | VT_R8, kMismatch),
                                           Fails(Variant::I2(3), 7, kMismatch),
                                           Fails(Variant::R8Array({1}), VT_R8, kMismatch)));

TEST(ChangeTypeTest, EveryDoubleSurvivesItsTextForm) {
    for (double value : {0.1, 1.0 / 3.0, 123456.789, 1e-7, -2.5e300, 5e-324, 0.0}) {
        const auto text = ChangeType(Variant::R8(value), VT_BSTR);
        ASSERT_TRUE(text.ok());
        const auto back = ChangeType(text.value, VT_R8);
        ASSERT_TRUE(back.ok()) << text.value.AsStr();
        EXPECT_EQ(back.value.AsR8(), value) << text.value.AsStr();
    }
}

TEST(ChangeTypeTest, ByReferenceSourceConvertsItsTarget) {
    std::int16_t drive = 7;
    const Variant ref = Variant::RefI2(drive);
    EXPECT_EQ(ref.vt(), automation::VT_BYREF | VT_I2);
    drive = 9;
    EXPECT_EQ(ChangeType(ref, VT_R8).value, Variant::R8(9));
    EXPECT_EQ(ref.Dereferenced(), Variant::I2(9));
}

TEST(VariantTest, StoreThroughWritesTheCallersValueOfTheSameType) {
    double target = 0;
    const Variant ref = Variant::RefR8(target);
    EXPECT_TRUE(ref.StoreThrough(Variant::R8(2.5)));
    EXPECT_EQ(target, 2.5);
    EXPECT_FALSE(ref.StoreThrough(Variant::I2(3)));
    EXPECT_FALSE(Variant::R8(1).StoreThrough(Variant::R8(2)));
    EXPECT_EQ(target, 2.5);
}

TEST(VariantTest, TagsFollowTheAutomationNumbering) {
    EXPECT_EQ(Variant().vt(), 0);
    EXPECT_EQ(Variant::I2(1).vt(), 2);
    EXPECT_EQ(Variant::I4(1).vt(), 3);
    EXPECT_EQ(Variant::R8(1).vt(), 5);
    EXPECT_EQ(Variant::Str("").vt(), 8);
    EXPECT_EQ(Variant::Bool(true).vt(), 11);
    EXPECT_EQ(Variant::R8Array({1, 2, 3}).vt(), 0x2005);
    EXPECT_EQ(Variant::R8Array({1, 2, 3}).AsR8Array().size(), 3u);
}

TEST(VariantTest, SameValueOfAnotherTypeIsNotEqual) {
    EXPECT_NE(Variant::I2(1), Variant::I4(1));
    EXPECT_NE(Variant::I2(-1), Variant::Bool(true));
    EXPECT_NE(Variant::R8(0), Variant());
}

TEST(VariantTest, ResultCodesAreTheDispatchErrors) {
    EXPECT_EQ(automation::ResultCode(ChangeStatus::Ok), 0);
    EXPECT_EQ(static_cast<std::uint32_t>(automation::ResultCode(ChangeStatus::TypeMismatch)), 0x80020005u);
    EXPECT_EQ(static_cast<std::uint32_t>(automation::ResultCode(ChangeStatus::Overflow)), 0x8002000Au);
}

} // namespace
