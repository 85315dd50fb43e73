#pragma once
// Where a legend's entries go. A legend shows every entry: when they do not fit its box in one
// column (one row for a horizontal legend) at the line step they first get, the step gets tighter,
// then they go to more columns (rows), then the text gets smaller; only when nothing fits does the
// frame grow past the box. Nothing is cut off.

#include <QRectF>
#include <QSizeF>
#include <vector>

namespace kestran {

struct LegendLayout {
    int rows = 0;
    int columns = 0;
    double scale = 1.0; // of the font, the samples and the gaps
    double step = 0.0;  // pixels from one row to the next
    std::vector<double> columnWidths;
    double columnGap = 0.0;
    QSizeF size; // the entries with their padding

    // Row and column of entry k: vertical legends fill columns first, horizontal ones rows.
    int Row(int k, bool horizontal) const { return horizontal ? k / columns : k % rows; }
    int Column(int k, bool horizontal) const { return horizontal ? k % columns : k / rows; }
};

// widths: each entry's sample, gap and text at the legend's font; lineHeight: that font's line.
LegendLayout LayOutLegend(const std::vector<double>& widths, double lineHeight, const QSizeF& box,
                          bool horizontal, double padding);

// The frame drawn for a legend laid out in `box` inside `window`. A box far larger than its entries
// (more than half again as wide or high as they need) would draw a big empty frame: that side
// shrinks to the entries, keeping the box's edge nearest the window's edge (a legend in the top
// right corner stays there). A frame grows past the box only when the entries cannot fit it.
QRectF LegendFrame(const QRectF& box, const QSizeF& needed, const QRectF& window);

} // namespace kestran
