#pragma once
// The temporary file that keeps the report log between calculations and, when the user asks for
// it at the end, between runs. Its name is stored in the settings, where anyone may edit it, so
// the program reuses, overwrites or deletes only a file it made itself.

#include <QFileDevice>
#include <QString>
#include <QStringList>

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

// What every file of a log is made with: the log's own permissions, the owner's only when the log
// is not there.
QFileDevice::Permissions LogPermissions(const QString& logPath);

// Keeps a file of a log that cannot be used as it stands out of the program's way: renamed beside
// itself with `why` added, never over another file, so no later save writes over it and no start
// reads it again. The new name, or "" when it could not be renamed (it then stays where it is).
QString SetAside(const QString& path, const QString& why);

// The temporary logs of this program in the temporary folder (IsOwnTempLog), but `except`.
QStringList OwnTempLogs(const QString& except);
