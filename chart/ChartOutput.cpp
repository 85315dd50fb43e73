#include "ChartOutput.h"

#include "ChartView.h"
#include "ControlPersistence.h"
#include "GraphHolder.h"
#include "ZENTModuleState.h"

#include "MessageBox.h"
#include "PdfFile.h"

#include <QFile>
#include <QPrinter>
#include <QWidget>

namespace zent {

ChartOutput::ChartOutput(QWidget& widget, CGraphHolder& holder, const ChartView& view,
                         chart::ChartFileHooks hooks)
    : widget_(widget), holder_(holder), view_(view), hooks_(std::move(hooks)) {}

bool ChartOutput::SavePageMeta(int type, const QString& fileName) {
    BindEngine();
    const QByteArray name = QFile::encodeName(fileName);
    return EngineSavePageMetafile(view_.Page(), type, name.isEmpty() ? nullptr : name.constData()) != 0;
}

bool ChartOutput::CopyToClipboard() {
    const EngineHandle page = view_.Page();
    return page != 0 && EngineIsPageReady(page) != 0 && EngineCopyPageToClipboard(page) != 0;
}

// A PDF file printer asks for its file first; a cancelled question prints nothing and tells
// nothing.
void ChartOutput::PrintPage() {
    BindEngine();
    QPrinter* printer = EngineGetPrinter();
    if (!printer) {
        msgbox::MsgBox(QStringLiteral("The graph cannot be printed: there is no printer."),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QString(), &widget_);
        return;
    }
    QString file;
    if (printing::IsPdfFilePrinter(*printer) && printer->outputFileName().isEmpty()) {
        file = QString::fromStdString(EngineAskPrintFile(&widget_));
        if (file.isEmpty())
            return;
        printer->setOutputFileName(file);
    }
    const bool printed = PrintWithSettings();
    if (!file.isEmpty())
        printer->setOutputFileName(QString());
    if (!printed)
        msgbox::MsgBox(QStringLiteral("The graph could not be printed") +
                           (file.isEmpty() ? QString() : QStringLiteral(" to ") + file) + QLatin1Char('.'),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QString(), &widget_);
}

bool ChartOutput::PrintWithSettings() {
    const chart::CChartModel& m = holder_.Model();
    EngineSetPrintOptions(m.PrintGraphBackground, m.PrintPlotBackground, m.PrintBorder,
                          m.PrintMaintainAspectRatio, m.PrintStyle, m.PrintLeft, m.PrintTop);
    if (m.PrintStyle >= 0 && m.PrintStyle <= 2) {
        return EnginePrintPage(holder_.Page) != 0;
    }
    return EnginePrintPageAt(holder_.Page, m.PrintLeft, m.PrintTop, m.PrintRight, m.PrintBottom) != 0;
}

void ChartOutput::PrinterSetup() {
    EnginePrinterSetup(nullptr);
}

bool ChartOutput::LoadFromFile(const QString& path) {
    chart::ControlExtent extent;
    return chart::LoadFromFile(holder_.Model(), path, hooks_, &extent);
}

bool ChartOutput::SaveToFile(const QString& path) {
    return chart::SaveToFile(holder_.Model(), ExtentOf(widget_), path);
}

} // namespace zent
