#pragma once
// Every write of a user's file goes through here: the new contents go to a temporary file beside
// the target, which replaces the target only when every byte reached the disk. A failed write
// (full disk, file size limit, read-only folder) leaves the previous file byte for byte and no
// temporary file behind.
//
// QSaveFile alone is not enough: its write() only fills a buffer, and commit() renames the
// temporary file even when the final flush or the sync to the disk failed, so a full disk would
// leave an empty file. Nor does it sync the folder after the rename, without which a power cut
// may bring back the previous file, or none, after the write was reported done.

#include <optional>
#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace files {

class AtomicFile {
public:
    // `permissions`: what a new file gets instead of the umask's default (a file that exists keeps
    // its own unless they are given).
    explicit AtomicFile(const QString& path, std::optional<QFileDevice::Permissions> permissions = {});
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    // Without a successful Commit() the temporary file is removed and the target stays.
    ~AtomicFile() = default;

    // False when the temporary file cannot be created (missing or read-only folder).
    bool Open();
    // False once any write has failed; later writes are ignored.
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Flushes everything written and syncs it to the disk, then replaces the target and syncs its
    // folder. False leaves the target as it was, except when only the folder's sync failed: the
    // new contents are then in place but may not survive a power cut.
    bool Commit();

    QString ErrorString() const { return file_.errorString(); }

private:
    QSaveFile file_;
    std::optional<QFileDevice::Permissions> permissions_;
    bool failed_ = false;
};

// Writes the whole of `bytes` as the file at `path`, or nothing.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes,
                         std::optional<QFileDevice::Permissions> permissions = {});

// A save killed between making its temporary file and the rename leaves a whole copy beside the
// target, named as the temporary files here are named: the target's name, a dot and six letters.
// Removes those older than `olderThanSeconds` (a save still running has just made its own). Only
// for files whose writers all hold a lock while they save and that live in the program's own
// folders: in a user's folder "notes.txt.backup" would match too.
void RemoveInterruptedSaves(const QString& path, int olderThanSeconds = 60);

} // namespace files
