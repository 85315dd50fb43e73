#include "ChartDispatch.h"
#include "ChartModel.h"
#include "InterfaceTables.h"
#include "ModelFields.h"
#include "PropertyStream.h"
#include "ScalarProperties.h"
#include "StreamLayout.h"

#include <cstring>
#include <gtest/gtest.h>

using automation::InvokeKind;
using automation::Variant;
using chart::CChartModel;
using charttest::Index;
using charttest::Kind;
using charttest::Value;

namespace {

// The last valid index of each position of an index kind, and how far each position reaches.
std::vector<int> LastIndices(Index index) {
    switch (index) {
    case Index::None:
        return {};
    case Index::Axis:
        return {3};
    case Index::AxisPair:
        return {1};
    case Index::Title:
        return {2};
    case Index::Set:
        return {31};
    case Index::SetGroup:
    case Index::SetAnyGroup:
        return {31, 15};
    case Index::SetPoint:
        return {31, 4};
    case Index::SetPointGroup:
        return {31, 4, 0};
    }
    return {};
}

std::vector<Variant> Args(const std::vector<int>& indices) {
    std::vector<Variant> args;
    for (int i : indices) {
        args.push_back(Variant::I2(static_cast<std::int16_t>(i)));
    }
    return args;
}

std::vector<Variant> With(std::vector<Variant> args, const Variant& value) {
    args.push_back(value);
    return args;
}

automation::VarType TypeOf(Kind kind) {
    switch (kind) {
    case Kind::Double:
        return automation::VT_R8;
    case Kind::Bool:
        return automation::VT_BOOL;
    case Kind::String:
        return automation::VT_BSTR;
    default:
        return automation::VT_I4;
    }
}

// A value of a kind, distinct for each property; the program passes 16-bit literals for long and
// BOOL arguments, and an automation TRUE is -1.
Variant Distinct(Kind kind, int id) {
    switch (kind) {
    case Kind::Double:
        return Variant::R8(id + 0.5);
    case Kind::Bool:
        return Variant::I2(-1);
    case Kind::String:
        return Variant::Str("v" + std::to_string(id));
    default:
        return Variant::I4(1000 + id);
    }
}

Value Stored(Kind kind, int id) {
    switch (kind) {
    case Kind::Double:
        return id + 0.5;
    case Kind::Bool:
        return std::int32_t{-1};
    case Kind::String:
        return "v" + std::to_string(id);
    default:
        return std::int32_t{1000 + id};
    }
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
    automation::HRESULT Get(int id, std::vector<Variant> args, Variant& result) {
        return chart::InvokeProperty(model, id, InvokeKind::PropertyGet, args, &result);
    }
    Variant Get(int id, std::vector<Variant> args) {
        Variant result;
        EXPECT_EQ(Get(id, std::move(args), result), automation::S_OK) << id;
        return result;
    }
    std::vector<std::uint8_t> State() const {
        return chart::SavePropertyStream(model, chart::ControlExtent{});
    }

    CChartModel model{nullptr, nullptr};
};

TEST_F(ZentDispatch, EveryScalarHasItsIdNameAndType) {
    for (const charttest::ScalarRow& row : charttest::ScalarRows()) {
        const chart::ScalarProperty* p = chart::FindScalarProperty(row.id);
        ASSERT_NE(p, nullptr) << row.name;
        EXPECT_STREQ(p->name, row.name);
        ASSERT_EQ(Put(row.id, {Distinct(row.kind, row.id)}), automation::S_OK) << row.name;
        const Variant got = Get(row.id, {});
        EXPECT_EQ(got.vt(), TypeOf(row.kind)) << row.name;
        EXPECT_EQ(charttest::FieldValues(model, row.name), std::vector<Value>{Stored(row.kind, row.id)})
            << row.name;
        EXPECT_EQ(Put(row.id, {}), automation::DISP_E_BADPARAMCOUNT) << row.name;
    }
}

TEST_F(ZentDispatch, EveryIndexedPropertyHasItsIdNameTypeIndicesAndField) {
    ASSERT_EQ(charttest::PropertyRows().size(), 97u);
    for (const charttest::PropertyRow& row : charttest::PropertyRows()) {
        SCOPED_TRACE(row.name);
        const chart::IndexedProperty* p = chart::FindIndexedProperty(row.id);
        ASSERT_NE(p, nullptr);
        EXPECT_STREQ(p->name, row.name);
        const std::vector<int> last = LastIndices(row.index);
        Variant got;
        ASSERT_EQ(Get(row.id, Args(last), got), automation::S_OK);
        EXPECT_EQ(got.vt(), TypeOf(row.type));
        std::vector<int> more = last;
        more.push_back(0);
        EXPECT_EQ(Get(row.id, Args(more), got), automation::DISP_E_BADPARAMCOUNT);
        if (!last.empty()) {
            EXPECT_EQ(Get(row.id, Args({last.begin(), last.end() - 1}), got),
                      automation::DISP_E_BADPARAMCOUNT);
            std::vector<int> past = last;
            past[0] += 1;
            const std::vector<std::uint8_t> before = State();
            EXPECT_EQ(Put(row.id, With(Args(past), Distinct(row.type, row.id))), automation::DISP_E_BADINDEX);
            EXPECT_EQ(Get(row.id, Args(past), got), automation::DISP_E_BADINDEX);
            past[0] = -1;
            EXPECT_EQ(Put(row.id, With(Args(past), Distinct(row.type, row.id))), automation::DISP_E_BADINDEX);
            EXPECT_EQ(State(), before);
        }
        // The put reaches the model field of the property's name, at its index.
        if (row.id == 50 || row.id == 150 || row.id == 154 || row.id == 174 || row.id == 175) {
            continue; // not stored (CurrentAxis), or reshaping the values: tests of their own below
        }
        ASSERT_EQ(Put(row.id, With(Args(last), Distinct(row.type, row.id))), automation::S_OK);
        EXPECT_EQ(Get(row.id, Args(last)).vt(), TypeOf(row.type));
        const std::vector<Value> field = charttest::FieldValues(model, row.name);
        const std::size_t at = row.index == Index::SetGroup ? 31 * 16 + 15 : last.empty() ? 0 : last[0];
        ASSERT_LT(at, field.size());
        EXPECT_EQ(field[at], Stored(row.type, row.id));
    }
}

// Every element of every stored array gets a value of its own through the interface (or, for the
// arrays the interface does not reach, straight into the model); the saved stream must hold each
// value in its blob at its place.
class StreamOrder : public ZentDispatch {
protected:
    static int Points(int set) { return set + 1; }
    static int Groups(int set) { return set % 16 + 1; }

