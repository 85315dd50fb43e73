// A user's file is replaced whole or not at all.

#include "AtomicFile.h"
#include "WriteFaults.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The disk's answer to a sync, as the C library's fsync gives it; this executable's own fsync
// below stands in for the library's, so the writer under test runs its one code path.
enum class Refuse { Nothing, FileSync, FolderSync };
Refuse g_refuse = Refuse::Nothing;
QString g_watched;                     // the target whose bytes each folder sync sees
std::vector<QByteArray> g_folderSyncs; // the target's bytes at each folder sync
int g_fileSyncs = 0;

} // namespace

extern "C" int fsync(int fd) {
    struct stat st {};
    const bool folder = fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
    if (folder) {
        g_folderSyncs.push_back(testsupport::FileBytes(g_watched));
    } else {
        ++g_fileSyncs;
    }
    if (g_refuse == (folder ? Refuse::FolderSync : Refuse::FileSync)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace {

using testsupport::FileBytes;
using testsupport::FolderEntries;
using testsupport::WriteFault;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("report.rtf");
        ASSERT_TRUE(files::WriteFileAtomically(path, previous));
    }

    QTemporaryDir dir;
    QString path;
    const QByteArray previous = QByteArray(1920, 'p');
};

TEST_F(AtomicFileTest, ReplacesTheFileWhole) {
    const QByteArray next(3000, 'n');
    EXPECT_TRUE(files::WriteFileAtomically(path, next));
    EXPECT_EQ(FileBytes(path), next);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{"report.rtf"});
}

struct FaultCase {
    const char* name;
    WriteFault fault;
    int chunks; // the write in this many pieces, as streaming writers do
};

class AtomicFileFaultTest : public AtomicFileTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(AtomicFileFaultTest, LeavesThePreviousFileAndNoTemporaryFile) {
    const FaultCase c = GetParam();
    if (!testsupport::CanMake(c.fault)) {
        GTEST_SKIP() << "folder permissions do not bind root";
    }
    bool ok = true;
    {
        testsupport::WriteFaultScope fault(c.fault, dir.path(), 100);
        files::AtomicFile file(path);
        ok = file.Open();
        for (int i = 0; ok && i < c.chunks; ++i) {
            ok = file.Write(QByteArray(3000 / c.chunks, 'n'));
        }
        ok = ok && file.Commit();
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(FileBytes(path), previous);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{"report.rtf"});
}

INSTANTIATE_TEST_SUITE_P(Faults, AtomicFileFaultTest,
                         ::testing::Values(FaultCase{"FullDiskOneWrite", WriteFault::FullDisk, 1},
                                           FaultCase{"FullDiskManyWrites", WriteFault::FullDisk, 300},
                                           FaultCase{"ReadOnlyFolder", WriteFault::ReadOnlyFolder, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AtomicFileTest, TheFileIsSyncedAndItsFolderAfterTheRename) {
    g_watched = path;
    g_folderSyncs.clear();
    g_fileSyncs = 0;
    const QByteArray next(3000, 'n');
    ASSERT_TRUE(files::WriteFileAtomically(path, next));
    EXPECT_GE(g_fileSyncs, 1);
    EXPECT_EQ(g_folderSyncs, std::vector<QByteArray>{next});
}

// A sync the disk refuses is a failed write: refused for the new file, the previous file stays;
// refused for the folder, the new file is in place but may not outlive a power cut.
TEST_F(AtomicFileTest, ARefusedSyncIsAFailure) {
    const QByteArray next(3000, 'n');
    for (const auto& [refuse, left] :
         {std::pair{Refuse::FileSync, previous}, std::pair{Refuse::FolderSync, next}}) {
        ASSERT_TRUE(files::WriteFileAtomically(path, previous));
        g_refuse = refuse;
        const bool ok = files::WriteFileAtomically(path, next);
        g_refuse = Refuse::Nothing;
        EXPECT_FALSE(ok);
        EXPECT_EQ(FileBytes(path), left);
        EXPECT_EQ(FolderEntries(dir.path()), QStringList{"report.rtf"});
    }
}

TEST_F(AtomicFileTest, MissingFolderIsAFailure) {
    EXPECT_FALSE(files::WriteFileAtomically(dir.filePath("no/such/folder/x.txt"), "x"));
}

} // namespace
