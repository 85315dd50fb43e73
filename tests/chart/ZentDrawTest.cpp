#include "CZENTCtrl.h"
#include "ErrorSink.h"
#include "WriteFaults.h"
#include "ZentTestChart.h"

#include <Kestran.h>
#include <MessageBox.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

using automation::InvokeKind;
using automation::Variant;

namespace {

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;

class CountingSink : public automation::IEventSink {
public:
    void OnEvent(automation::DISPID event, const std::vector<Variant>&) override {
        if (event == CZENTCtrl::kDrawReady) {
            ++drawReady;
        }
    }
    int drawReady = 0;
};

class ZentDraw : public ::testing::Test {
protected:
    ZentDraw() {
        control.resize(300, 240);
        control.Advise(&sink);
        zenttest::DefineLine(control, kRed);
    }
    ~ZentDraw() override { control.Unadvise(&sink); }

    // The plot area of the default layout (0.2 .. 0.8 of the control).
    QRect PlotArea() const { return QRect(62, 50, 176, 140); }
    Variant Call(int id, const std::vector<Variant>& args = {}) {
        Variant result;
        EXPECT_EQ(control.Invoke(id, InvokeKind::Method, args, &result), automation::S_OK) << id;
        return result;
    }

    CZENTCtrl control;
    CountingSink sink;
    QTemporaryDir dir;
};

TEST_F(ZentDraw, FirstPaintBuildsTheChartInTheDataSetColour) {
    const QImage image = control.grab().toImage();
    EXPECT_GT(zenttest::CountColour(image, PlotArea(), kRed), 100);
    EXPECT_NE(control.Model().DataSet[0], 0);
    EXPECT_NE(control.Model().PlotHandle[0], 0);
}

TEST_F(ZentDraw, PropertyChangesShowAfterUpdateGraphOnly) {
    control.grab();
    control.Model().SPlotLineColor[0] = kBlue;
    EXPECT_EQ(zenttest::CountColour(control.grab().toImage(), PlotArea(), kBlue), 0);
    EXPECT_FALSE(control.IsModified());
    Call(51);
    EXPECT_TRUE(control.IsModified());
    const QImage image = control.grab().toImage();
    EXPECT_GT(zenttest::CountColour(image, PlotArea(), kBlue), 100);
    EXPECT_EQ(zenttest::CountColour(image, PlotArea(), kRed), 0);
}

TEST_F(ZentDraw, DisabledSetIsNotDrawn) {
    control.Model().SDataEnable[0] = 0;
    EXPECT_EQ(zenttest::CountColour(control.grab().toImage(), PlotArea(), kRed), 0);
}

// DrawReady ends each first draw: the first paint, and the paint after a container drew the chart
// into its own device. Repaints and printing fire nothing.
TEST_F(ZentDraw, DrawReadyFiresOncePerFirstDrawWithTheChartBuilt) {
    zenttest::ErrorSink ready;
    bool builtEachTime = true;
    ready.onDrawReady = [&] { builtEachTime = builtEachTime && control.Model().DataSet[0] != 0; };
    control.Advise(&ready);
    control.grab();
    control.grab();
    EXPECT_EQ(ready.drawReady, 1);
    QImage picture(300, 240, QImage::Format_RGB32);
    QPainter painter(&picture);
    control.OnDrawMetafile(painter, QRect(0, 0, 300, 240));
    painter.end();
    EXPECT_GT(zenttest::CountColour(picture, PlotArea(), kRed), 100);
    EXPECT_EQ(ready.drawReady, 1);
    control.grab();
    EXPECT_EQ(ready.drawReady, 2);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + "/ready.pdf");
    EngineSetPrinter(&printer);
    Call(78);
    EngineSetPrinter(nullptr);
    control.grab();
    EXPECT_EQ(ready.drawReady, 2);
    EXPECT_TRUE(builtEachTime);
    control.Unadvise(&ready);
}

TEST_F(ZentDraw, ContainerDrawAtAnOffsetGoesThroughABitmap) {
    control.grab();
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    control.OnDrawMetafile(painter, QRect(50, 40, 300, 240));
    painter.end();
    EXPECT_GT(zenttest::CountColour(picture, PlotArea().translated(50, 40), kRed), 100);
}

class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

