#pragma once
// The report log's content without any window: lines of text with their bold, italic and
// underline runs, and pasted pictures. A year of range reports holds hundreds of thousands of
// lines, so the content costs little more than its characters: one text for all lines, where each
// line starts, where the attributes change and where the pictures stand.
//
// The log is saved as RTF after every calculation. Its RTF body is written as the content grows,
// each picture encoded once when it arrives, so a save writes bytes already made whatever the size
// of the log.

#include "RtfBodyWriter.h"
#include "RtfContent.h"
#include "RtfWriter.h"

#include <memory>
#include <optional>
#include <QByteArray>
#include <QFileDevice>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextDocument>
#include <vector>

// One picture of the log, kept as it is saved: decoding is left to whoever draws it.
struct LogPicture {
    QByteArray encoded; // PNG or JPEG
    QSize pixels;
    QSize shown; // on screen, pixels
};

class ReportLogText {
public:
    using Attributes = richtext::CharAttributes;

    // A piece of one line: text in one set of attributes, or one picture.
    struct Run {
        int begin = 0; // columns within the line
        int end = 0;
        Attributes attributes;
        const LogPicture* picture = nullptr;
    };
    struct PictureAt {
        qsizetype position = 0; // in the whole text
        std::shared_ptr<const LogPicture> picture;
    };

    // The log's size limit, as the size of its RTF file: every log within it is opened at the next
    // start, shown within seconds and in a few hundred MB.
    static constexpr qsizetype kMaxRtfBytes = 64LL * 1024 * 1024;
    // The limit as messages name it.
    static constexpr qsizetype kMaxRtfMegabytes = kMaxRtfBytes / (1024 * 1024);

    ReportLogText();

    // Appends at the end; CR LF, LF, CR and the paragraph separator start a new line.
    void Append(QStringView text, const Attributes& attributes);
    // Appends the picture, shown at its own size, encoded as PNG now, unless it cannot be encoded
    // or the RTF file would pass maxFileBytes with it.
    enum class PictureAdded { Added, NotEncoded, TooLarge };
    PictureAdded AppendPicture(const QImage& image, qsizetype maxFileBytes = kMaxRtfBytes);
    void Clear();

    bool IsEmpty() const { return m_text.isEmpty() && m_lineStart.size() == 1; }
    // Never less than 1: an empty log is one empty line.
    int LineCount() const { return static_cast<int>(m_lineStart.size()); }
    // The line without its end; each picture stands as U+FFFC.
    QStringView Line(int line) const;
    std::vector<Run> Runs(int line) const;
    // The line of a position in the whole text (lines without their ends).
    int LineOf(qsizetype position) const;
    qsizetype LineStart(int line) const { return m_lineStart[static_cast<std::size_t>(line)]; }
    // The longest line, in characters (a picture counts as one).
    int LongestLine() const { return m_longestLine; }
    const std::vector<PictureAt>& Pictures() const { return m_pictures; }
    // Counts every change, so views know when to look again.
    quint64 Revision() const { return m_revision; }

    // Lines joined by CR LF, without pictures; a line separator inside a line is a CR LF too.
    QString PlainText() const;
    // From line/column to line/column (exclusive), as PlainText writes it.
    QString PlainText(int fromLine, int fromColumn, int toLine, int toColumn) const;

    // The size of the log's RTF file.
    qsizetype RtfFileSize() const;
    // The log's RTF body, every attribute off at its end: the bytes written so far and what closes
    // them.
    QByteArray RtfBody() const { return m_rtf.Bytes() + m_rtf.Closing(); }
    const QByteArray& RtfBytes() const { return m_rtf.Bytes(); }
    QByteArray RtfClosing() const { return m_rtf.Closing(); }
    // Which body the bytes are: a new one after Clear and after a file was read.
    quint64 BodyId() const { return m_bodyId; }
    // Whether FromRtf kept the file's own bytes as the body.
    bool KeptFileBytes() const { return m_keptFileBytes; }
    // Where each line the log's own writer ended stops in RtfBytes(), in order: a body kept as a
    // file held it has none.
    const std::vector<qsizetype>& RtfLineEnds() const { return m_rtfLineEnds; }
    // Writes the log as an RTF file, atomically: false leaves an existing file as it was. A new
    // file gets `permissions` when they are given.
    bool SaveRtf(const QString& path, std::optional<QFileDevice::Permissions> permissions = {}) const;
    // The log's content of an RTF file; no value when the bytes are not RTF. A file this log wrote
    // keeps its bytes as the log's body, so saving it again writes nothing twice.
    static std::optional<ReportLogText> FromRtf(QByteArray rtf);

    // The log as a document in the base format (face and size) with its attributes and pictures.
    std::unique_ptr<QTextDocument> ToDocument(const QTextCharFormat& base) const;

    static richtext::RtfFont Font();

private:
    struct Span {
        qsizetype start = 0;
        Attributes attributes;
    };
    class Loader;

    void appendText(QStringView text, const Attributes& attributes);
    void newLine();
    void rtfParagraphEnd();
    void addPicture(std::shared_ptr<const LogPicture> picture);
    Attributes attributesAt(qsizetype position) const;

    QString m_text;
    std::vector<qsizetype> m_lineStart;
    std::vector<Span> m_spans;
    std::vector<PictureAt> m_pictures;
    int m_longestLine = 0;
    quint64 m_revision = 0;
    richtext::RtfBodyWriter m_rtf;
    std::vector<qsizetype> m_rtfLineEnds;
    quint64 m_bodyId;
    bool m_keptFileBytes = false;
    bool m_writeRtf = true; // off while a file whose body is kept as it came is read
};
