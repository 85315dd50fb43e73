// Reads our metafiles back with a real player (libwmf's wmf2svg).

#include "ExternalProgram.h"
#include "WmfWriter.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using kestran::WmfPoint;
using kestran::WmfWriter;

namespace {

void DrawSample(WmfWriter& w) {
    w.SetBkMode(kestran::WmfBkMode::Transparent);
    w.SetPolyFillMode(kestran::WmfPolyFill::Alternate);
    // A page background, as charts have, so the player maps the whole box and nothing less.
    const int white = w.CreateSolidBrush(kestran::WmfRgb(0xFF, 0xFF, 0xFF));
    w.SelectObject(white);
    w.Rectangle({0, 0, 640, 400});
    const int red = w.CreatePen(kestran::WmfPenStyle::Solid, 3, kestran::WmfRgb(0xFF, 0, 0));
    w.SelectObject(red);
    w.Polyline({{20, 300}, {120, 80}, {220, 250}, {320, 60}});
    const int blue = w.CreateSolidBrush(kestran::WmfRgb(0, 0, 0xFF));
    const int nullPen = w.CreatePen(kestran::WmfPenStyle::Null, 0, 0);
    w.SelectObject(blue);
    w.SelectObject(nullPen);
    w.Polygon({{350, 300}, {450, 100}, {550, 300}});
    kestran::WmfFont font;
    font.height = -24;
    font.weight = 700;
    const int title = w.CreateFont(font);
    w.SelectObject(title);
    w.SetTextColor(kestran::WmfRgb(0, 0x80, 0));
    w.SetTextAlign(kestran::wmf_align::Center | kestran::wmf_align::Top);
    w.TextOut(320, 10, "Title");
    w.DeleteObject(red);
}

} // namespace

TEST(WmfPlayers, LibwmfDrawsTheLineFillAndText) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WmfWriter w({0, 0, 640, 400}, 96);
    DrawSample(w);
    const QString wmf = dir.filePath("sample.wmf");
    const QString svg = dir.filePath("sample.svg");
    ASSERT_TRUE(w.SaveToFile(wmf.toStdString()));

    const auto run = testsupport::RunExternal("wmf2svg", {"-o", svg, wmf}, "libwmf-bin fonts-urw-base35");
    ASSERT_TRUE(run.ok) << run.problem.toStdString();
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString out = QString::fromUtf8(file.readAll());
    // libwmf names colours; these three are exact names.
    EXPECT_TRUE(out.contains("stroke:red")) << out.toStdString();
    EXPECT_TRUE(out.contains("fill:blue")) << out.toStdString();
    EXPECT_TRUE(out.contains("fill:green")) << out.toStdString();
    EXPECT_TRUE(out.contains(">Title</text>")) << out.toStdString();
    EXPECT_TRUE(out.contains("font-weight:bold")) << out.toStdString();
    // The player maps the box onto itself, so the line starts where it was drawn.
    const QRegularExpression firstPoint(R"(<polyline points="([0-9.]+),([0-9.]+))");
    const QRegularExpressionMatch m = firstPoint.match(out);
    ASSERT_TRUE(m.hasMatch()) << out.toStdString();
    EXPECT_NEAR(m.captured(1).toDouble(), 20.0, 1.0);
    EXPECT_NEAR(m.captured(2).toDouble(), 300.0, 1.0);
}
