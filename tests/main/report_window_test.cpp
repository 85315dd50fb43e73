// The report window: its buttons and menu, saving to the user's files, printing and the printer
// selection.

#include "report_fixture.h"

#include "frmPrinterSelect.h"
#include "ReportLog.h"
#include "ReportLogPrint.h"
#include "WriteFaults.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

TEST_F(ReportTest, WindowHasTheControlsByName) {
    FrmReport& w = log.Form();
    EXPECT_EQ(w.windowTitle(), "Calculation Log");
    for (const char* name : {"rtbLog", "cmdClear", "cmdFile", "cmdPrint", "cmdClose"})
        EXPECT_NE(w.findChild<QWidget*>(name), nullptr) << name;
    for (const char* name :
         {"mnuFileClearLog", "mnuFileSaveAs", "mnuFilePrinterSetup", "mnuFilePrint", "mnuFileClose"})
        EXPECT_NE(w.findChild<QAction*>(name), nullptr) << name;
}

TEST_F(ReportTest, ClearLogButtonWritesTheTitleBack) {
    log.Title("Header");
    addReportLine(log);
    log.Form().cmdClear->click();
    log.Add("next");
    EXPECT_EQ(runs(), (std::vector<std::string>{"BU:Header", "|", ":next"}));
}

TEST_F(ReportTest, ClearLogMenuItemDoesWhatTheButtonDoes) {
    log.Title("Header");
    addReportLine(log);
    log.Form().mnuFileClearLog->trigger();
    EXPECT_EQ(text(), "Header\n");
}

TEST_F(ReportTest, CloseBoxHidesTheWindowAndKeepsItsText) {
    log.AddLine("kept");
    log.Form().show();
    log.Form().close();
    EXPECT_FALSE(log.Form().isVisible());
    log.AddLine("while hidden");
    log.Form().show();
    EXPECT_EQ(text(), "kept\nwhile hidden\n");
    log.Form().hide();
}

TEST_F(ReportTest, ShownWindowShowsTheEndOfTextAppendedWhileHidden) {
    for (int i = 0; i < 50; ++i)
        addReportLine(log);
    log.Form().show();
    QApplication::processEvents();
    EXPECT_GT(log.Form().rtbLog->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(log.Form().rtbLog->verticalScrollBar()->value(),
              log.Form().rtbLog->verticalScrollBar()->maximum());
    EXPECT_TRUE(log.Form().rtbLog->CaretAtEnd());
    log.Form().hide();
}

TEST_F(ReportTest, ShowReturnsWhenTheCloseButtonHidesTheWindow) {
    log.AddLine("shown");
    QTimer::singleShot(0, log.Form().cmdClose, &QPushButton::click);
    log.Show();
    EXPECT_FALSE(log.Form().isVisible());
    EXPECT_EQ(text(), "shown\n");
}

// The typed extension ".rtf" or ".txt" decides the kind; a name without one gets the chosen
// filter's; another extension leaves the kind to the filter ("All Files" writes plain text).
TEST_F(ReportTest, SaveToFileWritesTheKindTheNameOrTheFilterChooses) {
    const struct {
        const char* typed;
        int filterIndex; // 1 All Files, 2 Text Files, 3 Rich Text
        const char* written;
        bool rich;
    } cases[] = {
        {"a.rtf", 2, "a.rtf", true}, {"b.RTF", 1, "b.RTF", true},  {"c.txt", 3, "c.txt", false},
        {"d", 3, "d.rtf", true},     {"e", 2, "e.txt", false},     {"f", 1, "f", false},
        {"g.log", 3, "g.log", true}, {"h.log", 2, "h.log", false}, {"i.log", 1, "i.log", false},
    };
    log.Title("T");
    log.AddTitle();
    addReportLine(log);
    for (const auto& c : cases) {
        chosenName = path(c.typed);
        chosenFilter = c.filterIndex;
        log.Form().cmdFile->click();
        const QByteArray bytes = testsupport::FileBytes(path(c.written));
        if (c.rich) {
            EXPECT_TRUE(bytes.startsWith("{\\rtf1")) << c.typed;
        } else {
            EXPECT_EQ(bytes,
                      "T\r\n      10     450     100     1.5 Urban     Small/Medium 146.21  150.03   53.19 "
                      " 50% 50% Metric\r\n\r\n")
                << c.typed;
        }
        EXPECT_EQ(log.Form().SaveDialog().fileName, path(c.written));
    }
    EXPECT_EQ(QDir(dir.path()).count(), 2u + 9u) << "one file per case";
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

TEST_F(ReportTest, PlainTextSaveLeavesPicturesOut) {
    log.Add("a");
    QApplication::clipboard()->setImage(graphPicture());
    log.PasteClipboard();
    log.AddLine("b");
    chosenName = path("out.txt");
    log.Form().mnuFileSaveAs->trigger();
    EXPECT_EQ(testsupport::FileBytes(path("out.txt")), "ab\r\n\r\n");
}

TEST_F(ReportTest, SaveOverAFileAnsweredNoLeavesItByteIdentical) {
    const QByteArray old = "previous contents\r\n";
    ASSERT_TRUE(testsupport::WriteBytes(path("old.txt"), old));
    log.AddLine("new");
    chosenName = path("old.txt");
    answer = msgbox::vbNo;
    log.Form().cmdFile_Click();
    EXPECT_EQ(testsupport::FileBytes(path("old.txt")), old);
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, "File already exits.  Overwrite It?");
    EXPECT_EQ(msgbox::ShownBoxes()[0].style & 7, msgbox::vbYesNo);
}

TEST_F(ReportTest, SaveOverAFileAnsweredYesReplacesIt) {
    ASSERT_TRUE(testsupport::WriteBytes(path("old.txt"), "previous"));
    log.AddLine("new");
    chosenName = path("old.txt");
    answer = msgbox::vbYes;
    log.Form().cmdFile_Click();
    EXPECT_EQ(testsupport::FileBytes(path("old.txt")), "new\r\n\r\n");
}

TEST_F(ReportTest, CancelledSaveDialogSavesNothing) {
    log.AddLine("x");
    chosenName.reset();
    log.Form().cmdFile_Click();
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ReportTest, FailedSaveReportsTheFileName) {
    log.AddLine("x");
    chosenName = path("missing/out.txt");
    log.Form().cmdFile_Click();
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, "Error in saving file " + path("missing/out.txt"));
    EXPECT_EQ(msgbox::ShownBoxes()[0].title, "File Save");
    EXPECT_EQ(msgbox::ShownBoxes()[0].style, msgbox::vbCritical | msgbox::vbOKOnly);
}

