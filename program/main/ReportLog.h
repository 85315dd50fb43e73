#pragma once
// The program-wide report log, created with its hidden report window on first use and destroyed
// before the application object goes (or by DestroyReportLog).

#include <QString>

class RLogClass;

RLogClass& ReportLog();
bool ReportLogExists();
void DestroyReportLog();

// Appends text to the log's text area as the log's own appends do (at the end, with the current
// attributes), creating the log if need be, without showing the window and without counting as
// a write for the log's SaveFile; within the log's size limit, as every append.
void ReportInsertText(const QString& text);
