#pragma once
// A print job to a PDF file is written to a temporary file first, which replaces the chosen file
// through the atomic writer only once the document is complete. QPrinter writes its file directly
// and reports success even when a full disk cut it short, which would leave a broken file in place
// of the one that was there. Jobs for a printer device pass through untouched.

#include <QPrinter>
#include <QString>
#include <QTemporaryFile>

namespace files {

class PdfPrintJob {
public:
    // Call before the job begins.
    explicit PdfPrintJob(QPrinter& printer);
    // The printer keeps the chosen file name whatever happened.
    ~PdfPrintJob();
    PdfPrintJob(const PdfPrintJob&) = delete;
    PdfPrintJob& operator=(const PdfPrintJob&) = delete;

    // Call after the job ended: false when the chosen file could not be written whole (it is then
    // as it was). Always true for a printer device.
    bool Finish();

private:
    QPrinter& printer_;
    QString target_; // empty when the job goes to a device
    QTemporaryFile temporary_;
};

} // namespace files
