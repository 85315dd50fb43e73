#include "IniDocument.h"

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

QString Folded(const QString& name) {
    return name.toCaseFolded();
}

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

// A value as read: blanks around it do not count, surrounding double quotes are removed.
QString ReadValue(const QString& text) {
    const QString value = text.trimmed();
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        return UnquoteValue(value.mid(1, value.size() - 2));
    return value;
}

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

} // namespace

IniDocument IniDocument::Parse(const QByteArray& utf8) {
    IniDocument doc;
    Group* current = &doc.groups_.front();
    // Line by line, so a long value is converted once and the file's text is never held twice.
    qsizetype start = 0;
    while (start <= utf8.size()) {
        qsizetype end = utf8.indexOf('\n', start);
        if (end < 0)
            end = utf8.size();
        QByteArrayView bytes = QByteArrayView(utf8).sliced(start, end - start);
        start = end + 1;
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        QString raw = QString::fromUtf8(bytes);
        const QString line = raw.trimmed();
        while (!raw.isEmpty() && raw.back().isSpace())
            raw.chop(1); // a line's end is no part of it
        if (line.isEmpty())
            continue;
        if (line.front() == QLatin1Char('[') && line.back() == QLatin1Char(']')) {
            const QString spelled = line.mid(1, line.size() - 2).trimmed();
            const QString name = UnescapeName(spelled);
            const bool plain = name == spelled;
            current = doc.FindGroup(name);
            if (!current) {
                current = &doc.AddGroup(name);
                current->plain = plain;
            } else if (plain && !current->plain) {
                current->name = name;
                current->plain = true;
            }
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.front() == QLatin1Char(';') || line.front() == QLatin1Char('#') || equals <= 0) {
            current->lines.push_back(Line{false, {}, {}, raw, 0});
            continue;
        }
        const QString spelled = line.left(equals).trimmed();
        const QString key = UnescapeName(spelled);
        const int rank = (current->plain ? 2 : 0) + (key == spelled ? 1 : 0);
        doc.AddEntry(*current, Line{true, key, ReadValue(line.mid(equals + 1)), {}, rank});
    }
    return doc;
}

void IniDocument::AddEntry(Group& group, Line line) {
    const QString folded = Folded(line.key);
    const auto known = group.entries.constFind(folded);
    if (known != group.entries.cend()) {
        Line& existing = group.lines[*known];
        if (line.rank > existing.rank)
            existing = std::move(line);
        return;
    }
    group.entries.insert(folded, group.lines.size());
    group.lines.push_back(std::move(line));
}

void IniDocument::Group::Reindex() {
    entries.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].entry)
            entries.insert(Folded(lines[i].key), i);
    }
}

const IniDocument::Line* IniDocument::Group::Find(const QString& key) const {
    const auto it = entries.constFind(Folded(key));
    return it == entries.cend() ? nullptr : &lines[*it];
}

QByteArray IniDocument::Serialize() const {
    QString out;
    for (const Group& group : groups_) {
        if (&group != &groups_.front()) {
            if (!out.isEmpty())
                out += QLatin1Char('\n');
            out += QLatin1Char('[') + WrittenName(group.name) + QStringLiteral("]\n");
        }
        for (const Line& line : group.lines) {
            out +=
                line.entry ? WrittenName(line.key) + QLatin1Char('=') + WrittenValue(line.value) : line.raw;
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

IniDocument::Group* IniDocument::FindGroup(const QString& section) {
    return const_cast<Group*>(static_cast<const IniDocument*>(this)->FindGroup(section));
}

const IniDocument::Group* IniDocument::FindGroup(const QString& section) const {
    const auto it = groupIndex_.constFind(Folded(section));
    return it == groupIndex_.cend() ? nullptr : &groups_[*it];
}

IniDocument::Group& IniDocument::AddGroup(const QString& section) {
    groupIndex_.insert(Folded(section), groups_.size());
    groups_.push_back(Group{section, true, {}, {}});
    return groups_.back();
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const {
    const Group* group = FindGroup(section);
    const Line* line = group ? group->Find(key) : nullptr;
    if (!line)
        return std::nullopt;
    return line->value;
}

KeysAndValues IniDocument::Section(const QString& section) const {
    KeysAndValues out;
    if (const Group* group = FindGroup(section)) {
        for (const Line& line : group->lines) {
            if (line.entry)
                out.append({line.key, line.value});
        }
    }
    return out;
}

void IniDocument::Set(const QString& section, const KeysAndValues& keysAndValues) {
    Group* group = FindGroup(section);
    if (!group)
        group = &AddGroup(section);
    group->name = section;
    group->plain = true;
    QHash<QString, std::size_t> blockIndex; // folded key -> its place in the block
    std::vector<Line> block;
    for (const auto& [key, value] : keysAndValues) {
        const QString folded = Folded(key);
        const auto same = blockIndex.constFind(folded);
        if (same != blockIndex.cend()) {
            block[*same].value = value; // the last of a repeated key counts
            continue;
        }
        blockIndex.insert(folded, block.size());
        block.push_back(Line{true, key, value, {}, 3});
    }
    const auto listed = [&](const Line& line) { return line.entry && blockIndex.contains(Folded(line.key)); };
    auto& lines = group->lines;
    const auto first = std::find_if(lines.begin(), lines.end(), listed);
    const std::size_t at = first - lines.begin();
    std::vector<Line> kept;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == at)
            insertAt = kept.size();
        if (!listed(lines[i]))
            kept.push_back(std::move(lines[i]));
    }
    if (at >= lines.size())
        insertAt = kept.size();
    kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(insertAt), std::make_move_iterator(block.begin()),
                std::make_move_iterator(block.end()));
    lines = std::move(kept);
    group->Reindex();
}

bool IniDocument::Remove(const QString& section, const QString& key) {
    Group* group = FindGroup(section);
    if (!group)
        return false;
    const auto known = group->entries.constFind(Folded(key));
    if (known == group->entries.cend())
        return false;
    group->lines.erase(group->lines.begin() + static_cast<std::ptrdiff_t>(*known));
    group->Reindex();
    return true;
}

} // namespace settings
