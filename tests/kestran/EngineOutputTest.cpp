#include "EngineFixture.h"
#include "ExternalProgram.h"
#include "wmf_records.h"
#include "WriteFaults.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

using namespace kestran;

namespace {

class EngineOutput : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        const EngineHandle d = Data({0, 2, 4, 6, 8, 10}, {1, 4, 2, 8, 5, 9});
        EngineSetLineAttributes(graph, nullptr, 0, 2, 0x0000FF); // red
        EngineAddLinePlot(graph, nullptr, d, 0, 0);
        EngineSetLineAttributes(graph, nullptr, 0, 1, 0);
        const EngineHandle x = EngineAddXAxis(graph, nullptr, 2, 1, 0);
        EngineAddNumericAxisLabels(graph, nullptr, x, 0, 0, 0, 0, 0);
        EngineSetTextAttributes(0, "Arial", 12, 0);
        EngineAddTitle(graph, nullptr, "Path Loss", 0.5, 0.02, codes::AnchorCentreTop, 0);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // The page content streams of a PDF, inflated.
    static QByteArray PdfContent(const QByteArray& pdf) {
        QByteArray all;
        for (qsizetype pos = pdf.indexOf("stream"); pos >= 0; pos = pdf.indexOf("stream", pos)) {
            qsizetype start = pos + 6;
            while (start < pdf.size() && (pdf[start] == '\r' || pdf[start] == '\n')) {
                ++start;
            }
            const qsizetype end = pdf.indexOf("endstream", start);
            if (end < 0) {
                break;
            }
            QByteArray raw = pdf.mid(start, end - start);
            while (raw.endsWith('\n') || raw.endsWith('\r')) {
                raw.chop(1);
            }
            QByteArray sized(4, '\0');
            qToBigEndian<quint32>(quint32(raw.size() * 20 + 1024), sized.data());
            all += qUncompress(sized + raw);
            pos = end + 9;
        }
        return all;
    }
    QTemporaryDir dir;
};

} // namespace

// libwmf sizes the picture to everything drawn; text it measured wider than we did would push the
// picture's bounds out and shrink the whole chart (a page-wide footer did, to about two thirds).
TEST_F(EngineOutput, MetafileConvertsToSvgAtItsOwnSizeWithThePlotColourAndTexts) {
    EngineSetTextAttributes(0, "Arial", 10, 0);
    const char* footer =
        "Freq: 450.0MHz,  Antenna Mobile Height: 1.5m,  Antenna Base Height: 100.0m,  Area: Urban, "
        "City Size: Small/Medium, Power:12.5W e.r.p.";
    EngineAddTitle(graph, nullptr, footer, 0.5, 0.99, codes::AnchorCentreBottom, 0);
    const EngineHandle y = EngineAddYAxis(graph, nullptr, 2, 1, 0);
    EngineAddAxisTitle(graph, nullptr, y, 0, "Field Strength dB(uV/m)");
    const QString wmf = Path("chart.wmf");
    ASSERT_EQ(EngineSavePageMetafile(page, codes::MetafileFile, wmf.toUtf8().constData()), 1);
    QFile file(wmf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("\xD7\xCD\xC6\x9A", 4)); // placeable header key
    const QString svg = Path("chart.svg");
    const auto run = testsupport::RunExternal("wmf2svg", {"-o", svg, wmf}, "libwmf-bin fonts-urw-base35");
    ASSERT_TRUE(run.ok) << run.problem.toStdString();
    QFile out(svg);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(out.readAll());
    EXPECT_TRUE(text.contains("stroke:red")) << text.toStdString();

    const QRegularExpressionMatch size =
        QRegularExpression(R"re(<svg width="([0-9.]+)" height="([0-9.]+)")re").match(text);
    const QRegularExpressionMatch background =
        QRegularExpression(R"re(<rect x="([-0-9.]+)" y="[-0-9.]+" width="([0-9.]+)")re").match(text);
    ASSERT_TRUE(size.hasMatch() && background.hasMatch()) << text.toStdString();
    const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
    EXPECT_NEAR(width / height, 800.0 / 600.0, 0.01);
    EXPECT_NEAR(background.captured(1).toDouble(), 0.0, 1.5);
    EXPECT_NEAR(background.captured(2).toDouble(), width, 1.5) << "the page background spans the picture";
    // libwmf draws a text with advances one character at a time.
    QString characters;
    const QRegularExpression glyph(
        R"re(<text [^>]*matrix\([-0-9.]+ [-0-9.]+ [-0-9.]+ [-0-9.]+ ([-0-9.]+) ([-0-9.]+)\)"\s*>([^<]*)</text>)re");
    for (auto it = glyph.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const double x = m.captured(1).toDouble(), y = m.captured(2).toDouble();
        EXPECT_TRUE(x >= 0 && x <= width && y >= 0 && y <= height)
            << m.captured(3).toStdString() << " at " << x << ", " << y;
        characters += m.captured(3);
    }
    for (const char* shown : {"Path Loss", footer, "Field Strength dB(uV/m)"}) {
        EXPECT_TRUE(characters.contains(QString::fromLatin1(shown)))
            << shown << " in " << characters.toStdString();
    }
}

