#pragma once
// Canvas onto the placeable-metafile writer. Coordinates are page pixels, written as `scale`
// logical units each (the writer's units per inch are 96 x scale), so a document that enlarges the
// picture still finds its curves smooth; pens, brushes and fonts are created only when they change;
// text carries the advances of its characters. Players draw a styled pen wider than one logical
// unit solid (the Windows rule), so such a pen's dashes are written as pieces of a solid one.

#include "canvas/Canvas.h"
#include "WmfWriter.h"

#include <vector>

namespace kestran {

class WmfCanvas : public Canvas {
public:
    explicit WmfCanvas(WmfWriter& writer, int scale = 1);
    ~WmfCanvas() override;

    void SetPen(const PenSpec& pen) override;
    void SetBrush(const BrushSpec& brush) override;
    void SetFont(const FontSpec& font) override;
    void Polyline(const QPointF* points, int count) override;
    void Polygon(const QPointF* points, int count) override;
    void Rectangle(const QRectF& rect) override;
    void Ellipse(const QRectF& rect) override;
    void SetClip(const QRectF& rect) override;
    void ClearClip() override;

protected:
    void DrawText(const QPointF& baseline, const QString& text) override;

private:
    void Replace(int& slot, int created);
    void UseBackground();
    int I(double v) const;
    WmfRect R(const QRectF& r) const;
    const WmfPoint* Convert(const QPointF* points, int count);
    void DashedPolyline(const QPointF* points, int count);
    const std::vector<int>& Advances(const QString& text);
    WmfWriter& w_;
    const int scale_;
    int pen_ = -1, brush_ = -1, font_ = -1;
    bool havePen_ = false, haveBrush_ = false, haveFont_ = false;
    PenSpec penSpec_;
    BrushSpec brushSpec_;
    FontSpec fontSpec_;
    int bkOpaque_ = -1;
    std::vector<double> dashes_; // on and off lengths in page pixels; empty: the pen draws as it is
    // While a clip is on, the context is saved: objects selected then are deleted only after it is
    // restored, since the restored context selects them again.
    bool clipped_ = false;
    int savedPen_ = -1, savedBrush_ = -1, savedFont_ = -1;
    std::vector<int> deleteAfterClip_;
    std::vector<WmfPoint> buffer_;
    std::vector<QPointF> piece_;
    std::vector<int> advances_;
};

} // namespace kestran
