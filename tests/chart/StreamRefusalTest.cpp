// A short, corrupt or hostile stream is refused whole and leaves the live model as it was.

#include "ArrayProperties.h"
#include "FakeEngineLink.h"
#include "PropertyStream.h"
#include "StreamLayout.h"

#include <gtest/gtest.h>
#include <random>

using namespace chart;
using charttest::FakeEngineLink;
using charttest::NestedBlobIndex;
using charttest::ReplaceBlob;
using charttest::WalkStream;
using Bytes = std::vector<std::uint8_t>;

namespace {

class StreamRefusal : public ::testing::Test {
protected:
    StreamRefusal() : live(nullptr, &link) {
        live.TitleString[0] = "Live chart";
        live.DataSet[0] = 42;
        before = SavePropertyStream(live, ControlExtent{});
        CChartModel other(nullptr, nullptr);
        other.TitleString[0] = "Stored chart";
        other.SDataNumGroups[1] = 3;
        other.SDataXData[1] = {1, 2};
        other.SDataYData[1] = {1, 2, 3, 4, 5, 6};
        stored = SavePropertyStream(other, ControlExtent{});
    }

    void ExpectRefused(const Bytes& stream, const std::string& what) {
        EXPECT_FALSE(LoadPropertyStream(live, stream.data(), stream.size())) << what;
        EXPECT_EQ(SavePropertyStream(live, ControlExtent{}), before) << what;
        EXPECT_TRUE(link.deleted.empty()) << what;
    }

    static Bytes Patched(Bytes s, std::size_t at, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), s.begin() + static_cast<std::ptrdiff_t>(at));
        return s;
    }

    charttest::FakeEngineLink link;
    CChartModel live;
    Bytes before;
    Bytes stored;
};

} // namespace

TEST_F(StreamRefusal, EveryTruncationIsRefused) {
    for (std::size_t length = 0; length < stored.size(); ++length) {
        const Bytes cut(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_FALSE(LoadPropertyStream(live, cut.data(), cut.size())) << length;
    }
    EXPECT_EQ(SavePropertyStream(live, ControlExtent{}), before);
    EXPECT_TRUE(link.deleted.empty());
}

TEST_F(StreamRefusal, HugeCountsAndLengthsAreRefusedBeforeAllocating) {
    const auto layout = WalkStream(stored);
    const std::size_t firstBlob = layout.blobs[0].offset;
    const std::size_t xBlob = layout.blobs[NestedBlobIndex(0, 1)].offset;
    const std::size_t legend = layout.scalarOffsets[46];
    ExpectRefused(Patched(stored, firstBlob, {0xFF, 0xFF, 0xFF, 0xFF}), "blob byte count");
    ExpectRefused(Patched(stored, firstBlob + 4, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "element count");
    ExpectRefused(Patched(stored, xBlob + 4, {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10}), "double count");
    ExpectRefused(Patched(stored, firstBlob + 4, {33, 0}), "count past the blob");
    ExpectRefused(Patched(stored, legend, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "string length");
    ExpectRefused(Patched(stored, legend, {0xFF, 0xFE, 0xFF}), "wide-string mark");
    const std::size_t names = layout.blobs[52].offset; // SDataName
    ExpectRefused(Patched(stored, names + 4, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), "string count");
}

TEST_F(StreamRefusal, AGroupCountFarBeyondItsValuesIsRefused) {
    CChartModel other(nullptr, nullptr);
    other.SDataNumGroups[0] = 0x7FFFFFFF;
    const Bytes s = SavePropertyStream(other, ControlExtent{});
    ExpectRefused(s, "group count");
}

TEST_F(StreamRefusal, GarbageIsRefused) {
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        Bytes garbage(random() % 4096);
        for (auto& b : garbage) {
            b = static_cast<std::uint8_t>(random());
        }
        ExpectRefused(garbage, "garbage " + std::to_string(round));
    }
}

TEST_F(StreamRefusal, FlippedBytesNeverBreakTheModel) {
    std::mt19937 random(99);
    for (int round = 0; round < 300; ++round) {
        Bytes s = stored;
        s[random() % s.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
        CChartModel target(nullptr, nullptr);
        if (LoadPropertyStream(target, s.data(), s.size())) {
            for (int i = 0; i < kSetCount; ++i) {
                ASSERT_GE(target.SDataNumPlotPoints[i], 0);
                ASSERT_LE(static_cast<std::size_t>(target.SDataNumPlotPoints[i]),
                          target.SDataXData[i].size());
            }
            ASSERT_EQ(target.AxisMin.size(), 4u);
        }
    }
}
