#pragma once
// Canvas onto the placeable-metafile writer. Coordinates are page pixels, written at 96 units per
// inch; pens, brushes and fonts are created only when they change; text carries the advances of
// its characters.

#include "canvas/Canvas.h"
#include "WmfWriter.h"

#include <vector>

namespace kestran {

class WmfCanvas : public Canvas {
public:
    explicit WmfCanvas(WmfWriter& writer);
    ~WmfCanvas() override;

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
    void Replace(int& slot, int created);
    void UseBackground();
    const WmfPoint* Convert(const QPointF* points, int count);
    const std::vector<int>& Advances(const QString& text);
    WmfWriter& w_;
    int pen_ = -1, brush_ = -1, font_ = -1;
    bool havePen_ = false, haveBrush_ = false, haveFont_ = false;
    PenSpec penSpec_;
    BrushSpec brushSpec_;
    FontSpec fontSpec_;
    int bkOpaque_ = -1;
    std::vector<WmfPoint> buffer_;
    std::vector<int> advances_;
};

} // namespace kestran
