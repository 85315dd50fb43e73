#include "canvas/RecordingCanvas.h"
#include "EngineCodes.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

using namespace kestran;

// Text sizes are kept per font between draws; they must stay those of each canvas's font however
// many fonts other canvases bring in meanwhile.
TEST(Canvas, TextSizeIsThatOfTheCurrentFontAcrossManyFonts) {
    const QString text = QStringLiteral("Path loss 123.5 dB");
    auto expected = [&](const FontSpec& font) {
        const QFontMetricsF fm(font.ToQFont());
        return QSizeF(fm.horizontalAdvance(text), fm.height());
    };
    RecordingCanvas steady, other;
    const FontSpec label{QStringLiteral("Arial"), 9, codes::FontItalic};
    steady.SetFont(label);
    for (int points = 4; points <= 60; points += 2) {
        const FontSpec font{QStringLiteral("Arial"), double(points), points % 4 ? 0 : codes::FontBold};
        other.SetFont(font);
        EXPECT_EQ(other.TextSize(text), expected(font)) << points;
        EXPECT_EQ(steady.TextSize(text), expected(label)) << points;
    }
}