    // The value of element j of blob b, as it must be stored.
    static Value Expected(Kind kind, int b, int j) {
        switch (kind) {
        case Kind::Double:
            return (b + 1) * 1000 + j + 0.25;
        case Kind::String:
            return "b" + std::to_string(b) + "e" + std::to_string(j);
        case Kind::Bool:
            return std::int32_t{((b + 1) >> (j % 8)) & 1 ? -1 : 0};
        default:
            return std::int32_t{(b + 1) * 1000 + j};
        }
    }
    static Variant AsArgument(const Value& v, Kind kind) {
        if (kind == Kind::Bool) {
            return Variant::I2(static_cast<std::int16_t>(std::get<std::int32_t>(v)));
        }
        if (const auto* d = std::get_if<double>(&v)) {
            return Variant::R8(*d);
        }
        if (const auto* s = std::get_if<std::string>(&v)) {
            return Variant::Str(*s);
        }
        return Variant::I4(std::get<std::int32_t>(v));
    }

    void FillSets() {
        for (int s = 0; s < 32; ++s) {
            ASSERT_EQ(Put(154, {Variant::I2(s), Variant::I2(Groups(s))}), automation::S_OK);
            ASSERT_EQ(Put(150, {Variant::I2(s), Variant::I2(Points(s))}), automation::S_OK);
            for (int p = 0; p < Points(s); ++p) {
                ASSERT_EQ(Put(174, {Variant::I2(s), Variant::I2(p), Variant::R8(XValue(s, p))}),
                          automation::S_OK);
                for (int g = 0; g < Groups(s); ++g) {
                    ASSERT_EQ(Put(175, {Variant::I2(s), Variant::I2(p), Variant::I2(g),
                                        Variant::R8(YValue(s, p, g))}),
                              automation::S_OK);
                }
            }
        }
    }
    static double XValue(int s, int p) { return s * 100 + p + 0.5; }
    static double YValue(int s, int p, int g) { return -(s * 10000 + p * 100 + g + 0.5); }

