// Tarvek: the main window prepares everything in its load handler and keeps what lasts in its
// unload handler; the entry point only starts the windowing and shows that window.

#include "FrmPrintOut.h"
#include "GraphFormRegistration.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ProgramState.h"
#include "ReportLog.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvek"));
    msgbox::SetProgramTitle(program::Title());
    // The graph windows create the chart control by ProgID: it must lead to the one shipped here.
    PrepareChartControl(QCoreApplication::applicationDirPath());
    int result = 0;
    {
        MainForm form;
        form.Form_Load();
        form.show();
        result = QApplication::exec();
    }
    FrmPrintOut::Destroy();
    DestroyReportLog();
    return result;
}
