#pragma once
// Writes a log document as RTF that word processors open with its formatting intact: a font
// table with the log's face, the page (size, orientation, margins), bold, italic and underline
// runs, paragraphs and pictures as PNG.

#include <QByteArray>
#include <QString>
#include <QTextDocument>

namespace richtext {

struct RtfFont {
    QString face = QStringLiteral("Courier New");
    double pointSize = 8.25;
};

// In twips. The log's lines are 147 characters of a fixed-pitch face: on A4 in landscape with
// half-inch margins such a line fits on one line of a word processor's page.
struct RtfPage {
    int width = 16838;
    int height = 11906;
    bool landscape = true;
    int margin = 720;
};

QByteArray WriteRtf(const QTextDocument& doc, const RtfFont& font = RtfFont(),
                    const RtfPage& page = RtfPage());

} // namespace richtext
