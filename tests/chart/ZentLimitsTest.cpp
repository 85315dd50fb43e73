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
constexpr int kReconnect = 69, kDefine = 70, kDefineGroups = 71, kLoadAscii = 73, kLoadFile = 75,
              kSaveFile = 76;

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

// Every count a chart cannot hold, and every count no chart takes, is told with the Error event
// naming it; a data file's columns past the sixteenth group are left out and told the same way.
TEST_F(ZentLimits, EveryRefusalAndEveryCutIsToldNamingTheCount) {
    const QString wide = dir.filePath("wide.txt");
    QFile file(wide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\r\n").repeated(3));
    file.close();
    double x[2] = {1, 2}, y[2] = {3, 4};
    const auto points = [&](int n) {
        return std::vector<Variant>{Variant::I2(0), Variant::Str("S"), Variant::RefR8(x[0]),
                                    Variant::RefR8(y[0]), Variant::I4(n)};
    };
    const auto groups = [&](int g) {
        std::vector<Variant> args = points(2);
        args.push_back(Variant::I4(g));
        return args;
    };
    constexpr auto kPut = InvokeKind::PropertyPut, kCall = InvokeKind::Method;
    constexpr int kTooLarge = CZENTCtrl::kOutOfMemoryError, kInvalid = CZENTCtrl::kInvalidValueError;
    const automation::HRESULT kMemory = automation::E_OUTOFMEMORY, kOverflow = automation::DISP_E_OVERFLOW;
    const struct {
        int id;
        InvokeKind kind;
        std::vector<Variant> args;
        automation::HRESULT result;
        int error;
        const char* named;
    } cases[] = {
        {kPoints, kPut, {Variant::I2(0), Variant::I4(10'000'001)}, kMemory, kTooLarge, "10,000,001"},
        {kPoints, kPut, {Variant::I2(0), Variant::I4(-1)}, kOverflow, kInvalid, "-1"},
        {kGroups, kPut, {Variant::I2(0), Variant::I4(17)}, kMemory, kTooLarge, "17"},
        {kGroups, kPut, {Variant::I2(0), Variant::I4(-1)}, kOverflow, kInvalid, "-1"},
        {kGroups, kPut, {Variant::I2(0), Variant::I4(100)}, kMemory, kTooLarge, "100"},
        {kDefine, kCall, points(10'000'001), kMemory, kTooLarge, "10,000,001"},
        {kReconnect, kCall, points(10'000'001), kMemory, kTooLarge, "10,000,001"},
        {kDefineGroups, kCall, groups(0), kOverflow, kInvalid, "0 is not"},
        {kDefineGroups, kCall, groups(17), kMemory, kTooLarge, "17"},
        {kDefineGroups, kCall, groups(20), kMemory, kTooLarge, "20"},
        {kLoadAscii,
         kCall,
         {Variant::Str(wide.toStdString()), Variant::Str("Wide"), Variant::I2(1), Variant::I2(1)},
         automation::S_OK,
         kTooLarge,
         "columns 17 to 20"},
    };
    for (const auto& c : cases) {
        sink.errors.clear();
        Variant result;
        EXPECT_EQ(control.Invoke(c.id, c.kind, c.args, &result), c.result) << c.id << " " << c.named;
        ASSERT_EQ(sink.errors.size(), 1u) << c.id << " " << c.named;
        EXPECT_EQ(sink.errors[0].number, c.error) << c.id;
        EXPECT_NE(sink.errors[0].text.find(c.named), std::string::npos) << sink.errors[0].text;
    }
    EXPECT_EQ(Get(control, kPoints, {Variant::I2(0)}), Variant::I4(10)); // the demo set stays
    EXPECT_EQ(Get(control, kGroups, {Variant::I2(0)}), Variant::I4(1));
    EXPECT_EQ(Get(control, kGroups, {Variant::I2(1)}), Variant::I4(16)); // the file's first 16 columns
}

// A set swapped in under its plot holds values too: it must fit the chart a definition must fit, so
// the chart saved always loads.
TEST_F(ZentLimits, ReconnectDataSetPastTheChartsValuesIsRefused) {
    ASSERT_EQ(Put(control, kPoints, {Variant::I2(0), Variant::I4(3'700'000)}), automation::S_OK);
    ASSERT_EQ(Put(control, kGroups, {Variant::I2(0), Variant::I2(16)}), automation::S_OK); // 62,900,000
    std::vector<double> x(600'000, 1.0), y(600'000, 2.0);
    EXPECT_EQ(control.Invoke(kReconnect, InvokeKind::Method,
                             {Variant::I2(1), Variant::Str("More"), Variant::RefR8(x[0]),
                              Variant::RefR8(y[0]), Variant::I4(600'000)},
                             nullptr),
              automation::E_OUTOFMEMORY);
    EXPECT_EQ(Get(control, kPoints, {Variant::I2(1)}), Variant::I4(0));
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_NE(sink.errors[0].text.find("64,100,000"), std::string::npos) << sink.errors[0].text;
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
