#include "ProgramPrinter.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinterInfo>

namespace printing {
namespace {

std::optional<QStringList>& testNames() {
    static std::optional<QStringList> names;
    return names;
}

ProgramPrinter::FileChooser& fileChooser() {
    static ProgramPrinter::FileChooser chooser;
    return chooser;
}

QStringList DevicePrinters() {
    return testNames() ? *testNames() : QPrinterInfo::availablePrinterNames();
}

} // namespace

ProgramPrinter::ProgramPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_fontName = QStringLiteral("Arial");
    const QString device = testNames() ? testNames()->value(0) : QPrinterInfo::defaultPrinterName();
    if (device.isEmpty() || !Select(device))
        Select(QLatin1String(kPdfPrinterName));
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
    return DevicePrinters() << QLatin1String(kPdfPrinterName);
}

bool ProgramPrinter::Select(const QString& deviceName) {
    if (!PrinterNames().contains(deviceName))
        return false;
    m_deviceName = deviceName;
    if (deviceName == QLatin1String(kPdfPrinterName)) {
        PrintToFile(QString());
        return true;
    }
    m_toFile = false;
    // A device the platform does not know (any more) stays unusable rather than printing elsewhere.
    if (!QPrinterInfo::printerInfo(deviceName).isNull()) {
        m_printer->setOutputFileName(QString());
        m_printer->setOutputFormat(QPrinter::NativeFormat);
        m_printer->setPrinterName(deviceName);
    }
    return true;
}

void ProgramPrinter::PrintToFile(const QString& pdfPath) {
    m_toFile = true;
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
}

bool ProgramPrinter::IsUsable() const {
    if (m_toFile)
        return IsPdfFilePrinter(*m_printer);
    return m_printer->isValid() && m_printer->printerName() == m_deviceName &&
           QPrinterInfo::availablePrinterNames().contains(m_deviceName);
}

PrintResult ProgramPrinter::PrintDocument(const QTextDocument& doc, QWidget* owner) {
    return PrintPages(
        [&doc](QPagedPaintDevice& device) {
            doc.print(&device);
            return true;
        },
        owner);
}

PrintResult ProgramPrinter::PrintPages(const PagePainter& paint, QWidget* owner) {
    if (!IsUsable())
        return PrintResult::NoPrinter;
    if (IsPdfFilePrinter(*m_printer)) {
        QString path = m_printer->outputFileName();
        if (path.isEmpty())
            path = AskPdfFile(owner);
        if (path.isEmpty())
            return PrintResult::Cancelled;
        return PrintPdfFile(*m_printer, path, paint) ? PrintResult::Printed : PrintResult::Failed;
    }
    const bool painted = paint(*m_printer);
    return painted && m_printer->printerState() != QPrinter::Error ? PrintResult::Printed
                                                                   : PrintResult::Failed;
}

void ProgramPrinter::SetFileChooser(FileChooser chooser) {
    fileChooser() = std::move(chooser);
}

QString ProgramPrinter::AskPdfFile(QWidget* owner) {
    if (fileChooser())
        return fileChooser()(owner);
    QString path = QFileDialog::getSaveFileName(owner, QStringLiteral("Print to PDF File"), QString(),
                                                QStringLiteral("PDF Files (*.pdf *.PDF)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return path;
}

void ProgramPrinter::SetTestPrinterNames(std::optional<QStringList> names) {
    testNames() = std::move(names);
}

} // namespace printing
