// A user's file is replaced whole or not at all.

#include "AtomicFile.h"
#include "WriteFaults.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

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

TEST_F(AtomicFileTest, MissingFolderIsAFailure) {
    EXPECT_FALSE(files::WriteFileAtomically(dir.filePath("no/such/folder/x.txt"), "x"));
}

} // namespace
