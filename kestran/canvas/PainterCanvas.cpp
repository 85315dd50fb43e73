#include "canvas/PainterCanvas.h"

#include "canvas/LineRaster.h"
#include "EngineCodes.h"

#include <cmath>
#include <QImage>
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

// Drawing memory kept from one draw to the next: a page draws many lines, and a buffer that is
// given back after each costs the kernel's time to map it again.
struct RasterScratch {
    std::vector<quint64> bits;
    std::vector<PixelRun> runs;
    std::vector<QRect> rects;
    // One line over a huge screen or of scattered dashes should not hold its memory for good.
    void Trim() {
        constexpr size_t kKept = 1 << 16;
        if (bits.capacity() > kKept) {
            std::vector<quint64>().swap(bits);
        }
        if (runs.capacity() > kKept || rects.capacity() > kKept) {
            std::vector<PixelRun>().swap(runs);
            std::vector<QRect>().swap(rects);
        }
    }
};

RasterScratch& Scratch() {
    static RasterScratch scratch;
    return scratch;
}

bool WholePixels(const QTransform& t) {
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    QPaintDevice* device = painter_.device();
    pixelDevice_ =
        device && WholePixels(painter_.deviceTransform()) && WholePixels(painter_.worldTransform());
    if (pixelDevice_) {
        const QPoint world(int(painter_.worldTransform().dx()), int(painter_.worldTransform().dy()));
        deviceBounds_ = QRect(-world, QSize(device->width(), device->height()));
    }
    if (pixelDevice_ && device->devType() == QInternal::Image && !painter_.hasClipping() &&
        painter_.compositionMode() == QPainter::CompositionMode_SourceOver && painter_.opacity() == 1.0) {
        auto* image = static_cast<QImage*>(device);
        const QImage::Format f = image->format();
        if (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
            f == QImage::Format_ARGB32_Premultiplied) {
            image_ = image;
            imageOffset_ = QPoint(int(painter_.deviceTransform().dx()), int(painter_.deviceTransform().dy()));
        }
    }
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
    rasterWidth_ = 0;
    pattern_.clear();
    if (pixelDevice_ && p.width() <= 3 && !penNull_) {
        rasterWidth_ = std::max(p.width(), 1);
        rasterColor_ = p.color().rgb();
        if (p.style() != Qt::SolidLine) {
            for (qreal v : QPen(p.color(), 1, p.style()).dashPattern()) {
                pattern_.push_back(std::max(1, int(std::lround(v))) * rasterWidth_);
            }
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
    if (rasterWidth_ == 0) {
        painter_.drawPolyline(points, count);
        return;
    }
    // A pixel this far outside the limit still reaches it through its stamp.
    const int reach = rasterWidth_ - 1;
    const QRect limit = RasterLimit();
    if (limit.isEmpty()) {
        return;
    }
    const QRect bounds = limit.adjusted(-reach, -reach, reach, reach);
    if (image_) {
        RasterToImage(points, count, bounds, pattern_, *image_, imageOffset_, rasterWidth_, rasterColor_,
                      limit);
    } else {
        RasterToPainter(points, count, bounds);
    }
}

// Where raster lines may put pixels: the device, within the clip.
QRect PainterCanvas::RasterLimit() const {
    return clipping_ ? deviceBounds_ & clipPixels_ : deviceBounds_;
}

void PainterCanvas::SetClip(const QRectF& rect) {
    if (!clipping_) {
        painterClipped_ = painter_.hasClipping();
        painterClip_ = painterClipped_ ? painter_.clipRegion() : QRegion();
    }
    clipping_ = true;
    clipPixels_ = PixelsOf(rect);
    // Pixel devices clip to the very pixels the raster keeps to; others, scaled, to the rectangle.
    const Qt::ClipOperation op = painterClipped_ ? Qt::IntersectClip : Qt::ReplaceClip;
    if (painterClipped_) {
        painter_.setClipRegion(painterClip_);
    }
    if (pixelDevice_) {
        painter_.setClipRect(clipPixels_, op);
    } else {
        painter_.setClipRect(rect.normalized(), op);
    }
}

void PainterCanvas::ClearClip() {
    if (!clipping_) {
        return;
    }
    clipping_ = false;
    if (painterClipped_) {
        painter_.setClipRegion(painterClip_);
    } else {
        painter_.setClipping(false);
    }
}

// Each pixel once, as few rectangles as the columns allow: QPainter's cost is per rectangle.
void PainterCanvas::RasterToPainter(const QPointF* points, int count, const QRect& bounds) {
    RasterScratch& s = Scratch();
    RasterRuns(points, count, bounds, pattern_, s.bits, s.runs);
    s.rects.clear();
    const int back = rasterWidth_ / 2;
    for (const PixelRun& r : s.runs) {
        s.rects.push_back(QRect(r.x - back, r.y0 - back, rasterWidth_, r.y1 - r.y0 + rasterWidth_));
    }
    const QPen pen = painter_.pen();
    const QBrush brush = painter_.brush();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(rasterColor_));
    painter_.drawRects(s.rects.data(), int(s.rects.size()));
    painter_.setPen(pen);
    painter_.setBrush(brush);
    s.Trim();
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