TEST_F(ReportTest, SaveDialogRemembersTheLastName) {
    log.AddLine("x");
    chosenName = path("a.txt");
    log.Form().cmdFile_Click();
    EXPECT_EQ(log.Form().SaveDialog().fileName, path("a.txt"));
}

// Every way the log reaches a file, under a full disk and a read-only folder.
enum class LogSave { LogObject, WindowText, WindowRichText, WindowPrintToPdf };

class LogSaveFaultTest : public ReportTest,
                         public ::testing::WithParamInterface<std::tuple<LogSave, testsupport::WriteFault>> {
protected:
    // True when the failure reached the caller: FALSE from the log object, the message from the
    // window.
    bool SaveReportsFailure(LogSave how, const QString& file) {
        if (how == LogSave::LogObject)
            return !log.SaveFile(file);
        if (how == LogSave::WindowPrintToPdf) {
            printing::ProgramPrinter::Instance().PrintToFile(file);
            log.Form().cmdPrint_Click();
            const auto& boxes = msgbox::ShownBoxes();
            return !boxes.empty() && boxes.back().prompt == "Error in printing the log";
        }
        chosenName = file;
        chosenFilter = how == LogSave::WindowRichText ? 3 : 2;
        answer = msgbox::vbYes;
        log.Form().cmdFile_Click();
        const auto& boxes = msgbox::ShownBoxes();
        return !boxes.empty() && boxes.back().prompt == "Error in saving file " + file;
    }
};

TEST_P(LogSaveFaultTest, FailureIsReportedAndThePreviousFileStays) {
    const auto [how, fault] = GetParam();
    if (!testsupport::CanMake(fault))
        GTEST_SKIP() << "folder permissions do not bind root";
    const QByteArray previous(1920, 'p');
    ASSERT_TRUE(testsupport::WriteBytes(path("report.rtf"), previous));
    log.Title("  Dist     Frq    BaseH");
    log.AddTitle();
    addReportLine(log);
    bool reported = false;
    {
        testsupport::WriteFaultScope scope(fault, dir.path());
        reported = SaveReportsFailure(how, path("report.rtf"));
    }
    EXPECT_TRUE(reported);
    EXPECT_EQ(testsupport::FileBytes(path("report.rtf")), previous);
    EXPECT_EQ(testsupport::FolderEntries(dir.path()), QStringList{"report.rtf"});
}

