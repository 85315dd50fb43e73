#pragma once
// Prints the report log as the window's "Print" does: an empty line, then the log's plain text in
// one face (no bold, italic, underline or pictures), between margins of 2 cm. A line of the log
// that holds a line break prints as the lines it shows. A log of the largest size prints in the
// memory of one line, not of a document of every line.

#include "ReportLogText.h"

#include <functional>
#include <QFont>

class QPagedPaintDevice;
class QPainter;
class QRectF;

enum class PrintEnd { Printed, Failed, Stopped };

// Told as each page is done how many of the log's lines went out; false stops the print.
using PrintProgress = std::function<bool(int linesDone, int lineCount)>;

// Paints the pages on the device in `font` (its face and size as printed). Failed when the device
// cannot be painted on or refuses a new page; Stopped when the progress said so, a printer's job
// then aborted.
PrintEnd PrintLog(const ReportLogText& text, QPagedPaintDevice& device, const QFont& font,
                  const PrintProgress& progress = {});

// The same on any painter, in its font: `body` is each page's text area and `newPage` starts the
// next page (false: refused).
PrintEnd PaintLogPages(const ReportLogText& text, QPainter& painter, const QRectF& body,
                       const std::function<bool()>& newPage, const PrintProgress& progress = {});
