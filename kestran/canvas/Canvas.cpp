#include "canvas/Canvas.h"

#include "EngineCodes.h"

#include <algorithm>
#include <cmath>
#include <QColor>
#include <QFontMetricsF>
#include <QHash>
#include <QRect>
#include <unordered_map>

namespace kestran {

// Measuring a text shapes it, which costs about as much as drawing it, and a chart measures the
// same labels at every draw: widths are kept per font, with the font's vertical metrics.
struct TextMetrics {
    double ascent = 0, descent = 0, height = 0;
    QHash<QString, double> widths;
};

namespace {

// Plain numbers only: Qt's font objects must not outlive the application, this table does. Its
// entries stay where they are (canvases point at them) while others are added.
const TextMetrics& MetricsOf(const QFont& font) {
    static std::unordered_map<QString, TextMetrics> cache;
    const QString key = font.key();
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QFontMetricsF fm(font);
        it = cache.emplace(key, TextMetrics{fm.ascent(), fm.descent(), fm.height(), {}}).first;
    }
    return it->second;
}

} // namespace

QColor ToQColor(ColorRef c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QRect PixelsOf(const QRectF& rect) {
    const QRectF r = rect.normalized();
    // Whole pixels far beyond any device, NaN among them, stay within int.
    auto last = [](double edge) {
        return std::isfinite(edge) ? int(std::floor(std::clamp(edge - 0.5, -1e9, 1e9))) : 0;
    };
    auto first = [&](double edge) { return last(edge) + 1; };
    return QRect(QPoint(first(r.left()), first(r.top())), QPoint(last(r.right()), last(r.bottom())));
}

double FontSpec::Pixels() const {
    double p = std::isfinite(points) ? points : 8.0;
    p = std::clamp(p, 1.0, 200.0);
    return p * 96.0 / 72.0;
}

QFont FontSpec::ToQFont() const {
    QFont f(face.isEmpty() ? QStringLiteral("Arial") : face);
    f.setPixelSize(std::max(1, int(std::lround(Pixels()))));
    f.setBold(style & codes::FontBold);
    f.setItalic(style & codes::FontItalic);
    f.setUnderline(style & codes::FontUnderline);
    f.setStrikeOut(style & codes::FontStrikeOut);
    return f;
}

void Canvas::SetFont(const FontSpec& font) {
    if (font == font_ && qfont_.pixelSize() > 0) {
        return;
    }
    font_ = font;
    qfont_ = font.ToQFont();
    metrics_ = &MetricsOf(qfont_);
}

const TextMetrics& Canvas::Metrics() const {
    if (!metrics_) {
        metrics_ = &MetricsOf(qfont_);
    }
    return *metrics_;
}

double Canvas::Width(const QString& text) const {
    auto& widths = const_cast<TextMetrics&>(Metrics()).widths;
    const auto it = widths.constFind(text);
    if (it != widths.constEnd()) {
        return *it;
    }
    if (widths.size() > 4096) { // texts that never repeat (a data cursor's values) stop here
        widths.clear();
    }
    const double width = QFontMetricsF(qfont_).horizontalAdvance(text);
    widths.insert(text, width);
    return width;
}

QSizeF Canvas::TextSize(const QString& text) const {
    return QSizeF(Width(text), Metrics().height);
}

void Canvas::Text(const QPointF& anchor, const QString& text, int anchorCode) {
    if (text.isEmpty() || !std::isfinite(anchor.x()) || !std::isfinite(anchor.y())) {
        return;
    }
    const TextMetrics& fm = Metrics();
    const double width = Width(text);
    const int h = anchorCode & 3;
    const int v = (anchorCode >> 2) & 3;
    // Offsets along the text's own axes: u along the baseline, w downwards from the baseline.
    const double u = h == codes::AnchorRight ? -width : h == codes::AnchorHCentre ? -width / 2 : 0.0;
    double w = 0.0;
    switch (v) {
    case 1:
        w = fm.ascent;
        break;
    case 2:
        w = (fm.ascent - fm.descent) / 2;
        break;
    case 3:
        w = -fm.descent;
        break;
    default:
        break;
    }
    QPointF base = anchor + QPointF(u, w);
    if (font_.angle == 90) {
        base = anchor + QPointF(w, -u);
    }
    NoteAnchor(anchor, anchorCode);
    DrawText(base, text);
}

} // namespace kestran
