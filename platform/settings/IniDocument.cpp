#include "IniDocument.h"

#include "IniSpelling.h"
#include "Windows1252Text.h"

#include <QStringDecoder>

namespace settings {
namespace {

QString Folded(const QString& name) {
    return name.toCaseFolded();
}

// Lines of other writers may be in the Windows code page the suite's own platform uses.
QString Decoded(const QByteArray& bytes, QStringDecoder& utf8) {
    utf8.resetState();
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return codepage::FromWindows1252(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size()));
}

QByteArray HeaderBytes(const QString& section) {
    return (QLatin1Char('[') + WrittenName(section) + QLatin1Char(']')).toUtf8();
}

} // namespace

IniDocument IniDocument::Parse(const QByteArray& bytes) {
    IniDocument doc;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    bool endKnown = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        Line line;
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            line.bytes = bytes.mid(start);
            start = bytes.size();
        } else {
            line.bytes = bytes.mid(start, newline - start);
            line.end = "\n";
            if (line.bytes.endsWith('\r')) {
                line.bytes.chop(1);
                line.end = "\r\n";
            }
            start = newline + 1;
            if (!endKnown) {
                doc.lineEnd_ = line.end;
                endKnown = true;
            }
        }
        const QString text = Decoded(line.bytes, utf8).trimmed();
        if (text.size() >= 2 && text.front() == QLatin1Char('[') && text.back() == QLatin1Char(']')) {
            const QString spelled = text.mid(1, text.size() - 2).trimmed();
            Group group;
            group.name = UnescapeName(spelled);
            group.plain = group.name == spelled;
            group.header = std::move(line);
            doc.groups_.push_back(std::move(group));
            continue;
        }
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (!text.isEmpty() && text.front() != QLatin1Char(';') && text.front() != QLatin1Char('#') &&
            equals > 0) {
            const QString spelled = text.left(equals).trimmed();
            line.entry = true;
            line.key = UnescapeName(spelled);
            line.plainKey = line.key == spelled;
            line.value = ReadValue(text.mid(equals + 1));
        }
        doc.groups_.back().lines.push_back(std::move(line));
    }
    doc.Reindex();
    return doc;
}

QByteArray IniDocument::Serialize() const {
    QByteArray out;
    bool endOwed = false; // the line before had none: it was the last until something followed
    const auto put = [&](const Line& line) {
        if (endOwed)
            out += lineEnd_;
        out += line.bytes;
        out += line.end;
        endOwed = line.end.isEmpty();
    };
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        if (g > 0)
            put(groups_[g].header);
        for (const Line& line : groups_[g].lines)
            put(line);
    }
    return out;
}

void IniDocument::Reindex() {
    sections_.clear();
    for (std::size_t g = 1; g < groups_.size(); ++g) {
        const Group& group = groups_[g];
        SectionIndex& section = sections_[Folded(group.name)];
        section.groups.push_back(g);
        for (std::size_t i = 0; i < group.lines.size(); ++i) {
            const Line& line = group.lines[i];
            if (!line.entry)
                continue;
            const int rank = (group.plain ? 2 : 0) + (line.plainKey ? 1 : 0);
            const QString folded = Folded(line.key);
            const auto slot = section.keySlots.constFind(folded);
            if (slot == section.keySlots.cend()) {
                section.keySlots.insert(folded, section.keys.size());
                section.keys.push_back({Place{g, i}, rank});
            } else if (rank > section.keys[*slot].second) {
                section.keys[*slot] = {Place{g, i}, rank};
            }
        }
    }
}

IniDocument::Line IniDocument::Composed(const QByteArray& bytes) const {
    Line line;
    line.bytes = bytes;
    line.end = lineEnd_;
    return line;
}

IniDocument::Line IniDocument::Composed(const QString& key, const QString& value) const {
    Line line = Composed((WrittenName(key) + QLatin1Char('=') + WrittenValue(value)).toUtf8());
    line.entry = true;
    line.key = key;
    line.value = value;
    return line;
}

