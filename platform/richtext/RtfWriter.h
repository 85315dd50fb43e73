#pragma once
// Writes a log document as RTF that word processors open with its formatting intact: a font
// table with the log's face, the page (size, orientation, margins), bold, italic and underline
// runs, paragraphs and pictures as PNG.
//
// A file is a header, a body and a closing brace. Bodies end with every attribute off, so two of
// them joined are the body of the two texts one after the other (the first one's last paragraph
// running on into the second's first): a long log kept as a body is saved again with a new piece
// appended without being read again.

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
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

// The document's body.
QByteArray RtfBody(const QTextDocument& doc);

// A body inside the bytes it came with: bytes[begin, begin + size).
struct RtfBodyBytes {
    QByteArray bytes;
    qsizetype begin = 0;
    qsizetype size = 0;
    QByteArrayView View() const { return QByteArrayView(bytes).sliced(begin, size); }
};

// The body of what an RTF file holds as the reader reads it (text, attributes, paragraphs,
// pictures); no value when the bytes are not RTF. A file this writer wrote with the same font and
// page keeps its own bytes: nothing is copied or written again.
std::optional<RtfBodyBytes> RtfBodyOf(QByteArray rtf, const RtfFont& font = RtfFont(),
                                      const RtfPage& page = RtfPage());

// How bytes read as a file of this writer with the given font and page.
enum class OwnFile {
    // Not such a file, or one whose body cannot be kept as it stands: read it as any other (the
    // sink may have been given part or all of it).
    Other,
    // Read into the sink whole; its body, between our header and kRtfEnd, may be kept as it stands:
    // the whole group closes at that final brace, and text written before it would be read as right
    // after the header.
    KeptBody,
    // It starts and ends as such a file but is no RTF.
    Unreadable,
};
class RtfSink;
OwnFile ReadOwnFile(const QByteArray& rtf, RtfSink& sink, const RtfFont& font = RtfFont(),
                    const RtfPage& page = RtfPage());

// What comes before and after a body in a file.
QByteArray RtfHeader(const RtfFont& font = RtfFont(), const RtfPage& page = RtfPage());
inline constexpr char kRtfEnd[] = "}\r\n";

// A whole file around a body.
QByteArray RtfFile(const QByteArray& body, const RtfFont& font = RtfFont(), const RtfPage& page = RtfPage());

} // namespace richtext
