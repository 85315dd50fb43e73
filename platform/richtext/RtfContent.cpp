#include "RtfContent.h"

#include <utility>

namespace richtext {

void RtfContent::AddText(const QString& text, const CharAttributes& attributes) {
    if (text.isEmpty())
        return;
    if (!m_pieces.empty() && m_pieces.back().kind == RtfPiece::Text &&
        m_pieces.back().attributes == attributes) {
        m_pieces.back().text += text;
        return;
    }
    RtfPiece piece;
    piece.text = text;
    piece.attributes = attributes;
    m_pieces.push_back(std::move(piece));
}

void RtfContent::AddParagraphEnd() {
    RtfPiece piece;
    piece.kind = RtfPiece::ParagraphEnd;
    m_pieces.push_back(std::move(piece));
}

void RtfContent::AddPicture(QByteArray imageData, int widthTwips, int heightTwips) {
    RtfPiece piece;
    piece.kind = RtfPiece::Picture;
    piece.imageData = std::move(imageData);
    piece.widthTwips = widthTwips;
    piece.heightTwips = heightTwips;
    m_pieces.push_back(std::move(piece));
}

} // namespace richtext
