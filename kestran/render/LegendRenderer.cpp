#include "EngineCodes.h"
#include "render/LegendLayout.h"
#include "render/Render.h"

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
    size_t count = l.lines.size();
    while (count > 0 && l.lines[count - 1].isEmpty()) {
        --count;
    }
    const double pad = 4.0 + thickness;
    const double sampleWidth = 24.0, textGap = 4.0;
    canvas.SetFont(l.font);
    const double lineHeight = std::max(canvas.TextSize(QStringLiteral("Xg")).height(), 6.0);
    std::vector<double> widths;
    for (size_t k = 0; k < count; ++k) {
        widths.push_back(sampleWidth + textGap + canvas.TextSize(l.lines[k]).width());
    }
    const LegendLayout layout = LayOutLegend(widths, lineHeight, box.size(), l.horizontal, pad);
    const QRectF frame = count == 0 ? box : LegendFrame(box, layout.size, f.window);

    canvas.SetPen(thickness > 0 ? PenSpec{l.borderColor, thickness, codes::PenSolid}
                                : PenSpec{0, 0, codes::PenNull});
    canvas.SetBrush(BrushSpec{l.background, -1, false, false});
    canvas.Rectangle(frame);
    if (count == 0) {
        return;
    }
    const auto entries = Entries(l, g);
    FontSpec font = l.font;
    font.points *= layout.scale;
    std::vector<double> columnLeft(layout.columnWidths.size(), frame.left() + pad);
    for (size_t c = 1; c < columnLeft.size(); ++c) {
        columnLeft[c] = columnLeft[c - 1] + layout.columnWidths[c - 1] + layout.columnGap;
    }
    for (size_t k = 0; k < count; ++k) {
        const int row = layout.Row(int(k), l.horizontal);
        const double left = columnLeft[size_t(layout.Column(int(k), l.horizontal))];
        const double top = frame.top() + pad + layout.step * row;
        const double inset = std::min(2.0, layout.step / 4);
        const QRectF sample(left, top + inset, sampleWidth * layout.scale, layout.step - 2 * inset);
        if (k < entries.size()) {
            DrawPlotSample(*entries[k].first, entries[k].second, sample, canvas);
        }
        canvas.SetFont(font);
        canvas.Text(QPointF(sample.right() + textGap * layout.scale, top + layout.step / 2), l.lines[k],
                    codes::AnchorLeft | codes::AnchorVCentre);
    }
}

} // namespace kestran
