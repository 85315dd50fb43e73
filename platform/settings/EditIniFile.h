#pragma once
// The one way a shared INI file (a settings file, the class store) is changed. Other copies of
// the program and other programs of the suite change the same files, so each change runs under a
// lock file beside the file ("Brindel.ini.lock") that they all take: the file is read as it is
// at that moment, edited and replaced whole before the next writer reads it. A lock left behind
// by a writer that died is taken over (Qt's lock files know their process; the stale time
// covers any other case).

#include "IniDocument.h"

#include <functional>
#include <optional>
#include <QString>

namespace settings {

// How long a writer waits for the lock before it reports a failure.
inline constexpr int kIniLockWaitMs = 5000;

// The file as it is now; a missing file is empty. Nothing when the file is there but cannot be
// read (not a plain file, no permission, a read error).
std::optional<IniDocument> ReadIniFile(const QString& path);

// Reads the file at `path` (a missing file is empty), applies `edit` and, when the edit reports a
// change, replaces the file; `written` is called with the new text while the lock is still held.
// False when the lock is not taken in time, the file is there but cannot be read (it is then never
// replaced: its keys would be lost), or the write fails.
bool EditIniFile(const QString& path, const std::function<bool(IniDocument&)>& edit,
                 const std::function<void(const IniDocument&)>& written = {});

} // namespace settings