std::string LogSaveCaseName(const ::testing::TestParamInfo<LogSaveFaultTest::ParamType>& info) {
    const char* saves[] = {"LogObject", "WindowText", "WindowRichText", "WindowPrintToPdf"};
    return std::string(saves[int(std::get<0>(info.param))]) + testsupport::FaultName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Faults, LogSaveFaultTest,
                         ::testing::Combine(::testing::Values(LogSave::LogObject, LogSave::WindowText,
                                                              LogSave::WindowRichText,
                                                              LogSave::WindowPrintToPdf),
                                            ::testing::ValuesIn(testsupport::kWriteFaults)),
                         LogSaveCaseName);

// Printing.

TEST_F(ReportTest, PrintGoesToThePrinterInLandscapeWithTheLogFace) {
    auto& printer = printing::ProgramPrinter::Instance();
    printer.SetOrientation(printing::vbPRORPortrait);
    printer.PrintToFile(path("log.pdf"));
    addReportLine(log);
    log.Form().cmdPrint->click();
    EXPECT_TRUE(testsupport::FileBytes(path("log.pdf")).startsWith("%PDF"));
    EXPECT_EQ(printer.Orientation(), printing::vbPRORLandscape);
    EXPECT_EQ(printer.FontName(), "Courier New");
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

TEST_F(ReportTest, PrintMenuItemPrintsToo) {
    printing::ProgramPrinter::Instance().PrintToFile(path("menu.pdf"));
    log.AddLine("x");
    log.Form().mnuFilePrint->trigger();
    EXPECT_TRUE(QFile::exists(path("menu.pdf")));
}

// A device that keeps what is painted on it: each text with its font and page, and whatever else.
// The image gives it a size and a screen's resolution.
class PrintRecorder : public QImage {
public:
    struct Text {
        int page;
        double baseline;
        QString text;
        QFont font;
    };
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++others; }
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
            ++others;
        }
        void drawRects(const QRectF*, int) override { ++others; }
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            texts.push_back(Text{page, p.y(), item.text(), item.font()});
        }
        Type type() const override { return QPaintEngine::User; }
        std::vector<Text> texts;
        int page = 0;
        int others = 0;
    };
    PrintRecorder() : QImage(1200, 200, QImage::Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable Engine engine;
};

// The print is the log's plain text after an empty line: no bold, italic or underline, no pictures,
// a line break inside a line of the log as two printed lines, and no line split between pages.
TEST_F(ReportTest, PrintSendsAnEmptyLineThenThePlainText) {
    log.Title("  Dist     Frq");
    log.AddTitle();
    addReportLine(log);
    QApplication::clipboard()->setImage(graphPicture());
    log.PasteClipboard();
    log.AddLine("[Clip Board Image]");
    log.Italic(true);
    log.AddLine(QStringLiteral("one\u2028two"));
    log.Italic(false);
    std::vector<QString> expected = {"  Dist     Frq",
                                     "      10     450     100     1.5 Urban     Small/Medium 146.21  150.03 "
                                     "  53.19  50% 50% Metric",
                                     "[Clip Board Image]", "one", "two"};
    for (int i = 0; i < 40; ++i) {
        log.AddLine(QString::number(i));
        expected.push_back(QString::number(i));
    }
    PrintRecorder device;
    QPainter painter(&device);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    painter.setFont(font);
    const QRectF body(10, 10, 1180, 180);
    const auto newPage = [&device] { return ++device.engine.page < 100; };
    ASSERT_EQ(PaintLogPages(log.Form().Text(), painter, body, newPage), PrintEnd::Printed);
    const QFontMetricsF metrics(painter.font(), &device);
    const auto& texts = device.engine.texts;
    std::vector<QString> printed;
    for (const auto& t : texts)
        printed.push_back(t.text);
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(device.engine.others, 0) << "no pictures, no underlines";
    EXPECT_NEAR(texts[0].baseline, body.top() + metrics.height() + metrics.ascent(), 0.5);
    EXPECT_GE(device.engine.page, 2);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_FALSE(texts[i].font.bold() || texts[i].font.italic() || texts[i].font.underline()) << i;
        EXPECT_LE(texts[i].baseline + metrics.descent(), body.bottom()) << i;
        if (i > 0 && texts[i].page != texts[i - 1].page) {
            EXPECT_NEAR(texts[i].baseline, body.top() + metrics.ascent(), 0.5) << i;
        }
    }
}

TEST_F(ReportTest, ALongLogPrintsOnPagesOfItsOwn) {
    for (int i = 0; i < 300; ++i)
        addReportLine(log);
    printing::ProgramPrinter::Instance().PrintToFile(path("long.pdf"));
    log.Form().cmdPrint_Click();
    const QByteArray pdf = testsupport::FileBytes(path("long.pdf"));
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 4)
        << "300 lines";
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

