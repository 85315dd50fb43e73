#include "PdfPrintJob.h"

#include "AtomicFile.h"

#include <QDir>

namespace files {

PdfPrintJob::PdfPrintJob(QPrinter& printer)
    : printer_(printer), temporary_(QDir::tempPath() + QStringLiteral("/tarvek-print-XXXXXX.pdf")) {
    if (printer_.outputFormat() != QPrinter::PdfFormat || printer_.outputFileName().isEmpty()) {
        return;
    }
    target_ = printer_.outputFileName();
    const bool made = temporary_.open();
    temporary_.close();
    // Without a temporary file the job is sent to a folder, which it cannot open, so it fails.
    printer_.setOutputFileName(made ? temporary_.fileName() : QDir::tempPath());
}

PdfPrintJob::~PdfPrintJob() {
    if (!target_.isEmpty()) {
        printer_.setOutputFileName(target_);
    }
}

bool PdfPrintJob::Finish() {
    if (target_.isEmpty()) {
        return true;
    }
    printer_.setOutputFileName(target_);
    QFile printed(temporary_.fileName());
    if (!printed.exists() || !printed.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = printed.readAll();
    // A PDF ends with its end-of-file marker; a document cut short does not.
    const bool complete = printed.error() == QFileDevice::NoError && bytes.trimmed().endsWith("%%EOF");
    return complete && WriteFileAtomically(target_, bytes);
}

} // namespace files
