#include "SerializedChartFile.h"
#include "FakeEngineLink.h"
#include "PropertyStream.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

using namespace chart;
using charttest::FakeEngineLink;
using Bytes = std::vector<std::uint8_t>;

namespace {

class SerializedChartFile : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }

    Bytes ReadAll(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        return Bytes(data.begin(), data.end());
    }

    void Write(const QString& path, const QByteArray& data) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    ChartFileHooks RecordingHooks() {
        return {[this] { calls.push_back("rebuild"); }, [this] { calls.push_back("refresh"); }};
    }

    QTemporaryDir dir;
    std::vector<std::string> calls;
};

} // namespace

TEST_F(SerializedChartFile, FileHoldsExactlyThePropertyStream) {
    CChartModel model(nullptr, nullptr);
    model.TitleString[0] = "Path loss";
    ASSERT_TRUE(SaveToFile(model, ControlExtent{}, Path("Graph.SER")));
    EXPECT_EQ(ReadAll(Path("Graph.SER")), SavePropertyStream(model, ControlExtent{}));
}

TEST_F(SerializedChartFile, LoadReleasesTheOldSetsReplacesTheModelAndRebuilds) {
    CChartModel saved(nullptr, nullptr);
    saved.TitleString[0] = "Field strength";
    ASSERT_TRUE(SaveToFile(saved, ControlExtent{}, Path("Graph.SER")));
    FakeEngineLink link;
    CChartModel live(nullptr, &link);
    live.DataSet[0] = 5;
    ASSERT_TRUE(LoadFromFile(live, Path("Graph.SER"), RecordingHooks()));
    EXPECT_EQ(live.TitleString[0], "Field strength");
    EXPECT_EQ(link.deleted, (std::vector<std::uint16_t>{5}));
    EXPECT_EQ(calls, (std::vector<std::string>{"rebuild", "refresh"}));
}

TEST_F(SerializedChartFile, MissingTruncatedOrGarbageFilesLeaveTheChartAsItWas) {
    CChartModel saved(nullptr, nullptr);
    const Bytes stream = SavePropertyStream(saved, ControlExtent{});
    Write(Path("cut.SER"), QByteArray(reinterpret_cast<const char*>(stream.data()), 1000));
    Write(Path("garbage.SER"), QByteArray(5000, '\xA5'));
    Write(Path("empty.SER"), QByteArray());
    for (const char* name : {"missing.SER", "cut.SER", "garbage.SER", "empty.SER"}) {
        FakeEngineLink link;
        CChartModel live(nullptr, &link);
        live.TitleString[0] = "Live";
        live.DataSet[0] = 5;
        const Bytes before = SavePropertyStream(live, ControlExtent{});
        EXPECT_FALSE(LoadFromFile(live, Path(name), RecordingHooks())) << name;
        EXPECT_EQ(SavePropertyStream(live, ControlExtent{}), before) << name;
        EXPECT_TRUE(link.deleted.empty()) << name;
        EXPECT_TRUE(calls.empty()) << name;
    }
}

TEST_F(SerializedChartFile, UnwritablePathReturnsFalse) {
    CChartModel model(nullptr, nullptr);
    EXPECT_FALSE(SaveToFile(model, ControlExtent{}, Path("no/such/folder/Graph.SER")));
    EXPECT_FALSE(SaveToFile(model, ControlExtent{}, dir.path())); // a folder
}
