#include "RtfContent.h"

namespace richtext {

void RtfContent::Text(QStringView text, const CharAttributes& attributes) {
    if (text.isEmpty())
        return;
    if (!m_pieces.empty() && m_pieces.back().kind == RtfPiece::Text &&
        m_pieces.back().attributes == attributes) {
        m_pieces.back().text += text;
        return;
    }
    RtfPiece piece;
    piece.text = text.toString();
    piece.attributes = attributes;
    m_pieces.push_back(std::move(piece));
}

void RtfContent::ParagraphEnd() {
    RtfPiece piece;
    piece.kind = RtfPiece::ParagraphEnd;
    m_pieces.push_back(std::move(piece));
}

void RtfContent::Picture(const QByteArray& imageData, int widthTwips, int heightTwips) {
    RtfPiece piece;
    piece.kind = RtfPiece::Picture;
    piece.imageData = imageData;
    piece.widthTwips = widthTwips;
    piece.heightTwips = heightTwips;
    m_pieces.push_back(std::move(piece));
}

} // namespace richtext
