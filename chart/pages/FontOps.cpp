#include "FontOps.h"

#include <QFont>

namespace pages {

LogFont MakeLogFont(const QString& face, int style) {
    LogFont font;
    font.faceName = face.left(kFaceNameMax);
    font.weight = (style & 1) ? kBoldWeight : kNormalWeight;
    font.italic = (style & 2) != 0;
    font.underline = (style & 4) != 0;
    return font;
}

int FontStyleFromDialog(const LogFont& chosen) {
    return (chosen.weight == kBoldWeight ? 1 : 0) | (chosen.italic ? 2 : 0) | (chosen.underline ? 4 : 0);
}

LogFont LogFontFromQFont(const QFont& font) {
    LogFont out;
    out.faceName = font.family().left(kFaceNameMax);
    out.weight = font.weight();
    out.italic = font.italic();
    out.underline = font.underline();
    return out;
}

QFont QFontFromLogFont(const LogFont& font, int pointSize) {
    QFont out(font.faceName);
    out.setWeight(static_cast<QFont::Weight>(font.weight > 0 ? font.weight : kNormalWeight));
    out.setItalic(font.italic);
    out.setUnderline(font.underline);
    if (pointSize > 0) {
        out.setPointSize(pointSize);
    }
    return out;
}

} // namespace pages
