#include "RtfWriter.h"

#include "Cp1252.h"
#include "DocumentImages.h"
#include "RtfBodyWriter.h"
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

// Writes a document's fragments. Text is taken from the document's whole text at once and
// attributes once per format, so a long log costs no allocation per fragment.
class DocumentWriter {
public:
    DocumentWriter(const QTextDocument& doc, RtfBodyWriter& writer)
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
    RtfBodyWriter& m_writer;
    const QString m_text;
    std::vector<Known> m_known;
};

void Escaped(QByteArray& out, const QString& text) {
    RtfBodyWriter writer;
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
    RtfBodyWriter writer(doc.characterCount() + qsizetype(doc.blockCount()) * 8);
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
    struct Check : RtfSink {
        void Text(QStringView, const CharAttributes&) override {}
        void ParagraphEnd() override {}
        void Picture(const QByteArray&, int, int) override {}
        bool WantsText() const override { return false; }
    } check;
    switch (ReadOwnFile(rtf, check, font, page)) {
    case OwnFile::Unreadable:
        return std::nullopt;
    case OwnFile::KeptBody: {
        const qsizetype begin = RtfHeader(font, page).size();
        const qsizetype size = rtf.size() - (qsizetype(sizeof kRtfEnd) - 1) - begin;
        return RtfBodyBytes{std::move(rtf), begin, size};
    }
    case OwnFile::Other:
        break;
    }
    RtfBodyWriter writer(rtf.size());
    if (!ParseRtf(rtf, writer))
        return std::nullopt;
    QByteArray body = writer.Finish();
    const qsizetype size = body.size();
    return RtfBodyBytes{std::move(body), 0, size};
}

OwnFile ReadOwnFile(const QByteArray& rtf, RtfSink& sink, const RtfFont& font, const RtfPage& page) {
    if (!rtf.startsWith(RtfHeader(font, page)) || !rtf.endsWith(kRtfEnd))
        return OwnFile::Other;
    RtfEnd end;
    if (!ParseRtf(rtf, sink, &end))
        return OwnFile::Unreadable;
    const qsizetype endSize = qsizetype(sizeof kRtfEnd) - 1;
    const bool kept = end.closed == rtf.size() - endSize + 1 && end.attributes == CharAttributes() &&
                      end.text && end.unicodeSkip == 1;
    return kept ? OwnFile::KeptBody : OwnFile::Other;
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
