#include "ReportLogCopy.h"

#include "RtfBodyWriter.h"
#include "RtfWriter.h"

#include <algorithm>
#include <climits>
#include <QImage>
#include <QMimeData>

namespace {

constexpr int kTwipsPerPixel = 15;

void WritePicture(richtext::RtfBodyWriter& body, const LogPicture& picture) {
    const long width = long(picture.shown.width()) * kTwipsPerPixel;
    const long height = long(picture.shown.height()) * kTwipsPerPixel;
    // A pasted picture was kept as PNG; only a loaded file brings others, which the writer measures.
    if (picture.encoded.startsWith("\x89PNG"))
        body.PngPicture(picture.encoded, picture.pixels, width, height);
    else
        body.Picture(picture.encoded, int(width), int(height));
}

} // namespace

std::unique_ptr<QMimeData> CopiedData(const ReportLogText& text, int fromLine, int fromColumn, int toLine,
                                      int toColumn) {
    auto mime = std::make_unique<QMimeData>();
    mime->setText(text.PlainText(fromLine, fromColumn, toLine, toColumn));
    richtext::RtfBodyWriter body;
    const LogPicture* firstPicture = nullptr;
    for (int line = fromLine; line <= toLine; ++line) {
        if (line > fromLine)
            body.ParagraphEnd();
        const QStringView chars = text.Line(line);
        const int begin = line == fromLine ? fromColumn : 0;
        const int end = line == toLine ? toColumn : INT_MAX;
        for (const ReportLogText::Run& run : text.Runs(line)) {
            const int from = std::max(run.begin, begin);
            const int to = std::min(run.end, end);
            if (from >= to)
                continue;
            if (run.picture == nullptr) {
                body.Text(chars.sliced(from, to - from), run.attributes);
                continue;
            }
            WritePicture(body, *run.picture);
            if (firstPicture == nullptr)
                firstPicture = run.picture;
        }
    }
    mime->setData(QStringLiteral("text/rtf"), richtext::RtfFile(body.Finish(), ReportLogText::Font()));
    QImage image;
    if (firstPicture != nullptr && image.loadFromData(firstPicture->encoded))
        mime->setImageData(image);
    return mime;
}
