#pragma once
// Writes that fail as they do for users, without root or mounts: a file size limit stands for a
// full disk (the kernel refuses every byte past it, SIGXFSZ ignored), a folder without write
// permission for a read-only one. Writer tests run each case and check the same three things:
// the failure is reported, the previous file is left byte for byte, no temporary file remains.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <ostream>
#include <sys/resource.h>

namespace testsupport {

// Every write past `bytes` of any file fails as on a full disk, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

// The folder takes no new file for the life of the object.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Folder permissions do not bind root; tests of this fault skip themselves there.
    static bool Binds();

private:
    QString folder_;
};

enum class WriteFault { FullDisk, ReadOnlyFolder };
inline constexpr WriteFault kWriteFaults[] = {WriteFault::FullDisk, WriteFault::ReadOnlyFolder};
const char* FaultName(WriteFault fault);
inline void PrintTo(WriteFault fault, std::ostream* os) {
    *os << FaultName(fault);
}

// Makes `fault` hold for writes into `folder` while it lives. A full disk takes `fullDiskBytes`:
// the new contents must be longer.
class WriteFaultScope {
public:
    WriteFaultScope(WriteFault fault, const QString& folder, rlim_t fullDiskBytes = 64);

private:
    std::optional<FileSizeLimit> limit_;
    std::optional<ReadOnlyFolder> readOnly_;
};

// True when the fault can be made here; else the test should skip.
bool CanMake(WriteFault fault);

// The file's bytes, or "<unreadable>".
QByteArray FileBytes(const QString& path);
// A test's own file, written plainly.
bool WriteBytes(const QString& path, const QByteArray& bytes);
// Every entry of the folder, hidden ones too, sorted.
QStringList FolderEntries(const QString& folder);

} // namespace testsupport
