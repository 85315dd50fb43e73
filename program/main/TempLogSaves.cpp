#include "TempLogSaves.h"

#include "AtomicFile.h"
#include "RtfWriter.h"
#include "TempLogFile.h"

#include <algorithm>
#include <climits>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

// A tail file:
//   "tarvek-tail 2 <size of the log file> <SHA-1 of the log file, hex>\n"
//   records, each "line <number from 1> <length> <check>\n" and then <length> bytes of RTF body,
//   where the check is the first 8 bytes (hex) of the SHA-1 of the record's number, length and
//   bytes. Every record but the last ends where a line of the log ends; the last closes the
//   attributes, so the log's body and the records joined make one body.

namespace {

const QByteArray kTailMark = "tarvek-tail 2 ";
const QByteArray kRecordMark = "line ";
constexpr int kCheckDigits = 16;

qsizetype EndSize() {
    return qsizetype(sizeof richtext::kRtfEnd) - 1;
}

QByteArray TailHeader(qint64 fileSize, const QByteArray& fileHash) {
    return kTailMark + QByteArray::number(fileSize) + ' ' + fileHash.toHex() + '\n';
}

QByteArray RecordHead(int number, QByteArrayView bytes) {
    const QByteArray fields = QByteArray::number(number) + ' ' + QByteArray::number(bytes.size());
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(fields);
    hash.addData("\n");
    hash.addData(bytes);
    return kRecordMark + fields + ' ' + hash.result().toHex().left(kCheckDigits) + '\n';
}

// A decimal number of at most 12 digits at `at`, followed by `after`.
std::optional<qint64> NumberAt(const QByteArray& bytes, qsizetype& at, char after) {
    qint64 value = 0;
    const qsizetype begin = at;
    while (at < bytes.size() && at - begin < 12 && bytes[at] >= '0' && bytes[at] <= '9')
        value = value * 10 + (bytes[at++] - '0');
    if (at == begin || at >= bytes.size() || bytes[at] != after)
        return std::nullopt;
    ++at;
    return value;
}

struct Record {
    int number = 0;
    QByteArrayView bytes;
    qsizetype end = 0; // in the tail
};

// The whole record at `at`, if one starts there.
std::optional<Record> RecordAt(const QByteArray& tail, qsizetype at) {
    if (!QByteArrayView(tail).sliced(at).startsWith(kRecordMark))
        return std::nullopt;
    qsizetype p = at + kRecordMark.size();
    const auto number = NumberAt(tail, p, ' ');
    const auto length = NumberAt(tail, p, ' ');
    if (!number || !length || *number < 1 || *number > INT_MAX || tail.size() - p < kCheckDigits + 1 ||
        tail[p + kCheckDigits] != '\n')
        return std::nullopt;
    const qsizetype begin = p + kCheckDigits + 1;
    if (*length > tail.size() - begin)
        return std::nullopt;
    Record r{int(*number), QByteArrayView(tail).sliced(begin, qsizetype(*length)),
             begin + qsizetype(*length)};
    if (QByteArrayView(tail).sliced(at, begin - at) != RecordHead(r.number, r.bytes))
        return std::nullopt;
    return r;
}

// Every whole record of a tail after its header, in order; `damaged` when anything else stood
// between them. After damage the reader looks for the next whole record, so the lines after a
// torn one are not lost with it.
std::vector<Record> RecordsOf(const QByteArray& tail, qsizetype at, bool& damaged) {
    std::vector<Record> records;
    damaged = false;
    int last = 0;
    while (at < tail.size()) {
        std::optional<Record> r = RecordAt(tail, at);
        if (!r) {
            damaged = true;
            at = tail.indexOf(kRecordMark, at + 1);
            if (at < 0)
                break;
            continue;
        }
        if (r->number != last + 1)
            damaged = true;
        if (r->number > last) {
            records.push_back(*r);
            last = r->number;
        }
        at = r->end;
    }
    return records;
}

QByteArray HashOf(std::initializer_list<QByteArrayView> pieces) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (QByteArrayView piece : pieces)
        hash.addData(piece);
    return hash.result();
}

