#pragma once
// Canvas onto any QPainter: widgets, images and printers.

#include "Canvas.h"

#include <QPainter>

namespace kestran {

class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter);

    void SetPen(const PenSpec& pen) override;
    void SetBrush(const BrushSpec& brush) override;
    void SetFont(const FontSpec& font) override;
    void Polyline(const QPointF* points, int count) override;
    void Polygon(const QPointF* points, int count) override;
    void Rectangle(const QRectF& rect) override;
    void Ellipse(const QRectF& rect) override;

protected:
    void DrawText(const QPointF& baseline, const QString& text) override;

private:
    QPainter& painter_;
    BrushSpec brush_;
    QColor textColor_;
    bool penNull_ = false;
    // Thin lines stamped width x width times: far faster than stroking a wide pen, same pixels
    // for a square brush. Used only on pixel devices without scaling or antialiasing.
    int stampWidth_ = 0;
    QPen stampPen_;
    void FillOpaqueUnder(const QPainterPath& path);
};

} // namespace kestran
