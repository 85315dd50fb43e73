#include "TempLogLock.h"

#include <fcntl.h>
#include <QFile>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString MarkName(const QString& logPath) {
    return logPath + QStringLiteral(".lock");
}

} // namespace

TempLogLock::~TempLogLock() {
    Release();
}

// The copy that holds a mark removes it at its end; a mark opened just before that removal is no
// longer the file at the mark's name, so the lock is taken again on the file that is.
bool TempLogLock::Take(const QString& logPath) {
    const QString path = logPath.trimmed();
    if (fd_ >= 0 && path == path_)
        return true;
    const QByteArray mark = QFile::encodeName(MarkName(path));
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(mark.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return true; // a folder that takes no mark cannot take a second copy's log either
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return false;
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(mark.constData(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            Release();
            fd_ = fd;
            path_ = path;
            return true;
        }
        ::close(fd);
    }
    return false;
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
