#include "RtfReader.h"

#include "DocumentImages.h"
#include "RtfParser.h"

#include <QTextCursor>

namespace richtext {
namespace {

constexpr double kTwipsPerPixel = 15.0;

QTextCharFormat formatFor(const QTextCharFormat& base, const CharAttributes& a) {
    QTextCharFormat f = base;
    f.setFontWeight(a.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(a.italic);
    f.setFontUnderline(a.underline);
    return f;
}

void insertPicture(QTextCursor& cursor, const RtfPiece& piece) {
    QImage image;
    if (!image.loadFromData(piece.imageData))
        return;
    InsertImage(cursor, image, piece.widthTwips / kTwipsPerPixel, piece.heightTwips / kTwipsPerPixel);
}

} // namespace

bool ReadRtf(const QByteArray& data, QTextDocument& doc, const QTextCharFormat& baseFormat) {
    const std::optional<RtfContent> content = ParseRtf(data);
    if (!content)
        return false;
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    cursor.setBlockCharFormat(baseFormat);
    cursor.setCharFormat(baseFormat);
    for (const RtfPiece& piece : content->Pieces()) {
        switch (piece.kind) {
        case RtfPiece::Text:
            cursor.insertText(piece.text, formatFor(baseFormat, piece.attributes));
            break;
        case RtfPiece::ParagraphEnd:
            cursor.insertBlock(QTextBlockFormat(), baseFormat);
            break;
        case RtfPiece::Picture:
            insertPicture(cursor, piece);
            break;
        }
    }
    cursor.endEditBlock();
    return true;
}

} // namespace richtext
