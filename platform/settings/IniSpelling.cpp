#include "IniSpelling.h"

#include <algorithm>

namespace settings {
namespace {

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// The value of `count` hex digits at `at`, or -1.
int HexAt(const QString& text, qsizetype at, int count) {
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = HexDigit(text[at + i]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

// "%20" and "%U00E4" as the earlier store escaped names; anything else stays.
QString UnescapeName(const QString& name) {
    if (!name.contains(QLatin1Char('%')))
        return name;
    QString out;
    QByteArray bytes; // %XX sequences form UTF-8
    const auto flushBytes = [&] {
        out += QString::fromUtf8(bytes);
        bytes.clear();
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == QLatin1Char('%')) {
            if (i + 1 < name.size() && name[i + 1] == QLatin1Char('U')) {
                const int u = HexAt(name, i + 2, 4);
                if (u >= 0) {
                    flushBytes();
                    out += QChar(static_cast<char16_t>(u));
                    i += 5;
                    continue;
                }
            } else if (const int b = HexAt(name, i + 1, 2); b >= 0) {
                bytes += static_cast<char>(b);
                i += 2;
                continue;
            }
        }
        flushBytes();
        out += name[i];
    }
    flushBytes();
    return out;
}

// A name as written: plain, except for what would not read back as the same name (a name read
// from an escaped file may hold anything): characters that end a line or a key, blanks at its
// ends, a start that reads as a comment or a section, and a "%" the reader would take for an
// escape are escaped, as the earlier store escaped names.
QString WrittenName(const QString& name) {
    const auto needsEscape = [&name](qsizetype i) {
        const QChar c = name[i];
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            c == QLatin1Char('='))
            return true;
        if ((i == 0 || i == name.size() - 1) && c.isSpace())
            return true;
        if (i == 0 && (c == QLatin1Char(';') || c == QLatin1Char('#') || c == QLatin1Char('[')))
            return true;
        return c == QLatin1Char('%') &&
               (HexAt(name, i + 1, 2) >= 0 ||
                (i + 1 < name.size() && name[i + 1] == QLatin1Char('U') && HexAt(name, i + 2, 4) >= 0));
    };
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!needsEscape(i)) {
            out += name[i];
            continue;
        }
        for (const char byte : QString(name[i]).toUtf8())
            out += QStringLiteral("%%1")
                       .arg(int(static_cast<unsigned char>(byte)), 2, 16, QLatin1Char('0'))
                       .toUpper();
    }
    return out;
}

namespace {

QString UnquoteValue(const QString& quoted) {
    QString out;
    out.reserve(quoted.size());
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        const QChar c = quoted[i];
        if (c != QLatin1Char('\\') || i + 1 >= quoted.size()) {
            out += c;
            continue;
        }
        const QChar next = quoted[++i];
        switch (next.unicode()) {
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case '0':
            out += QChar(0);
            break;
        case 'x': {
            int value = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < quoted.size() && HexDigit(quoted[i + 1]) >= 0) {
                value = value * 16 + HexDigit(quoted[++i]);
                ++digits;
            }
            if (digits > 0)
                out += QChar(static_cast<char16_t>(value));
            else
                out += QStringLiteral("\\x");
            break;
        }
        case '\\':
        case '"':
            out += next;
            break;
        default: // not an escape: both characters stand
            out += c;
            out += next;
        }
    }
    return out;
}

} // namespace

// A value as read: blanks around it do not count, surrounding double quotes are removed.
QString ReadValue(const QString& text) {
    const QString value = text.trimmed();
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        return UnquoteValue(value.mid(1, value.size() - 2));
    return value;
}

namespace {

bool NeedsQuotes(const QString& value) {
    if (value.isEmpty())
        return false;
    // What a reader trims from a value's ends.
    if (value.front().isSpace() || value.back().isSpace())
        return true;
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        return true;
    return std::any_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

} // namespace

QString WrittenValue(const QString& value) {
    if (!NeedsQuotes(value))
        return value;
    QString out = QStringLiteral("\"");
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '"') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u == '\n') {
            out += QStringLiteral("\\n");
        } else if (u == '\r') {
            out += QStringLiteral("\\r");
        } else if (u == '\t') {
            out += QStringLiteral("\\t");
        } else if (u < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            out += QStringLiteral("\\x%1").arg(int(u), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

} // namespace settings
