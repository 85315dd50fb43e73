#include "engine/PrintLayout.h"

#include "EngineCodes.h"

#include <algorithm>
#include <cmath>

namespace kestran {

namespace {

double Fraction(double v, double fallback) {
    return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : fallback;
}

// The largest rectangle of the page's shape inside area, centred.
QRectF Fit(const QRectF& area, const QSizeF& page) {
    const double scale = std::min(area.width() / page.width(), area.height() / page.height());
    const QSizeF size(page.width() * scale, page.height() * scale);
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

} // namespace

QRectF PrintTarget(const PrintPlacement& p, const QRectF& paper, const QSizeF& page, double dpi) {
    if (paper.isEmpty() || page.isEmpty() || !(dpi > 0) || !std::isfinite(dpi)) {
        return QRectF();
    }
    QRectF target;
    switch (p.style) {
    case codes::PrintProportionate:
        target = Fit(paper, page);
        break;
    case codes::PrintExact: {
        const double scale = dpi / 96.0;
        target = QRectF(paper.left() + Fraction(p.left, 0) * paper.width(),
                        paper.top() + Fraction(p.top, 0) * paper.height(), page.width() * scale,
                        page.height() * scale);
        break;
    }
    case codes::PrintPosition: {
        const QRectF r = QRectF(QPointF(paper.left() + Fraction(p.left, 0) * paper.width(),
                                        paper.top() + Fraction(p.top, 0) * paper.height()),
                                QPointF(paper.left() + Fraction(p.right, 1) * paper.width(),
                                        paper.top() + Fraction(p.bottom, 1) * paper.height()))
                             .normalized();
        target = p.keepAspect && !r.isEmpty() ? Fit(r, page) : r;
        break;
    }
    default:
        target = p.keepAspect ? Fit(paper, page) : paper;
        break;
    }
    return target.isEmpty() ? QRectF() : target;
}

} // namespace kestran
