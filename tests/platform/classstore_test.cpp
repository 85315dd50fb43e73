// The class store is replaced whole or not at all: a registration that cannot be written leaves
// the registrations there were. A store the previous build wrote is read as it was written.

#include "ClassFactory.h"
#include "ClassStore.h"
#include "HeadlessRun.h"
#include "SimultaneousRuns.h"
#include "WriteFaults.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

namespace {

using testsupport::WriteFault;

constexpr const char* kKept = "{7E779A86-B73D-11D0-A956-00C0F6A06F60}";
constexpr const char* kAdded = "{7E779A87-B73D-11D0-A956-00C0F6A06F60}";

class ClassStoreFault : public ::testing::TestWithParam<WriteFault> {
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }

    testsupport::TemporaryHome home;
};

TEST_P(ClassStoreFault, RegistrationFailsAndTheStoreStays) {
    if (!testsupport::CanMake(GetParam())) {
        GTEST_SKIP() << "folder permissions do not bind root";
    }
    ASSERT_EQ(automation::RegisterClassId(kKept, "/usr/lib/libkept.so"), automation::S_OK);
    const QString store = QString::fromStdString(automation::ClassStorePath());
    const QString folder = QFileInfo(store).absolutePath();
    const QByteArray previous = testsupport::FileBytes(store);
    const std::string longPath = "/opt/" + std::string(300, 'x') + "/libadded.so";
    automation::HRESULT result = automation::S_OK;
    {
        // The store as it is fits under the limit, the store with the new class does not.
        testsupport::WriteFaultScope scope(GetParam(), folder, rlim_t(previous.size()) + 16);
        result = automation::RegisterClassId(kAdded, longPath);
    }
    EXPECT_EQ(result, automation::SELFREG_E_CLASS);
    EXPECT_EQ(testsupport::FileBytes(store), previous);
    EXPECT_EQ(testsupport::FolderEntries(folder), QStringList{"classes.ini"});
    EXPECT_EQ(automation::InprocServerPath(kKept), "/usr/lib/libkept.so");
    EXPECT_EQ(automation::InprocServerPath(kAdded), "");
    // With the fault gone the same registration goes through.
    EXPECT_EQ(automation::RegisterClassId(kAdded, longPath), automation::S_OK);
    EXPECT_EQ(automation::InprocServerPath(kAdded), longPath);
}

// A store that cannot be written names why; a registration for this run only is found by this
// process, and the store stays as it was.
TEST(ClassStoreThisRun, IsFoundWhileTheStoreStays) {
    testsupport::TemporaryHome home;
    const QString folder = home.filePath("ProgramSettings");
    ASSERT_TRUE(testsupport::WriteBytes(folder, "not a folder"));
    EXPECT_EQ(automation::RegisterClassId(kAdded, "/opt/libadded.so"), automation::SELFREG_E_CLASS);
    EXPECT_EQ(automation::LastClassStoreFailure(),
              ("the folder " + folder + " could not be made").toStdString());
    const automation::ThisRunOnly inMemory;
    EXPECT_EQ(automation::RegisterClassId(kAdded, "/opt/libadded.so"), automation::S_OK);
    EXPECT_EQ(automation::InprocServerPath(kAdded), "/opt/libadded.so");
    EXPECT_EQ(testsupport::FileBytes(folder), "not a folder");
    EXPECT_EQ(automation::UnregisterClassId(kAdded), automation::S_OK);
    EXPECT_EQ(automation::InprocServerPath(kAdded), "");
}

// Written by the previous build, through QSettings: percent-escaped names, a quoted list.
constexpr const char* kPreviousStore =
    "[CLSID]\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\Flags=3\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\InprocServer=/home/j\xc3\xbcrgen/my lib/libzent.so\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\MiscStatus=131473\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\ProgID=ZENT.ZENTCtrl.1\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\PropertyPages=\"{7E779A87-B73D-11D0-A956-00C0F6A06F60},"
    "{CF083002-B827-11D0-8083-00C0F6A06FEA}\"\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\ThreadingModel=Apartment\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\TypeLib={7E779A83-B73D-11D0-A956-00C0F6A06F60}\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\UserTypeName=ZENT Control\n"
    "%7B7E779A86-B73D-11D0-A956-00C0F6A06F60%7D\\Version=1.0\n"
    "%7B7E779A87-B73D-11D0-A956-00C0F6A06F60%7D\\InprocServer=/usr/lib/libzent.so\n"
    "%7B7E779A87-B73D-11D0-A956-00C0F6A06F60%7D\\UserTypeName=\" lead and trail \"\n"
    "\n"
    "[ProgID]\n"
    "ZENT.ZENTCtrl.1\\CLSID={7E779A86-B73D-11D0-A956-00C0F6A06F60}\n"
    "\n"
    "[TypeLib]\n"
    "%7B7E779A83-B73D-11D0-A956-00C0F6A06F60%7D\\1.0\\HelpFile=ZENT.hlp\n"
    "%7B7E779A83-B73D-11D0-A956-00C0F6A06F60%7D\\1.0\\Path=/usr/lib/libzent.so\n";

