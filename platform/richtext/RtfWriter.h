#pragma once
// Writes a log document as RTF that word processors open with its formatting intact: a font
// table with the log's face, bold, italic and underline runs, paragraphs and pictures as PNG.

#include <QByteArray>
#include <QString>
#include <QTextDocument>

namespace richtext {

struct RtfFont {
    QString face = QStringLiteral("Courier New");
    double pointSize = 8.25;
};

QByteArray WriteRtf(const QTextDocument& doc, const RtfFont& font = RtfFont());

} // namespace richtext