const IniDocument::Line* IniDocument::Best(const QString& section, const QString& key) const {
    const auto found = sections_.constFind(Folded(section));
    if (found == sections_.cend())
        return nullptr;
    const auto slot = found->keySlots.constFind(Folded(key));
    if (slot == found->keySlots.cend())
        return nullptr;
    const Place place = found->keys[*slot].first;
    return &groups_[place.group].lines[place.line];
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const {
    const Line* line = Best(section, key);
    if (!line)
        return std::nullopt;
    return line->value;
}

KeysAndValues IniDocument::Section(const QString& section) const {
    KeysAndValues out;
    const auto found = sections_.constFind(Folded(section));
    if (found == sections_.cend())
        return out;
    for (const auto& ranked : found->keys) {
        const Line& line = groups_[ranked.first.group].lines[ranked.first.line];
        out.append({line.key, line.value});
    }
    return out;
}

IniDocument::Group& IniDocument::AddGroup(const QString& section) {
    // A new section stands apart from the lines before it, as sections are written.
    const Line* last = nullptr;
    for (std::size_t g = groups_.size(); g-- > 0 && !last;) {
        if (!groups_[g].lines.empty())
            last = &groups_[g].lines.back();
        else if (g > 0)
            last = &groups_[g].header;
    }
    if (last && !last->bytes.trimmed().isEmpty())
        groups_.back().lines.push_back(Composed(QByteArray()));
    Group group;
    group.name = section;
    group.header = Composed(HeaderBytes(section));
    groups_.push_back(std::move(group));
    Reindex();
    return groups_.back();
}

std::optional<IniDocument::Place> IniDocument::RemoveKeys(const SectionIndex& section,
                                                          const QSet<QString>& folded) {
    std::optional<Place> first;
    for (const std::size_t g : section.groups) {
        std::vector<Line>& lines = groups_[g].lines;
        std::vector<Line> kept;
        kept.reserve(lines.size());
        for (Line& line : lines) {
            if (line.entry && folded.contains(Folded(line.key))) {
                if (!first)
                    first = Place{g, kept.size()};
                continue;
            }
            kept.push_back(std::move(line));
        }
        lines = std::move(kept);
    }
    return first;
}

void IniDocument::Set(const QString& section, const KeysAndValues& keysAndValues) {
    QSet<QString> folded;
    QHash<QString, std::size_t> blockIndex; // folded key -> its place in the block
    std::vector<Line> block;
    for (const auto& [key, value] : keysAndValues) {
        const QString name = Folded(key);
        const auto same = blockIndex.constFind(name);
        if (same != blockIndex.cend()) {
            block[*same] = Composed(block[*same].key, value); // the last of a repeated key counts
            continue;
        }
        folded.insert(name);
        blockIndex.insert(name, block.size());
        block.push_back(Composed(key, value));
    }
    if (!sections_.contains(Folded(section)))
        AddGroup(section);
    const SectionIndex index = sections_.value(Folded(section));
    for (const std::size_t g : index.groups) {
        Group& group = groups_[g];
        if (!group.plain) {
            group.name = section;
            group.plain = true;
            group.header.bytes = HeaderBytes(section);
        }
    }
    Place at{index.groups.front(), 0};
    if (const std::optional<Place> first = RemoveKeys(index, folded)) {
        at = *first;
    } else {
        const std::vector<Line>& lines = groups_[at.group].lines;
        at.line = lines.size();
        while (at.line > 0 && lines[at.line - 1].bytes.trimmed().isEmpty())
            --at.line;
    }
    std::vector<Line>& lines = groups_[at.group].lines;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at.line), std::make_move_iterator(block.begin()),
                 std::make_move_iterator(block.end()));
    Reindex();
}

bool IniDocument::Remove(const QString& section, const QString& key) {
    const auto found = sections_.constFind(Folded(section));
    if (found == sections_.cend())
        return false;
    const SectionIndex index = *found;
    if (!RemoveKeys(index, {Folded(key)}))
        return false;
    Reindex();
    return true;
}

} // namespace settings