// A whole save that ended before it could remove the tail left one whose records the file (of
// our own form, whose header takes `headerSize` bytes) already holds where the tail's log ended.
bool FileHoldsTail(const QByteArray& file, qsizetype headerSize, const QByteArray& tail) {
    const qsizetype headerEnd = tail.indexOf('\n');
    bool damaged = false;
    const std::vector<Record> records = RecordsOf(tail, headerEnd + 1, damaged);
    qsizetype at = kTailMark.size();
    const auto size = NumberAt(tail, at, ' ');
    if (damaged || !size)
        return false;
    QByteArray joined;
    for (const Record& r : records)
        joined += r.bytes;
    const qsizetype from = qsizetype(*size) - EndSize();
    return from >= headerSize && from + joined.size() <= file.size() - EndSize() &&
           QByteArrayView(tail).sliced(at, headerEnd - at) ==
               HashOf({QByteArrayView(file).first(from), QByteArrayView(richtext::kRtfEnd, EndSize())})
                   .toHex() &&
           QByteArrayView(file).sliced(from, joined.size()) == joined;
}

} // namespace

QString TempLogSaves::TailName(const QString& path) {
    return path + QStringLiteral(".tail");
}

TempLogSaves::Stamp TempLogSaves::StampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return Stamp();
    return Stamp{info.size(), info.lastModified().toMSecsSinceEpoch()};
}

void TempLogSaves::forget() {
    m_path.clear();
    m_records.clear();
    m_recordCount = 0;
    m_recordsEnd = -1;
}

void TempLogSaves::addRecord(QByteArrayView bytes) {
    ++m_recordCount;
    m_records += RecordHead(m_recordCount, bytes);
    m_records += bytes;
}

bool TempLogSaves::Save(const ReportLogText& log, const QString& path, bool whole) {
    m_failedFile.clear();
    const QByteArray& bytes = log.RtfBytes();
    const bool continues = path == m_path && log.BodyId() == m_bodyId && m_bodyEnd >= 0 &&
                           m_recordsEnd >= m_bodyEnd && m_recordsEnd <= bytes.size() &&
                           StampOf(path) == m_stamp;
    if (whole || !continues || bytes.size() - m_bodyEnd > kMaxTailBytes)
        return saveWhole(log, path);
    const std::vector<qsizetype>& ends = log.RtfLineEnds();
    for (auto it = std::upper_bound(ends.begin(), ends.end(), m_recordsEnd);
         it != ends.end() && *it <= bytes.size(); ++it) {
        addRecord(QByteArrayView(bytes).sliced(m_recordsEnd, *it - m_recordsEnd));
        m_recordsEnd = *it;
    }
    QByteArray tail = m_tailHeader + m_records;
    const QByteArray rest = QByteArrayView(bytes).sliced(m_recordsEnd).toByteArray() + log.RtfClosing();
    if (!rest.isEmpty())
        tail += RecordHead(m_recordCount + 1, rest) + rest;
    if (files::WriteFileAtomically(TailName(path), tail, LogPermissions(path)))
        return true;
    // Something stands where the tail goes (a folder, say): the whole file holds the log instead,
    // now and from now on, and that thing stays.
    const QFileInfo tailInfo(TailName(path));
    if (tailInfo.exists() && (!tailInfo.isFile() || tailInfo.isSymLink()))
        m_keptInPlace = path;
    return saveWhole(log, path);
}

bool TempLogSaves::saveWhole(const ReportLogText& log, const QString& path) {
    forget();
    if (!log.SaveRtf(path, LogPermissions(path))) {
        m_failedFile = path;
        return false;
    }
    if (m_keptInPlace == path)
        return true;
    const QFileInfo tail(TailName(path));
    if (tail.isFile() && !tail.isSymLink())
        QFile::remove(tail.filePath());
    // A tail can only continue a body whose attributes are all off where the file ends it.
    if (log.RtfClosing().isEmpty()) {
        const QByteArray header = richtext::RtfHeader(ReportLogText::Font());
        const QByteArray& bytes = log.RtfBytes();
        m_path = path;
        m_bodyId = log.BodyId();
        m_bodyEnd = bytes.size();
        m_recordsEnd = bytes.size();
        m_stamp = StampOf(path);
        m_tailHeader = TailHeader(header.size() + bytes.size() + EndSize(),
                                  HashOf({header, bytes, QByteArrayView(richtext::kRtfEnd, EndSize())}));
    }
    return true;
}

