#include "ReportLogPrint.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double kMarginInches = 2 / 2.54;
// Pictures are sized in screen pixels.
constexpr double kScreenDpi = 96;

struct PrintFonts {
    explicit PrintFonts(const QFont& font, QPaintDevice& device) {
        for (int i = 0; i < 8; ++i) {
            fonts[i] = QFont(font, &device);
            fonts[i].setBold(i & 1);
            fonts[i].setItalic(i & 2);
            fonts[i].setUnderline(i & 4);
        }
        const QFontMetricsF metrics(fonts[0], &device);
        height = metrics.height();
        descent = metrics.descent();
        advance = metrics.horizontalAdvance(QLatin1Char('M'));
        underline = metrics.underlinePos();
        lineWidth = std::max(metrics.lineWidth(), 1.0);
    }
    const QFont& For(const ReportLogText::Attributes& a) const {
        return fonts[(a.bold ? 1 : 0) | (a.italic ? 2 : 0) | (a.underline ? 4 : 0)];
    }
    QFont fonts[8];
    double height = 0;
    double descent = 0;
    double advance = 0;
    double underline = 0; // below the baseline
    double lineWidth = 1;
};

double LineHeight(const ReportLogText& text, int line, const PrintFonts& f, double pictureScale) {
    double height = f.height;
    for (const ReportLogText::Run& run : text.Runs(line)) {
        if (run.picture != nullptr)
            height = std::max(height, run.picture->shown.height() * pictureScale + f.descent);
    }
    return height;
}

// Neighbouring runs that differ only in underline go out as one text, their underlines as lines:
// a report line is then one text, as a printer's file grows with each text it holds.
void DrawLine(QPainter& painter, const ReportLogText& text, int line, QPointF at, double height,
              const PrintFonts& f, double pictureScale) {
    const QStringView chars = text.Line(line);
    const double baseline = at.y() + height - f.descent;
    const std::vector<ReportLogText::Run> runs = text.Runs(line);
    double x = at.x();
    for (std::size_t i = 0; i < runs.size();) {
        const ReportLogText::Run& run = runs[i];
        if (run.picture != nullptr) {
            const QSizeF size = QSizeF(run.picture->shown) * pictureScale;
            QImage image;
            if (image.loadFromData(run.picture->encoded))
                painter.drawImage(QRectF(QPointF(x, baseline - size.height()), size), image);
            x += size.width();
            ++i;
            continue;
        }
        ReportLogText::Attributes face = run.attributes;
        face.underline = false;
        std::size_t end = i;
        double right = x;
        for (; end < runs.size() && runs[end].picture == nullptr && runs[end].attributes.bold == face.bold &&
               runs[end].attributes.italic == face.italic;
             ++end) {
            const double width = (runs[end].end - runs[end].begin) * f.advance;
            if (runs[end].attributes.underline)
                painter.fillRect(QRectF(right, baseline + f.underline, width, f.lineWidth),
                                 painter.pen().color());
            right += width;
        }
        painter.setFont(f.For(face));
        painter.drawText(QPointF(x, baseline),
                         chars.sliced(run.begin, runs[end - 1].end - run.begin).toString());
        x = right;
        i = end;
    }
}

} // namespace

std::vector<int> PageStarts(const std::vector<double>& lineHeights, double pageHeight, double firstLine) {
    std::vector<int> starts{0};
    double y = firstLine;
    for (std::size_t i = 0; i < lineHeights.size(); ++i) {
        if (y > 0 && y + lineHeights[i] > pageHeight) {
            starts.push_back(static_cast<int>(i));
            y = 0;
        }
        y += lineHeights[i];
    }
    return starts;
}

bool PrintLog(const ReportLogText& text, QPagedPaintDevice& device, const QFont& font) {
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const PrintFonts fonts(font, device);
    const double margin = kMarginInches * device.logicalDpiY();
    const QRectF body(margin, margin, device.width() - 2 * margin, device.height() - 2 * margin);
    const double pictureScale = device.logicalDpiX() / kScreenDpi;
    std::vector<double> heights(static_cast<std::size_t>(text.LineCount()));
    for (int line = 0; line < text.LineCount(); ++line)
        heights[static_cast<std::size_t>(line)] = LineHeight(text, line, fonts, pictureScale);
    const std::vector<int> starts = PageStarts(heights, body.height(), fonts.height);
    for (std::size_t page = 0; page < starts.size(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        painter.setClipRect(body);
        double y = body.top() + (page == 0 ? fonts.height : 0);
        const int end = page + 1 < starts.size() ? starts[page + 1] : text.LineCount();
        for (int line = starts[page]; line < end; ++line) {
            const double height = heights[static_cast<std::size_t>(line)];
            DrawLine(painter, text, line, QPointF(body.left(), y), height, fonts, pictureScale);
            y += height;
        }
        painter.setClipping(false);
        const QString number = QString::number(page + 1);
        painter.setFont(fonts.fonts[0]);
        painter.drawText(QPointF(body.right() - number.size() * fonts.advance, body.bottom() + margin / 2),
                         number);
    }
    return true;
}
