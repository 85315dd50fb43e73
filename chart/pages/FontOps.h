#pragma once
// Fonts as the model keeps them (face name, style bits, point size, COLORREF) and the logical
// font a font dialog starts from. Style bits: 1 bold, 2 italic, 4 underline.

#include <QString>

class QFont;

namespace pages {

constexpr int kFaceNameMax = 31; // characters a face-name field holds
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;

struct LogFont {
    int height = 0;
    int width = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    int charSet = 0;
    QString faceName;
};

// A longer face name is cut to kFaceNameMax characters.
LogFont MakeLogFont(const QString& face, int style);
// Bold only for a weight of exactly 700.
int FontStyleFromDialog(const LogFont& chosen);

LogFont LogFontFromQFont(const QFont& font);
QFont QFontFromLogFont(const LogFont& font, int pointSize);

} // namespace pages
