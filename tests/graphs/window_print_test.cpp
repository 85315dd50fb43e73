// The graph printing dialog, reached from the graph windows.

#include "window_fixture.h"

#include "FrmOkumFieldStrength.h"
#include "FrmPrintOut.h"
#include "GraphForm.h"
#include "Kestran.h"
#include "ProgramPrinter.h"
#include "ProgramState.h"

#include <functional>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>

namespace {

class PrintDialogTest : public GraphWindowTest {
protected:
    void SetUp() override {
        GraphWindowTest::SetUp();
        printing::ProgramPrinter::Instance().SetOrientation(printing::vbPRORPortrait);
    }
    // Runs the actions on the print dialog once it shows, then presses one of its buttons.
    void WhenShown(std::function<void(FrmPrintOut&)> actions) {
        QTimer::singleShot(0, [actions] {
            if (auto* dialog = qobject_cast<FrmPrintOut*>(QApplication::activeModalWidget()))
                actions(*dialog);
        });
    }
};

TEST_F(PrintDialogTest, PrintsTheWindowsChartToTheProgramPrinter) {
    const QString pdf = tempDir() + QStringLiteral("/graph.pdf");
    printing::ProgramPrinter::Instance().PrintToFile(pdf);
    GraphForm w;
    w.Form_Load();
    w.show(); // the chart's page comes with its first paint
    QApplication::processEvents();
    bool shown = false;
    WhenShown([&](FrmPrintOut& dialog) {
        shown = true;
        EXPECT_EQ(program::PrintChart, w.chart());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print Graph"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    w.ui().cmdPrintGraph->click();
    EXPECT_TRUE(shown);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_GT(file.size(), 1000);
}

// On a machine with no printer the program's PDF file printer prints the chart: the chart asks for
// the file through the program's question.
TEST_F(PrintDialogTest, ThePdfFilePrinterAsksForTheFileOfTheChart) {
    auto& printer = printing::ProgramPrinter::Instance();
    ASSERT_TRUE(printer.Select(QString::fromLatin1(printing::kPdfPrinterName)));
    const QString pdf = tempDir() + QStringLiteral("/asked.pdf");
    int asked = 0;
    printing::ProgramPrinter::SetFileChooser([&](QWidget*) {
        ++asked;
        return pdf;
    });
    GraphForm w;
    w.Form_Load();
    w.show();
    QApplication::processEvents();
    WhenShown([](FrmPrintOut& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    w.ui().cmdPrintGraph->click();
    printing::ProgramPrinter::SetFileChooser(nullptr);
    EXPECT_EQ(asked, 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_TRUE(printer.Printer().outputFileName().isEmpty()) << "the next print asks again";
}

TEST_F(PrintDialogTest, SetupLeavesLandscapeUntilTheDialogIsClosedByItsBox) {
    bool setupShown = false;
    GraphForm w;
    w.Form_Load();
    EngineSetPrinterSetupHook([&](QPrinter&, void*) {
        setupShown = true;
        return true;
    });
    WhenShown([](FrmPrintOut& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("cmdPrintSetup"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    w.mnuFilePrint_Click();
    EXPECT_TRUE(setupShown);
    EXPECT_EQ(printing::ProgramPrinter::Instance().Orientation(), printing::vbPRORLandscape);
    EXPECT_EQ(FrmPrintOut::Instance().SavedOrientation(), printing::vbPRORPortrait);

    WhenShown([](FrmPrintOut& dialog) { dialog.close(); });
    w.mnuFilePrint_Click();
    EXPECT_EQ(printing::ProgramPrinter::Instance().Orientation(), printing::vbPRORPortrait);
}

TEST_F(PrintDialogTest, EachOpeningPrintsTheChartOfTheWindowThatOpensIt) {
    GraphForm loss;
    loss.Form_Load();
    WhenShown([](FrmPrintOut& dialog) { dialog.cmdOK_Click(); });
    loss.cmdPrintGraph_Click();
    program::GraphModel = 4;
    FrmOkumFieldStrength strength;
    strength.Form_Load();
    automation::IDispatch* printed = nullptr;
    WhenShown([&](FrmPrintOut& dialog) {
        printed = program::PrintChart;
        dialog.cmdOK_Click();
    });
    strength.cmdPrintGraph_Click();
    EXPECT_EQ(printed, strength.chart());
    EXPECT_NE(printed, loss.chart());
}

TEST_F(PrintDialogTest, AClosedWindowLeavesNoChartToPrint) {
    {
        GraphForm w;
        w.Form_Load();
        program::PrintChart = w.chart();
    }
    EXPECT_EQ(program::PrintChart, nullptr);
}

} // namespace
