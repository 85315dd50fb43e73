#include "AtomicFile.h"

namespace files {

AtomicFile::AtomicFile(const QString& path) : file_(path) {}

bool AtomicFile::Open() {
    failed_ = !file_.open(QIODevice::WriteOnly);
    return !failed_;
}

bool AtomicFile::Write(const char* data, qint64 size) {
    if (failed_ || !file_.isOpen()) {
        failed_ = true;
        return false;
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file_.write(data + done, size - done);
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        done += n;
    }
    return true;
}

bool AtomicFile::Commit() {
    if (failed_ || !file_.isOpen() || !file_.flush() || file_.error() != QFileDevice::NoError) {
        file_.cancelWriting();
        if (file_.isOpen()) {
            file_.commit(); // with writing cancelled this only removes the temporary file
        }
        return false;
    }
    return file_.commit();
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    AtomicFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

} // namespace files
