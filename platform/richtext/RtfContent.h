#pragma once
// What an RTF file holds for the log, independent of any document: runs of text with their
// character attributes, paragraph ends and pictures, in file order. The parser hands them to a
// sink as it reads, so a reader can put them anywhere without keeping them all; RtfContent keeps
// them.

#include <QByteArray>
#include <QString>
#include <QStringView>
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

class RtfSink {
public:
    virtual ~RtfSink() = default;
    // A run of text in one set of attributes (never empty).
    virtual void Text(QStringView text, const CharAttributes& attributes) = 0;
    virtual void ParagraphEnd() = 0;
    // The encoded image (PNG or JPEG) and its shown size in twips (0 when the file gives none).
    virtual void Picture(const QByteArray& imageData, int widthTwips, int heightTwips) = 0;
    // A sink that only wants the file checked gets no text, which spares collecting it.
    virtual bool WantsText() const { return true; }
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

class RtfContent : public RtfSink {
public:
    // Joins the text to the previous run when the attributes match.
    void Text(QStringView text, const CharAttributes& attributes) override;
    void ParagraphEnd() override;
    void Picture(const QByteArray& imageData, int widthTwips, int heightTwips) override;

    const std::vector<RtfPiece>& Pieces() const { return m_pieces; }

private:
    std::vector<RtfPiece> m_pieces;
};

} // namespace richtext
