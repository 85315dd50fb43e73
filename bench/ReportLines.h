#pragma once
// The report line the benchmarks append: 147 characters as the calculation appends them, the
// input columns in four pieces, six results (the second and fifth out of range, so underlined),
// then the percentages, units, power and date, and the line end.

#include "ReportLogText.h"
#include "RLogClass.h"

#include <QString>

// Appends through the log object or straight to a log's content.
struct TextAppender {
    ReportLogText& text;
    ReportLogText::Attributes attributes;
    void Add(const QString& s) { text.Append(s, attributes); }
    void Underline(bool on) { attributes.underline = on; }
};

template <class Log> void AppendReportLineTo(Log& log) {
    log.Add(QStringLiteral("      10     450"));
    log.Add(QStringLiteral("     100     1.5"));
    log.Add(QStringLiteral(" Urban     "));
    log.Add(QStringLiteral("  Small/Medium"));
    static const char* const results[] = {" 146.21 ", " 150.03 ", " 146.21 ",
                                          "  53.19 ", "  53.19 ", "  49.37 "};
    for (int i = 0; i < 6; ++i) {
        log.Underline(i == 1 || i == 4);
        log.Add(QString::fromLatin1(results[i]));
    }
    log.Underline(false);
    log.Add(QStringLiteral(" 50%"));
    log.Add(QStringLiteral(" 50%"));
    log.Add(QStringLiteral(" Metric"));
    log.Add(QStringLiteral("    1000.0"));
    log.Add(QStringLiteral(" 12/08/2026 09:41 pm"));
    log.Add(QStringLiteral("\r\n"));
}

inline void AppendReportLine(RLogClass& log) {
    AppendReportLineTo(log);
}

inline void AppendReportLine(ReportLogText& text) {
    TextAppender appender{text, {}};
    AppendReportLineTo(appender);
}
