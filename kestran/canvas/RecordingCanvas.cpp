#include "canvas/RecordingCanvas.h"

namespace kestran {

RecordingCanvas::RecordingCanvas() {
    SetFont(FontSpec{});
}

Primitive RecordingCanvas::Make(Primitive::Kind kind) const {
    Primitive p;
    p.kind = kind;
    p.pen = pen_;
    p.brush = brush_;
    p.font = Font();
    p.clip = clip_;
    return p;
}

void RecordingCanvas::Polyline(const QPointF* points, int count) {
    if (count < 2) {
        return;
    }
    Primitive p = Make(Primitive::Polyline);
    p.points.assign(points, points + count);
    items_.push_back(std::move(p));
}

void RecordingCanvas::Polygon(const QPointF* points, int count) {
    if (count < 3) {
        return;
    }
    Primitive p = Make(Primitive::Polygon);
    p.points.assign(points, points + count);
    items_.push_back(std::move(p));
}

void RecordingCanvas::Rectangle(const QRectF& rect) {
    Primitive p = Make(Primitive::Rectangle);
    p.rect = rect;
    items_.push_back(std::move(p));
}

void RecordingCanvas::Ellipse(const QRectF& rect) {
    Primitive p = Make(Primitive::Ellipse);
    p.rect = rect;
    items_.push_back(std::move(p));
}

void RecordingCanvas::NoteAnchor(const QPointF& anchor, int anchorCode) {
    anchor_ = anchor;
    anchorCode_ = anchorCode;
}

void RecordingCanvas::DrawText(const QPointF& baseline, const QString& text) {
    Primitive p = Make(Primitive::Text);
    p.text = text;
    p.anchor = anchor_;
    p.anchorCode = anchorCode_;
    const QSizeF size = TextSize(text);
    const double ascent = size.height() * 0.8;
    if (Font().angle == 90) {
        p.rect = QRectF(baseline.x() - ascent, baseline.y() - size.width(), size.height(), size.width());
    } else {
        p.rect = QRectF(baseline.x(), baseline.y() - ascent, size.width(), size.height());
    }
    items_.push_back(std::move(p));
}

std::vector<const Primitive*> RecordingCanvas::Find(Primitive::Kind kind) const {
    std::vector<const Primitive*> out;
    for (const Primitive& p : items_) {
        if (p.kind == kind) {
            out.push_back(&p);
        }
    }
    return out;
}

const Primitive* RecordingCanvas::FindText(const QString& text) const {
    for (const Primitive& p : items_) {
        if (p.kind == Primitive::Text && p.text == text) {
            return &p;
        }
    }
    return nullptr;
}

} // namespace kestran
