// What the control accepts, it saves and loads back: puts, saves and loads share one limit, and a
// count beyond it is refused when it is put, with the Error event, leaving the chart as it was.
#include "CZENTCtrl.h"
#include "ErrorSink.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

using automation::InvokeKind;
using automation::Variant;

namespace {

constexpr int kPoints = 150, kGroups = 154, kXValues = 174, kYValues = 175;
constexpr int kLoadAscii = 73, kLoadFile = 75, kSaveFile = 76;

class ZentLimits : public ::testing::Test {
protected:
    ZentLimits() { control.Advise(&sink); }
    ~ZentLimits() override { control.Unadvise(&sink); }

    static automation::HRESULT Put(CZENTCtrl& chart, int id, std::vector<Variant> args) {
        return chart.Invoke(id, InvokeKind::PropertyPut, args, nullptr);
    }
    static Variant Get(CZENTCtrl& chart, int id, std::vector<Variant> args) {
        Variant result;
        EXPECT_EQ(chart.Invoke(id, InvokeKind::PropertyGet, args, &result), automation::S_OK) << id;
        return result;
    }
    static Variant Call(CZENTCtrl& chart, int id, std::vector<Variant> args) {
        Variant result;
        EXPECT_EQ(chart.Invoke(id, InvokeKind::Method, args, &result), automation::S_OK) << id;
        return result;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    CZENTCtrl control;
    zenttest::ErrorSink sink;
    QTemporaryDir dir;
};

TEST_F(ZentLimits, GroupCountBeyondTheChartsValuesIsRefusedWhenPut) {
    ASSERT_EQ(Put(control, kPoints, {Variant::I2(0), Variant::I4(4'000'000)}), automation::S_OK);
    EXPECT_EQ(Put(control, kGroups, {Variant::I2(0), Variant::I2(16)}), automation::E_OUTOFMEMORY);
    EXPECT_EQ(Get(control, kGroups, {Variant::I2(0)}), Variant::I4(1));
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_EQ(sink.errors[0].number, CZENTCtrl::kOutOfMemoryError);
    EXPECT_NE(sink.errors[0].text.find("refused"), std::string::npos);
}

TEST_F(ZentLimits, PointCountBeyondTheChartsValuesIsRefusedBeforeAnyValueIsMade) {
    ASSERT_EQ(Put(control, kGroups, {Variant::I2(1), Variant::I2(16)}), automation::S_OK);
    EXPECT_EQ(Put(control, kPoints, {Variant::I2(1), Variant::I4(4'000'000)}), automation::E_OUTOFMEMORY);
    EXPECT_EQ(Get(control, kPoints, {Variant::I2(1)}), Variant::I4(0));
    EXPECT_TRUE(control.Model().SDataYData[1].empty());
    EXPECT_EQ(sink.errors.size(), 1u);
}

// 500,000 points, then 10 groups: the values are those the points put made, laid out for the new
// count only when they are drawn.
TEST_F(ZentLimits, AcceptedChartSavesLoadsBackAndSavesTheSameBytes) {
    ASSERT_EQ(Put(control, kPoints, {Variant::I2(0), Variant::I4(500'000)}), automation::S_OK);
    ASSERT_EQ(Put(control, kGroups, {Variant::I2(0), Variant::I2(10)}), automation::S_OK);
    ASSERT_EQ(Put(control, kXValues, {Variant::I2(0), Variant::I4(499'999), Variant::R8(7.5)}),
              automation::S_OK);
    const QString first = dir.filePath("first.ser"), second = dir.filePath("second.ser");
    ASSERT_EQ(Call(control, kSaveFile, {Variant::Str(first.toStdString())}), Variant::Bool(true));

    CZENTCtrl other;
    EXPECT_EQ(Call(other, kLoadFile, {Variant::Str(first.toStdString())}), Variant::Bool(true));
    EXPECT_EQ(Get(other, kPoints, {Variant::I2(0)}), Variant::I4(500'000));
    EXPECT_EQ(Get(other, kGroups, {Variant::I2(0)}), Variant::I4(10));
    EXPECT_EQ(Get(other, kXValues, {Variant::I2(0), Variant::I4(499'999)}), Variant::R8(7.5));
    ASSERT_EQ(Call(other, kSaveFile, {Variant::Str(second.toStdString())}), Variant::Bool(true));
    EXPECT_TRUE(Read(first) == Read(second));
    EXPECT_TRUE(sink.errors.empty());
}

// A value in a group the current count leaves out is still held, and a save and load keeps it.
TEST_F(ZentLimits, ValuesBeyondTheGroupCountSurviveASaveAndLoad) {
    ASSERT_EQ(Put(control, kGroups, {Variant::I2(2), Variant::I2(3)}), automation::S_OK);
    ASSERT_EQ(Put(control, kPoints, {Variant::I2(2), Variant::I4(3)}), automation::S_OK);
    ASSERT_EQ(Put(control, kYValues, {Variant::I2(2), Variant::I4(2), Variant::I2(2), Variant::R8(42)}),
              automation::S_OK);
    ASSERT_EQ(Put(control, kGroups, {Variant::I2(2), Variant::I2(2)}), automation::S_OK);
    const QString path = dir.filePath("groups.ser");
    ASSERT_EQ(Call(control, kSaveFile, {Variant::Str(path.toStdString())}), Variant::Bool(true));
    CZENTCtrl other;
    ASSERT_EQ(Call(other, kLoadFile, {Variant::Str(path.toStdString())}), Variant::Bool(true));
    ASSERT_EQ(Put(other, kGroups, {Variant::I2(2), Variant::I2(3)}), automation::S_OK);
    EXPECT_EQ(Get(other, kYValues, {Variant::I2(2), Variant::I4(2), Variant::I2(2)}), Variant::R8(42));
}

// The data-file rules refuse a set of 32 or more with FALSE, as any file that cannot be read.
TEST_F(ZentLimits, LoadAsciiDataSetIntoSet32ReturnsFalse) {
    const QString path = dir.filePath("data.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1 2\r\n3 4\r\n");
    file.close();
    for (int set : {32, 100, -1}) {
        EXPECT_EQ(
            Call(control, kLoadAscii,
                 {Variant::Str(path.toStdString()), Variant::Str("S"), Variant::I2(0), Variant::I2(set)}),
            Variant::Bool(false))
            << set;
    }
}

} // namespace
