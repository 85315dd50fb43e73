#pragma once
// The report log and its window over a temporary folder, with the file, message and printer
// questions answered by the test.

#include "DocumentRuns.h"
#include "FrmReport.h"
#include "MessageBox.h"
#include "ProgramPrinter.h"
#include "ReportLogView.h"
#include "RLogClass.h"
#include "WriteFaults.h"

#include <gtest/gtest.h>
#include <optional>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <QTextDocument>
#include <string>
#include <vector>

// The log's runs, pictures as "[pict]".
inline std::vector<std::string> runsOf(const QTextDocument& doc) {
    return testsupport::RunsOf(doc, testsupport::PictureNotation::Plain);
}
QImage graphPicture();
// One report line with its two out-of-range results underlined, as the calculation appends it.
void addReportLine(RLogClass& log);

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        msgbox::ClearShownBoxes();
        msgbox::SetTestAnswerer([this](const msgbox::ShownBox&) { return answer; });
        FrmReport::SetTestFileChooser([this](FrmReport::SaveDialogState& s) {
            if (!chosenName)
                return false;
            s.fileName = *chosenName;
            s.filterIndex = chosenFilter;
            return true;
        });
        printing::ProgramPrinter::SetTestPrinterNames(QStringList{"Office", "Plotter", "Office"});
        printing::ProgramPrinter::SetFileChooser([this](QWidget*) {
            ++pdfQuestions;
            return pdfAnswer;
        });
    }
    void TearDown() override {
        msgbox::SetTestAnswerer(nullptr);
        FrmReport::SetTestFileChooser(nullptr);
        printing::ProgramPrinter::SetTestPrinterNames(std::nullopt);
        printing::ProgramPrinter::SetFileChooser(nullptr);
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTextDocument& doc() { return log.Form().Document(); }
    QString text() { return doc().toPlainText(); }
    std::vector<std::string> runs() { return runsOf(doc()); }

    QTemporaryDir dir;
    RLogClass log;
    int answer = 0;
    std::optional<QString> chosenName;
    int chosenFilter = 2;
    QString pdfAnswer; // the PDF file printer's file; "" cancels
    int pdfQuestions = 0;
};
