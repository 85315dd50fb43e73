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

// The eleven property pages: class, class identifier and registry name.
struct PageRow {
    const char* className;
    const char* classId;
    const char* registryName;
};
const PageRow kPages[] = {
    {"CZENTPropPage", "{7E779A87-B73D-11D0-A956-00C0F6A06F60}", "ZENT Property Page"},
    {"CAxisPPg", "{CF083002-B827-11D0-8083-00C0F6A06FEA}", "Axis Property Page"},
    {"CAxLabPPg", "{F844A122-B8D0-11D0-8083-00C0F6A06FEA}", "Axis Labels Property Page"},
    {"CGridPPg", "{23C93902-BA34-11D0-8083-00C0F6A06FEA}", "Grid Property Page"},
    {"CSDataPPg", "{5CFFA282-C09D-11D0-A956-00C0F6A06F60}", "S Data Property Page"},
    {"CSPlotPPg", "{E4D2A443-BBBC-11D0-A956-00C0F6A06F60}", "S Plot Propery Page"},
    {"CGPlotPPg", "{92729102-BFD7-11D0-A956-00C0F6A06F60}", "G Plot Propery Page"},
    {"CSLegendPPg", "{6FA7A362-C52A-11D0-A956-00C0F6A06F60}", "Static Legend Property Page"},
    {"CPiePPg", "{8A7ED4E2-C6C1-11D0-A956-00C0F6A06F60}", "Pie Chart Property Page"},
    {"CPrintPPg", "{CE89F562-D2AC-11D0-A956-00C0F6A06F60}", "Printing Property Page"},
    {"CEventPPg", "{5676D722-CC60-11D0-A956-00C0F6A06F60}", "Event Property Page"},
};

TEST_F(ZentRegistration, EveryPageIsRegisteredInTabOrderUnderItsName) {
    ASSERT_EQ(registerServer(), automation::S_OK);
    const std::vector<std::string> pages = automation::PropertyPageIds(kClassId);
    ASSERT_EQ(pages.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(pages[i], kPages[i].classId);
        EXPECT_TRUE(SameFile(automation::InprocServerPath(kPages[i].classId), ZENT_LIBRARY_PATH));
        EXPECT_EQ(automation::ClassUserTypeName(kPages[i].classId), kPages[i].registryName);
    }
    ASSERT_EQ(unregisterServer(), automation::S_OK);
    EXPECT_TRUE(automation::InprocServerPath(kPages[4].classId).empty());
}

TEST(ZentModule, FactoriesForTheControlAndEveryPage) {
    const auto getClassObject = Entry<automation::DllGetClassObjectFn>("DllGetClassObject");
    const auto canUnload = Entry<automation::DllCanUnloadNowFn>("DllCanUnloadNow");
    ASSERT_TRUE(getClassObject && canUnload);
    automation::IClassFactory* factory = nullptr;
    EXPECT_EQ(getClassObject("{00000000-0000-0000-0000-000000000000}", &factory),
              automation::CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(canUnload(), automation::S_OK);

    ASSERT_EQ(getClassObject(kPages[1].classId, &factory), automation::S_OK);
    automation::ControlInstance page;
    EXPECT_EQ(factory->CreateInstance(nullptr, page), automation::E_FAIL); // no control to edit yet

    ASSERT_EQ(getClassObject(kClassId, &factory), automation::S_OK);
    automation::ControlInstance control;
    ASSERT_EQ(factory->CreateInstance(nullptr, control), automation::S_OK);
    std::unique_ptr<QWidget> controlWidget(control.widget);
    EXPECT_EQ(canUnload(), automation::S_FALSE);
    std::vector<std::unique_ptr<QWidget>> made;
    for (const PageRow& row : kPages) {
        ASSERT_EQ(getClassObject(row.classId, &factory), automation::S_OK) << row.className;
        ASSERT_EQ(factory->CreateInstance(nullptr, page), automation::S_OK) << row.className;
        ASSERT_NE(page.widget, nullptr);
        EXPECT_EQ(page.widget->objectName(), QString::fromLatin1(row.className));
        made.emplace_back(page.widget);
    }
    controlWidget.reset();
    EXPECT_EQ(canUnload(), automation::S_FALSE); // the pages are still alive
    made.clear();
    EXPECT_EQ(canUnload(), automation::S_OK);
}

} // namespace
