#pragma once
// Prints the report log page by page straight from its content, as the window's "Print" does: an
// empty line, then every line with its bold, italic and underline runs and its pictures, between
// margins of 2 cm, a page number at the foot of each page. A log of the largest size prints in
// the memory of a page, not of a document of every line.

#include "ReportLogText.h"

#include <QFont>
#include <vector>

class QPagedPaintDevice;

// The lines each page holds: the index of each page's first line, given every line's height, the
// height of the page's text area and of the empty line the print starts with. A line taller than
// a page has a page of its own.
std::vector<int> PageStarts(const std::vector<double>& lineHeights, double pageHeight, double firstLine);

// Paints the pages on the device in `font` (its face and size as printed). False when the device
// cannot be painted on or refuses a new page.
bool PrintLog(const ReportLogText& text, QPagedPaintDevice& device, const QFont& font);
