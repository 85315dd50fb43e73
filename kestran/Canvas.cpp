#include "Canvas.h"

#include "EngineCodes.h"

#include <cmath>
#include <QColor>
#include <QFontMetricsF>

namespace kestran {

QColor ToQColor(ColorRef c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
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
}

QSizeF Canvas::TextSize(const QString& text) const {
    QFontMetricsF fm(qfont_);
    return QSizeF(fm.horizontalAdvance(text), fm.height());
}

void Canvas::Text(const QPointF& anchor, const QString& text, int anchorCode) {
    if (text.isEmpty() || !std::isfinite(anchor.x()) || !std::isfinite(anchor.y())) {
        return;
    }
    QFontMetricsF fm(qfont_);
    const double width = fm.horizontalAdvance(text);
    const int h = anchorCode & 3;
    const int v = (anchorCode >> 2) & 3;
    // Offsets along the text's own axes: u along the baseline, w downwards from the baseline.
    const double u = h == codes::AnchorRight ? -width : h == codes::AnchorHCentre ? -width / 2 : 0.0;
    double w = 0.0;
    switch (v) {
    case 1:
        w = fm.ascent();
        break;
    case 2:
        w = (fm.ascent() - fm.descent()) / 2;
        break;
    case 3:
        w = -fm.descent();
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
