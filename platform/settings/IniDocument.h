#pragma once
// The text of one INI file: sections of "key=value" lines, shared with other programs (the
// planning suite, editors, other copies of this one). Only the keys set or removed change; every
// other byte stays as it was: comments, blank lines, unknown sections and keys in whatever
// spelling, values in other encodings (a Windows program's Windows-1252), the file's line ends.
//
// The keys this program sets are spelled as IniSpelling writes them, with the file's line end.
// Names match without regard to case, as on the platform the suite comes from. A section may
// stand in the file more than once; where the same key stands twice, a plain spelling wins over an
// escaped one, and otherwise the first one. Setting a key replaces every line that held it.
// A line that is not UTF-8 is read as Windows-1252.

#include <optional>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <vector>

namespace settings {

using KeysAndValues = QList<QPair<QString, QString>>;

class IniDocument {
public:
    static IniDocument Parse(const QByteArray& bytes);
    QByteArray Serialize() const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    // The section's keys and values, each key once, in the order the keys first stand in the file;
    // empty when there is no such section.
    KeysAndValues Section(const QString& section) const;

    // Sets the keys of one section. They stand together in the given order where the first of
    // them stood before, or after the section's last line; a missing section is added at the
    // file's end. A header in the earlier store's escaped spelling is spelled plain again, so that
    // other programs find the keys.
    void Set(const QString& section, const KeysAndValues& keysAndValues);
    // True when the key was there.
    bool Remove(const QString& section, const QString& key);

private:
    struct Line {
        QByteArray bytes; // as read, or as this program spells it; without the line end
        QByteArray end;   // "\n" or "\r\n"; empty only for a last line without one
        bool entry = false;
        QString key;   // entry: the name it stands for
        QString value; // entry
        bool plainKey = true;
    };
    struct Group {
        QString name;      // empty for the lines before the first section
        bool plain = true; // the header spells the name as it is
        Line header;       // unused for the lines before the first section
        std::vector<Line> lines;
    };
    struct Place {
        std::size_t group;
        std::size_t line;
    };
    struct SectionIndex {
        std::vector<std::size_t> groups;         // in file order
        QHash<QString, std::size_t> keySlots;    // folded key -> its place in `keys`
        std::vector<std::pair<Place, int>> keys; // the line that counts, and its rank
    };

    Line Composed(const QString& key, const QString& value) const;
    Line Composed(const QByteArray& bytes) const;
    const Line* Best(const QString& section, const QString& key) const;
    // Removes the section's lines of the folded keys; the place of the first one removed, if any.
    std::optional<Place> RemoveKeys(const SectionIndex& section, const QSet<QString>& folded);
    Group& AddGroup(const QString& section);
    void Reindex();

    std::vector<Group> groups_{Group{}};
    QHash<QString, SectionIndex> sections_; // folded section name
    QByteArray lineEnd_ = "\n";             // the file's own
};

} // namespace settings
