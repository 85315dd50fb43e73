// The report window at any size: a long log with pictures drawn wherever it is scrolled, files
// written byte for byte as a document of the same appends writes them, selecting and copying, the
// window's width and the printed line on each common paper.

#include "report_fixture.h"

#include "Cp1252.h"
#include "DocumentImages.h"
#include "frmPrinterSelect.h"
#include "PlainText.h"
#include "ReportLogView.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {

const QString kLine = QString(144, QLatin1Char('x')) + QStringLiteral("end");

QImage redPicture() {
    QImage image(48, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

int redPixels(const QImage& image) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0);
    return red;
}

void pastePicture(RLogClass& log) {
    QApplication::clipboard()->setImage(redPicture());
    log.PasteClipboard();
    log.AddLine("[Clip Board Image]");
}

TEST_F(ReportTest, PicturesInALongLogAreDrawnWhereverItIsScrolled) {
    constexpr int kLines = 100000;
    std::vector<int> pictureLines;
    for (int i = 0; i <= kLines; ++i) {
        if (i % (kLines / 2) == 0) {
            pictureLines.push_back(log.Form().Text().LineCount() - 1);
            pastePicture(log);
        }
        if (i < kLines)
            log.AddLine(kLine);
    }
    FrmReport& w = log.Form();
    w.show();
    QApplication::processEvents();
    ReportLogView& view = *w.rtbLog;
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum()) << "shown at the end";
    for (const int line : pictureLines) {
        view.ScrollToLine(line);
        QApplication::processEvents();
        EXPECT_LE(view.FirstVisibleLine(), line);
        EXPECT_GE(redPixels(view.viewport()->grab().toImage()), 48 * 30) << "picture of line " << line;
    }
    view.ScrollToLine(kLines / 4);
    QApplication::processEvents();
    EXPECT_EQ(redPixels(view.viewport()->grab().toImage()), 0);
    log.AddLine("appended while shown");
    QApplication::processEvents();
    EXPECT_TRUE(view.CaretAtEnd());
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum()) << "the view follows";
    w.hide();
}

// What the log wrote when a rich text document held it: the same appends into a document, written
// by the document writer.
TEST_F(ReportTest, SavedFilesAreByteIdenticalToWhatADocumentOfTheLogGave) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat format;
    const auto append = [&](const QString& text) {
        log.Add(text);
        cursor.insertText(text, format);
    };
    const auto attributes = [&](bool bold, bool italic, bool underline) {
        log.Bold(bold);
        log.Italic(italic);
        log.Underline(underline);
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(italic);
        format.setFontUnderline(underline);
    };
    attributes(true, false, true);
    append("  Dist     Frq\r\n");
    attributes(false, false, false);
    append("a\\b{c}\td\u00e9\u20ac\u4e2d\u2028e\x01");
    attributes(false, true, true);
    append(" under\nline\rcr\r\n");
    attributes(false, false, false);
    QApplication::clipboard()->setImage(graphPicture());
    log.PasteClipboard();
    richtext::InsertImage(cursor, graphPicture());
    append("[Clip Board Image]\r\n");
    attributes(true, false, false);
    append("bold to the end");

    ASSERT_TRUE(log.SaveFile(path("log.rtf")));
    EXPECT_EQ(testsupport::FileBytes(path("log.rtf")), richtext::WriteRtf(doc));
    EXPECT_EQ(log.Form().Text().RtfFileSize(), QFileInfo(path("log.rtf")).size())
        << "what the size limit counts";
    chosenName = path("log.txt");
    log.Form().cmdFile_Click();
    EXPECT_EQ(testsupport::FileBytes(path("log.txt")), richtext::ToCp1252(richtext::PlainText(doc) + "\r\n"));
}

TEST_F(ReportTest, SelectingAndCopyingPutsTheTextOnTheClipboard) {
    log.AddLine("first line");
    QApplication::clipboard()->setImage(graphPicture());
    log.PasteClipboard();
    log.AddLine("second");
    ReportLogView& view = *log.Form().rtbLog;
    view.Select({0, 6}, {1, 7});
    view.Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "line\r\nsecond");
    view.SelectAll();
    EXPECT_EQ(view.SelectedText(), "first line\r\nsecond\r\n");
}

TEST_F(ReportTest, WindowOpensWideEnoughForAWholeReportLine) {
    log.AddLine(kLine);
    FrmReport& w = log.Form();
    w.show();
    QApplication::processEvents();
    // As wide as the line, or as the screen allows (the offscreen screen is 800 pixels wide).
    const int screen = w.screen()->availableGeometry().width();
    const bool whole = w.rtbLog->viewport()->width() >= FrmReport::kReportColumns * w.rtbLog->ColumnWidth();
    EXPECT_TRUE(whole || w.width() >= screen - 40) << w.width() << " of " << screen;
    EXPECT_TRUE(!whole || w.rtbLog->horizontalScrollBar()->maximum() == 0);
    EXPECT_LE(w.width(), screen);
    w.hide();
}

TEST_F(ReportTest, PrinterSelectionOpensWideEnoughForItsTitle) {
    frmPrinterSelect dialog;
    EXPECT_GE(dialog.FittingSize().width(), 300);
    EXPECT_GE(dialog.FittingSize().height(), dialog.minimumSizeHint().height());
}

// The print keeps 2 cm on either side; a report line must fit between them.
TEST_F(ReportTest, EveryLinePrintsWholeOnTheLandscapePageOfEachCommonPaper) {
    QPrinter& printer = printing::ProgramPrinter::Instance().Printer();
    const QPageSize original = printer.pageLayout().pageSize();
    for (const auto paper : {QPageSize::Letter, QPageSize::Legal, QPageSize::A4, QPageSize::A3}) {
        printer.setPageSize(QPageSize(paper));
        printing::ProgramPrinter::Instance().SetOrientation(printing::vbPRORLandscape);
        const QFont font = FrmReport::PrintedFont();
        EXPECT_LE(font.pointSizeF(), 8.25);
        const double line = FrmReport::kReportColumns * QFontMetricsF(font, &printer).horizontalAdvance('M');
        const double width = printer.width() - 2 * (2 / 2.54) * printer.logicalDpiX();
        EXPECT_LE(line, width) << QPageSize(paper).name().toStdString();
        EXPECT_GT(line, 0.9 * std::min(width, line / font.pointSizeF() * 8.25)) << "no smaller than it needs";
    }
    printer.setPageSize(original);
}

// The seed files of the RTF fuzzer: our own files, a word processor's, and broken ones.
TEST_F(ReportTest, EverySampleFileReadsIntoTheLogAsIntoADocument) {
    QTextCharFormat base;
    base.setFontPointSize(8.25);
    const QDir samples(QStringLiteral(RTF_SAMPLES));
    ASSERT_FALSE(samples.entryList(QDir::Files).isEmpty());
    for (const QString& name : samples.entryList(QDir::Files)) {
        const QByteArray bytes = testsupport::FileBytes(samples.filePath(name));
        QTextDocument doc;
        const bool read = richtext::ReadRtf(bytes, doc, base);
        const std::optional<ReportLogText> text = ReportLogText::FromRtf(bytes);
        ASSERT_EQ(text.has_value(), read) << name.toStdString();
        if (read) {
            EXPECT_EQ(runsOf(*text->ToDocument(base)), runsOf(doc)) << name.toStdString();
        }
    }
}

} // namespace
