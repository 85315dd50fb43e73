#include "PainterCanvas.h"

#include "EngineCodes.h"

#include <QPainterPath>

namespace kestran {

namespace {

Qt::PenStyle QtPenStyle(int style) {
    static const Qt::PenStyle table[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                         Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    return style >= 0 && style <= 5 ? table[style] : Qt::SolidLine;
}

Qt::BrushStyle QtHatch(int hatch) {
    static const Qt::BrushStyle table[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                           Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch >= 0 && hatch <= 5 ? table[hatch] : Qt::SolidPattern;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    SetPen(PenSpec{});
    SetBrush(BrushSpec{});
    SetFont(FontSpec{});
}

void PainterCanvas::SetPen(const PenSpec& pen) {
    QPen p(ToQColor(pen.color));
    p.setWidth(std::clamp(pen.width, 0, 100));
    p.setStyle(QtPenStyle(pen.style));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    penNull_ = p.style() == Qt::NoPen;
    painter_.setPen(p);
    stampWidth_ = 0;
    const bool pixelExact = painter_.worldTransform().type() <= QTransform::TxTranslate &&
                            !painter_.testRenderHint(QPainter::Antialiasing);
    if (pixelExact && pen.width >= 2 && pen.width <= 3 && !penNull_) {
        stampWidth_ = pen.width;
        stampPen_ = QPen(p.color(), 0);
        if (p.style() != Qt::SolidLine) {
            QList<qreal> pattern = QPen(p.color(), 1, p.style()).dashPattern();
            for (qreal& v : pattern) {
                v *= pen.width;
            }
            stampPen_.setDashPattern(pattern);
        }
    }
}

void PainterCanvas::SetBrush(const BrushSpec& brush) {
    brush_ = brush;
    if (brush.hollow) {
        painter_.setBrush(Qt::NoBrush);
        return;
    }
    painter_.setBrush(QBrush(ToQColor(brush.color), QtHatch(brush.hatch)));
}

void PainterCanvas::SetFont(const FontSpec& font) {
    Canvas::SetFont(font);
    painter_.setFont(Font().ToQFont());
    textColor_ = ToQColor(font.color);
}

void PainterCanvas::FillOpaqueUnder(const QPainterPath& path) {
    if (!brush_.hollow && brush_.opaque && brush_.hatch >= 0) {
        painter_.fillPath(path, Qt::white);
    }
}

void PainterCanvas::Polyline(const QPointF* points, int count) {
    if (count < 2 || penNull_) {
        return;
    }
    if (stampWidth_ == 0) {
        painter_.drawPolyline(points, count);
        return;
    }
    const QPen wide = painter_.pen();
    painter_.setPen(stampPen_);
    const double first = -(stampWidth_ - 1) / 2.0;
    for (int dy = 0; dy < stampWidth_; ++dy) {
        for (int dx = 0; dx < stampWidth_; ++dx) {
            painter_.translate(first + dx, first + dy);
            painter_.drawPolyline(points, count);
            painter_.translate(-(first + dx), -(first + dy));
        }
    }
    painter_.setPen(wide);
}

void PainterCanvas::Polygon(const QPointF* points, int count) {
    if (count < 3) {
        return;
    }
    if (brush_.opaque && brush_.hatch >= 0) {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        FillOpaqueUnder(path);
    }
    painter_.drawPolygon(points, count);
}

void PainterCanvas::Rectangle(const QRectF& rect) {
    if (brush_.opaque && brush_.hatch >= 0) {
        painter_.fillRect(rect, Qt::white);
    }
    painter_.drawRect(rect);
}

void PainterCanvas::Ellipse(const QRectF& rect) {
    if (brush_.opaque && brush_.hatch >= 0) {
        QPainterPath path;
        path.addEllipse(rect);
        FillOpaqueUnder(path);
    }
    painter_.drawEllipse(rect);
}

void PainterCanvas::DrawText(const QPointF& baseline, const QString& text) {
    const QPen old = painter_.pen();
    painter_.setPen(textColor_);
    if (Font().angle != 0) {
        painter_.save();
        painter_.translate(baseline);
        painter_.rotate(-Font().angle);
        painter_.drawText(QPointF(0, 0), text);
        painter_.restore();
    } else {
        painter_.drawText(baseline, text);
    }
    painter_.setPen(old);
}

} // namespace kestran
