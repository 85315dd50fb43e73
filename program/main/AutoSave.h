#pragma once
// The saves the program makes by itself of the report log to its temporary file: after each
// calculation, after a range report and at the end. Nobody watches them, so a failure is told to
// the user, saying what was not saved and where: the first of a series of failed saves (a save that
// works ends the series), and the save at the end always, with the chance to save the log elsewhere
// before the program ends.

#include <QString>

class QWidget;
class RLogClass;

// A new run: a failure may be told again.
void ResetAutoSaveReports();

// Saves the log to the temporary log file, only what was added since the last save unless `whole`;
// false (told as above) when it could not be saved. An empty path: no file could be made.
bool SaveLogToTempFile(RLogClass& log, const QString& path, QWidget* owner, bool whole = false);

// The whole log to the temporary log file at the end of the run; when that fails the user is told
// and may save the log with "Save to File" before the program ends.
bool SaveLogAtEnd(RLogClass& log, const QString& path, QWidget* owner);

// The user was told at start that no log file can be kept: the first failed save says nothing new.
void LogFailureToldAtStart();

