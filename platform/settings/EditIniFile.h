#pragma once
// The one way a shared INI file (a settings file, the class store) is changed. Other copies of
// the program and other programs of the suite change the same files, so each change runs under a
// lock file beside the file ("Brindel.ini.lock") that they all take: the file is read as it is
// at that moment, edited and replaced whole before the next writer reads it.
//
// A lock whose holder cannot be running is taken at once: Qt's lock files name their process, and
// one left empty or unreadable by a writer killed while making it is taken once it is older than
// a moment and no process holds it open. Writers that have waited a while take the lock in the
// order they began to wait, so a steady stream of quick writers cannot starve one of them.

#include "IniDocument.h"

#include <functional>
#include <optional>
#include <QString>

namespace settings {

// How long a writer waits for the lock before it reports a failure.
inline constexpr int kIniLockWaitMs = 5000;
// A lock file without a readable owner younger than this may be one a writer is still making.
inline constexpr int kUnownedLockMomentMs = 1000;

// The file as it is now; a missing file is empty. Nothing when the file is there but cannot be
// read (not a plain file, no permission, a read error).
std::optional<IniDocument> ReadIniFile(const QString& path);

// Reads the file at `path` (a missing file is empty), applies `edit` and, when the edit reports a
// change, replaces the file; `written` is called with the new text while the lock is still held.
// False when the lock is not taken in time, the file is there but cannot be read (it is then never
// replaced: its keys would be lost), or the write fails; `failure` then says why, naming the file
// or its folder. Leftovers of saves of the file that were killed midway are removed.
bool EditIniFile(const QString& path, const std::function<bool(IniDocument&)>& edit,
                 const std::function<void(const IniDocument&)>& written = {}, QString* failure = nullptr);

// Called with true when a writer of this process starts to wait for a lock another holds, and
// with false when the wait ends: a program shows its wait pointer. One observer per process.
void SetLockWaitObserver(std::function<void(bool waiting)> observer);

} // namespace settings
