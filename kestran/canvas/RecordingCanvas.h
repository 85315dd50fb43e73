#pragma once
// Canvas that keeps every drawn primitive with the pen, brush and font it was drawn with, so tests
// can check what a chart draws without looking at pixels.

#include "canvas/Canvas.h"

#include <vector>

namespace kestran {

struct Primitive {
    enum Kind { Polyline, Polygon, Rectangle, Ellipse, Text };
    Kind kind = Polyline;
    std::vector<QPointF> points; // polyline and polygon points
    QRectF rect;                 // rectangle, ellipse; for text the box the text covers
    QString text;
    QPointF anchor; // text anchor as the caller gave it
    int anchorCode = 0;
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    QRectF clip; // null when nothing clips
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas();
    void SetPen(const PenSpec& pen) override { pen_ = pen; }
    void SetBrush(const BrushSpec& brush) override { brush_ = brush; }
    void Polyline(const QPointF* points, int count) override;
    void Polygon(const QPointF* points, int count) override;
    void Rectangle(const QRectF& rect) override;
    void Ellipse(const QRectF& rect) override;
    void SetClip(const QRectF& rect) override { clip_ = rect; }
    void ClearClip() override { clip_ = QRectF(); }

    const std::vector<Primitive>& Primitives() const { return items_; }
    std::vector<const Primitive*> Find(Primitive::Kind kind) const;
    const Primitive* FindText(const QString& text) const;
    void Clear() { items_.clear(); }

protected:
    void DrawText(const QPointF& baseline, const QString& text) override;
    void NoteAnchor(const QPointF& anchor, int anchorCode) override;

private:
    Primitive Make(Primitive::Kind kind) const;
    std::vector<Primitive> items_;
    PenSpec pen_;
    BrushSpec brush_;
    QRectF clip_;
    QPointF anchor_;
    int anchorCode_ = 0;
};

} // namespace kestran
