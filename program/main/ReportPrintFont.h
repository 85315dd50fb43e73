#pragma once
// The size at which the report log prints: its own size where a whole report line fits across
// the printer's page, smaller where the page is narrower (US Letter in landscape is 3 columns short
// of a line at the log's size).

#include <QFont>

class QPrinter;

// The point size for `font` at which `columns` characters fit the page's width between the
// margins a printed document keeps; never larger than the font's own size.
double PrintedPointSize(const QPrinter& printer, const QFont& font, int columns = 147);
