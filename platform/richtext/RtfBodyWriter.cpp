#include "RtfBodyWriter.h"

#include "Cp1252.h"

#include <cmath>
#include <cstdint>
#include <QBuffer>

namespace richtext {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kHexLineLength = 128;

} // namespace

void RtfBodyWriter::Text(QStringView s, const CharAttributes& a) {
    attributes(a);
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n;) {
        // Printable ASCII other than RTF's own characters stands for itself.
        const qsizetype start = i;
        while (i < n && s[i].unicode() >= 0x20 && s[i].unicode() < 0x7F && s[i] != QLatin1Char('\\') &&
               s[i] != QLatin1Char('{') && s[i] != QLatin1Char('}'))
            ++i;
        if (i > start) {
            const qsizetype at = m_out.size();
            m_out.resize(at + (i - start));
            char* out = m_out.data() + at;
            for (qsizetype k = start; k < i; ++k)
                *out++ = static_cast<char>(s[k].unicode());
            continue;
        }
        const QChar ch = s[i++];
        const char16_t u = ch.unicode();
        if (u < 0x20 && u != '\t') {
            continue;
        } else if (u == '\\' || u == '{' || u == '}') {
            m_out += '\\';
            m_out += static_cast<char>(u);
        } else if (u == '\t') {
            m_out += "\\tab ";
        } else if (u == 0x2028) {
            m_out += "\\line ";
        } else if (u == 0xFFFC) {
            continue;
        } else if (const unsigned char b = CharToCp1252(ch); b != 0) {
            hexByte(b);
        } else {
            m_out += "\\u";
            m_out += QByteArray::number(static_cast<int>(static_cast<std::int16_t>(u)));
            m_out += '?';
        }
    }
}

void RtfBodyWriter::Picture(const QByteArray& data, int widthTwips, int heightTwips) {
    const bool png = data.startsWith("\x89PNG");
    QImage image;
    if (!image.loadFromData(data))
        return;
    picture(data, png ? "\\pngblip" : "\\jpegblip", image.size(), widthTwips, heightTwips);
}

bool RtfBodyWriter::Picture(const QImage& image, double width, double height) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return false;
    PngPicture(png, image.size(), std::lround(width * kTwipsPerPixel), std::lround(height * kTwipsPerPixel));
    return true;
}

void RtfBodyWriter::PngPicture(const QByteArray& png, QSize pixels, long widthTwips, long heightTwips) {
    picture(png, "\\pngblip", pixels, widthTwips, heightTwips);
}

QByteArray RtfBodyWriter::Closing() const {
    return change(m_current, CharAttributes());
}

// Asked before every append of a long log: counted, not written.
qsizetype RtfBodyWriter::ClosedSize() const {
    if (m_current == CharAttributes())
        return m_out.size();
    return m_out.size() + (m_current.bold ? 3 : 0) + (m_current.italic ? 3 : 0) +
           (m_current.underline ? 7 : 0) + 1;
}

void RtfBodyWriter::Adopt(QByteArray body) {
    m_out = std::move(body);
    m_current = CharAttributes();
}

void RtfBodyWriter::Clear() {
    m_out.clear();
    m_current = CharAttributes();
}

QByteArray RtfBodyWriter::Finish() {
    attributes(CharAttributes());
    return std::move(m_out);
}

QByteArray RtfBodyWriter::change(const CharAttributes& from, const CharAttributes& to) {
    if (from == to)
        return {};
    QByteArray out;
    if (to.bold != from.bold)
        out += to.bold ? "\\b" : "\\b0";
    if (to.italic != from.italic)
        out += to.italic ? "\\i" : "\\i0";
    if (to.underline != from.underline)
        out += to.underline ? "\\ul" : "\\ulnone";
    out += ' ';
    return out;
}

void RtfBodyWriter::attributes(const CharAttributes& a) {
    if (a == m_current)
        return;
    m_out += change(m_current, a);
    m_current = a;
}

void RtfBodyWriter::hexByte(unsigned char b) {
    static const char digits[] = "0123456789abcdef";
    m_out += "\\'";
    m_out += digits[b >> 4];
    m_out += digits[b & 15];
}

void RtfBodyWriter::picture(const QByteArray& data, const char* kind, QSize pixels, long widthTwips,
                            long heightTwips) {
    if (widthTwips <= 0)
        widthTwips = pixels.width() * kTwipsPerPixel;
    if (heightTwips <= 0)
        heightTwips = pixels.height() * kTwipsPerPixel;
    m_out += QByteArray("{\\pict") + kind + "\\picw" + QByteArray::number(pixels.width()) + "\\pich" +
             QByteArray::number(pixels.height()) + "\\picwgoal" + QByteArray::number(widthTwips) +
             "\\pichgoal" + QByteArray::number(heightTwips) + "\r\n";
    const QByteArray hex = data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += kHexLineLength) {
        m_out += hex.mid(i, kHexLineLength);
        m_out += "\r\n";
    }
    m_out += "}";
}

} // namespace richtext