TEST_F(ZentDraw, ShownControlSettlesAfterItsPaints) {
    PaintCounter counter;
    control.installEventFilter(&counter);
    control.show();
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
    const int settled = counter.paints;
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(counter.paints, settled);
    EXPECT_GT(settled, 0);
    EXPECT_EQ(sink.drawReady, 1);
    control.hide();
}

TEST_F(ZentDraw, ResizeOfOnePixelKeepsThePageTwoMakeANewOne) {
    control.grab();
    const EngineHandle page = control.Page();
    control.resize(301, 240);
    control.grab();
    EXPECT_EQ(control.Page(), page);
    control.resize(303, 240);
    control.grab();
    EXPECT_NE(control.Page(), page);
    EXPECT_NE(control.Page(), 0);
}

TEST_F(ZentDraw, SmallControlGetsAPageButNoGraph) {
    control.resize(49, 200);
    control.grab();
    EXPECT_NE(control.Page(), 0);
    EXPECT_EQ(control.Model().GraphHandle, 0);
    control.RebuildGraph();
    EXPECT_NE(control.Model().GraphHandle, 0);
}

TEST_F(ZentDraw, RebuildBeforeTheFirstDrawDoesNothing) {
    control.RebuildGraph();
    EXPECT_EQ(control.Page(), 0);
    EXPECT_EQ(control.Model().GraphHandle, 0);
}

TEST_F(ZentDraw, SavePageMetaWritesAPlaceableMetafile) {
    control.grab();
    const QString path = dir.path() + "/chart.wmf";
    EXPECT_EQ(Call(61, {Variant::I2(2), Variant::Str(path.toStdString())}), Variant::Bool(true));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(4);
    EXPECT_EQ(head, QByteArray::fromHex("d7cdc69a"));
}

TEST_F(ZentDraw, PrintGraphPrintsToAPdf) {
    control.grab();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.path() + "/chart.pdf";
    printer.setOutputFileName(path);
    EngineSetPrinter(&printer);
    Call(78);
    EngineSetPrinter(nullptr);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
}

// A PDF file printer asks for its file at each print; a cancel prints nothing and tells nothing, a
// print that fails is told and leaves no file.
TEST_F(ZentDraw, PrintGraphOnAPdfFilePrinterAsksAndTellsFailures) {
    control.grab();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    EngineSetPrinter(&printer);
    std::string answer;
    EngineSetPrintFileHook([&answer](void*) { return answer; });
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    msgbox::ClearShownBoxes();
    Call(78);
    answer = (dir.path() + "/asked.pdf").toStdString();
    Call(78);
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
    QFile file(QString::fromStdString(answer));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_TRUE(printer.outputFileName().isEmpty()) << "the next print asks again";
    answer = (dir.path() + "/missing/graph.pdf").toStdString();
    Call(78);
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt.toStdString(),
              "The graph could not be printed to " + answer + ".");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"asked.pdf"});
    msgbox::SetTestAnswerer(nullptr);
    EngineSetPrintFileHook(nullptr);
    EngineSetPrinter(nullptr);
}

TEST_F(ZentDraw, CopyToClipboardOnceThePageIsReady) {
    EXPECT_EQ(Call(80), Variant::Bool(false));
    control.grab();
    EXPECT_EQ(Call(80), Variant::Bool(true));
}

TEST_F(ZentDraw, ContainerStreamLoadsIntoAnotherControl) {
    control.Model().TitleString[1] = QStringLiteral("Loss");
    const std::vector<std::uint8_t> stream = control.SaveProperties();
    CZENTCtrl other;
    ASSERT_TRUE(other.LoadProperties(stream.data(), stream.size()));
    EXPECT_EQ(other.Model().TitleString[1], QStringLiteral("Loss"));
    EXPECT_EQ(other.Model().SDataXData[0], control.Model().SDataXData[0]);
    const std::vector<std::uint8_t> shortStream(stream.begin(), stream.begin() + 40);
    EXPECT_FALSE(other.LoadProperties(shortStream.data(), shortStream.size()));
    EXPECT_EQ(other.Model().TitleString[1], QStringLiteral("Loss"));
}

TEST_F(ZentDraw, NearestPointNamesTheModelsDataSet) {
    control.grab();
    double x = 0, y = 0;
    std::int32_t set = -1, index = -1;
    EXPECT_EQ(Call(72, {Variant::R8(4.1), Variant::R8(1.2), Variant::I2(0), Variant::RefR8(x),
                        Variant::RefR8(y), Variant::RefI4(set), Variant::RefI4(index)}),
              Variant::Bool(true));
    EXPECT_EQ(set, 0);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(x, 4.0);
    EXPECT_EQ(y, 1.0);
}

