#include "ChartDispatch.h"
#include "CZENTCtrl.h"
#include "ScalarProperties.h"
#include "ZENTMethods.h"
#include "ZentTestChart.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>

using automation::InvokeKind;
using automation::Variant;

namespace {

// Members that show dialogs, print or write files where they are told: not for random arguments.
const std::set<int> kInteractive = {61, 74, 76, 78, 79, -552};

std::vector<int> AllMembers() {
    std::vector<int> ids;
    for (const auto& p : chart::ScalarProperties()) {
        ids.push_back(p.dispid);
    }
    for (const auto& p : chart::IndexedProperties()) {
        ids.push_back(p.dispid);
    }
    for (const auto& m : zent::Methods()) {
        if (!kInteractive.count(m.dispid)) {
            ids.push_back(m.dispid);
        }
    }
    return ids;
}

std::vector<Variant> Hostile() {
    return {Variant(),
            Variant::I4(std::numeric_limits<std::int32_t>::min()),
            Variant::I4(std::numeric_limits<std::int32_t>::max()),
            Variant::I2(-1),
            Variant::R8(std::nan("")),
            Variant::R8(1e300),
            Variant::Str("not a number"),
            Variant::R8Array({})};
}

TEST(ZentRobustness, HostileArgumentsNeverCrashTheControl) {
    CZENTCtrl control;
    control.resize(200, 200);
    zenttest::DefineLine(control, 0xFF);
    control.grab();
    std::size_t calls = 0;
    for (const int id : AllMembers()) {
        for (const InvokeKind kind : {InvokeKind::Method, InvokeKind::PropertyGet, InvokeKind::PropertyPut}) {
            for (std::size_t count = 0; count <= 7; ++count) {
                for (const Variant& value : Hostile()) {
                    const std::vector<Variant> args(count, value);
                    Variant result;
                    control.Invoke(id, kind, args, &result);
                    ++calls;
                }
            }
        }
    }
    control.UpdateGraph();
    control.grab();
    EXPECT_GT(calls, 10000u);
}

TEST(ZentRobustness, EveryMemberHasOneEntry) {
    std::set<int> ids;
    std::size_t total = 0;
    for (const auto& p : chart::ScalarProperties()) {
        ids.insert(p.dispid);
        ++total;
    }
    for (const auto& p : chart::IndexedProperties()) {
        ids.insert(p.dispid);
        ++total;
    }
    for (const auto& m : zent::Methods()) {
        ids.insert(m.dispid);
        ++total;
    }
    EXPECT_EQ(total, 178u);
    EXPECT_EQ(ids.size(), 178u);
}

} // namespace
