#pragma once
// Writes the body of an RTF file: text in bold, italic and underline runs, paragraph ends and
// pictures. As a sink it takes what the parser reads from another file. A writer can live as long
// as the text it writes: what it wrote so far is a body that, closed with Closing(), saves the
// text without writing any of it again.

#include "RtfContent.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QStringView>

namespace richtext {

class RtfBodyWriter : public RtfSink {
public:
    // `expected`: about how many bytes the body will take, so it is not copied as it grows.
    explicit RtfBodyWriter(qsizetype expected = 0) { m_out.reserve(expected); }

    void Text(QStringView s, const CharAttributes& a) override;
    void ParagraphEnd() override { m_out += "\\par\r\n"; }
    // Encoded pictures that do not decode are left out.
    void Picture(const QByteArray& data, int widthTwips, int heightTwips) override;
    // Shown at width x height pixels; false (nothing written) when it cannot be encoded.
    bool Picture(const QImage& image, double width, double height);
    // A PNG already encoded, of the given pixel size, shown at the size in twips.
    void PngPicture(const QByteArray& png, QSize pixels, long widthTwips, long heightTwips);

    // What was written, and what closes it: every attribute off.
    const QByteArray& Bytes() const { return m_out; }
    QByteArray Closing() const;
    qsizetype ClosedSize() const;

    // Continues after a body that ends with every attribute off.
    void Adopt(QByteArray body);
    void Clear();

    // The body, every attribute off at its end.
    QByteArray Finish();

private:
    static QByteArray change(const CharAttributes& from, const CharAttributes& to);
    void attributes(const CharAttributes& a);
    void hexByte(unsigned char b);
    void picture(const QByteArray& data, const char* kind, QSize pixels, long widthTwips, long heightTwips);

    CharAttributes m_current;
    QByteArray m_out;
};

} // namespace richtext
