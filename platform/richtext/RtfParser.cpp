#include "RtfParser.h"

#include "Cp1252.h"
#include "RtfWords.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

namespace richtext {
namespace {

// Deeper nesting than this is never written for text; refusing it bounds the group stack.
constexpr std::size_t kMaxDepth = 1000;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxParameterDigits = 10;
constexpr int kTwipsPerPixel = 15;

enum class Destination { Text, Skip, Picture };
enum class PictureType { Other, Png, Jpeg };

struct GroupState {
    Destination destination = Destination::Text;
    CharAttributes attributes;
    int unicodeSkip = 1;
};

struct PictureState {
    PictureType type = PictureType::Other;
    QByteArray data;
    int highNibble = -1;
    int pixelWidth = 0, pixelHeight = 0;
    int goalWidth = 0, goalHeight = 0;
    int scaleX = 100, scaleY = 100;
};

struct ControlWord {
    std::string_view word;
    bool hasParameter = false;
    int parameter = 0;
};

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Bytes that stand for themselves in text: printable ASCII that is not RTF syntax.
bool isPlainText(char c) {
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

int clampedInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

class Parser {
public:
    Parser(const QByteArray& data, RtfSink& sink, RtfEnd* end)
        : m_data(data), m_size(data.size()), m_sink(sink), m_end(end), m_wantsText(sink.WantsText()) {}

    bool Run() {
        if (!skipToRtfStart())
            return false;
        while (m_pos < m_size) {
            const char c = m_data[m_pos];
            if (isPlainText(c) && m_state.destination == Destination::Text && m_skipChars == 0) {
                plainRun();
                continue;
            }
            ++m_pos;
            if (c == '{') {
                if (m_stack.size() >= kMaxDepth)
                    return false;
                m_ignorableNext = false;
                m_skipChars = 0;
                m_stack.push_back(m_state);
            } else if (c == '}') {
                if (closeGroup())
                    break;
            } else if (c == '\\') {
                control();
            } else if (c != '\r' && c != '\n') {
                rawByte(static_cast<unsigned char>(c));
            }
        }
        flushText();
        return true;
    }

private:
    bool skipToRtfStart() {
        while (m_pos < m_size && (m_data[m_pos] == ' ' || m_data[m_pos] == '\r' || m_data[m_pos] == '\n' ||
                                  m_data[m_pos] == '\t'))
            ++m_pos;
        return m_data.mid(m_pos, 5) == "{\\rtf";
    }

    // A run of plain characters goes into the text at once.
    void plainRun() {
        const qsizetype start = m_pos;
        while (m_pos < m_size && isPlainText(m_data[m_pos]))
            ++m_pos;
        if (!m_wantsText)
            return;
        useAttributes();
        m_text.append(QLatin1StringView(m_data.constData() + start, m_pos - start));
    }

    // True when the outermost group has ended.
    bool closeGroup() {
        m_ignorableNext = false;
        m_skipChars = 0;
        if (m_stack.empty())
            return true;
        if (m_pictureDepth == m_stack.size())
            finishPicture();
        if (m_stack.size() == 1 && m_end)
            *m_end = RtfEnd{m_pos, m_state.attributes, m_state.destination == Destination::Text,
                            m_state.unicodeSkip};
        m_state = m_stack.back();
        m_stack.pop_back();
        return m_stack.empty();
    }

    void control() {
        if (m_pos >= m_size)
            return;
        const char c = m_data[m_pos];
        if (isLetter(c)) {
            controlWord(readWord());
            return;
        }
        ++m_pos;
        m_ignorableNext = m_ignorableNext && c == '*';
        switch (c) {
        case '*':
            m_ignorableNext = true;
            break;
        case '\\':
        case '{':
        case '}':
            put(QChar(c));
            break;
        case '\'':
            hexByte();
            break;
        case '~':
            put(QChar(0x00A0));
            break;
        case '_':
            put(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            paragraphEnd();
            break;
        default:
            break; // optional hyphen, formula and index marks
        }
    }

    ControlWord readWord() {
        ControlWord cw;
        const qsizetype start = m_pos;
        while (m_pos < m_size && isLetter(m_data[m_pos]))
            ++m_pos;
        // Longer words are no word this reader knows; their first letters name none either.
        cw.word =
            std::string_view(m_data.constData() + start,
                             std::min<std::size_t>(static_cast<std::size_t>(m_pos - start), kMaxWordLength));
        bool negative = false;
        if (m_pos + 1 < m_size && m_data[m_pos] == '-' && m_data[m_pos + 1] >= '0' &&
            m_data[m_pos + 1] <= '9') {
            negative = true;
            ++m_pos;
        }
        std::int64_t value = 0;
        int digits = 0;
        while (m_pos < m_size && m_data[m_pos] >= '0' && m_data[m_pos] <= '9') {
            if (digits++ < kMaxParameterDigits)
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (digits > 0) {
            cw.hasParameter = true;
            cw.parameter = clampedInt(negative ? -value : value);
        }
        if (m_pos < m_size && m_data[m_pos] == ' ')
            ++m_pos;
        return cw;
    }

    void controlWord(const ControlWord& cw) {
        const bool ignorable = m_ignorableNext;
        m_ignorableNext = false;
        if (cw.word == "bin") {
            binary(cw.parameter);
            return;
        }
        if (m_state.destination == Destination::Skip)
            return;
        if (ignorable && cw.word != "shppict") {
            m_state.destination = Destination::Skip;
            return;
        }
        // The words of text come first: they are most of a log's words, and no destination is
        // among them.
        if (m_state.destination == Destination::Text && attributeWord(cw))
            return;
        if (rtfwords::Contains(rtfwords::kSkippedDestinations, cw.word)) {
            m_state.destination = Destination::Skip;
            return;
        }
        if (m_state.destination == Destination::Picture) {
            pictureWord(cw);
            return;
        }
        textWord(cw);
    }

    // The words a log line is made of; false for any other word.
    bool attributeWord(const ControlWord& cw) {
        const bool on = !cw.hasParameter || cw.parameter != 0;
        CharAttributes& a = m_state.attributes;
        const std::string_view w = cw.word;
        if (w == "par")
            paragraphEnd();
        else if (w == "ul")
            a.underline = on;
        else if (w == "ulnone")
            a.underline = false;
        else if (w == "b")
            a.bold = on;
        else if (w == "i")
            a.italic = on;
        else
            return false;
        return true;
    }

    void textWord(const ControlWord& cw) {
        const bool on = !cw.hasParameter || cw.parameter != 0;
        CharAttributes& a = m_state.attributes;
        const std::string_view w = cw.word;
        if (w == "b") {
            a.bold = on;
        } else if (w == "i") {
            a.italic = on;
        } else if (w == "par" || w == "sect" || w == "page" || w == "row") {
            paragraphEnd();
        } else if (w == "ulnone") {
            a.underline = false;
        } else if (rtfwords::Contains(rtfwords::kUnderlineWords, w)) {
            a.underline = on;
        } else if (w == "plain") {
            a = CharAttributes();
        } else if (w == "uc") {
            m_state.unicodeSkip = std::clamp(cw.parameter, 0, 16);
        } else if (w == "u") {
            unicodeChar(cw.parameter);
        } else if (w == "line") {
            put(QChar::LineSeparator);
        } else if (w == "pict") {
            startPicture();
        } else {
            for (const rtfwords::SymbolWord& s : rtfwords::kSymbolWords) {
                if (w == s.word) {
                    put(QChar(s.ch));
                    break;
                }
            }
        }
    }

    void pictureWord(const ControlWord& cw) {
        PictureState& p = m_picture;
        const std::string_view w = cw.word;
        const int v = std::clamp(cw.parameter, 0, 1 << 20);
        if (w == "pngblip")
            p.type = PictureType::Png;
        else if (w == "jpegblip")
            p.type = PictureType::Jpeg;
        else if (w == "wmetafile" || w == "emfblip" || w == "dibitmap" || w == "wbitmap" || w == "macpict")
            p.type = PictureType::Other;
        else if (w == "picw")
            p.pixelWidth = v;
        else if (w == "pich")
            p.pixelHeight = v;
        else if (w == "picwgoal")
            p.goalWidth = v;
        else if (w == "pichgoal")
            p.goalHeight = v;
        else if (w == "picscalex" && v > 0)
            p.scaleX = std::min(v, 10000);
        else if (w == "picscaley" && v > 0)
            p.scaleY = std::min(v, 10000);
    }

    void startPicture() {
        m_state.destination = Destination::Picture;
        m_picture = PictureState();
        m_pictureDepth = m_stack.size();
    }

    void finishPicture() {
        m_pictureDepth = SIZE_MAX;
        PictureState p = std::move(m_picture);
        m_picture = PictureState();
        if (p.type == PictureType::Other || p.data.isEmpty())
            return;
        flushText();
        const auto shown = [](int goal, int pixels, int scale) {
            const std::int64_t twips = goal > 0 ? goal : std::int64_t(pixels) * kTwipsPerPixel;
            return clampedInt(twips * scale / 100);
        };
        m_sink.Picture(p.data, shown(p.goalWidth, p.pixelWidth, p.scaleX),
                       shown(p.goalHeight, p.pixelHeight, p.scaleY));
    }

    void binary(int length) {
        const qsizetype n = std::min<qsizetype>(std::max(length, 0), m_size - m_pos);
        if (m_state.destination == Destination::Picture)
            m_picture.data.append(m_data.constData() + m_pos, n);
        m_pos += n;
    }

    void hexByte() {
        if (m_pos + 1 >= m_size || !isHexDigit(m_data[m_pos]) || !isHexDigit(m_data[m_pos + 1]))
            return;
        const int value = hexValue(m_data[m_pos]) * 16 + hexValue(m_data[m_pos + 1]);
        m_pos += 2;
        put(Cp1252ToChar(static_cast<unsigned char>(value)));
    }

    void unicodeChar(int value) {
        if (value < 0)
            value += 65536;
        if (value >= 0 && value <= 0xFFFF)
            put(QChar(static_cast<char16_t>(value)));
        // The fallback characters that follow stand for the same character.
        m_skipChars = m_state.unicodeSkip;
    }

    void rawByte(unsigned char c) {
        if (m_state.destination == Destination::Picture) {
            if (!isHexDigit(static_cast<char>(c)))
                return;
            PictureState& p = m_picture;
            if (p.highNibble < 0) {
                p.highNibble = hexValue(static_cast<char>(c));
            } else {
                p.data.append(static_cast<char>(p.highNibble * 16 + hexValue(static_cast<char>(c))));
                p.highNibble = -1;
            }
            return;
        }
        if (c != '\t' && c < 0x20)
            return;
        put(Cp1252ToChar(c));
    }

    void put(QChar ch) {
        if (m_state.destination != Destination::Text)
            return;
        // Control, object and frame characters would split or corrupt the document's structure.
        const char16_t u = ch.unicode();
        if ((u < 0x20 && u != u'\t') || u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1)
            return;
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (!m_wantsText)
            return;
        useAttributes();
        m_text.append(ch);
    }

    // Text in other attributes than the run being collected starts a new run.
    void useAttributes() {
        if (m_state.attributes != m_textAttributes) {
            flushText();
            m_textAttributes = m_state.attributes;
        }
    }

    void paragraphEnd() {
        if (m_state.destination != Destination::Text)
            return;
        flushText();
        m_sink.ParagraphEnd();
    }

    void flushText() {
        if (m_text.isEmpty())
            return;
        m_sink.Text(m_text, m_textAttributes);
        m_text.resize(0); // keeps its memory for the next run
    }

    const QByteArray& m_data;
    const qsizetype m_size;
    RtfSink& m_sink;
    RtfEnd* m_end;
    const bool m_wantsText;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_stack;
    GroupState m_state;
    bool m_ignorableNext = false;
    int m_skipChars = 0;
    QString m_text;
    CharAttributes m_textAttributes;
    PictureState m_picture;
    std::size_t m_pictureDepth = SIZE_MAX;
};

} // namespace

bool ParseRtf(const QByteArray& data, RtfSink& sink, RtfEnd* end) {
    if (end)
        *end = RtfEnd();
    return Parser(data, sink, end).Run();
}

std::optional<RtfContent> ParseRtf(const QByteArray& data) {
    RtfContent content;
    if (!ParseRtf(data, content, nullptr))
        return std::nullopt;
    return content;
}

} // namespace richtext
