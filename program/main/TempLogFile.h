#pragma once
// The temporary file that keeps the report log between calculations and, when the user asks for
// it at the end, between runs. Its name is stored in the settings, where anyone may edit it, so
// the program reuses, overwrites or deletes only a file it made itself.

#include <QString>

// The temporary folder the program tries, named as the user knows it even when it does not exist.
QString TempFolderTried();

// Creates a new, empty file with a unique name in the temporary folder and returns its full path;
// "" when none could be created.
QString GetTempLogName();

// Whether the path names a temporary log of this program: a regular file of this user (not a
// link), right in the temporary folder, named as GetTempLogName names them.
bool IsOwnTempLog(const QString& path);

// Removes the file, and the tail of its last saves, when it is a temporary log of this program;
// anything else stays. A file that is already gone is not an error.
void RemoveTempLog(const QString& path);
