#include "ComLoader.h"

#include "ClassStore.h"

#include <dlfcn.h>
#include <map>

namespace automation {

namespace {

// Opened libraries stay loaded for the life of the process: controls they made may still exist
// when every container has forgotten them.
void* OpenLibrary(const std::string& path) {
    static std::map<std::string, void*> opened;
    const auto found = opened.find(path);
    if (found != opened.end()) {
        return found->second;
    }
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle != nullptr) {
        opened.emplace(path, handle);
    }
    return handle;
}

} // namespace

void* LibraryEntryPoint(const std::string& libraryPath, const char* name) {
    void* handle = OpenLibrary(libraryPath);
    return handle != nullptr ? dlsym(handle, name) : nullptr;
}

namespace {

HRESULT CallRegistration(const std::string& libraryPath, const char* entry) {
    const auto call = reinterpret_cast<DllRegisterServerFn>(LibraryEntryPoint(libraryPath, entry));
    return call != nullptr ? call() : CLASS_E_CLASSNOTAVAILABLE;
}

} // namespace

HRESULT RegisterServer(const std::string& libraryPath) {
    return CallRegistration(libraryPath, "DllRegisterServer");
}

HRESULT UnregisterServer(const std::string& libraryPath) {
    return CallRegistration(libraryPath, "DllUnregisterServer");
}

HRESULT RegisterServerForThisRun(const std::string& libraryPath) {
    const ThisRunOnly inMemory;
    return CallRegistration(libraryPath, "DllRegisterServer");
}

std::string LibraryError(const std::string& libraryPath) {
    if (OpenLibrary(libraryPath) != nullptr)
        return {};
    const char* error = dlerror();
    return error != nullptr ? error : libraryPath + ": cannot be opened";
}

HRESULT CoGetClassObject(const std::string& classId, IClassFactory** factory) {
    *factory = nullptr;
    const std::string path = InprocServerPath(classId);
    if (path.empty()) {
        return REGDB_E_CLASSNOTREG;
    }
    const auto getClassObject =
        reinterpret_cast<DllGetClassObjectFn>(LibraryEntryPoint(path, "DllGetClassObject"));
    if (getClassObject == nullptr) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return getClassObject(classId.c_str(), factory);
}

HRESULT CoCreateInstance(const std::string& classId, QWidget* parent, ControlInstance& instance) {
    IClassFactory* factory = nullptr;
    const HRESULT hr = CoGetClassObject(classId, &factory);
    if (!Succeeded(hr)) {
        return hr;
    }
    return factory->CreateInstance(parent, instance);
}

HRESULT CreateControl(const std::string& progId, QWidget* parent, ControlInstance& instance) {
    std::string classId;
    const HRESULT hr = CLSIDFromProgID(progId, classId);
    if (!Succeeded(hr)) {
        return hr;
    }
    return CoCreateInstance(classId, parent, instance);
}

} // namespace automation
