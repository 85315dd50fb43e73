// Allocations that fail, in a process whose address space is limited as `ulimit -v` limits it: a
// put, a load, a draw, the FFT and a data file each end as a refused call with the Error event, and
// the chart keeps what it held. (AddressSanitizer reserves more address space than any such limit,
// so this runs in the normal build only.)
#include "AddressSpaceLimit.h"
#include "CPropertyFrame.h"
#include "CSDataPPg.h"
#include "CZENTCtrl.h"
#include "ErrorSink.h"

#include <Kestran.h>
#include <MessageBox.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using automation::InvokeKind;
using automation::Variant;

namespace {

using zenttest::AddressSpaceLimit;

constexpr std::size_t kHeadroom = 48u << 20;

class ZentMemory : public ::testing::Test {
protected:
    ZentMemory() {
        control.resize(300, 200);
        control.Advise(&sink);
    }
    ~ZentMemory() override { control.Unadvise(&sink); }

    automation::HRESULT Call(int id, std::vector<Variant> args, Variant* result = nullptr) {
        return control.Invoke(id, InvokeKind::Method, args, result);
    }
    // Set 0 with n points of g groups, through DefineGroupDataSet.
    automation::HRESULT DefineGroups(int n, int g, std::vector<double>& x, std::vector<double>& y) {
        return Call(71, {Variant::I2(0), Variant::Str("Big"), Variant::RefR8(x[0]), Variant::RefR8(y[0]),
                         Variant::I4(n), Variant::I2(static_cast<std::int16_t>(g))});
    }
    void ExpectOneOutOfMemoryError() {
        QCoreApplication::processEvents(); // errors of a paint are told once it is over
        ASSERT_EQ(sink.errors.size(), 1u);
        EXPECT_FALSE(sink.errors[0].text.empty());
    }

    CZENTCtrl control;
    zenttest::ErrorSink sink;
    QTemporaryDir dir;
};

TEST_F(ZentMemory, PutThatCannotBeCopiedIsRefusedAndTheSetStays) {
    const int n = 2'000'000, g = 16;
    std::vector<double> x(n, 1.0), y(static_cast<std::size_t>(n) * g, 2.0);
    {
        AddressSpaceLimit limit(kHeadroom);
        EXPECT_EQ(DefineGroups(n, g, x, y), automation::E_OUTOFMEMORY);
    }
    EXPECT_EQ(control.Model().SDataNumPlotPoints[0], 10); // the demo set
    EXPECT_EQ(control.Model().SDataXData[0].size(), 10u);
    ExpectOneOutOfMemoryError();
}

TEST_F(ZentMemory, DrawThatRunsOutIsToldAndTheProgramGoesOn) {
    const int n = 1'000'000, g = 16;
    {
        std::vector<double> x(n, 1.0), y(static_cast<std::size_t>(n) * g, 2.0);
        ASSERT_EQ(DefineGroups(n, g, x, y), automation::S_OK);
    }
    control.Model().SDataType[0] = 1;
    {
        AddressSpaceLimit limit(kHeadroom);
        control.grab();
    }
    EXPECT_EQ(control.Model().SDataNumPlotPoints[0], n);
    ExpectOneOutOfMemoryError();
}

TEST_F(ZentMemory, ChartFileTooLargeForMemoryIsRefusedAndTheChartStays) {
    const QString path = dir.filePath("big.ser");
    {
        CZENTCtrl big;
        const int n = 1'000'000, g = 16;
        std::vector<double> x(n, 1.0), y(static_cast<std::size_t>(n) * g, 2.0);
        big.Invoke(71, InvokeKind::Method,
                   {Variant::I2(0), Variant::Str("Big"), Variant::RefR8(x[0]), Variant::RefR8(y[0]),
                    Variant::I4(n), Variant::I2(g)},
                   nullptr);
        ASSERT_TRUE(big.SaveToFile(path));
    }
    Variant result;
    {
        AddressSpaceLimit limit(kHeadroom);
        EXPECT_EQ(Call(75, {Variant::Str(path.toStdString())}, &result), automation::S_OK);
    }
    EXPECT_EQ(result, Variant::Bool(false));
    EXPECT_EQ(control.Model().SDataNumPlotPoints[0], 10);
    ExpectOneOutOfMemoryError();
}

TEST_F(ZentMemory, DataFileTooLargeForMemoryIsRefusedAndTheSetStays) {
    const QString path = dir.filePath("big.txt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray rows = QByteArray("1 2 3 4 5 6 7 8\r\n").repeated(200'000);
        for (int i = 0; i < 10; ++i) {
            file.write(rows);
        }
    }
    Variant result;
    {
        AddressSpaceLimit limit(8u << 20);
        EXPECT_EQ(
            Call(73, {Variant::Str(path.toStdString()), Variant::Str("File"), Variant::I2(1), Variant::I2(0)},
                 &result),
            automation::S_OK);
    }
    EXPECT_EQ(result, Variant::Bool(false));
    EXPECT_EQ(control.Model().SDataNumPlotPoints[0], 10);
    ExpectOneOutOfMemoryError();
}

TEST_F(ZentMemory, FftThatRunsOutIsRefused) {
    const long n = 1L << 22;
    std::vector<double> re(n, 1.0), im(n, 0.0);
    {
        AddressSpaceLimit limit(8u << 20);
        EXPECT_EQ(
            Call(63, {Variant::RefR8(re[0]), Variant::RefR8(im[0]), Variant::I4(n), Variant::Bool(false)}),
            automation::E_OUTOFMEMORY);
    }
    EXPECT_EQ(re[1], 1.0); // the caller's values are left as they were
    ExpectOneOutOfMemoryError();
}

// Outputs of a drawn chart of a million points in 16 groups, each under limits from a few MB to
// 200 MB above what the process holds: each is done, or refused with one Error, never an abort.
class ZentMemoryBigChart : public ZentMemory {
protected:
    static constexpr int kPoints = 1'000'000;
    static constexpr std::size_t kHeadrooms[] = {2u << 20, 24u << 20, 80u << 20, 200u << 20};

