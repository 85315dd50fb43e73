#pragma once
// The temporary file that keeps the report log between calculations and, when the user asks for
// it at the end, between runs.

#include <QString>

// Creates a new, empty file with a unique name in the temporary folder and returns its full path;
// "" when none could be created.
QString GetTempLogName();

// Removes the file; a file that is already gone is not an error.
void RemoveTempLog(const QString& path);
