#pragma once
// The saves of the log to its temporary file, which the program makes after every calculation. A
// whole file of a long log takes its size in writing and flushing each time; so, once the file
// holds the log, a save writes only what was added since, as a small tail file beside it ("<log>
// .tail"), each file written whole or not at all. The whole file is written again when the tail
// grows large, when asked (at the end of a run) and whenever the file is not the one last
// written. Reading a log takes its tail when the tail belongs to that very file.

#include "ReportLogText.h"

#include <optional>
#include <QString>

class TempLogSaves {
public:
    // Beyond this a tail makes way for a whole file.
    static constexpr qsizetype kMaxTailBytes = 1024 * 1024;

    // Saves the log to `path`: its tail only, unless `whole` or the tail would be too large or the
    // file is not the one last written.
    bool Save(const ReportLogText& log, const QString& path, bool whole);
    // The log in the file and its tail; no value when the file is not RTF.
    std::optional<ReportLogText> Load(const QString& path);

    static QString TailName(const QString& path);

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = -1;
        bool operator==(const Stamp& o) const { return size == o.size && modified == o.modified; }
    };
    static Stamp StampOf(const QString& path);
    bool saveWhole(const ReportLogText& log, const QString& path);

    // The file last written whole: where the log's body then ended.
    QString m_path;
    quint64 m_bodyId = 0;
    qsizetype m_bodyEnd = -1;
    Stamp m_stamp;
};