    // The values element by element; the kind of a property's value decides its stored form.
    std::vector<Value> FillBlob(std::size_t b, const charttest::BlobRow& row) {
        std::vector<Value> expected;
        const std::string name = row.name;
        if (name == "SDataNumPlotPoints" || name == "SDataNumGroups") {
            for (int s = 0; s < 32; ++s) {
                expected.emplace_back(std::int32_t{name == "SDataNumGroups" ? Groups(s) : Points(s)});
            }
            return expected;
        }
        const charttest::PropertyRow* property = charttest::FindPropertyRow(name);
        const Kind kind = property != nullptr ? property->type : row.kind;
        for (int j = 0; j < row.count; ++j) {
            const Value v = Expected(kind, static_cast<int>(b), j);
            if (property != nullptr) {
                std::vector<int> index(static_cast<std::size_t>(charttest::IndexCount(property->index)), 0);
                index[0] = j; // a group that is taken and not used stays 0
                EXPECT_EQ(Put(property->id, With(Args(index), AsArgument(v, kind))), automation::S_OK)
                    << name;
            } else {
                charttest::SetElement(model, name, static_cast<std::size_t>(j), v);
            }
            expected.push_back(v);
        }
        return expected;
    }

    std::vector<Value> FillFamily(std::size_t f, const charttest::BlobRow& row, int set) {
        std::vector<Value> expected;
        const std::string name = row.name;
        if (name == "SDataXData") {
            for (int p = 0; p < Points(set); ++p) {
                expected.emplace_back(XValue(set, p));
            }
            return expected;
        }
        if (name == "SDataYData") {
            for (int p = 0; p < Points(set); ++p) {
                for (int g = 0; g < Groups(set); ++g) {
                    expected.emplace_back(YValue(set, p, g));
                }
            }
            return expected;
        }
        const charttest::PropertyRow* property = charttest::FindPropertyRow(name);
        for (int g = 0; g < 16; ++g) {
            const Value v = Expected(row.kind, 200 + static_cast<int>(f) * 32 + set, g);
            if (property != nullptr) {
                EXPECT_EQ(
                    Put(property->id, {Variant::I2(static_cast<std::int16_t>(set)),
                                       Variant::I2(static_cast<std::int16_t>(g)), AsArgument(v, row.kind)}),
                    automation::S_OK)
                    << name;
            } else {
                model.GPlotBarColor[static_cast<std::size_t>(set)][static_cast<std::size_t>(g)] =
                    std::get<std::int32_t>(v);
            }
            expected.push_back(v);
        }
        return expected;
    }
};

TEST_F(StreamOrder, EveryArrayElementIsStoredInItsBlobAtItsPlace) {
    FillSets();
    const auto& blobs = charttest::BlobRows();
    const auto& families = charttest::NestedFamilyRows();
    ASSERT_EQ(blobs.size(), 96u);
    ASSERT_EQ(families.size(), 11u);
    std::vector<std::vector<Value>> expected;
    for (std::size_t b = 0; b < blobs.size(); ++b) {
        expected.push_back(FillBlob(b, blobs[b]));
    }
    for (std::size_t f = 0; f < families.size(); ++f) {
        for (int s = 0; s < 32; ++s) {
            expected.push_back(FillFamily(f, families[f], s));
        }
    }
    const std::vector<std::uint8_t> stream = State();
    const charttest::StreamLayout layout = charttest::WalkStream(stream);
    ASSERT_EQ(layout.end, stream.size());
    for (std::size_t b = 0; b < layout.blobs.size(); ++b) {
        const charttest::BlobRow& row = b < 96 ? blobs[b] : families[(b - 96) / 32];
        SCOPED_TRACE(::testing::Message() << row.name << " " << (b < 96 ? 0 : (b - 96) % 32));
        if (row.kind == Kind::Pointer) {
            EXPECT_EQ(layout.blobs[b].byteCount, 0u);
            continue;
        }
        EXPECT_EQ(charttest::BlobElements(stream, layout.blobs[b], row.kind), expected[b]);
    }
}

TEST_F(ZentDispatch, EveryScalarIsStoredAtItsPlaceInItsEncoding) {
    for (const charttest::ScalarRow& row : charttest::ScalarRows()) {
        ASSERT_EQ(Put(row.id, {Distinct(row.kind, row.id)}), automation::S_OK);
    }
    const std::vector<std::uint8_t> s = State();
    const charttest::StreamLayout layout = charttest::WalkStream(s);
    for (const charttest::ScalarRow& row : charttest::ScalarRows()) {
        SCOPED_TRACE(row.name);
        const std::size_t at = layout.scalarOffsets[static_cast<std::size_t>(row.id - 1)];
        switch (row.kind) {
        case Kind::Bool:
            EXPECT_EQ(s[at], 0xFF); // TRUE put as -1
            break;
        case Kind::String: {
            const std::string text = "v" + std::to_string(row.id);
            ASSERT_EQ(s[at], text.size());
            EXPECT_EQ(std::string(s.begin() + std::ptrdiff_t(at + 1),
                                  s.begin() + std::ptrdiff_t(at + 1 + text.size())),
                      text);
            break;
        }
        case Kind::Double: {
            double v = 0;
            std::memcpy(&v, &s[at], 8); // little-endian machine
            EXPECT_EQ(Value(v), Stored(row.kind, row.id));
            break;
        }
        default: {
            std::int32_t v = 0;
            std::memcpy(&v, &s[at], 4);
            EXPECT_EQ(Value(v), Stored(row.kind, row.id));
            break;
        }
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

TEST_F(ZentDispatch, UnknownIdsAndMethodsAreNoProperties) {
    EXPECT_EQ(Put(178, {Variant::I4(1)}), automation::DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Put(51, {}), automation::DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Put(0, {Variant::I4(1)}), automation::DISP_E_MEMBERNOTFOUND);
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
    // Refused counts are told by the control (ZentLimits); the model layer refuses by throwing.
    EXPECT_THROW(Put(150, {Variant::I2(4), Variant::I4(-1)}), chart::InvalidCount);
    EXPECT_THROW(Put(154, {Variant::I2(4), Variant::I4(17)}), chart::ChartTooLarge);
    EXPECT_EQ(model.SDataNumPlotPoints[4], 4);
}

TEST_F(ZentDispatch, GroupCountAloneLeavesTheValuesInTheirCells) {
    chart::SetPointCount(model, 5, 3);
    ASSERT_EQ(Put(154, {Variant::I2(5), Variant::I2(2)}), automation::S_OK);
    EXPECT_EQ(model.SDataYData[5].size(), 3u);
    ASSERT_EQ(Put(150, {Variant::I2(5), Variant::I2(3)}), automation::S_OK);
    EXPECT_EQ(model.SDataYData[5].size(), 6u);
}

TEST_F(ZentDispatch, CurrentPlotAndAxisAreTheModels) {
    ASSERT_EQ(Put(49, {Variant::I2(5)}), automation::S_OK);
    EXPECT_EQ(model.CurrentPlot, 5);
    model.CurrentAxis = 2;
    EXPECT_EQ(Get(50, {}), Variant::I4(2));
}

} // namespace
