#pragma once
// The PDF file printer: what the platform offers as "print to a file", so that printing works on a
// machine with no printer. Pages are laid out as the printer's (size, orientation, margins,
// resolution) and written to the file whole or not at all.

#include <functional>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QString>

namespace printing {

// How the PDF file printer appears in the printer lists.
inline constexpr const char* kPdfPrinterName = "PDF File";

// Whether the printer prints to a PDF file rather than a device.
inline bool IsPdfFilePrinter(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat;
}

// Paints the pages on a PDF device laid out as `layout`, then replaces `path` with the file. A
// `paint` that fails, or a file that cannot be written, gives false and leaves an existing file
// as it was. `paint` must end its painter before it returns.
bool PrintPdfFile(const QPrinter& layout, const QString& path,
                  const std::function<bool(QPagedPaintDevice&)>& paint);

} // namespace printing
