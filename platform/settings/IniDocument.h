#pragma once
// The text of one INI file: sections of "key=value" lines, with the comments and other lines of
// whoever else writes the file kept as they are.
//
// Written in the plain form every INI reader reads: "[Global Parameters]", "Key=value", names as
// they are, a value as it is unless blanks at its ends, surrounding double quotes or a control
// character would be lost, in which case it is written in double quotes with backslash escapes.
// Read in that form and in the one an earlier store wrote: percent-escaped names
// ("[Global%20Parameters]") and quoted values. Names match without regard to case, as on the
// platform the suite comes from; where a file holds the same key twice, a plain spelling wins
// over an escaped one, and otherwise the first one. Writing the file again leaves one entry.

#include <optional>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <vector>

namespace settings {

using KeysAndValues = QList<QPair<QString, QString>>;

class IniDocument {
public:
    static IniDocument Parse(const QByteArray& utf8);
    QByteArray Serialize() const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    // The section's keys and values in file order; empty when there is no such section.
    KeysAndValues Section(const QString& section) const;

    // Sets the keys of one section. They stand together in the given order where the first of
    // them stood before, or at the section's end; a missing section is added at the file's end.
    void Set(const QString& section, const KeysAndValues& keysAndValues);
    // True when the key was there.
    bool Remove(const QString& section, const QString& key);

private:
    struct Line {
        bool entry = false;
        QString key;   // entry: as it will be written
        QString value; // entry
        QString raw;   // any other line, as it was read
        int rank = 0;  // entry: how plainly its section and key were spelled
    };
    struct Group {
        QString name; // empty for the lines before the first section
        bool plain = true;
        std::vector<Line> lines;
        QHash<QString, std::size_t> entries; // folded key -> its line
        void Reindex();
        const Line* Find(const QString& key) const;
    };

    Group* FindGroup(const QString& section);
    const Group* FindGroup(const QString& section) const;
    static void AddEntry(Group& group, Line line);

    Group& AddGroup(const QString& section);

    std::vector<Group> groups_{Group{}};
    QHash<QString, std::size_t> groupIndex_; // folded section name -> its group
};

} // namespace settings