// A dotted line two pixels wide (the Free Space curve) stays dotted in a player that follows the
// Windows rule and draws styled pens wider than one unit solid: libwmf draws each dot.
TEST_F(EngineOutput, WideDottedLineStaysDottedInLibwmf) {
    EngineSetLineAttributes(graph, nullptr, codes::PenDot, 2, 0xFF0000); // blue
    EngineAddLinePlot(graph, nullptr, Data({0, 10}, {5, 5}), 0, 0);
    const QString wmf = Path("dotted.wmf");
    const QString svg = Path("dotted.svg");
    ASSERT_EQ(EngineSavePageMetafile(page, codes::MetafileFile, wmf.toUtf8().constData()), 1);
    const auto run = testsupport::RunExternal("wmf2svg", {"-o", svg, wmf}, "libwmf-bin fonts-urw-base35");
    ASSERT_TRUE(run.ok) << run.problem.toStdString();
    QFile out(svg);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(out.readAll());
    // 480 pixels of 2 on, 4 off.
    EXPECT_EQ(text.count(QStringLiteral("stroke:blue")), 80) << text.toStdString();
}

// Saved metafiles count in twips, so a document that enlarges the picture finds its curves as
// fine as the engine placed them: the page of 800 x 600 pixels is 12000 x 9000 units at 1440 to
// the inch, and a point that falls between pixels (Y = 0.1 is 3.6 pixels above the plot's
// bottom, 476.4 down) keeps its place between them.
TEST_F(EngineOutput, MetafileCountsInTwips) {
    EngineSetLineAttributes(graph, nullptr, 0, 1, 0x00FF00);
    EngineAddLinePlot(graph, nullptr, Data({0, 5, 10}, {0.1, 0.1, 0.1}), 0, 0);
    const QByteArray bytes = EnginePageMetafileBytes(page);
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    ASSERT_GT(data.size(), 40u);
    EXPECT_EQ(std::int16_t(WmfU16(data, 10)), 12000); // bounding box right
    EXPECT_EQ(std::int16_t(WmfU16(data, 12)), 9000);  // and bottom
    EXPECT_EQ(WmfU16(data, 14), 1440);                // units per inch
    bool found = false, clipped = false;
    for (const WmfRecordView& r : WmfRecords(data)) {
        if (r.function == 0x0325) { // Polyline: count, then x y pairs
            for (std::size_t i = 2; i < r.params.size(); i += 2) {
                found = found || r.params[i] == 7146;
            }
        }
        // IntersectClipRect: bottom, right, top, left; the plot's pixels 160..640 by 120..480.
        clipped = clipped ||
                  (r.function == 0x0416 && r.params == std::vector<std::int16_t>{7215, 9615, 1800, 2400});
    }
    EXPECT_TRUE(found) << "the line at 476.4 pixels, 7146 twips";
    EXPECT_TRUE(clipped) << "plots are clipped to the plot area";
}

TEST_F(EngineOutput, MetafileWithoutNameAsksTheHookAndFailsWhenCancelled) {
    for (int type : {codes::MetafileDefault, codes::MetafileFile}) {
        EngineSetFileNameHook([] { return std::string(); });
        EXPECT_EQ(EngineSavePageMetafile(page, type, ""), 0) << type;
        const QString name = dir.filePath(QStringLiteral("asked%1.wmf").arg(type));
        EngineSetFileNameHook([&] { return name.toStdString(); });
        EXPECT_EQ(EngineSavePageMetafile(page, type, nullptr), 1) << type;
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << type;
        EXPECT_EQ(file.read(4), QByteArray("\xD7\xCD\xC6\x9A", 4)) << type; // placeable
    }
    EngineSetFileNameHook(nullptr);
    EXPECT_EQ(EngineSavePageMetafile(page, 7, "x.wmf"), 0);
    EXPECT_EQ(EngineSavePageMetafile(0, codes::MetafileFile, "x.wmf"), 0);
}

TEST_F(EngineOutput, UnwritableMetafileIsReportedAsFailure) {
    EXPECT_EQ(EngineSavePageMetafile(page, codes::MetafileFile, "/nonexistent-dir/x.wmf"), 0);
}

