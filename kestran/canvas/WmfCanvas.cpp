#include "canvas/WmfCanvas.h"

#include <cmath>
#include <QFontMetricsF>

namespace kestran {

namespace {

int I(double v) {
    if (!std::isfinite(v)) {
        return 0;
    }
    return int(std::lround(std::clamp(v, -32768.0, 32767.0)));
}

WmfRect R(const QRectF& r) {
    const QRectF n = r.normalized();
    return WmfRect{I(n.left()), I(n.top()), I(n.right()), I(n.bottom())};
}

} // namespace

WmfCanvas::WmfCanvas(WmfWriter& writer) : w_(writer) {
    w_.SetBkMode(WmfBkMode::Transparent);
    w_.SetTextAlign(wmf_align::Left | wmf_align::Baseline);
    w_.SetPolyFillMode(WmfPolyFill::Alternate);
    bkOpaque_ = 0;
}

WmfCanvas::~WmfCanvas() {
    for (int slot : {pen_, brush_, font_}) {
        if (slot >= 0) {
            w_.DeleteObject(slot);
        }
    }
}

void WmfCanvas::Replace(int& slot, int created) {
    if (created < 0) {
        return;
    }
    w_.SelectObject(created);
    if (slot >= 0) {
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
    // Styled pens wider than one pixel are drawn solid by the players; keep their width.
    Replace(pen_, w_.CreatePen(WmfPenStyle(style), std::clamp(pen.width, 0, 100), pen.color));
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
    f.height = -std::max(1, int(std::lround(font.Pixels())));
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
    if (count >= 2 && penSpec_.style != 5) {
        w_.Polyline(Convert(points, count), size_t(count));
    }
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
        r.right += 1;
        r.bottom += 1;
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
    int previous = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        if (i < text.size() && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate()) {
            continue;
        }
        const int edge = int(std::lround(fm.horizontalAdvance(text, int(i))));
        advances_.push_back(edge - previous);
        previous = edge;
    }
    return advances_;
}

} // namespace kestran
