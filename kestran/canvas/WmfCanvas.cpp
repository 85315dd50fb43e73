#include "canvas/WmfCanvas.h"

#include <cmath>
#include <QFontMetricsF>

namespace kestran {

namespace {

// The dash patterns the screen draws (Qt's), in pen widths: on, off, on, off, ...
const std::vector<double>& DashPattern(int style) {
    static const std::vector<double> none, dash{4, 2}, dot{1, 2}, dashDot{4, 2, 1, 2},
        dashDotDot{4, 2, 1, 2, 1, 2};
    switch (style) {
    case 1:
        return dash;
    case 2:
        return dot;
    case 3:
        return dashDot;
    case 4:
        return dashDotDot;
    default:
        return none;
    }
}

// More pieces than this in one line (a dotted line across a page has a few hundred) are not worth
// a record each: the line is written with the styled pen, as thin players draw it anyway.
constexpr std::size_t kMaxDashPieces = 1 << 16;

} // namespace

WmfCanvas::WmfCanvas(WmfWriter& writer, int scale) : w_(writer), scale_(std::clamp(scale, 1, 1000)) {
    w_.SetBkMode(WmfBkMode::Transparent);
    w_.SetTextAlign(wmf_align::Left | wmf_align::Baseline);
    w_.SetPolyFillMode(WmfPolyFill::Alternate);
    bkOpaque_ = 0;
}

int WmfCanvas::I(double v) const {
    if (!std::isfinite(v)) {
        return 0;
    }
    return int(std::lround(std::clamp(v * scale_, -32768.0, 32767.0)));
}

WmfRect WmfCanvas::R(const QRectF& r) const {
    const QRectF n = r.normalized();
    return WmfRect{I(n.left()), I(n.top()), I(n.right()), I(n.bottom())};
}

// The closing records fit in the room the writer keeps for them, so they never allocate; should
// that ever fail, an unclosed picture is better than a destructor that throws.
WmfCanvas::~WmfCanvas() {
    w_.SetClosing(true);
    try {
        ClearClip();
        for (int slot : {pen_, brush_, font_}) {
            if (slot >= 0) {
                w_.DeleteObject(slot);
            }
        }
    } catch (...) {
    }
    w_.SetClosing(false);
}

void WmfCanvas::Replace(int& slot, int created) {
    if (created < 0) {
        return;
    }
    w_.SelectObject(created);
    if (slot >= 0 && clipped_ && (slot == savedPen_ || slot == savedBrush_ || slot == savedFont_)) {
        deleteAfterClip_.push_back(slot);
    } else if (slot >= 0) {
        w_.DeleteObject(slot);
    }
    slot = created;
}

void WmfCanvas::SetPen(const PenSpec& pen) {
    if (havePen_ && pen == penSpec_) {
        return;
    }
    havePen_ = true;
    penSpec_ = pen;
    const int style = pen.style >= 0 && pen.style <= 5 ? pen.style : 0;
    const int width = std::clamp(pen.width, 0, 100);
    dashes_.clear();
    if (width * scale_ > 1 && !DashPattern(style).empty()) {
        for (double v : DashPattern(style)) {
            dashes_.push_back(v * std::max(width, 1));
        }
        // Cut square like the screen's dashes, not lengthened by round ends.
        Replace(pen_, w_.CreatePen(WmfPenStyle::Solid, width * scale_, pen.color, wmf_pen::EndcapFlat));
        return;
    }
    Replace(pen_, w_.CreatePen(WmfPenStyle(style), width * scale_, pen.color));
}

void WmfCanvas::SetBrush(const BrushSpec& brush) {
    if (haveBrush_ && brush == brushSpec_) {
        return;
    }
    haveBrush_ = true;
    brushSpec_ = brush;
    int slot;
    if (brush.hollow) {
        slot = w_.CreateNullBrush();
    } else if (brush.hatch >= 0 && brush.hatch <= 5) {
        slot = w_.CreateHatchBrush(WmfHatch(brush.hatch), brush.color);
    } else {
        slot = w_.CreateSolidBrush(brush.color);
    }
    Replace(brush_, slot);
}

void WmfCanvas::UseBackground() {
    const int opaque = !brushSpec_.hollow && brushSpec_.opaque && brushSpec_.hatch >= 0 ? 1 : 0;
    if (opaque != bkOpaque_) {
        if (opaque) {
            w_.SetBkColor(0xFFFFFF);
        }
        w_.SetBkMode(opaque ? WmfBkMode::Opaque : WmfBkMode::Transparent);
        bkOpaque_ = opaque;
    }
}

void WmfCanvas::SetFont(const FontSpec& font) {
    Canvas::SetFont(font);
    if (haveFont_ && font == fontSpec_) {
        return;
    }
    haveFont_ = true;
    fontSpec_ = font;
    WmfFont f;
    f.height = -std::max(1, int(std::lround(font.Pixels() * scale_)));
    f.weight = font.style & 1 ? 700 : 400;
    f.italic = font.style & 2;
    f.underline = font.style & 4;
    f.strikeOut = font.style & 8;
    f.escapement = font.angle * 10;
    f.orientation = font.angle * 10;
    f.faceName = (font.face.isEmpty() ? QStringLiteral("Arial") : font.face).toStdString();
    Replace(font_, w_.CreateFont(f));
    w_.SetTextColor(font.color);
}

const WmfPoint* WmfCanvas::Convert(const QPointF* points, int count) {
    buffer_.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        buffer_[size_t(i)] = WmfPoint{I(points[i].x()), I(points[i].y())};
    }
    return buffer_.data();
}

