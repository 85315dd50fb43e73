#include "EngineCodes.h"
#include "Render.h"

#include <algorithm>

namespace kestran {

namespace {

// The plots a legend's lines pair with, in order.
std::vector<std::pair<const PlotRecord*, int>> Entries(const LegendRecord& l, const GraphRecord& g) {
    std::vector<std::pair<const PlotRecord*, int>> out;
    if (l.group) {
        for (const PlotRecord& p : g.plots) {
            if (p.handle == l.plot) {
                const int groups =
                    int(p.kind == PlotKind::Pie ? p.values.size() : std::max(p.colors.size(), size_t(1)));
                for (int k = 0; k < groups; ++k) {
                    out.push_back({&p, k});
                }
            }
        }
        return out;
    }
    for (const PlotRecord& p : g.plots) {
        if (IsSimplePlot(p.kind)) {
            out.push_back({&p, -1});
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return a.first->datasetSerial < b.first->datasetSerial;
    });
    return out;
}

} // namespace

void DrawLegend(const LegendRecord& l, const GraphRecord& g, const GraphFrame& f, Canvas& canvas) {
    const QRectF box(f.window.left() + l.box.left() * f.window.width(),
                     f.window.top() + l.box.top() * f.window.height(), l.box.width() * f.window.width(),
                     l.box.height() * f.window.height());
    const int thickness = std::clamp(l.borderThickness, 0, 50);
    canvas.SetPen(thickness > 0 ? PenSpec{l.borderColor, thickness, codes::PenSolid}
                                : PenSpec{0, 0, codes::PenNull});
    canvas.SetBrush(BrushSpec{l.background, -1, false, false});
    canvas.Rectangle(box);

    size_t count = l.lines.size();
    while (count > 0 && l.lines[count - 1].isEmpty()) {
        --count;
    }
    if (count == 0) {
        return;
    }
    const auto entries = Entries(l, g);
    canvas.SetFont(l.font);
    const double rowHeight = std::max(canvas.TextSize(QStringLiteral("Xg")).height() * 1.2, 8.0);
    const double sampleWidth = 24.0;
    const double pad = 4.0 + thickness;
    const double even = (box.width() - 2 * pad) / double(count);
    double x = box.left() + pad;
    for (size_t k = 0; k < count; ++k) {
        QRectF cell;
        if (l.horizontal) { // evenly spread, but never narrower than the entry itself
            const double w = std::max(even, sampleWidth + 12 + canvas.TextSize(l.lines[k]).width());
            cell = QRectF(x, box.top() + pad, w, rowHeight);
            x += w;
        } else {
            cell = QRectF(box.left() + pad, box.top() + pad + rowHeight * double(k), box.width() - 2 * pad,
                          rowHeight);
        }
        if (cell.bottom() > box.bottom() + 0.5 || (k > 0 && cell.left() + sampleWidth > box.right())) {
            break; // no room: the box decides how many entries show
        }
        const QRectF sample(cell.left(), cell.top() + 2, sampleWidth, rowHeight - 4);
        if (k < entries.size()) {
            DrawPlotSample(*entries[k].first, entries[k].second, sample, canvas);
        }
        canvas.SetFont(l.font);
        canvas.Text(QPointF(sample.right() + 4, cell.center().y()), l.lines[k],
                    codes::AnchorLeft | codes::AnchorVCentre);
    }
}

} // namespace kestran
