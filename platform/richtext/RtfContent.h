#pragma once
// What an RTF file holds for the log, independent of any document: runs of text with their
// character attributes, paragraph ends and pictures, in file order.

#include <QByteArray>
#include <QString>
#include <vector>

namespace richtext {

struct CharAttributes {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CharAttributes& o) const {
        return bold == o.bold && italic == o.italic && underline == o.underline;
    }
    bool operator!=(const CharAttributes& o) const { return !(*this == o); }
};

struct RtfPiece {
    enum Kind { Text, ParagraphEnd, Picture };
    Kind kind = Text;
    QString text;              // Text
    CharAttributes attributes; // Text
    QByteArray imageData;      // Picture: the encoded image (PNG or JPEG)
    int widthTwips = 0;        // Picture: shown size, 0 when the file gives none
    int heightTwips = 0;
};

class RtfContent {
public:
    // Appends text, joining it to the previous run when the attributes match.
    void AddText(const QString& text, const CharAttributes& attributes);
    void AddParagraphEnd();
    void AddPicture(QByteArray imageData, int widthTwips, int heightTwips);

    const std::vector<RtfPiece>& Pieces() const { return m_pieces; }

private:
    std::vector<RtfPiece> m_pieces;
};

} // namespace richtext
