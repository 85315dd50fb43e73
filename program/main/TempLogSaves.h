#pragma once
// The saves of the log to its temporary file, which the program makes after every calculation. A
// whole file of a long log takes its size in writing and flushing each time; so, once the file
// holds the log, a save writes only what was added since, as a small tail file beside it ("<log>
// .tail"), each file written whole or not at all. The whole file is written again when the tail
// grows large, when asked (at the end of a run) and whenever the file is not the one last
// written.
//
// Files outlive the run and meet the rest of a desktop: backups put them back, copies touch them,
// disks cut them short. So a tail names the log it continues by what the log holds (its size and
// a hash of its bytes, not its time), and holds its additions as records of whole lines, each with
// its length and a checksum: a reader takes every whole record and nothing torn. A tail that cannot
// be joined whole is kept on disk as it is, renamed out of the way, and said to the reader.

#include "ReportLogText.h"

#include <optional>
#include <QString>

class TempLogSaves {
public:
    // Beyond this a tail makes way for a whole file.
    static constexpr qsizetype kMaxTailBytes = 1024 * 1024;

    // What became of the tail found beside the log that Load read.
    struct TailRead {
        bool found = false;
        int recordsJoined = 0;
        // Why it was not joined whole, as a phrase that follows its name; empty when it was.
        QString problem;
        // Where it is kept when not joined whole; its own name when it could not be renamed.
        QString keptAs;
    };

    // Saves the log to `path`: its tail only, unless `whole` or the tail would be too large or the
    // file is not the one last written. A tail that cannot be written makes way for the whole file.
    bool Save(const ReportLogText& log, const QString& path, bool whole);
    // The file the last failed Save could not write.
    const QString& FailedFile() const { return m_failedFile; }

    // The log in the file and every whole record of its tail that keeps the file within maxBytes;
    // no value when the file is not RTF. A tail not joined whole is set aside (LastTail).
    std::optional<ReportLogText> Load(const QString& path, qsizetype maxBytes = ReportLogText::kMaxRtfBytes);
    const TailRead& LastTail() const { return m_tailRead; }

    static QString TailName(const QString& path);

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = -1;
        bool operator==(const Stamp& o) const { return size == o.size && modified == o.modified; }
    };
    static Stamp StampOf(const QString& path);
    bool saveWhole(const ReportLogText& log, const QString& path);
    void addRecord(QByteArrayView bytes);
    void forget();

    QString m_failedFile;
    TailRead m_tailRead;
    // A tail that could not be set aside stays where it is: no save writes or removes it.
    QString m_keptInPlace;

    // The file last written whole, and what its tail holds so far.
    QString m_path;
    quint64 m_bodyId = 0;
    qsizetype m_bodyEnd = -1;
    Stamp m_stamp;
    QByteArray m_tailHeader;
    QByteArray m_records; // the records of whole lines up to m_recordsEnd of the body
    qsizetype m_recordsEnd = -1;
    int m_recordCount = 0;
};
