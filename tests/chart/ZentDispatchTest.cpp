#include "ChartDispatch.h"
#include "ChartModel.h"
#include "PropertyStream.h"
#include "ScalarProperties.h"

#include <gtest/gtest.h>
#include <set>

using automation::InvokeKind;
using automation::Variant;
using chart::CChartModel;
using chart::IndexKind;
using chart::ValueKind;

namespace {

// The last valid index of each position of a property's index kind.
std::vector<Variant> LastIndices(IndexKind kind) {
    switch (kind) {
    case IndexKind::None:
        return {};
    case IndexKind::Axis:
        return {Variant::I2(3)};
    case IndexKind::AxisPair:
        return {Variant::I2(1)};
    case IndexKind::Title:
        return {Variant::I2(2)};
    case IndexKind::Set:
        return {Variant::I2(31)};
    case IndexKind::SetGroup:
    case IndexKind::SetAnyGroup:
        return {Variant::I2(31), Variant::I2(15)};
    case IndexKind::SetPoint:
        return {Variant::I2(31), Variant::I2(4)};
    case IndexKind::SetPointGroup:
        return {Variant::I2(31), Variant::I2(4), Variant::I2(0)};
    }
    return {};
}

Variant SampleValue(ValueKind kind) {
    switch (kind) {
    case ValueKind::Long:
        return Variant::I2(7); // the program passes small literals as 16-bit integers
    case ValueKind::Double:
        return Variant::R8(2.5);
    case ValueKind::Bool:
        return Variant::I2(-1);
    case ValueKind::String:
        return Variant::Str("Field strength");
    }
    return {};
}

Variant Expected(ValueKind kind) {
    switch (kind) {
    case ValueKind::Long:
        return Variant::I4(7);
    case ValueKind::Double:
        return Variant::R8(2.5);
    case ValueKind::Bool:
        return Variant::Bool(true);
    case ValueKind::String:
        return Variant::Str("Field strength");
    }
    return {};
}

std::vector<Variant> With(std::vector<Variant> args, const Variant& value) {
    args.push_back(value);
    return args;
}

class ZentDispatch : public ::testing::Test {
protected:
    ZentDispatch() {
        // Set 31 has five points so the value properties have cells to reach.
        chart::SetPointCount(model, 31, 5);
    }

    automation::HRESULT Put(int id, std::vector<Variant> args) {
        return chart::InvokeProperty(model, id, InvokeKind::PropertyPut, args, nullptr);
    }
    Variant Get(int id, std::vector<Variant> args) {
        Variant result;
        EXPECT_EQ(chart::InvokeProperty(model, id, InvokeKind::PropertyGet, args, &result), automation::S_OK);
        return result;
    }
    std::vector<std::uint8_t> State() const {
        return chart::SavePropertyStream(model, chart::ControlExtent{});
    }