std::optional<ReportLogText> TempLogSaves::Load(const QString& path, qsizetype maxBytes) {
    forget();
    m_tailRead = TailRead();
    m_keptInPlace.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    file.close();
    const Stamp stamp = StampOf(path);
    const QByteArray header = richtext::RtfHeader(ReportLogText::Font());
    const qsizetype fileSize = bytes.size();
    const qsizetype bodyEnd = fileSize - header.size() - EndSize();
    const bool ours = bodyEnd >= 0 && bytes.startsWith(header) && bytes.endsWith(richtext::kRtfEnd);
    const QByteArray fileHash = HashOf({bytes});

    const QString tailName = TailName(path);
    const QFileInfo tailInfo(tailName);
    std::vector<Record> records;
    QByteArray tail;
    if (tailInfo.exists() || tailInfo.isSymLink()) {
        m_tailRead.found = true;
        QFile tailFile(tailName);
        bool damaged = false;
        if (!tailInfo.isFile() || tailInfo.isSymLink() || !tailFile.open(QIODevice::ReadOnly)) {
            m_tailRead.problem = QStringLiteral("is not a file the program can read");
        } else if (tail = tailFile.readAll(); !tail.startsWith(kTailMark)) {
            m_tailRead.problem = QStringLiteral("is damaged");
        } else if (!ours || !tail.startsWith(TailHeader(fileSize, fileHash))) {
            m_tailRead.problem = QStringLiteral("continues another log, or this log as it was before it "
                                                "was changed");
            if (ours && FileHoldsTail(bytes, header.size(), tail)) {
                QFile::remove(tailName);
                m_tailRead = TailRead();
            }
        } else {
            records = RecordsOf(tail, tail.indexOf('\n') + 1, damaged);
            if (damaged)
                m_tailRead.problem = QStringLiteral("is damaged");
            qsizetype size = fileSize;
            for (std::size_t i = 0; i < records.size(); ++i) {
                size += records[i].bytes.size();
                if (size > maxBytes) {
                    records.resize(i);
                    m_tailRead.problem = QStringLiteral("would take the log past its limit of %1 MB")
                                             .arg(ReportLogText::kMaxRtfMegabytes);
                    break;
                }
            }
        }
        if (!m_tailRead.problem.isEmpty()) {
            m_tailRead.keptAs = SetAside(tailName, QStringLiteral("unjoined"));
            if (m_tailRead.keptAs.isEmpty()) {
                m_tailRead.keptAs = tailName;
                m_keptInPlace = path;
            }
        }
    }
    m_tailRead.recordsJoined = int(records.size());
    if (!records.empty()) {
        bytes.chop(EndSize());
        for (const Record& r : records)
            bytes += r.bytes;
        bytes += richtext::kRtfEnd;
    }
    std::optional<ReportLogText> log = ReportLogText::FromRtf(std::move(bytes));
    // Only a log read as its file and whole tail stand goes on with a tail; anything else is
    // written whole at its next save.
    if (log && log->KeptFileBytes() && ours && m_tailRead.problem.isEmpty() && m_keptInPlace.isEmpty()) {
        m_path = path;
        m_bodyId = log->BodyId();
        m_bodyEnd = bodyEnd;
        m_recordsEnd = bodyEnd;
        m_stamp = stamp;
        m_tailHeader = TailHeader(fileSize, fileHash);
        for (const Record& r : records) {
            addRecord(r.bytes);
            m_recordsEnd += r.bytes.size();
        }
    }
    return log;
}
