#include "TempLogSaves.h"

#include "AtomicFile.h"
#include "RtfWriter.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray kTailMark = "tarvek-tail ";

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

// A tail: its mark with the stamp of the file it continues, then a body that starts and ends with
// every attribute off, so the file's body and it make one body.
bool TempLogSaves::Save(const ReportLogText& log, const QString& path, bool whole) {
    const QByteArray& bytes = log.RtfBytes();
    const bool continues = path == m_path && log.BodyId() == m_bodyId && m_bodyEnd >= 0 &&
                           m_bodyEnd <= bytes.size() && StampOf(path) == m_stamp;
    if (whole || !continues || bytes.size() - m_bodyEnd > kMaxTailBytes)
        return saveWhole(log, path);
    QByteArray tail =
        kTailMark + QByteArray::number(m_stamp.size) + ' ' + QByteArray::number(m_stamp.modified) + '\n';
    tail += QByteArrayView(bytes).sliced(m_bodyEnd);
    tail += log.RtfClosing();
    return files::WriteFileAtomically(TailName(path), tail);
}

bool TempLogSaves::saveWhole(const ReportLogText& log, const QString& path) {
    m_path.clear();
    if (!log.SaveRtf(path))
        return false;
    QFile::remove(TailName(path));
    // A tail can only continue a body whose attributes are all off where the file ends it.
    if (log.RtfClosing().isEmpty()) {
        m_path = path;
        m_bodyId = log.BodyId();
        m_bodyEnd = log.RtfBytes().size();
        m_stamp = StampOf(path);
    }
    return true;
}

std::optional<ReportLogText> TempLogSaves::Load(const QString& path) {
    m_path.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    file.close();
    const Stamp stamp = StampOf(path);
    const QByteArray header = richtext::RtfHeader(ReportLogText::Font());
    const qsizetype endSize = qsizetype(sizeof richtext::kRtfEnd) - 1;
    qsizetype bodyEnd = bytes.size() - header.size() - endSize;
    QFile tailFile(TailName(path));
    if (bodyEnd >= 0 && bytes.startsWith(header) && bytes.endsWith(richtext::kRtfEnd) &&
        tailFile.open(QIODevice::ReadOnly)) {
        const QByteArray tail = tailFile.readAll();
        const QByteArray mark =
            kTailMark + QByteArray::number(stamp.size) + ' ' + QByteArray::number(stamp.modified) + '\n';
        if (tail.startsWith(mark)) {
            bytes.chop(endSize);
            bytes += QByteArrayView(tail).sliced(mark.size());
            bytes += richtext::kRtfEnd;
        }
    }
    std::optional<ReportLogText> log = ReportLogText::FromRtf(std::move(bytes));
    if (log && log->KeptFileBytes() && bodyEnd >= 0) {
        m_path = path;
        m_bodyId = log->BodyId();
        m_bodyEnd = bodyEnd;
        m_stamp = stamp;
    }
    return log;
}