// A print of many thousand lines takes seconds: it shows its progress, and Cancel ends it with
// nothing printed and nothing to tell.
TEST_F(ReportTest, ALongPrintShowsItsProgressAndCancelPrintsNothing) {
    const QString line(140, QLatin1Char('x'));
    for (int i = 0; i < 100000; ++i)
        log.AddLine(line);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* progress = log.Form().findChild<QProgressDialog*>("printProgress");
        ASSERT_NE(progress, nullptr);
        shown = progress->isVisible() && progress->value() > 0;
        progress->cancel();
    });
    printing::ProgramPrinter::Instance().PrintToFile(path("long.pdf"));
    log.Form().cmdPrint_Click();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(QFile::exists(path("long.pdf")));
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

// With no printer on the machine the PDF file printer prints: it asks for its file each time, and
// a cancelled question prints nothing and tells nothing.
TEST_F(ReportTest, ThePdfFilePrinterAsksForItsFile) {
    auto& printer = printing::ProgramPrinter::Instance();
    ASSERT_TRUE(printer.Select("PDF File"));
    log.AddLine("x");
    pdfAnswer = path("asked.pdf");
    log.Form().cmdPrint_Click();
    EXPECT_EQ(pdfQuestions, 1);
    EXPECT_TRUE(testsupport::FileBytes(path("asked.pdf")).startsWith("%PDF"));
    pdfAnswer.clear();
    log.Form().cmdPrint_Click();
    EXPECT_EQ(pdfQuestions, 2);
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"asked.pdf"});
}

TEST_F(ReportTest, PrintOnAPrinterThatIsNotThereSaysSo) {
    ASSERT_TRUE(printing::ProgramPrinter::Instance().Select("Office"));
    log.AddLine("x");
    log.Form().cmdPrint_Click();
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, "No printer is available. Choose one with Printer Setup.");
}

TEST_F(ReportTest, PrintThatFailsSaysSo) {
    printing::ProgramPrinter::Instance().PrintToFile(path("missing/log.pdf"));
    log.AddLine("x");
    log.Form().cmdPrint_Click();
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, "Error in printing the log");
}

// Printer selection.

TEST_F(ReportTest, PrinterSelectionListsThePrintersAndShowsTheCurrentOne) {
    auto& printer = printing::ProgramPrinter::Instance();
    ASSERT_TRUE(printer.Select("Plotter"));
    frmPrinterSelect w;
    EXPECT_EQ(w.windowTitle(), "Printer Selection");
    ASSERT_EQ(w.cboPrinterNames->count(), 4);
    EXPECT_EQ(w.cboPrinterNames->itemText(1), "Plotter");
    EXPECT_EQ(w.cboPrinterNames->itemText(3), "PDF File");
    EXPECT_EQ(w.cboPrinterNames->currentText(), "Plotter");
}

TEST_F(ReportTest, SelectPrinterMakesTheChosenPrinterTheProgramsAndCloses) {
    auto& printer = printing::ProgramPrinter::Instance();
    ASSERT_TRUE(printer.Select("Plotter"));
    frmPrinterSelect w;
    w.show();
    w.cboPrinterNames->setCurrentIndex(0);
    w.cmdSelect->click();
    EXPECT_EQ(printer.DeviceName(), "Office");
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ReportTest, PrinterSetupMenuItemOpensTheSelectionOverTheReportWindow) {
    auto& printer = printing::ProgramPrinter::Instance();
    ASSERT_TRUE(printer.Select("Office"));
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        auto* w = qobject_cast<frmPrinterSelect*>(QApplication::activeModalWidget());
        if (w == nullptr)
            return;
        owner = w->parentWidget();
        w->cboPrinterNames->setCurrentIndex(1);
        w->cmdSelect->click();
    });
    log.Form().mnuFilePrinterSetup->trigger();
    EXPECT_EQ(owner, &log.Form());
    EXPECT_EQ(printer.DeviceName(), "Plotter");
}

TEST_F(ReportTest, SelectingAPrinterThatIsGoneLeavesTheCurrentOne) {
    auto& printer = printing::ProgramPrinter::Instance();
    ASSERT_TRUE(printer.Select("Plotter"));
    frmPrinterSelect w;
    w.cboPrinterNames->setCurrentIndex(0);
    printing::ProgramPrinter::SetTestPrinterNames(QStringList{"Plotter"});
    w.cmdSelect_Click();
    EXPECT_EQ(printer.DeviceName(), "Plotter");
}

} // namespace
