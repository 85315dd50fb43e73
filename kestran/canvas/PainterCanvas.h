#pragma once
// Canvas onto any QPainter: widgets, images and printers.

#include "canvas/Canvas.h"

#include <QPainter>
#include <QRegion>
#include <vector>

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
    void SetClip(const QRectF& rect) override;
    void ClearClip() override;
    bool NeedsEveryPoint() const override { return rasterWidth_ > 0 && !pattern_.empty(); }

protected:
    void DrawText(const QPointF& baseline, const QString& text) override;

private:
    void FillOpaqueUnder(const QPainterPath& path);
    void RasterToPainter(const QPointF* points, int count, const QRect& bounds);
    QRect RasterLimit() const;

    QPainter& painter_;
    BrushSpec brush_;
    QColor textColor_;
    bool penNull_ = false;
    // Pens up to 3 pixels wide are drawn by LineRaster, each pixel stamped as a width x width
    // square, on pixel devices: no scaling, whole-pixel offsets, no antialiasing.
    bool pixelDevice_ = false;
    QRect deviceBounds_;      // the device in page pixels
    QImage* image_ = nullptr; // written directly when nothing clips or blends
    QPoint imageOffset_;
    int rasterWidth_ = 0; // 0: QPainter strokes the pen
    std::vector<int> pattern_;
    QRgb rasterColor_ = 0;
    // The clip of SetClip, and the painter's own clip to go back to.
    bool clipping_ = false;
    QRect clipPixels_; // pixel devices: the pixels inside the clip, in page pixels
    bool painterClipped_ = false;
    QRegion painterClip_;
};

} // namespace kestran