TEST_F(ZentDraw, SortingReordersOnlyTheEnginesCopy) {
    std::vector<double> x = {10, 8, 6, 4, 2, 0}, y = {1, 2, 3, 4, 5, 6};
    Call(70,
         {Variant::I2(0), Variant::Str("Down"), Variant::RefR8(x[0]), Variant::RefR8(y[0]), Variant::I2(6)});
    control.grab();
    EXPECT_EQ(Call(54, {Variant::I2(0), Variant::I2(1)}), Variant::Bool(true));
    EXPECT_EQ(control.Model().SDataXData[0], x);
    double foundX = 0, foundY = 0;
    std::int32_t set = -1, index = -1;
    Call(72, {Variant::R8(0), Variant::R8(6), Variant::I2(0), Variant::RefR8(foundX), Variant::RefR8(foundY),
              Variant::RefI4(set), Variant::RefI4(index)});
    EXPECT_EQ(index, 0); // the point (0, 6) leads the sorted engine copy
}

TEST_F(ZentDraw, ReconnectSwapsThePointsUnderThePlot) {
    control.grab();
    const std::int32_t before = control.Model().DataSet[0];
    std::vector<double> x = {0, 10}, y = {5, 5};
    Call(69,
         {Variant::I2(0), Variant::Str("Flat"), Variant::RefR8(x[0]), Variant::RefR8(y[0]), Variant::I2(2)});
    EXPECT_NE(control.Model().DataSet[0], before);
    EXPECT_EQ(control.Model().SDataNumPlotPoints[0], 2);
    EXPECT_EQ(control.Model().SDataXData[0], x);
    EXPECT_EQ(Call(59, {Variant::I2(0)}), Variant::R8(5.0));
    EXPECT_GT(zenttest::CountColour(control.grab().toImage(), PlotArea(), kRed), 50);
}

// The control's file methods under a full disk and a read-only folder.
struct FileMethod {
    const char* name;
    int id;
    std::vector<Variant> (*args)(const std::string& path);
    friend void PrintTo(const FileMethod& m, std::ostream* os) { *os << m.name; }
};

const FileMethod kFileMethods[] = {
    {"SavePageMeta", 61,
     [](const std::string& p) {
         return std::vector<Variant>{Variant::I2(2), Variant::Str(p)};
     }},
    {"SerializeSaveFile", 76, [](const std::string& p) { return std::vector<Variant>{Variant::Str(p)}; }},
    {"SaveASCIIDataSet", 74,
     [](const std::string& p) {
         return std::vector<Variant>{Variant::Str(p), Variant::I2(0), Variant::Str("")};
     }},
};

class ZentFileFault : public ZentDraw,
                      public ::testing::WithParamInterface<std::tuple<FileMethod, testsupport::WriteFault>> {
};

TEST_P(ZentFileFault, MethodGivesFalseAndThePreviousFileStays) {
    const auto [method, fault] = GetParam();
    if (!testsupport::CanMake(fault)) {
        GTEST_SKIP() << "folder permissions do not bind root";
    }
    control.grab();
    const QString path = dir.path() + "/chart.out";
    const QByteArray previous(1920, 'p');
    ASSERT_TRUE(testsupport::WriteBytes(path, previous));
    Variant result;
    {
        // Six points of data set 0 as text are longer than this.
        testsupport::WriteFaultScope scope(fault, dir.path(), 16);
        result = Call(method.id, method.args(path.toStdString()));
    }
    EXPECT_EQ(result, Variant::Bool(false));
    EXPECT_EQ(testsupport::FileBytes(path), previous);
    EXPECT_EQ(testsupport::FolderEntries(dir.path()), QStringList{"chart.out"});
}

std::string FileFaultName(const ::testing::TestParamInfo<ZentFileFault::ParamType>& info) {
    return std::string(std::get<0>(info.param).name) + testsupport::FaultName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Faults, ZentFileFault,
                         ::testing::Combine(::testing::ValuesIn(kFileMethods),
                                            ::testing::ValuesIn(testsupport::kWriteFaults)),
                         FileFaultName);

} // namespace
