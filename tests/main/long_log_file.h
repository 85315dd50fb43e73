#pragma once
// A report log file of many lines written straight to disk, as the program writes its log, without
// a log of that size in memory: the title line, then the same report line again and again.

#include "AtomicFile.h"
#include "ReportLogText.h"
#include "RtfWriter.h"

#include <QString>

inline constexpr int kAsManyAsFit = -1;

// Writes `lines` report lines (kAsManyAsFit: as many as the log's size limit allows) and returns
// how many it wrote; -1 when the file could not be written.
inline qint64 WriteLongLog(const QString& path, qint64 lines) {
    ReportLogText title;
    title.Append(QStringLiteral("  Dist     Frq    BaseH\r\n"), {true, false, true});
    ReportLogText one;
    one.Append(QStringLiteral("      10     450     100     1.5 Urban     Small/Medium"), {});
    one.Append(QStringLiteral(" 146.21 "), {false, false, true});
    one.Append(QStringLiteral(" 150.03  50% 50% Metric\r\n"), {});
    const QByteArray line = one.RtfBody();
    const QByteArray header = richtext::RtfHeader();
    if (lines == kAsManyAsFit)
        lines = (ReportLogText::kMaxRtfBytes - header.size() - title.RtfBody().size() - 3) / line.size();
    files::AtomicFile file(path);
    bool ok = file.Open() && file.Write(header) && file.Write(title.RtfBody());
    for (qint64 i = 0; ok && i < lines; ++i)
        ok = file.Write(line);
    ok = ok && file.Write(richtext::kRtfEnd, 3) && file.Commit();
    return ok ? lines : -1;
}
