// The class store is replaced whole or not at all: a registration that cannot be written leaves
// the registrations there were.

#include "ClassFactory.h"
#include "ClassStore.h"
#include "WriteFaults.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using testsupport::WriteFault;

constexpr const char* kKept = "{7E779A86-B73D-11D0-A956-00C0F6A06F60}";
constexpr const char* kAdded = "{7E779A87-B73D-11D0-A956-00C0F6A06F60}";

class ClassStoreFault : public ::testing::TestWithParam<WriteFault> {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    QTemporaryDir home;
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

INSTANTIATE_TEST_SUITE_P(Faults, ClassStoreFault, ::testing::ValuesIn(testsupport::kWriteFaults),
                         [](const auto& info) { return std::string(testsupport::FaultName(info.param)); });

} // namespace
