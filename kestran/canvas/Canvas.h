#pragma once
// The one drawing surface the engine renders onto. Coordinates are page pixels (96 per inch);
// back ends map them onto their device. Keeping the set of primitives this small is what lets
// the same chart go to a widget, an image, a printer, a metafile or a test recorder unchanged.

#include <cstdint>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace kestran {

struct TextMetrics; // of one font, kept for the life of the program (Canvas.cpp)

using ColorRef = std::uint32_t; // 0x00BBGGRR

struct PenSpec {
    ColorRef color = 0;
    int width = 1; // pixels; 0 draws one pixel wide
    int style = 0; // codes::PenStyle
    bool operator==(const PenSpec& o) const {
        return color == o.color && width == o.width && style == o.style;
    }
};

struct BrushSpec {
    ColorRef color = 0xFFFFFF;
    int hatch = -1;      // codes::Hatch; -1 solid
    bool hollow = false; // no fill at all
    bool opaque = false; // hatches drawn over white instead of over what lies below
    bool operator==(const BrushSpec& o) const {
        return color == o.color && hatch == o.hatch && hollow == o.hollow && opaque == o.opaque;
    }
};

struct FontSpec {
    QString face = QStringLiteral("Arial");
    double points = 8; // size in points at 96 pixels per inch
    int style = 0;     // codes::FontStyle bits
    ColorRef color = 0;
    int angle = 0; // degrees counter-clockwise; 0 or 90
    double Pixels() const;
    QFont ToQFont() const;
    bool operator==(const FontSpec& o) const {
        return face == o.face && points == o.points && style == o.style && color == o.color &&
               angle == o.angle;
    }
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetPen(const PenSpec& pen) = 0;
    virtual void SetBrush(const BrushSpec& brush) = 0;
    virtual void SetFont(const FontSpec& font);

    virtual void Polyline(const QPointF* points, int count) = 0;
    // Filled with the brush and outlined with the pen.
    virtual void Polygon(const QPointF* points, int count) = 0;
    virtual void Rectangle(const QRectF& rect) = 0;
    virtual void Ellipse(const QRectF& rect) = 0;
    // Until ClearClip nothing is drawn outside rect: on pixel devices exactly the pixels a fill of
    // rect covers (those whose centres lie inside), the line widths, marker sizes and bar outlines
    // that reach past its edges included. Clips do not nest.
    virtual void SetClip(const QRectF& rect) = 0;
    virtual void ClearClip() = 0;

    // True when leaving out points of a polyline that lie within one pixel column would change
    // what the current pen draws: a dashed line drawn pixel by pixel, whose pattern runs along
    // every point. Otherwise a run of points within one column may be reduced to the few that
    // decide its pixels (Clip.h, LineRaster.h).
    virtual bool NeedsEveryPoint() const { return false; }

    // Text placed by an anchor code (codes::TextAnchor) at a point, in the current font.
    void Text(const QPointF& anchor, const QString& text, int anchorCode);
    QSizeF TextSize(const QString& text) const;
    const FontSpec& Font() const { return font_; }

protected:
    // Draws with the left end of the baseline at `baseline` (rotated by the font's angle).
    virtual void DrawText(const QPointF& baseline, const QString& text) = 0;
    // Called by Text before DrawText, so recorders can keep the caller's anchor.
    virtual void NoteAnchor(const QPointF& /*anchor*/, int /*anchorCode*/) {}

private:
    const TextMetrics& Metrics() const;
    double Width(const QString& text) const;

    FontSpec font_;
    QFont qfont_;
    mutable const TextMetrics* metrics_ = nullptr; // of qfont_
};

QColor ToQColor(ColorRef c);

// The pixels a fill of rect covers on a pixel device: those whose centres lie inside it (a centre
// on the left or top edge is outside, one on the right or bottom edge inside, as QPainter fills).
QRect PixelsOf(const QRectF& rect);

} // namespace kestran
