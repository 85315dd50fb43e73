#include "ReportLogText.h"

#include "AtomicFile.h"
#include "DocumentImages.h"
#include "RtfParser.h"

#include <algorithm>
#include <QBuffer>
#include <QImageReader>
#include <QTextCursor>

namespace {

constexpr double kTwipsPerPixel = 15.0;

bool IsLineEnd(QChar c) {
    const char16_t u = c.unicode();
    // The characters a rich text box starts a new paragraph at.
    return u == '\n' || u == '\r' || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1;
}

QSize PictureSize(int widthTwips, int heightTwips, QSize pixels) {
    return QSize(widthTwips > 0 ? qRound(widthTwips / kTwipsPerPixel) : pixels.width(),
                 heightTwips > 0 ? qRound(heightTwips / kTwipsPerPixel) : pixels.height());
}

} // namespace

// Reads a file's content into a log; the pictures are only measured, not decoded.
class ReportLogText::Loader : public richtext::RtfSink {
public:
    explicit Loader(ReportLogText& log) : m_log(log) {}
    void Text(QStringView text, const Attributes& attributes) override {
        m_log.appendText(text, attributes);
        if (m_log.m_writeRtf)
            m_log.m_rtf.Text(text, attributes);
    }
    void ParagraphEnd() override {
        m_log.newLine();
        if (m_log.m_writeRtf)
            m_log.rtfParagraphEnd();
    }
    void Picture(const QByteArray& data, int widthTwips, int heightTwips) override {
        QBuffer buffer;
        buffer.setData(data);
        QImageReader reader(&buffer);
        const QSize pixels = reader.size();
        if (!reader.canRead() || pixels.isEmpty())
            return;
        auto picture = std::make_shared<LogPicture>();
        picture->encoded = data;
        picture->pixels = pixels;
        picture->shown = PictureSize(widthTwips, heightTwips, pixels);
        m_log.addPicture(std::move(picture));
        if (m_log.m_writeRtf)
            m_log.m_rtf.Picture(data, widthTwips, heightTwips);
    }

private:
    ReportLogText& m_log;
};

ReportLogText::ReportLogText() {
    static quint64 bodies = 0;
    m_bodyId = ++bodies;
    m_lineStart.push_back(0);
    m_spans.push_back(Span{0, Attributes()});
}

richtext::RtfFont ReportLogText::Font() {
    return richtext::RtfFont();
}

void ReportLogText::Append(QStringView text, const Attributes& attributes) {
    qsizetype begin = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!IsLineEnd(text[i]))
            continue;
        if (i > begin) {
            appendText(text.sliced(begin, i - begin), attributes);
            m_rtf.Text(text.sliced(begin, i - begin), attributes);
        }
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        newLine();
        rtfParagraphEnd();
        begin = i + 1;
    }
    if (n > begin) {
        appendText(text.sliced(begin), attributes);
        m_rtf.Text(text.sliced(begin), attributes);
    }
}

void ReportLogText::appendText(QStringView text, const Attributes& attributes) {
    if (text.isEmpty())
        return;
    if (m_spans.back().attributes != attributes) {
        if (m_spans.back().start == m_text.size())
            m_spans.back().attributes = attributes;
        else
            m_spans.push_back(Span{m_text.size(), attributes});
    }
    m_text += text;
    m_longestLine = std::max(m_longestLine, static_cast<int>(m_text.size() - m_lineStart.back()));
    ++m_revision;
}

void ReportLogText::newLine() {
    m_lineStart.push_back(m_text.size());
    ++m_revision;
}

void ReportLogText::rtfParagraphEnd() {
    m_rtf.ParagraphEnd();
    m_rtfLineEnds.push_back(m_rtf.Bytes().size());
}

void ReportLogText::addPicture(std::shared_ptr<const LogPicture> picture) {
    m_pictures.push_back(PictureAt{m_text.size(), std::move(picture)});
    m_text += QChar::ObjectReplacementCharacter;
    m_longestLine = std::max(m_longestLine, static_cast<int>(m_text.size() - m_lineStart.back()));
    ++m_revision;
}

