#include "TempLogLock.h"

#include <fcntl.h>
#include <QFile>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString MarkName(const QString& logPath) {
    return logPath + QStringLiteral(".lock");
}

} // namespace

TempLogLock::~TempLogLock() {
    Release();
}

bool TempLogLock::Take(const QString& logPath) {
    const QString path = logPath.trimmed();
    if (fd_ >= 0 && path == path_)
        return true;
    const int fd = ::open(QFile::encodeName(MarkName(path)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // a folder that takes no mark cannot take a second copy's log either
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    Release();
    fd_ = fd;
    path_ = path;
    return true;
}

void TempLogLock::Release(bool removeMark) {
    if (fd_ < 0)
        return;
    if (removeMark)
        QFile::remove(MarkName(path_));
    ::close(fd_);
    fd_ = -1;
    path_.clear();
}