    void SetUp() override {
        std::vector<double> x(kPoints, 1.0), y(static_cast<std::size_t>(kPoints) * 16, 2.0);
        for (int i = 0; i < kPoints; ++i) {
            x[i] = i;
            y[static_cast<std::size_t>(i) * 16] = i % 1000;
        }
        ASSERT_EQ(DefineGroups(kPoints, 16, x, y), automation::S_OK);
        control.grab();
        QCoreApplication::processEvents();
        sink.errors.clear();
    }
    // Done (and nothing told), or refused with the out-of-memory Error and its text.
    void ExpectDoneOrRefused(bool done, std::size_t headroom) {
        QCoreApplication::processEvents();
        SCOPED_TRACE(headroom >> 20);
        if (done) {
            EXPECT_TRUE(sink.errors.empty());
        } else {
            ASSERT_EQ(sink.errors.size(), 1u);
            EXPECT_EQ(sink.errors[0].number, CZENTCtrl::kOutOfMemoryError);
            EXPECT_FALSE(sink.errors[0].text.empty());
        }
        sink.errors.clear();
    }
};

TEST_F(ZentMemoryBigChart, MetafileSaveIsDoneOrRefused) {
    const QString path = dir.filePath("big.wmf");
    for (std::size_t headroom : kHeadrooms) {
        Variant result;
        QFile::remove(path);
        {
            AddressSpaceLimit limit(headroom);
            Call(61, {Variant::I2(2), Variant::Str(path.toStdString())}, &result);
        }
        ExpectDoneOrRefused(result == Variant::Bool(true), headroom);
        EXPECT_EQ(QFile::exists(path), result == Variant::Bool(true));
    }
}

TEST_F(ZentMemoryBigChart, PrintToPdfIsDoneOrRefused) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath("big.pdf");
    printer.setOutputFileName(path);
    EngineSetPrinter(&printer);
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    for (std::size_t headroom : kHeadrooms) {
        QFile::remove(path);
        automation::HRESULT hr;
        {
            AddressSpaceLimit limit(headroom);
            hr = Call(78, {});
        }
        ExpectDoneOrRefused(hr == automation::S_OK, headroom);
        EXPECT_EQ(QFile::exists(path), hr == automation::S_OK);
    }
    msgbox::SetTestAnswerer(nullptr);
    EngineSetPrinter(nullptr);
}

TEST_F(ZentMemoryBigChart, PropertyFrameOpensOnTheDataOrIsRefused) {
    // The Data page holds a copy of the set; just past it, Qt's views lay out their rows. (Memory
    // a larger limit let the process take stays with it: the tightest limits go first.)
    std::vector<std::size_t> headrooms;
    const std::size_t copy = sizeof(double) * kPoints * 17;
    for (std::size_t more = 2; more <= 16; more += 2) {
        headrooms.push_back(copy + (more << 20));
    }
    headrooms.insert(headrooms.end(), std::begin(kHeadrooms), std::end(kHeadrooms));
    for (std::size_t headroom : headrooms) {
        int shownRows = -1;
        QTimer::singleShot(0, [&] {
            if (auto* frame = dynamic_cast<pages::CPropertyFrame*>(QApplication::activeModalWidget())) {
                shownRows =
                    static_cast<pages::CSDataPPg*>(frame->Page(pages::PageKind::Data))->Grid()->Rows();
                frame->reject();
            }
        });
        {
            AddressSpaceLimit limit(headroom);
            control.ShowPropertyFrame();
        }
        QCoreApplication::processEvents(); // a timer left unfired by a refused frame
        ExpectDoneOrRefused(shownRows >= 0, headroom);
        if (shownRows >= 0) {
            EXPECT_EQ(shownRows, kPoints + 1);
        }
    }
    EXPECT_EQ(control.Model().SDataNumPlotPoints[0], kPoints);
}

} // namespace