ReportLogText::PictureAdded ReportLogText::AppendPicture(const QImage& image, qsizetype maxFileBytes) {
    if (image.isNull())
        return PictureAdded::NotEncoded;
    auto picture = std::make_shared<LogPicture>();
    QBuffer buffer(&picture->encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return PictureAdded::NotEncoded;
    // Written as hexadecimal digits, 128 to a line, after a short heading.
    const qsizetype bytes = picture->encoded.size() * 2 + picture->encoded.size() / 32 + 128;
    if (RtfFileSize() + bytes > maxFileBytes)
        return PictureAdded::TooLarge;
    picture->pixels = image.size();
    picture->shown = image.size();
    m_rtf.PngPicture(picture->encoded, image.size(), std::lround(image.width() * kTwipsPerPixel),
                     std::lround(image.height() * kTwipsPerPixel));
    addPicture(std::move(picture));
    return PictureAdded::Added;
}

void ReportLogText::Clear() {
    const quint64 revision = m_revision + 1;
    *this = ReportLogText();
    m_revision = revision;
}

QStringView ReportLogText::Line(int line) const {
    const auto i = static_cast<std::size_t>(line);
    const qsizetype begin = m_lineStart[i];
    const qsizetype end = i + 1 < m_lineStart.size() ? m_lineStart[i + 1] : m_text.size();
    return QStringView(m_text).sliced(begin, end - begin);
}

int ReportLogText::LineOf(qsizetype position) const {
    const auto it = std::upper_bound(m_lineStart.begin(), m_lineStart.end(), position);
    return static_cast<int>(it - m_lineStart.begin()) - 1;
}

ReportLogText::Attributes ReportLogText::attributesAt(qsizetype position) const {
    const auto it = std::upper_bound(m_spans.begin(), m_spans.end(), position,
                                     [](qsizetype p, const Span& s) { return p < s.start; });
    return it == m_spans.begin() ? Attributes() : std::prev(it)->attributes;
}

std::vector<ReportLogText::Run> ReportLogText::Runs(int line) const {
    std::vector<Run> runs;
    const qsizetype begin = LineStart(line);
    const qsizetype end = begin + Line(line).size();
    if (begin == end)
        return runs;
    auto span = std::upper_bound(m_spans.begin(), m_spans.end(), begin,
                                 [](qsizetype p, const Span& s) { return p < s.start; });
    auto picture = std::lower_bound(m_pictures.begin(), m_pictures.end(), begin,
                                    [](const PictureAt& p, qsizetype at) { return p.position < at; });
    Attributes current = span == m_spans.begin() ? Attributes() : std::prev(span)->attributes;
    qsizetype at = begin;
    while (at < end) {
        if (picture != m_pictures.end() && picture->position == at) {
            const int column = static_cast<int>(at - begin);
            runs.push_back(Run{column, column + 1, current, picture->picture.get()});
            ++picture;
            ++at;
        } else {
            qsizetype next = end;
            if (span != m_spans.end())
                next = std::min(next, span->start);
            if (picture != m_pictures.end())
                next = std::min(next, picture->position);
            if (next > at)
                runs.push_back(
                    Run{static_cast<int>(at - begin), static_cast<int>(next - begin), current, nullptr});
            at = next;
        }
        while (span != m_spans.end() && span->start <= at) {
            current = span->attributes;
            ++span;
        }
    }
    return runs;
}

QString ReportLogText::PlainText() const {
    return PlainText(0, 0, LineCount() - 1, static_cast<int>(Line(LineCount() - 1).size()));
}

QString ReportLogText::PlainText(int fromLine, int fromColumn, int toLine, int toColumn) const {
    QString out;
    for (int line = fromLine; line <= toLine; ++line) {
        if (line != fromLine)
            out += QStringLiteral("\r\n");
        QStringView text = Line(line);
        const qsizetype end = line == toLine ? std::min<qsizetype>(toColumn, text.size()) : text.size();
        const qsizetype begin = line == fromLine ? std::min<qsizetype>(fromColumn, end) : 0;
        text = text.sliced(begin, end - begin);
        if (!text.contains(QChar::ObjectReplacementCharacter) && !text.contains(QChar::LineSeparator)) {
            out += text;
            continue;
        }
        for (const QChar ch : text) {
            if (ch == QChar::LineSeparator)
                out += QStringLiteral("\r\n");
            else if (ch != QChar::ObjectReplacementCharacter)
                out += ch;
        }
    }
    return out;
}

qsizetype ReportLogText::RtfFileSize() const {
    static const qsizetype frame =
        richtext::RtfHeader(Font()).size() + qsizetype(sizeof richtext::kRtfEnd) - 1;
    return frame + m_rtf.ClosedSize();
}

bool ReportLogText::SaveRtf(const QString& path, std::optional<QFileDevice::Permissions> permissions) const {
    const QByteArray header = richtext::RtfHeader(Font());
    const QByteArray closing = m_rtf.Closing();
    files::AtomicFile file(path, permissions);
    return file.Open() && file.Write(header) && file.Write(m_rtf.Bytes()) && file.Write(closing) &&
           file.Write(richtext::kRtfEnd, qint64(sizeof richtext::kRtfEnd) - 1) && file.Commit();
}

std::optional<ReportLogText> ReportLogText::FromRtf(QByteArray rtf) {
    std::optional<ReportLogText> log(std::in_place);
    const QByteArray header = richtext::RtfHeader(Font());
    const qsizetype endSize = qsizetype(sizeof richtext::kRtfEnd) - 1;
    // Our own file keeps its body.
    {
        log->m_writeRtf = false;
        Loader loader(*log);
        switch (richtext::ReadOwnFile(rtf, loader, Font())) {
        case richtext::OwnFile::Unreadable:
            return std::nullopt;
        case richtext::OwnFile::KeptBody:
            rtf.chop(endSize);
            rtf.remove(0, header.size());
            log->m_rtf.Adopt(std::move(rtf));
            log->m_writeRtf = true;
            log->m_keptFileBytes = true;
            return log;
        case richtext::OwnFile::Other:
            break;
        }
    }
    log.emplace();
    Loader loader(*log);
    if (!richtext::ParseRtf(rtf, loader))
        return std::nullopt;
    // What is appended next starts with every attribute off, as after a body of its own.
    log->m_rtf.Adopt(log->m_rtf.Finish());
    return log;
}

std::unique_ptr<QTextDocument> ReportLogText::ToDocument(const QTextCharFormat& base) const {
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor cursor(doc.get());
    cursor.beginEditBlock();
    cursor.setBlockCharFormat(base);
    for (int line = 0; line < LineCount(); ++line) {
        if (line > 0)
            cursor.insertBlock(QTextBlockFormat(), base);
        const QStringView text = Line(line);
        for (const Run& run : Runs(line)) {
            if (run.picture != nullptr) {
                QImage image;
                image.loadFromData(run.picture->encoded);
                if (!image.isNull())
                    richtext::InsertImage(cursor, image, run.picture->shown.width(),
                                          run.picture->shown.height());
                continue;
            }
            QTextCharFormat format = base;
            format.setFontWeight(run.attributes.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.attributes.italic);
            format.setFontUnderline(run.attributes.underline);
            cursor.insertText(text.sliced(run.begin, run.end - run.begin).toString(), format);
        }
    }
    cursor.endEditBlock();
    return doc;
}
