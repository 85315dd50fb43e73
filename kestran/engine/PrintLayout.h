#pragma once
// Where a page lands on the printed paper for each print style.

#include <QRectF>
#include <QSizeF>

namespace kestran {

struct PrintPlacement {
    int style = 0; // codes::PrintStyle
    bool keepAspect = false;
    double left = 0.0, top = 0.0, right = 1.0, bottom = 1.0; // fractions of the printable area
};

// paper: the printable area in device pixels; page: the page in screen pixels; dpi: the device's.
// An empty result means there is nothing sensible to print into.
QRectF PrintTarget(const PrintPlacement& placement, const QRectF& paper, const QSizeF& page, double dpi);

} // namespace kestran