void WmfCanvas::Polyline(const QPointF* points, int count) {
    if (count < 2 || penSpec_.style == 5) {
        return;
    }
    if (!dashes_.empty()) {
        DashedPolyline(points, count);
        return;
    }
    w_.Polyline(Convert(points, count), size_t(count));
}

// The pattern runs along the line from its first point, as on screen; each dash is one piece,
// through the corners it passes.
void WmfCanvas::DashedPolyline(const QPointF* points, int count) {
    std::size_t entry = 0, pieces = 0;
    double left = dashes_[0];
    piece_.assign(1, points[0]);
    auto on = [&] { return entry % 2 == 0; };
    auto write = [&] {
        if (piece_.size() >= 2) {
            w_.Polyline(Convert(piece_.data(), int(piece_.size())), piece_.size());
            ++pieces;
        }
        piece_.clear();
    };
    for (int i = 0; i + 1 < count && pieces < kMaxDashPieces; ++i) {
        const QPointF a = points[i], b = points[i + 1];
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (!std::isfinite(length)) {
            piece_.clear();
            continue;
        }
        double done = 0;
        while (length - done > left && pieces < kMaxDashPieces) {
            done += left;
            const QPointF at = a + (b - a) * (done / length);
            if (on()) {
                piece_.push_back(at);
                write();
            } else {
                piece_.assign(1, at);
            }
            entry = (entry + 1) % dashes_.size();
            left = std::max(dashes_[entry], 0.01);
        }
        left -= length - done;
        if (on()) {
            piece_.push_back(b);
        }
    }
    if (on()) {
        write();
    }
    if (pieces >= kMaxDashPieces) {
        const int style = std::clamp(penSpec_.style, 0, 5);
        const int pen = w_.CreatePen(WmfPenStyle(style), 1, penSpec_.color);
        w_.SelectObject(pen);
        w_.Polyline(Convert(points, count), size_t(count));
        w_.SelectObject(pen_);
        w_.DeleteObject(pen);
    }
}

// The context is saved and clipped; restoring it brings back the objects selected then, so the
// current ones are selected again and the text colour and background mode set anew.
void WmfCanvas::SetClip(const QRectF& rect) {
    ClearClip();
    w_.SaveDC();
    clipped_ = true;
    savedPen_ = pen_;
    savedBrush_ = brush_;
    savedFont_ = font_;
    w_.IntersectClipRect(R(rect));
}

void WmfCanvas::ClearClip() {
    if (!clipped_) {
        return;
    }
    w_.RestoreDC(-1);
    clipped_ = false;
    for (int slot : {pen_, brush_, font_}) {
        if (slot >= 0) {
            w_.SelectObject(slot);
        }
    }
    for (int slot : deleteAfterClip_) {
        w_.DeleteObject(slot);
    }
    deleteAfterClip_.clear();
    if (haveFont_) {
        w_.SetTextColor(fontSpec_.color);
    }
    bkOpaque_ = -1;
}

void WmfCanvas::Polygon(const QPointF* points, int count) {
    if (count >= 3) {
        UseBackground();
        w_.Polygon(Convert(points, count), size_t(count));
    }
}

void WmfCanvas::Rectangle(const QRectF& rect) {
    UseBackground();
    WmfRect r = R(rect);
    if (penSpec_.style == 5) { // a rectangle without outline is drawn one pixel short by players
        r.right += scale_;
        r.bottom += scale_;
    }
    w_.Rectangle(r);
}

void WmfCanvas::Ellipse(const QRectF& rect) {
    UseBackground();
    w_.Ellipse(R(rect));
}

void WmfCanvas::DrawText(const QPointF& baseline, const QString& text) {
    if (bkOpaque_ != 0) {
        w_.SetBkMode(WmfBkMode::Transparent);
        bkOpaque_ = 0;
    }
    w_.ExtTextOut(I(baseline.x()), I(baseline.y()), text.toStdString(), 0, {}, Advances(text));
}

// Each character's advance as the engine measured the string when it laid it out, so every player
// shows the text at that width whatever fonts it has: without them libwmf guesses far wider
// characters and shrinks the whole picture to fit its guess. The advances are differences of the
// rounded prefix widths, so rounding never adds up along a long title. One advance per character
// as the writer counts them (a surrogate pair is one character).
const std::vector<int>& WmfCanvas::Advances(const QString& text) {
    const QFontMetricsF fm(Font().ToQFont());
    advances_.clear();
    long previous = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        if (i < text.size() && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate()) {
            continue;
        }
        const long edge = std::lround(fm.horizontalAdvance(text, int(i)) * scale_);
        advances_.push_back(int(edge - previous));
        previous = edge;
    }
    return advances_;
}

} // namespace kestran
