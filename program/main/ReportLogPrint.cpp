#include "ReportLogPrint.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr double kMarginInches = 2 / 2.54;

} // namespace

PrintEnd PaintLogPages(const ReportLogText& text, QPainter& painter, const QRectF& body,
                       const std::function<bool()>& newPage, const PrintProgress& progress) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double height = metrics.height();
    const double ascent = metrics.ascent();
    // A line wider than the page is cut at the margin, not printed off the paper.
    painter.setClipRect(body);
    double y = body.top() + height;
    const auto print = [&](int line, const QString& shown) {
        if (y > body.top() && y + height > body.bottom()) {
            if (progress && !progress(line, text.LineCount()))
                return PrintEnd::Stopped;
            if (!newPage())
                return PrintEnd::Failed;
            y = body.top();
        }
        painter.drawText(QPointF(body.left(), y + ascent), shown);
        y += height;
        return PrintEnd::Printed;
    };
    // The count is read again at each line: the progress lets events run, and the log may change.
    for (int line = 0; line < text.LineCount(); ++line) {
        const QString plain = text.PlainText(line, 0, line, static_cast<int>(text.Line(line).size()));
        const QStringList shown =
            plain.contains(QLatin1Char('\r')) ? plain.split(QStringLiteral("\r\n")) : QStringList{plain};
        for (const QString& part : shown) {
            const PrintEnd end = print(line, part);
            if (end != PrintEnd::Printed)
                return end;
        }
    }
    if (progress)
        progress(text.LineCount(), text.LineCount());
    return PrintEnd::Printed;
}

PrintEnd PrintLog(const ReportLogText& text, QPagedPaintDevice& device, const QFont& font,
                  const PrintProgress& progress) {
    QPainter painter(&device);
    if (!painter.isActive())
        return PrintEnd::Failed;
    painter.setFont(QFont(font, &device));
    const double margin = kMarginInches * device.logicalDpiY();
    const QRectF body(margin, margin, device.width() - 2 * margin, device.height() - 2 * margin);
    const PrintEnd end = PaintLogPages(
        text, painter, body, [&device] { return device.newPage(); }, progress);
    // A cancelled print sends nothing: the pages painted so far go with the job.
    if (end == PrintEnd::Stopped) {
        if (auto* printer = dynamic_cast<QPrinter*>(&device))
            printer->abort();
    }
    return end;
}
