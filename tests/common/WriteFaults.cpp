#include "WriteFaults.h"

#include <csignal>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace testsupport {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
}

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : folder_(folder) {
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ReadOnlyFolder::Binds() {
    return geteuid() != 0;
}

const char* FaultName(WriteFault fault) {
    return fault == WriteFault::FullDisk ? "FullDisk" : "ReadOnlyFolder";
}

WriteFaultScope::WriteFaultScope(WriteFault fault, const QString& folder, rlim_t fullDiskBytes) {
    if (fault == WriteFault::FullDisk) {
        limit_.emplace(fullDiskBytes);
    } else {
        readOnly_.emplace(folder);
    }
}

bool CanMake(WriteFault fault) {
    return fault != WriteFault::ReadOnlyFolder || ReadOnlyFolder::Binds();
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace testsupport
