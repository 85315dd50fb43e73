#include "RtfWriter.h"

#include "Cp1252.h"
#include "DocumentImages.h"
#include "RtfContent.h"
#include "RtfParser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <QBuffer>
#include <QTextBlock>
#include <QTextFragment>
#include <vector>

namespace richtext {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kHexLineLength = 128;

// Writes a body; as a sink it takes what the parser reads from another file.
class BodyWriter : public RtfSink {
public:
    // `expected`: about how many bytes the body will take, so it is not copied as it grows.
    explicit BodyWriter(qsizetype expected = 0) { m_out.reserve(expected); }

    void Text(QStringView s, const CharAttributes& a) override {
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

    void ParagraphEnd() override { m_out += "\\par\r\n"; }

    void Picture(const QByteArray& data, int widthTwips, int heightTwips) override {
        const bool png = data.startsWith("\x89PNG");
        QImage image;
        if (!image.loadFromData(data))
            return;
        picture(data, png ? "\\pngblip" : "\\jpegblip", image.size(), widthTwips, heightTwips);
    }

    void Picture(const QImage& image, double width, double height) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return;
        picture(png, "\\pngblip", image.size(), std::lround(width * kTwipsPerPixel),
                std::lround(height * kTwipsPerPixel));
    }

    // The body, every attribute off at its end.
    QByteArray Finish() {
        attributes(CharAttributes());
        return std::move(m_out);
    }

private:
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

    void hexByte(unsigned char b) {
        static const char digits[] = "0123456789abcdef";
        m_out += "\\'";
        m_out += digits[b >> 4];
        m_out += digits[b & 15];
    }

    void picture(const QByteArray& data, const char* kind, QSize pixels, long widthTwips, long heightTwips) {
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

    CharAttributes m_current;
    QByteArray m_out;
};

// Writes a document's fragments. Text is taken from the document's whole text at once and
// attributes once per format, so a long log costs no allocation per fragment.
class DocumentWriter {
public:
    DocumentWriter(const QTextDocument& doc, BodyWriter& writer)
        : m_doc(doc), m_writer(writer), m_text(doc.toRawText()) {}

    // `at`: the fragment's position, counted along (asking the document costs a walk of its tree).
    void Fragment(const QTextFragment& frag, qsizetype at) {
        const int index = frag.charFormatIndex();
        if (index < 0)
            return;
        if (static_cast<std::size_t>(index) >= m_known.size())
            m_known.resize(static_cast<std::size_t>(index) + 1);
        Known& known = m_known[static_cast<std::size_t>(index)];
        if (!known.read) {
            const QTextCharFormat format = frag.charFormat();
            known = Known{true,
                          format.isImageFormat(),
                          {format.fontWeight() > QFont::Normal, format.fontItalic(), format.fontUnderline()}};
        }
        if (known.image) {
            picture(frag);
            return;
        }
        const qsizetype length = std::min<qsizetype>(frag.length(), m_text.size() - at);
        if (at >= 0 && length > 0)
            m_writer.Text(QStringView(m_text).sliced(at, length), known.attributes);
    }

private:
    struct Known {
        bool read = false;
        bool image = false;
        CharAttributes attributes;
    };

    void picture(const QTextFragment& frag) {
        const QTextImageFormat imageFormat = frag.charFormat().toImageFormat();
        const QImage image = ImageOf(m_doc, imageFormat);
        if (image.isNull())
            return;
        const double width = imageFormat.width() > 0 ? imageFormat.width() : image.width();
        const double height = imageFormat.height() > 0 ? imageFormat.height() : image.height();
        // Neighbouring identical pictures share one fragment.
        for (int i = 0; i < frag.length(); ++i)
            m_writer.Picture(image, width, height);
    }

    const QTextDocument& m_doc;
    BodyWriter& m_writer;
    const QString m_text;
    std::vector<Known> m_known;
};

void Escaped(QByteArray& out, const QString& text) {
    BodyWriter writer;
    writer.Text(text, CharAttributes());
    out += writer.Finish();
}

// Both the document's page and its one section's, as word processors read one or the other.
void PageDescription(QByteArray& out, const RtfPage& page) {
    const QByteArray w = QByteArray::number(page.width);
    const QByteArray h = QByteArray::number(page.height);
    const QByteArray m = QByteArray::number(page.margin);
    out += "\\paperw" + w + "\\paperh" + h + "\\margl" + m + "\\margr" + m + "\\margt" + m + "\\margb" + m;
    if (page.landscape)
        out += "\\landscape";
    out += "\\sectd";
    if (page.landscape)
        out += "\\lndscpsxn";
    out += "\\pgwsxn" + w + "\\pghsxn" + h + "\\marglsxn" + m + "\\margrsxn" + m + "\\margtsxn" + m +
           "\\margbsxn" + m + "\r\n";
}

} // namespace

QByteArray RtfBody(const QTextDocument& doc) {
    BodyWriter writer(doc.characterCount() + qsizetype(doc.blockCount()) * 8);
    DocumentWriter fragments(doc, writer);
    qsizetype blockAt = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            writer.ParagraphEnd();
        qsizetype at = blockAt;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            fragments.Fragment(frag, at);
            at += frag.length();
        }
        blockAt += block.length();
    }
    return writer.Finish();
}

std::optional<RtfBodyBytes> RtfBodyOf(QByteArray rtf, const RtfFont& font, const RtfPage& page) {
    const QByteArray header = RtfHeader(font, page);
    const qsizetype endSize = qsizetype(sizeof kRtfEnd) - 1;
    // Our own file: its body stands between our header and the closing brace, when the whole group
    // closes right at that brace and text written before it would be read as after the header.
    if (rtf.startsWith(header) && rtf.endsWith(kRtfEnd)) {
        struct Check : RtfSink {
            void Text(QStringView, const CharAttributes&) override {}
            void ParagraphEnd() override {}
            void Picture(const QByteArray&, int, int) override {}
            bool WantsText() const override { return false; }
        } check;
        RtfEnd end;
        if (!ParseRtf(rtf, check, &end))
            return std::nullopt;
        if (end.closed == rtf.size() - endSize + 1 && end.attributes == CharAttributes() && end.text &&
            end.unicodeSkip == 1) {
            const qsizetype size = rtf.size() - endSize - header.size();
            return RtfBodyBytes{std::move(rtf), header.size(), size};
        }
    }
    BodyWriter writer(rtf.size());
    if (!ParseRtf(rtf, writer))
        return std::nullopt;
    QByteArray body = writer.Finish();
    const qsizetype size = body.size();
    return RtfBodyBytes{std::move(body), 0, size};
}

QByteArray RtfHeader(const RtfFont& font, const RtfPage& page) {
    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 ";
    Escaped(out, font.face);
    out += ";}}\r\n";
    PageDescription(out, page);
    out += "\\viewkind4\\uc1\\pard\\f0\\fs";
    out += QByteArray::number(static_cast<int>(std::lround(font.pointSize * 2)));
    out += ' ';
    return out;
}

QByteArray RtfFile(const QByteArray& body, const RtfFont& font, const RtfPage& page) {
    QByteArray out = RtfHeader(font, page);
    out.reserve(out.size() + body.size() + 3);
    out += body;
    out += kRtfEnd;
    return out;
}

QByteArray WriteRtf(const QTextDocument& doc, const RtfFont& font, const RtfPage& page) {
    return RtfFile(RtfBody(doc), font, page);
}

} // namespace richtext
