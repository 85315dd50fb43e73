// The control library's entry points: self-registration in the class store and the class
// factory that containers reach through DllGetClassObject.

#include "CZENTCtrl.h"
#include "ZENTIdentifiers.h"

#include <ClassFactory.h>
#include <ClassStore.h>

#include <dlfcn.h>
#include <string>

#define ZENT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using automation::HRESULT;

std::string LibraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&LibraryPath), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return info.dli_fname;
}

class CZENTCtrlFactory : public automation::IClassFactory {
public:
    HRESULT CreateInstance(QWidget* parent, automation::ControlInstance& instance) override {
        auto* control = new CZENTCtrl(parent);
        instance.widget = control;
        instance.dispatch = control;
        instance.events = control;
        instance.persist = control;
        return automation::S_OK;
    }

    static HRESULT UpdateRegistry(bool registering) {
        if (!registering) {
            return automation::UnregisterClassEntry(zent::kControlClassId, zent::kControlProgId);
        }
        automation::ClassRegistration entry;
        entry.classId = zent::kControlClassId;
        entry.progId = zent::kControlProgId;
        entry.userTypeName = zent::kUserTypeName;
        entry.libraryPath = LibraryPath();
        entry.typeLibId = zent::kTypeLibId;
        entry.typeLibVersion = zent::kTypeLibVersion;
        entry.flags = zent::kRegistrationFlags;
        entry.miscStatus = zent::kMiscStatus;
        entry.propertyPages.assign(zent::kPropertyPageIds.begin(), zent::kPropertyPageIds.end());
        return automation::RegisterClassEntry(entry);
    }
};

CZENTCtrlFactory g_controlFactory;

// Every factory of the module, the control's and the eleven pages'.
HRESULT UpdateAllFactories(bool registering) {
    if (!automation::Succeeded(CZENTCtrlFactory::UpdateRegistry(registering))) {
        return automation::SELFREG_E_CLASS;
    }
    for (const char* page : zent::kPropertyPageIds) {
        const HRESULT hr = registering ? automation::RegisterClassId(page, LibraryPath())
                                       : automation::UnregisterClassId(page);
        if (!automation::Succeeded(hr)) {
            return automation::SELFREG_E_CLASS;
        }
    }
    return automation::S_OK;
}

} // namespace

ZENT_EXPORT HRESULT DllRegisterServer() {
    if (!automation::Succeeded(automation::RegisterTypeLib(zent::kTypeLibId, zent::kTypeLibVersion,
                                                           LibraryPath(), zent::kTypeLibHelpFile))) {
        return automation::SELFREG_E_TYPELIB;
    }
    return UpdateAllFactories(true);
}

ZENT_EXPORT HRESULT DllUnregisterServer() {
    if (!automation::Succeeded(automation::UnRegisterTypeLib(zent::kTypeLibId, zent::kTypeLibVersion))) {
        return automation::SELFREG_E_TYPELIB;
    }
    return UpdateAllFactories(false);
}

ZENT_EXPORT HRESULT DllGetClassObject(const char* classId, automation::IClassFactory** factory) {
    if (factory == nullptr) {
        return automation::E_INVALIDARG;
    }
    *factory = nullptr;
    if (classId == nullptr || std::string(classId) != zent::kControlClassId) {
        return automation::CLASS_E_CLASSNOTAVAILABLE;
    }
    *factory = &g_controlFactory;
    return automation::S_OK;
}

// Widgets made by this library may outlive every container's interest in them: never unload.
ZENT_EXPORT HRESULT DllCanUnloadNow() {
    return automation::S_FALSE;
}