class ClassStorePrevious : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir().mkpath(home.filePath("ProgramSettings")));
        ASSERT_TRUE(
            testsupport::WriteBytes(QString::fromStdString(automation::ClassStorePath()), kPreviousStore));
    }
    // Every value of the store above, as the store's readers give them.
    static void ExpectPreviousEntries() {
        std::string classId;
        EXPECT_EQ(automation::CLSIDFromProgID("ZENT.ZENTCtrl.1", classId), automation::S_OK);
        EXPECT_EQ(classId, kKept);
        EXPECT_EQ(automation::InprocServerPath(kKept), "/home/j\xc3\xbcrgen/my lib/libzent.so");
        EXPECT_EQ(automation::ClassUserTypeName(kKept), "ZENT Control");
        EXPECT_EQ(automation::PropertyPageIds(kKept),
                  (std::vector<std::string>{"{7E779A87-B73D-11D0-A956-00C0F6A06F60}",
                                            "{CF083002-B827-11D0-8083-00C0F6A06FEA}"}));
        EXPECT_EQ(automation::InprocServerPath(kAdded), "/usr/lib/libzent.so");
        EXPECT_EQ(automation::ClassUserTypeName(kAdded), " lead and trail ");
        EXPECT_EQ(automation::TypeLibPath("{7E779A83-B73D-11D0-A956-00C0F6A06F60}", "1.0"),
                  "/usr/lib/libzent.so");
    }

    testsupport::TemporaryHome home;
};

TEST_F(ClassStorePrevious, IsReadAsItWasWritten) {
    ExpectPreviousEntries();
}

TEST_F(ClassStorePrevious, KeepsItsEntriesThroughARegistration) {
    ASSERT_EQ(automation::RegisterClassId("{00000000-0000-0000-0000-000000000001}", "/opt/libother.so"),
              automation::S_OK);
    ExpectPreviousEntries();
    EXPECT_EQ(automation::InprocServerPath("{00000000-0000-0000-0000-000000000001}"), "/opt/libother.so");
    ASSERT_EQ(automation::UnregisterClassEntry(kKept, "ZENT.ZENTCtrl.1"), automation::S_OK);
    std::string classId;
    EXPECT_EQ(automation::CLSIDFromProgID("ZENT.ZENTCtrl.1", classId), automation::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(automation::InprocServerPath(kKept), "");
    EXPECT_EQ(automation::InprocServerPath(kAdded), "/usr/lib/libzent.so");
}

// Libraries of several copies of the program registering at the same moment: every class a copy
// was told is registered is in the store.
TEST(ClassStoreWriters, KeepEveryClassTheyReportRegistered) {
    for (const int writers : {2, 4}) {
        SCOPED_TRACE(writers);
        testsupport::TemporaryHome home;
        std::vector<QStringList> arguments;
        for (int w = 0; w < writers; ++w) {
            arguments.push_back({"classes", QString("{writer-%1-class-").arg(w), "40"});
        }
        const testsupport::SimultaneousRun run = testsupport::RunSimultaneously(INI_WRITER, arguments);
        ASSERT_TRUE(run.ok) << run.problem.toStdString();
        QStringList lost;
        for (const QStringList& registered : run.output) {
            EXPECT_EQ(registered.size(), 40);
            for (const QString& classId : registered) {
                if (automation::InprocServerPath(classId.toStdString()) !=
                    "/opt/" + classId.toStdString() + ".so") {
                    lost << classId;
                }
            }
        }
        EXPECT_EQ(lost.join(QLatin1Char(' ')).toStdString(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, ClassStoreFault, ::testing::ValuesIn(testsupport::kWriteFaults),
                         [](const auto& info) { return std::string(testsupport::FaultName(info.param)); });

} // namespace