    CChartModel model{nullptr, nullptr};
};

TEST(ZentDispatchTable, HoldsTheWholeInterface) {
    EXPECT_EQ(chart::ScalarProperties().size(), 48u);
    EXPECT_EQ(chart::IndexedProperties().size(), static_cast<std::size_t>(chart::kIndexedPropertyCount));
    std::set<int> ids;
    for (const auto& p : chart::ScalarProperties()) {
        ids.insert(p.dispid);
    }
    for (const auto& p : chart::IndexedProperties()) {
        ids.insert(p.dispid);
    }
    // 48 scalars, CurrentPlot, CurrentAxis and 95 indexed properties, each once.
    EXPECT_EQ(ids.size(), 145u);
    for (int id = 1; id <= 50; ++id) {
        EXPECT_TRUE(ids.count(id)) << id;
    }
    for (int id = 83; id <= 177; ++id) {
        EXPECT_TRUE(ids.count(id)) << id;
    }
}

TEST_F(ZentDispatch, EveryScalarPropertyRoundTripsThroughTheModel) {
    for (const chart::ScalarProperty& p : chart::ScalarProperties()) {
        const ValueKind kind = static_cast<ValueKind>(static_cast<int>(p.kind));
        ASSERT_EQ(Put(p.dispid, {SampleValue(kind)}), automation::S_OK) << p.name;
        EXPECT_EQ(Get(p.dispid, {}), Expected(kind)) << p.name;
        const chart::ScalarValue stored = chart::GetScalar(model, p);
        if (kind == ValueKind::String) {
            EXPECT_EQ(std::get<QString>(stored), QStringLiteral("Field strength")) << p.name;
        } else if (kind == ValueKind::Double) {
            EXPECT_EQ(std::get<double>(stored), 2.5) << p.name;
        } else {
            EXPECT_EQ(std::get<std::int32_t>(stored), kind == ValueKind::Bool ? 1 : 7) << p.name;
        }
    }
}

TEST_F(ZentDispatch, EveryIndexedPropertyRoundTripsAtItsLastIndex) {
    for (const chart::IndexedProperty& p : chart::IndexedProperties()) {
        if (p.rule == chart::PropertyRule::PointCount || p.rule == chart::PropertyRule::GroupCount) {
            continue; // their own tests: they reshape the value arrays
        }
        const std::vector<Variant> index = LastIndices(p.index);
        const std::vector<std::uint8_t> before = State();
        ASSERT_EQ(Put(p.dispid, With(index, SampleValue(p.kind))), automation::S_OK) << p.name;
        EXPECT_EQ(Get(p.dispid, index), Expected(p.kind)) << p.name;
        if (p.dispid > 50) {
            EXPECT_NE(State(), before) << p.name << " did not reach the model";
        }
    }
}

TEST_F(ZentDispatch, BadIndicesAreRefusedAndChangeNothing) {
    for (const chart::IndexedProperty& p : chart::IndexedProperties()) {
        std::vector<Variant> index = LastIndices(p.index);
        if (index.empty()) {
            continue;
        }
        for (int bad : {-1, 32, 100000}) {
            std::vector<Variant> args = index;
            args[0] = Variant::I4(bad);
            const std::vector<std::uint8_t> before = State();
            EXPECT_EQ(Put(p.dispid, With(args, SampleValue(p.kind))), automation::DISP_E_BADINDEX) << p.name;
            Variant result;
            EXPECT_EQ(chart::InvokeProperty(model, p.dispid, InvokeKind::PropertyGet, args, &result),
                      automation::DISP_E_BADINDEX)
                << p.name;
            EXPECT_EQ(State(), before) << p.name;
        }
    }
}

TEST_F(ZentDispatch, BadTypesAreRefusedAndChangeNothing) {
    const std::vector<std::uint8_t> before = State();
    EXPECT_EQ(Put(4, {Variant::Str("ten")}), automation::DISP_E_TYPEMISMATCH);                // MajorTickSize
    EXPECT_EQ(Put(83, {Variant::I2(0), Variant::Str("x")}), automation::DISP_E_TYPEMISMATCH); // AxisMin
    EXPECT_EQ(Put(83, {Variant::Str("zero"), Variant::R8(1)}), automation::DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Put(1, {Variant::R8(1e12)}), automation::DISP_E_OVERFLOW);
    EXPECT_EQ(State(), before);
}

TEST_F(ZentDispatch, WrongArgumentCountsAndUnknownIdsAreRefused) {
    EXPECT_EQ(Put(83, {Variant::R8(1)}), automation::DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Put(1, {}), automation::DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Put(178, {Variant::I4(1)}), automation::DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Put(51, {}), automation::DISP_E_MEMBERNOTFOUND);
}

TEST_F(ZentDispatch, StringsAreCopiedAndEmptyStaysEmpty) {
    ASSERT_EQ(Put(118, {Variant::I2(0), Variant::Str("")}), automation::S_OK);
    EXPECT_EQ(Get(118, {Variant::I2(0)}), Variant::Str(""));
    ASSERT_EQ(Put(47, {Variant::Str("A\r\nB")}), automation::S_OK);
    EXPECT_EQ(model.SLegendStrings, QStringLiteral("A\r\nB"));
}

TEST_F(ZentDispatch, GroupLineThicknessIsOneCellPerSet) {
    ASSERT_EQ(Put(147, {Variant::I2(3), Variant::I2(0), Variant::I2(4)}), automation::S_OK);
    EXPECT_EQ(Get(147, {Variant::I2(3), Variant::I2(7)}), Variant::I4(4));
    EXPECT_EQ(model.GPlotLineThickness[3], 4);
}

TEST_F(ZentDispatch, PointValuesPastTheCountReadZeroAndStoreNothing) {
    chart::SetPointCount(model, 2, 3);
    ASSERT_EQ(Put(174, {Variant::I2(2), Variant::I2(2), Variant::R8(9)}), automation::S_OK);
    EXPECT_EQ(Get(174, {Variant::I2(2), Variant::I2(2)}), Variant::R8(9));
    const std::vector<std::uint8_t> before = State();
    EXPECT_EQ(Put(174, {Variant::I2(2), Variant::I2(3), Variant::R8(5)}), automation::S_OK);
    EXPECT_EQ(Put(174, {Variant::I2(2), Variant::I2(-1), Variant::R8(5)}), automation::S_OK);
    EXPECT_EQ(Get(174, {Variant::I2(2), Variant::I2(3)}), Variant::R8(0));
    EXPECT_EQ(State(), before);
}

TEST_F(ZentDispatch, GroupValuesArePointMajorAndTheGroupIsCheckedAgainstTheCount) {
    ASSERT_EQ(Put(154, {Variant::I2(1), Variant::I2(3)}), automation::S_OK);
    ASSERT_EQ(Put(150, {Variant::I2(1), Variant::I2(4)}), automation::S_OK);
    ASSERT_EQ(model.SDataYData[1].size(), 12u);
    ASSERT_EQ(Put(175, {Variant::I2(1), Variant::I2(2), Variant::I2(1), Variant::R8(8)}), automation::S_OK);
    EXPECT_EQ(model.SDataYData[1][7], 8.0);
    EXPECT_EQ(Get(175, {Variant::I2(1), Variant::I2(2), Variant::I2(3)}), Variant::R8(0));
    // One group: the group argument is not used.
    chart::SetPointCount(model, 0, 2);
    ASSERT_EQ(Put(175, {Variant::I2(0), Variant::I2(1), Variant::I2(5), Variant::R8(4)}), automation::S_OK);
    EXPECT_EQ(model.SDataYData[0][1], 4.0);
}

TEST_F(ZentDispatch, PointCountKeepsValuesAndPadsWithZeros) {
    ASSERT_EQ(Put(150, {Variant::I2(4), Variant::I2(10)}), automation::S_OK);
    for (int j = 0; j < 10; ++j) {
        model.SDataXData[4][static_cast<std::size_t>(j)] = j + 1;
    }
    ASSERT_EQ(Put(150, {Variant::I2(4), Variant::I2(12)}), automation::S_OK);
    EXPECT_EQ(model.SDataXData[4].size(), 12u);
    EXPECT_EQ(model.SDataXData[4][9], 10.0);
    EXPECT_EQ(model.SDataXData[4][11], 0.0);
    ASSERT_EQ(Put(150, {Variant::I2(4), Variant::I2(4)}), automation::S_OK);
    EXPECT_EQ(model.SDataXData[4], (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(Put(150, {Variant::I2(4), Variant::I4(-1)}), automation::DISP_E_OVERFLOW);
    EXPECT_EQ(Put(154, {Variant::I2(4), Variant::I4(17)}), automation::DISP_E_OVERFLOW);
    EXPECT_EQ(model.SDataNumPlotPoints[4], 4);
}

TEST_F(ZentDispatch, CurrentPlotAndAxisAreTheModels) {
    ASSERT_EQ(Put(49, {Variant::I2(5)}), automation::S_OK);
    EXPECT_EQ(model.CurrentPlot, 5);
    model.CurrentAxis = 2;
    EXPECT_EQ(Get(50, {}), Variant::I4(2));
}

} // namespace
