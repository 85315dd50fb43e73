#include "RtfReader.h"

#include "DocumentImages.h"
#include "RtfParser.h"

namespace richtext {
namespace {

constexpr double kTwipsPerPixel = 15.0;

// Puts what the parser reads at a cursor, with one format per set of attributes.
class DocumentSink : public RtfSink {
public:
    DocumentSink(QTextCursor& cursor, const QTextCharFormat& base) : m_cursor(cursor), m_base(base) {
        for (int i = 0; i < 8; ++i) {
            m_formats[i] = base;
            m_formats[i].setFontWeight(i & 1 ? QFont::Bold : QFont::Normal);
            m_formats[i].setFontItalic(i & 2);
            m_formats[i].setFontUnderline(i & 4);
        }
    }

    void Text(QStringView text, const CharAttributes& a) override {
        m_cursor.insertText(text.toString(),
                            m_formats[(a.bold ? 1 : 0) | (a.italic ? 2 : 0) | (a.underline ? 4 : 0)]);
    }
    void ParagraphEnd() override { m_cursor.insertBlock(QTextBlockFormat(), m_base); }
    void Picture(const QByteArray& imageData, int widthTwips, int heightTwips) override {
        QImage image;
        if (image.loadFromData(imageData))
            InsertImage(m_cursor, image, widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel);
    }

private:
    QTextCursor& m_cursor;
    QTextCharFormat m_base;
    QTextCharFormat m_formats[8];
};

void Feed(const RtfContent& content, RtfSink& sink) {
    for (const RtfPiece& piece : content.Pieces()) {
        switch (piece.kind) {
        case RtfPiece::Text:
            sink.Text(piece.text, piece.attributes);
            break;
        case RtfPiece::ParagraphEnd:
            sink.ParagraphEnd();
            break;
        case RtfPiece::Picture:
            sink.Picture(piece.imageData, piece.widthTwips, piece.heightTwips);
            break;
        }
    }
}

} // namespace

bool ReadRtf(const QByteArray& data, QTextDocument& doc, const QTextCharFormat& baseFormat) {
    // Read whole first: the document stays as it was when the bytes are not RTF.
    const std::optional<RtfContent> content = ParseRtf(data);
    if (!content)
        return false;
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    cursor.setBlockCharFormat(baseFormat);
    cursor.setCharFormat(baseFormat);
    DocumentSink sink(cursor, baseFormat);
    Feed(*content, sink);
    cursor.endEditBlock();
    return true;
}

bool InsertRtf(const QByteArray& data, QTextCursor& cursor, const QTextCharFormat& baseFormat) {
    const int start = cursor.position();
    cursor.beginEditBlock();
    DocumentSink sink(cursor, baseFormat);
    const bool read = ParseRtf(data, sink);
    if (!read) {
        cursor.setPosition(start, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    return read;
}

} // namespace richtext