TEST_F(EngineOutput, PrintingToPdfHoldsTheChart) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    EngineSetPrinter(&printer);
    struct Case {
        int style;
        bool at;
    } cases[] = {{codes::PrintFull, false},
                 {codes::PrintProportionate, false},
                 {codes::PrintExact, false},
                 {codes::PrintPosition, true}};
    for (const Case& c : cases) {
        const QString pdf = Path("chart.pdf") + QString::number(c.style);
        printer.setOutputFileName(pdf);
        EngineSetPrintOptions(1, 1, 1, 1, c.style, 0.1, 0.1);
        ASSERT_EQ(c.at ? EnginePrintPageAt(page, 0.1, 0.1, 0.9, 0.5) : EnginePrintPage(page), 1) << c.style;
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        const QByteArray content = PdfContent(bytes);
        EXPECT_TRUE(content.contains("1 0 0 SCN")) << "the red plot line's stroke colour";
        EXPECT_GE(content.count(" l\n"), 5) << "its line segments";
    }
    EngineSetPrinter(nullptr);
}

// The engine's file outputs under a full disk and a read-only folder: FALSE, and the file there
// was stays byte for byte.
enum class EngineFileOutput { Metafile, PdfPrint };
const char* OutputName(EngineFileOutput o) {
    return o == EngineFileOutput::Metafile ? "Metafile" : "PdfPrint";
}
void PrintTo(EngineFileOutput o, std::ostream* os) {
    *os << OutputName(o);
}

class EngineOutputFault
    : public EngineOutput,
      public ::testing::WithParamInterface<std::tuple<EngineFileOutput, testsupport::WriteFault>> {};

TEST_P(EngineOutputFault, FailsAndLeavesThePreviousFile) {
    const auto [output, fault] = GetParam();
    if (!testsupport::CanMake(fault)) {
        GTEST_SKIP() << "folder permissions do not bind root";
    }
    const QString path = Path("chart.out");
    const QByteArray previous(1920, 'p');
    ASSERT_TRUE(testsupport::WriteBytes(path, previous));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    EngineSetPrinter(&printer);
    EngineBool result = 1;
    {
        testsupport::WriteFaultScope scope(fault, dir.path());
        result = output == EngineFileOutput::Metafile
                     ? EngineSavePageMetafile(page, codes::MetafileFile, path.toStdString().c_str())
                     : EnginePrintPage(page);
    }
    EngineSetPrinter(nullptr);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(printer.outputFileName(), path);
    EXPECT_EQ(testsupport::FileBytes(path), previous);
    EXPECT_EQ(testsupport::FolderEntries(dir.path()), QStringList{"chart.out"});
}

std::string EngineOutputFaultName(const ::testing::TestParamInfo<EngineOutputFault::ParamType>& info) {
    return std::string(OutputName(std::get<0>(info.param))) + testsupport::FaultName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Faults, EngineOutputFault,
                         ::testing::Combine(::testing::Values(EngineFileOutput::Metafile,
                                                              EngineFileOutput::PdfPrint),
                                            ::testing::ValuesIn(testsupport::kWriteFaults)),
                         EngineOutputFaultName);

// A PDF printer without a file has nowhere to print; one whose file cannot be written fails.
TEST_F(EngineOutput, PdfPrinterNeedsAFileItCanWrite) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    EngineSetPrinter(&printer);
    EXPECT_EQ(EnginePrintPage(page), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pdf"));
    printer.setOutputFileName(Path("folder.pdf"));
    EXPECT_EQ(EnginePrintPage(page), 0) << "a folder stands where the file belongs";
    EXPECT_TRUE(QFileInfo(Path("folder.pdf")).isDir());
    EngineSetPrinter(nullptr);
}

TEST_F(EngineOutput, PageImageShowsThePlotLineAndGoesToTheClipboard) {
    const QImage image = EngineRenderPageImage(page);
    ASSERT_EQ(image.size(), QSize(800, 600));
    // (4, 2) lies on the line: device (352, 408).
    int red = 0;
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            red += image.pixelColor(352 + dx, 408 + dy) == QColor(255, 0, 0);
        }
    }
    EXPECT_GT(red, 0);
    ASSERT_EQ(EngineCopyPageToClipboard(page), 1);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(800, 600));
    EXPECT_EQ(EngineCopyPageToClipboard(0), 0);
}

TEST_F(EngineOutput, PageDrawnIntoAnotherDeviceIsScaledToTheTarget) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    ASSERT_EQ(EngineDrawPageToDC(painter, page, QRectF(0, 0, 400, 300), 1), 1);
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white)); // page background covers the target
}

TEST_F(EngineOutput, HugePagesAreNotTurnedIntoBitmaps) {
    ASSERT_EQ(EngineResizePage(page, 30000, 30000), 1);
    EXPECT_TRUE(EngineRenderPageImage(page).isNull());
    EXPECT_EQ(EngineCopyPageToClipboard(page), 0);
    EXPECT_FALSE(EnginePageMetafileBytes(page).isEmpty()); // a metafile costs no pixels
}
