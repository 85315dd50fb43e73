#pragma once
// The saves the program makes by itself of the report log to its temporary file: after each
// calculation, after a range report and at the end. Nobody watches them, so a failure is told to
// the user once in a run, the first time, saying what was not saved and where.

#include <QString>

class QWidget;
class RLogClass;

// A new run: a failure may be told again.
void ResetAutoSaveReports();

// Saves the log to the temporary log file, only what was added since the last save unless `whole`;
// false (told once) when it could not be saved.
bool SaveLogToTempFile(RLogClass& log, const QString& path, QWidget* owner, bool whole = false);
