// A user's file is replaced whole or not at all.

#include "AtomicFile.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Makes every write beyond `bytes` fail as on a full disk, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("report.rtf");
        ASSERT_TRUE(files::WriteFileAtomically(path, previous));
    }
    QStringList Entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString path;
    const QByteArray previous = QByteArray(1920, 'p');
};

TEST_F(AtomicFileTest, ReplacesTheFileWhole) {
    const QByteArray next(3000, 'n');
    EXPECT_TRUE(files::WriteFileAtomically(path, next));
    EXPECT_EQ(ReadAll(path), next);
    EXPECT_EQ(Entries(), QStringList{"report.rtf"});
}

TEST_F(AtomicFileTest, FullDiskLeavesThePreviousFileAndNoTemporaryFile) {
    struct Case {
        const char* name;
        int chunks; // the write in this many pieces, as streaming writers do
    } cases[] = {{"one buffered write", 1}, {"many small writes", 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool ok = true;
        {
            FileSizeLimit limit(100);
            files::AtomicFile file(path);
            ok = file.Open();
            for (int i = 0; ok && i < c.chunks; ++i) {
                ok = file.Write(QByteArray(3000 / c.chunks, 'n'));
            }
            ok = ok && file.Commit();
        }
        EXPECT_FALSE(ok);
        EXPECT_EQ(ReadAll(path), previous);
        EXPECT_EQ(Entries(), QStringList{"report.rtf"});
    }
}

TEST_F(AtomicFileTest, ReadOnlyFolderIsAFailure) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "folder permissions do not bind root";
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(files::WriteFileAtomically(path, "new"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadAll(path), previous);
}

TEST_F(AtomicFileTest, MissingFolderIsAFailure) {
    EXPECT_FALSE(files::WriteFileAtomically(dir.filePath("no/such/folder/x.txt"), "x"));
}

} // namespace
