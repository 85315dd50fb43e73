#include "render/LegendLayout.h"

#include <algorithm>
#include <cmath>

namespace kestran {

namespace {

constexpr double kSteps[] = {1.2, 1.0}; // line steps, as multiples of the line height
constexpr double kScales[] = {1.0, 0.9,
                              0.8}; // smaller text only when nothing else fits, and never unreadably small
constexpr double kColumnGap = 10.0;
constexpr double kFarLarger = 1.5;

LegendLayout Arrange(const std::vector<double>& widths, double lineHeight, bool horizontal, double padding,
                     int lines, double scale, double step) {
    const int n = int(widths.size());
    LegendLayout l;
    l.scale = scale;
    l.step = lineHeight * scale * step;
    l.columnGap = kColumnGap * scale;
    if (horizontal) {
        l.rows = lines;
        l.columns = (n + lines - 1) / lines;
    } else {
        l.columns = lines;
        l.rows = (n + lines - 1) / lines;
    }
    l.columnWidths.assign(size_t(l.columns), 0.0);
    for (int k = 0; k < n; ++k) {
        double& w = l.columnWidths[size_t(l.Column(k, horizontal))];
        w = std::max(w, widths[size_t(k)] * scale);
    }
    double width = 2 * padding + l.columnGap * (l.columns - 1);
    for (double w : l.columnWidths) {
        width += w;
    }
    l.size = QSizeF(width, 2 * padding + l.step * l.rows);
    return l;
}

bool Fits(const QSizeF& need, const QSizeF& box) {
    return need.width() <= box.width() + 0.5 && need.height() <= box.height() + 0.5;
}

} // namespace

LegendLayout LayOutLegend(const std::vector<double>& widths, double lineHeight, const QSizeF& box,
                          bool horizontal, double padding) {
    const int n = int(widths.size());
    if (n == 0) {
        return Arrange(widths, lineHeight, horizontal, padding, 1, 1.0, kSteps[0]);
    }
    LegendLayout best;
    double bestOverflow = INFINITY;
    for (double scale : kScales) {
        for (int lines = 1; lines <= n; ++lines) {
            // More columns (rows) than needed to hold the entries change nothing.
            if (lines > 1 && (n + lines - 2) / (lines - 1) == (n + lines - 1) / lines) {
                continue;
            }
            for (double step : kSteps) {
                const LegendLayout l = Arrange(widths, lineHeight, horizontal, padding, lines, scale, step);
                if (Fits(l.size, box)) {
                    return l;
                }
                const double overflow = std::max(l.size.width() / std::max(box.width(), 1.0),
                                                 l.size.height() / std::max(box.height(), 1.0));
                if (overflow < bestOverflow) {
                    bestOverflow = overflow;
                    best = l;
                }
            }
        }
    }
    return best;
}

QRectF LegendFrame(const QRectF& box, const QSizeF& needed, const QRectF& window) {
    auto side = [](double boxLo, double boxHi, double need, double windowMid) {
        const double size = boxHi - boxLo;
        const double frame = need > size || size > kFarLarger * need ? need : size;
        // The edge nearer the window's edge stays where the box has it.
        return (boxLo + boxHi) / 2 > windowMid ? std::pair{boxHi - frame, boxHi}
                                               : std::pair{boxLo, boxLo + frame};
    };
    const auto [left, right] = side(box.left(), box.right(), needed.width(), window.center().x());
    const auto [top, bottom] = side(box.top(), box.bottom(), needed.height(), window.center().y());
    QRectF frame(QPointF(left, top), QPointF(right, bottom));
    // A frame that grew keeps inside the window where it can.
    if (frame.width() <= window.width()) {
        frame.moveLeft(std::clamp(frame.left(), window.left(), window.right() - frame.width()));
    }
    if (frame.height() <= window.height()) {
        frame.moveTop(std::clamp(frame.top(), window.top(), window.bottom() - frame.height()));
    }
    return frame;
}

} // namespace kestran
