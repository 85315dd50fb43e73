#include "ReportPrintFont.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QPrinter>

namespace {

// A printed document keeps 2 cm on either side of its text.
constexpr double kPrintMarginInches = 2 / 2.54;
// Room for the rounding of a face's advances at the printer's resolution.
constexpr double kSafety = 0.98;

} // namespace

double PrintedPointSize(const QPrinter& printer, const QFont& font, int columns) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 8.25;
    QPrinter& device = const_cast<QPrinter&>(printer);
    const double width = printer.pageLayout().paintRectPixels(printer.resolution()).width() -
                         2 * kPrintMarginInches * device.logicalDpiX();
    const double needed = columns * QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('M'));
    if (width <= 0 || needed <= 0 || needed <= width * kSafety)
        return points;
    return points * width * kSafety / needed;
}
