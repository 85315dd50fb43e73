// A chart the previous release saved beyond today's limits is the user's work: it loads when the
// memory is there, and when it is not the load is refused with the Error event naming what the
// file holds, and the General page tells the user which file was not loaded.
#include "AddressSpaceLimit.h"
#include "CZENTCtrl.h"
#include "CZENTPropPage.h"
#include "ErrorSink.h"
#include "PageDialogs.h"
#include "PropertyStream.h"
#include "StreamLayout.h"

#include <MessageBox.h>

#include <gtest/gtest.h>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstring>

namespace {

constexpr std::uint32_t kPoints = 4'000'000, kGroups = 16;

void WriteU32(QFile& file, std::uint32_t value) {
    const char bytes[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    file.write(bytes, 4);
}

// One blob of n doubles 0, 1, 2, ... as the previous release wrote it, a million values at a time.
void WriteValues(QFile& file, std::uint32_t n) {
    WriteU32(file, 6 + 8 * n);
    file.write("\xFF\xFF", 2);
    WriteU32(file, n);
    std::vector<double> chunk;
    for (std::uint32_t at = 0; at < n; at += static_cast<std::uint32_t>(chunk.size())) {
        chunk.resize(std::min<std::uint32_t>(1'000'000, n - at));
        for (std::size_t j = 0; j < chunk.size(); ++j) {
            chunk[j] = at + j;
        }
        file.write(reinterpret_cast<const char*>(chunk.data()), static_cast<qint64>(chunk.size() * 8));
    }
}

// Set 0 of 4,000,000 points in 16 groups: 68,000,000 values, 544 MB, written blob by blob so the
// test holds none of it.
void WriteOlderChart(const QString& path) {
    chart::CChartModel model(nullptr, nullptr);
    model.SDataNumPlotPoints[0] = kPoints;
    model.SDataNumGroups[0] = kGroups;
    model.SDataType[0] = 1;
    const std::vector<std::uint8_t> stream = chart::SavePropertyStream(model, chart::ControlExtent{});
    const charttest::StreamLayout layout = charttest::WalkStream(stream);
    const charttest::BlobSpan x = layout.blobs[charttest::NestedBlobIndex(0, 0)];
    const charttest::BlobSpan y = layout.blobs[charttest::NestedBlobIndex(1, 0)];
    const auto bytes = [&](std::size_t from, std::size_t to) {
        return QByteArray(reinterpret_cast<const char*>(stream.data() + from),
                          static_cast<qsizetype>(to - from));
    };
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes(0, x.offset));
    WriteValues(file, kPoints);
    file.write(bytes(x.offset + 4 + x.byteCount, y.offset));
    WriteValues(file, kPoints * kGroups);
    file.write(bytes(y.offset + 4 + y.byteCount, stream.size()));
    ASSERT_TRUE(file.flush());
}

// The General page's Load of `path` into `control`.
void LoadThroughGeneralPage(CZENTCtrl& control) {
    pages::CZENTPropPage page(control.PageTarget());
    page.OnInitDialog();
    page.ControlAs<QPushButton>(335)->click();
}

TEST(ZentOlderChart, BeyondTodaysLimitsLoadsWhenTheMemoryIsThereAndIsToldWhenNot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("older.SER");
    WriteOlderChart(path);
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    msgbox::ClearShownBoxes();
    pages::SetFileChooser([&](const pages::FileDialogOptions&, QWidget*) { return path; });
    zenttest::ErrorSink sink;
    {
        CZENTCtrl control;
        control.Advise(&sink);
        LoadThroughGeneralPage(control);
        const chart::CChartModel& m = control.Model();
        EXPECT_EQ(m.SDataNumPlotPoints[0], static_cast<int>(kPoints));
        EXPECT_EQ(m.SDataNumGroups[0], static_cast<int>(kGroups));
        ASSERT_EQ(m.SDataYData[0].size(), std::size_t{kPoints} * kGroups);
        EXPECT_EQ(m.SDataYData[0].back(), kPoints * kGroups - 1.0);
        // Such a chart may shrink, never grow.
        const auto put = [&](int set, int points) {
            return control.Invoke(150, automation::InvokeKind::PropertyPut,
                                  {automation::Variant::I2(set), automation::Variant::I4(points)}, nullptr);
        };
        EXPECT_EQ(put(1, 1), automation::E_OUTOFMEMORY);
        EXPECT_EQ(put(0, kPoints - 100'000), automation::S_OK); // 66,300,000 values
        ASSERT_EQ(sink.errors.size(), 1u);
        sink.errors.clear();
        control.Unadvise(&sink);
    }
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_TRUE(msgbox::ShownBoxes().empty());

    CZENTCtrl control;
    control.Advise(&sink);
    {
        zenttest::AddressSpaceLimit limit(static_cast<std::size_t>(QFile(path).size()) + (64u << 20));
        LoadThroughGeneralPage(control);
    }
    control.Unadvise(&sink);
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_EQ(sink.errors[0].number, CZENTCtrl::kOutOfMemoryError);
    EXPECT_NE(sink.errors[0].text.find("68,000,000 values"), std::string::npos) << sink.errors[0].text;
    EXPECT_NE(sink.errors[0].text.find(path.toStdString()), std::string::npos);
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, "The file was not loaded: " + path);
    EXPECT_EQ(control.Model().SDataNumPlotPoints[0], 10); // the chart stays as it was
    msgbox::SetTestAnswerer({});
    pages::SetFileChooser({});
}

} // namespace
