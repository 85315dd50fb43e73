// The control library's entry points: self-registration in the class store and the class
// factory that containers reach through DllGetClassObject.

#include "CZENTCtrl.h"
#include "PageFactory.h"
#include "PageTable.h"
#include "ZENTIdentifiers.h"
#include "ZENTModuleState.h"

#include <ClassFactory.h>
#include <ClassStore.h>

#include <QWidget>

#include <dlfcn.h>
#include <string>
#include <vector>

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

// One property page per request, editing the control made or clicked last (a page finds its
// control so when its frame names none). The page may outlive that control.
class CPropertyPageFactory : public automation::IClassFactory {
public:
    explicit CPropertyPageFactory(const pages::PageInfo& page) : page_(page) {}

    HRESULT CreateInstance(QWidget* parent, automation::ControlInstance& instance) override {
        CZENTCtrl* control = zent::CurrentControl();
        if (control == nullptr) {
            return automation::E_FAIL;
        }
        pages::CPropertyPage* page = pages::CreatePage(page_.kind, control->PageTarget(), parent).release();
        // A container may keep the page open after the control goes: the page then turns inert.
        page->FollowControl(control->PageTargetRef());
        QObject::connect(control, &QObject::destroyed, page, [page] { page->setEnabled(false); });
        page->setObjectName(QString::fromLatin1(page_.className));
        zent::CountObject(page);
        instance.widget = page;
        return automation::S_OK;
    }

    // Registered as a property-page class under its class id and registry name.
    HRESULT UpdateRegistry(bool registering) const {
        return registering ? automation::RegisterClassId(page_.classId, LibraryPath(), page_.registryName)
                           : automation::UnregisterClassId(page_.classId);
    }

    const char* ClassId() const { return page_.classId; }

private:
    const pages::PageInfo& page_;
};

CZENTCtrlFactory g_controlFactory;

std::vector<CPropertyPageFactory>& PageFactories() {
    static std::vector<CPropertyPageFactory> factories = [] {
        std::vector<CPropertyPageFactory> made;
        for (const pages::PageInfo& page : pages::PageTable()) {
            made.emplace_back(page);
        }
        return made;
    }();
    return factories;
}

// Every factory of the module, the control's and the eleven pages'.
HRESULT UpdateAllFactories(bool registering) {
    if (!automation::Succeeded(CZENTCtrlFactory::UpdateRegistry(registering))) {
        return automation::SELFREG_E_CLASS;
    }
    for (const CPropertyPageFactory& page : PageFactories()) {
        if (!automation::Succeeded(page.UpdateRegistry(registering))) {
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
    if (classId == nullptr) {
        return automation::CLASS_E_CLASSNOTAVAILABLE;
    }
    if (std::string(classId) == zent::kControlClassId) {
        *factory = &g_controlFactory;
        return automation::S_OK;
    }
    for (CPropertyPageFactory& page : PageFactories()) {
        if (std::string(classId) == page.ClassId()) {
            *factory = &page;
            return automation::S_OK;
        }
    }
    return automation::CLASS_E_CLASSNOTAVAILABLE;
}

// The library may go once no control and no page it made is alive (class factories here take no
// locks).
ZENT_EXPORT HRESULT DllCanUnloadNow() {
    return zent::LiveObjectCount() == 0 ? automation::S_OK : automation::S_FALSE;
}
