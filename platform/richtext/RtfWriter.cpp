#include "RtfWriter.h"

#include "Cp1252.h"
#include "DocumentImages.h"
#include "RtfContent.h"

#include <cmath>
#include <cstdint>
#include <QBuffer>
#include <QTextBlock>
#include <QTextFragment>

namespace richtext {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kHexLineLength = 128;

class Writer {
public:
    Writer(const RtfFont& font, const RtfPage& page) : m_font(font), m_page(page) {}

    QByteArray Write(const QTextDocument& doc) {
        header();
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            if (block != doc.begin())
                m_out += "\\par\r\n";
            for (auto it = block.begin(); !it.atEnd(); ++it)
                fragment(doc, it.fragment());
        }
        m_out += "}\r\n";
        return m_out;
    }

private:
    void header() {
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 ";
        text(m_font.face);
        m_out += ";}}\r\n";
        page();
        m_out += "\\viewkind4\\uc1\\pard\\f0\\fs";
        m_out += QByteArray::number(static_cast<int>(std::lround(m_font.pointSize * 2)));
        m_out += ' ';
    }

    // Both the document's page and its one section's, as word processors read one or the other.
    void page() {
        const QByteArray w = QByteArray::number(m_page.width);
        const QByteArray h = QByteArray::number(m_page.height);
        const QByteArray m = QByteArray::number(m_page.margin);
        m_out +=
            "\\paperw" + w + "\\paperh" + h + "\\margl" + m + "\\margr" + m + "\\margt" + m + "\\margb" + m;
        if (m_page.landscape)
            m_out += "\\landscape";
        m_out += "\\sectd";
        if (m_page.landscape)
            m_out += "\\lndscpsxn";
        m_out += "\\pgwsxn" + w + "\\pghsxn" + h + "\\marglsxn" + m + "\\margrsxn" + m + "\\margtsxn" + m +
                 "\\margbsxn" + m + "\r\n";
    }

    void fragment(const QTextDocument& doc, const QTextFragment& frag) {
        const QTextCharFormat format = frag.charFormat();
        if (format.isImageFormat()) {
            // Neighbouring identical pictures share one fragment.
            for (int i = 0; i < frag.length(); ++i)
                picture(doc, format.toImageFormat());
            return;
        }
        attributes({format.fontWeight() > QFont::Normal, format.fontItalic(), format.fontUnderline()});
        text(frag.text());
    }

    void attributes(const CharAttributes& a) {
        if (a == m_current)
            return;
        if (a.bold != m_current.bold)
            m_out += a.bold ? "\\b" : "\\b0";
        if (a.italic != m_current.italic)
            m_out += a.italic ? "\\i" : "\\i0";
        if (a.underline != m_current.underline)
            m_out += a.underline ? "\\ul" : "\\ulnone";
        m_out += ' ';
        m_current = a;
    }

    void text(const QString& s) {
        for (const QChar ch : s) {
            const char16_t u = ch.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                m_out += '\\';
                m_out += static_cast<char>(u);
            } else if (u == '\t') {
                m_out += "\\tab ";
            } else if (u == 0x2028) {
                m_out += "\\line ";
            } else if (u == 0xFFFC || u < 0x20) {
                continue;
            } else if (u < 0x80) {
                m_out += static_cast<char>(u);
            } else if (const unsigned char b = CharToCp1252(ch); b != 0) {
                hexByte(b);
            } else {
                m_out += "\\u";
                m_out += QByteArray::number(static_cast<int>(static_cast<std::int16_t>(u)));
                m_out += '?';
            }
        }
    }

    void hexByte(unsigned char b) {
        static const char digits[] = "0123456789abcdef";
        m_out += "\\'";
        m_out += digits[b >> 4];
        m_out += digits[b & 15];
    }

    void picture(const QTextDocument& doc, const QTextImageFormat& format) {
        const QImage image = ImageOf(doc, format);
        if (image.isNull())
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return;
        const double width = format.width() > 0 ? format.width() : image.width();
        const double height = format.height() > 0 ? format.height() : image.height();
        m_out += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
                 QByteArray::number(image.height()) + "\\picwgoal" +
                 QByteArray::number(std::lround(width * kTwipsPerPixel)) + "\\pichgoal" +
                 QByteArray::number(std::lround(height * kTwipsPerPixel)) + "\r\n";
        const QByteArray hex = png.toHex();
        for (qsizetype i = 0; i < hex.size(); i += kHexLineLength) {
            m_out += hex.mid(i, kHexLineLength);
            m_out += "\r\n";
        }
        m_out += "}";
    }

    RtfFont m_font;
    RtfPage m_page;
    CharAttributes m_current;
    QByteArray m_out;
};

} // namespace

QByteArray WriteRtf(const QTextDocument& doc, const RtfFont& font, const RtfPage& page) {
    return Writer(font, page).Write(doc);
}

} // namespace richtext
