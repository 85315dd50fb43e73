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
#include <QMimeData>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest/QTest>

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

// Copy gives what a rich-text box gives: the text, the rich text with attributes and pictures, and
// the picture as an image.
TEST_F(ReportTest, CopyOfASelectionWithAPicturePutsTextRichTextAndTheImageOnTheClipboard) {
    log.AddLine("first line");
    QApplication::clipboard()->setImage(graphPicture());
    log.PasteClipboard();
    log.Bold(true);
    log.AddLine("second");
    ReportLogView& view = *log.Form().rtbLog;
    view.Select({0, 6}, {1, 7});
    view.Copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), "line\r\nsecond");
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_ARGB32),
              graphPicture());
    const std::optional<ReportLogText> rich = ReportLogText::FromRtf(copied->data("text/rtf"));
    ASSERT_TRUE(rich.has_value());
    EXPECT_EQ(runsOf(*rich->ToDocument(QTextCharFormat())),
              (std::vector<std::string>{":line", "|", "[pict]", "B:second"}));

    view.Select({0, 0}, {0, 5});
    view.Copy();
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasImage());
    view.SelectAll();
    EXPECT_EQ(view.SelectedText(), "first line\r\nsecond\r\n");
}

// The keys of a read-only rich-text box: each moves the caret, and with Shift selects.
TEST_F(ReportTest, KeysMoveTheCaretAndShiftSelects) {
    log.AddLine("first line");
    log.AddLine("second");
    log.AddLine("third row");
    FrmReport& w = log.Form();
    w.show();
    ReportLogView& view = *w.rtbLog;
    using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ShiftModifier | Qt::ControlModifier;
    const struct {
        ReportLogView::Place caret;
        std::vector<Key> keys;
        const char* selected;
    } cases[] = {
        {{0, 0}, {{Qt::Key_Right, shift}, {Qt::Key_Right, shift}, {Qt::Key_Right, shift}}, "fir"},
        {{0, 0}, {{Qt::Key_Right, {}}, {Qt::Key_Right, {}}, {Qt::Key_Right, shift}}, "r"},
        {{0, 3}, {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}}, "ir"},
        {{0, 0}, {{Qt::Key_Right, shift}, {Qt::Key_Left, {}}}, ""},
        {{0, 6}, {{Qt::Key_End, shift}}, "line"},
        {{0, 6}, {{Qt::Key_Home, shift}}, "first "},
        {{0, 6}, {{Qt::Key_Down, shift}}, "line\r\nsecond"},
        {{1, 3}, {{Qt::Key_Up, shift}}, "st line\r\nsec"},
        {{0, 8}, {{Qt::Key_Down, {}}, {Qt::Key_Down, shift}}, "\r\nthird ro"}, // the column it came from
        {{0, 0}, {{Qt::Key_Right, ctrlShift}}, "first "},
        {{1, 2}, {{Qt::Key_End, ctrlShift}}, "cond\r\nthird row\r\n"},
        {{1, 2}, {{Qt::Key_Home, ctrlShift}}, "first line\r\nse"},
        {{0, 0}, {{Qt::Key_PageDown, shift}}, "first line\r\nsecond\r\nthird row\r\n"},
        {{2, 0}, {{Qt::Key_PageUp, shift}}, "first line\r\nsecond\r\n"},
    };
    for (const auto& c : cases) {
        view.Select(c.caret, c.caret);
        for (const Key& key : c.keys)
            QTest::keyClick(&view, key.first, key.second);
        EXPECT_EQ(view.SelectedText(), c.selected) << c.selected;
    }
    w.hide();
}

TEST_F(ReportTest, TheCaretShowsWhereItIs) {
    log.AddLine("first line");
    FrmReport& w = log.Form();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ReportLogView& view = *w.rtbLog;
    EXPECT_TRUE(view.hasFocus()) << "the keys go to the log when the window opens";
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_End);
    const QRect caret = view.CaretRect();
    EXPECT_EQ(caret.left(), qRound(10 * QFontMetricsF(view.font()).horizontalAdvance('M')));
    const QImage shown = view.viewport()->grab().toImage();
    int dark = 0;
    for (int y = caret.top(); y <= caret.bottom(); ++y)
        dark += qGray(shown.pixel(caret.left(), y)) < 128;
    EXPECT_EQ(dark, caret.height());
    w.hide();
}

// A double-click selects the word under the pointer: a number with its decimals, a word of two.
TEST_F(ReportTest, DoubleClickSelectsAWord) {
    log.AddLine("  Dist 146.21 Small/Medium");
    FrmReport& w = log.Form();
    w.show();
    ReportLogView& view = *w.rtbLog;
    const double column = QFontMetricsF(view.font()).horizontalAdvance('M');
    const struct {
        int column;
        const char* word;
    } cases[] = {{9, "146.21"}, {3, "Dist"}, {22, "Medium"}, {19, "/"}};
    for (const auto& c : cases) {
        const QPoint at(qRound((c.column + 0.5) * column), view.LineHeight(0) / 2);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(view.SelectedText(), c.word);
    }
    w.hide();
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
