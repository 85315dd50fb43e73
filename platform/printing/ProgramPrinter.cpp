#include "ProgramPrinter.h"

#include "PdfPrintJob.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinterInfo>

namespace printing {
namespace {

std::optional<QStringList>& testNames() {
    static std::optional<QStringList> names;
    return names;
}

} // namespace

ProgramPrinter::ProgramPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_deviceName = testNames() ? testNames()->value(0) : QPrinterInfo::defaultPrinterName();
    m_fontName = QStringLiteral("Arial");
}

ProgramPrinter& ProgramPrinter::Instance() {
    static std::unique_ptr<ProgramPrinter> printer;
    if (!printer) {
        printer.reset(new ProgramPrinter);
        // A device printer needs the platform's print support, which goes with the application.
        qAddPostRoutine([] { printer.reset(); });
    }
    return *printer;
}

int ProgramPrinter::Orientation() const {
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape ? vbPRORLandscape : vbPRORPortrait;
}

void ProgramPrinter::SetOrientation(int orientation) {
    m_printer->setPageOrientation(orientation == vbPRORLandscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait);
}

QStringList ProgramPrinter::PrinterNames() {
    return testNames() ? *testNames() : QPrinterInfo::availablePrinterNames();
}

bool ProgramPrinter::Select(const QString& deviceName) {
    if (!PrinterNames().contains(deviceName))
        return false;
    m_deviceName = deviceName;
    if (!QPrinterInfo::printerInfo(deviceName).isNull()) {
        m_printer->setOutputFileName(QString());
        m_printer->setOutputFormat(QPrinter::NativeFormat);
        m_printer->setPrinterName(deviceName);
    }
    return true;
}

void ProgramPrinter::PrintToFile(const QString& pdfPath) {
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
}

bool ProgramPrinter::IsUsable() const {
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        return !m_printer->outputFileName().isEmpty();
    return m_printer->isValid() && !m_printer->printerName().isEmpty() &&
           QPrinterInfo::availablePrinterNames().contains(m_printer->printerName());
}

bool ProgramPrinter::PrintDocument(const QTextDocument& doc) {
    if (!IsUsable())
        return false;
    files::PdfPrintJob job(*m_printer);
    doc.print(m_printer.get());
    return m_printer->printerState() != QPrinter::Error && job.Finish();
}

void ProgramPrinter::SetTestPrinterNames(std::optional<QStringList> names) {
    testNames() = std::move(names);
}

} // namespace printing
