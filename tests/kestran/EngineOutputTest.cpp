#include "EngineFixture.h"
#include "ExternalProgram.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
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

TEST_F(EngineOutput, MetafileConvertsToSvgWithThePlotColourAndTitle) {
    const QString wmf = Path("chart.wmf");
    ASSERT_EQ(EngineSavePageMetafile(page, codes::MetafileFile, wmf.toUtf8().constData()), 1);
    QFile file(wmf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 22);
    EXPECT_EQ(bytes.left(4), QByteArray("\xD7\xCD\xC6\x9A", 4)); // placeable header key
    const QString svg = Path("chart.svg");
    const auto run = testsupport::RunExternal("wmf2svg", {"-o", svg, wmf}, "libwmf-bin fonts-urw-base35");
    ASSERT_TRUE(run.ok) << run.problem.toStdString();
    QFile out(svg);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(out.readAll()).toLower();
    EXPECT_TRUE(text.contains("stroke:red") || text.contains("rgb(255,0,0)") || text.contains("#ff0000"));
    EXPECT_TRUE(text.contains("path loss")) << text.toStdString();
}

TEST_F(EngineOutput, MetafileWithoutNameAsksTheHookAndFailsWhenCancelled) {
    EngineSetFileNameHook([] { return std::string(); });
    EXPECT_EQ(EngineSavePageMetafile(page, codes::MetafileFile, ""), 0);
    const std::string name = Path("asked.wmf").toStdString();
    EngineSetFileNameHook([&] { return name; });
    EXPECT_EQ(EngineSavePageMetafile(page, codes::MetafileFile, nullptr), 1);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(name)));
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
