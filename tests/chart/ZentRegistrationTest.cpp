#include <ClassStore.h>
#include <ComLoader.h>

#include <gtest/gtest.h>
#include <memory>
#include <QFileInfo>
#include <QWidget>

namespace {

constexpr const char* kProgId = "ZENT.ZENTCtrl.1";
constexpr const char* kClassId = "{7E779A86-B73D-11D0-A956-00C0F6A06F60}";
constexpr const char* kTypeLibId = "{7E779A83-B73D-11D0-A956-00C0F6A06F60}";

template <typename Fn> Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(automation::LibraryEntryPoint(ZENT_LIBRARY_PATH, name));
}

bool SameFile(const std::string& a, const std::string& b) {
    return QFileInfo(QString::fromStdString(a)).canonicalFilePath() ==
           QFileInfo(QString::fromStdString(b)).canonicalFilePath();
}

class ZentRegistration : public ::testing::Test {
protected:
    void SetUp() override {
        registerServer = Entry<automation::DllRegisterServerFn>("DllRegisterServer");
        unregisterServer = Entry<automation::DllRegisterServerFn>("DllUnregisterServer");
        ASSERT_NE(registerServer, nullptr);
        ASSERT_NE(unregisterServer, nullptr);
    }
    void TearDown() override {
        automation::SetTypeLibRegistrationFailsForTest(false);
        if (unregisterServer != nullptr) {
            unregisterServer();
        }
    }

    automation::DllRegisterServerFn registerServer = nullptr;
    automation::DllRegisterServerFn unregisterServer = nullptr;
};

TEST_F(ZentRegistration, ProgIdResolvesToTheClassAndTheLibrary) {
    ASSERT_EQ(registerServer(), automation::S_OK);
    std::string classId;
    ASSERT_EQ(automation::CLSIDFromProgID(kProgId, classId), automation::S_OK);
    EXPECT_EQ(classId, kClassId);
    EXPECT_TRUE(SameFile(automation::InprocServerPath(classId), ZENT_LIBRARY_PATH));
    EXPECT_TRUE(SameFile(automation::TypeLibPath(kTypeLibId, "1.0"), ZENT_LIBRARY_PATH));
    const std::vector<std::string> pages = automation::PropertyPageIds(classId);
    ASSERT_EQ(pages.size(), 11u);
    EXPECT_EQ(pages.front(), "{7E779A87-B73D-11D0-A956-00C0F6A06F60}");
    EXPECT_FALSE(automation::InprocServerPath(pages.back()).empty());
}

TEST_F(ZentRegistration, UnregisterRemovesTheProgIdAndTheClass) {
    ASSERT_EQ(registerServer(), automation::S_OK);
    ASSERT_EQ(unregisterServer(), automation::S_OK);
    std::string classId;
    EXPECT_EQ(automation::CLSIDFromProgID(kProgId, classId), automation::REGDB_E_CLASSNOTREG);
    EXPECT_TRUE(automation::InprocServerPath(kClassId).empty());
    EXPECT_TRUE(automation::TypeLibPath(kTypeLibId, "1.0").empty());
}

TEST_F(ZentRegistration, RefusedTypeLibraryRegistersNoClass) {
    automation::SetTypeLibRegistrationFailsForTest(true);
    EXPECT_EQ(registerServer(), automation::SELFREG_E_TYPELIB);
    std::string classId;
    EXPECT_EQ(automation::CLSIDFromProgID(kProgId, classId), automation::REGDB_E_CLASSNOTREG);
    EXPECT_TRUE(automation::InprocServerPath(kClassId).empty());
}

TEST_F(ZentRegistration, ContainerCreatesTheControlByProgId) {
    ASSERT_EQ(registerServer(), automation::S_OK);
    QWidget container;
    automation::ControlInstance control;
    ASSERT_EQ(automation::CreateControl(kProgId, &container, control), automation::S_OK);
    ASSERT_NE(control.widget, nullptr);
    ASSERT_NE(control.dispatch, nullptr);
    EXPECT_EQ(control.widget->parentWidget(), &container);
    automation::Variant result;
    ASSERT_EQ(control.dispatch->Invoke(4, automation::InvokeKind::PropertyPut, {automation::Variant::I2(12)},
                                       nullptr),
              automation::S_OK);
    ASSERT_EQ(control.dispatch->Invoke(4, automation::InvokeKind::PropertyGet, {}, &result),
              automation::S_OK);
    EXPECT_EQ(result, automation::Variant::I4(12));
}

TEST_F(ZentRegistration, UnregisteredProgIdCreatesNothing) {
    automation::ControlInstance control;
    EXPECT_EQ(automation::CreateControl(kProgId, nullptr, control), automation::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(control.widget, nullptr);
}

TEST(ZentRegisterServer, RegistersThroughTheLibrarysOwnEntryPoint) {
    ASSERT_EQ(automation::RegisterServer(ZENT_LIBRARY_PATH), automation::S_OK);
    std::string classId;
    EXPECT_EQ(automation::CLSIDFromProgID(kProgId, classId), automation::S_OK);
    ASSERT_EQ(automation::UnregisterServer(ZENT_LIBRARY_PATH), automation::S_OK);
    EXPECT_EQ(automation::CLSIDFromProgID(kProgId, classId), automation::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(automation::RegisterServer("/nonexistent/libnothing.so"),
              automation::CLASS_E_CLASSNOTAVAILABLE);
}

TEST(ZentModule, FactoryOnlyForTheControlClass) {
    const auto getClassObject = Entry<automation::DllGetClassObjectFn>("DllGetClassObject");
    ASSERT_NE(getClassObject, nullptr);
    automation::IClassFactory* factory = nullptr;
    EXPECT_EQ(getClassObject("{00000000-0000-0000-0000-000000000000}", &factory),
              automation::CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(getClassObject(kClassId, &factory), automation::S_OK);
    EXPECT_NE(factory, nullptr);
    const auto canUnload = Entry<automation::DllCanUnloadNowFn>("DllCanUnloadNow");
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), automation::S_FALSE);
}

} // namespace
