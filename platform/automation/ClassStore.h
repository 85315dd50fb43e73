#pragma once
// The per-user class store: $XDG_CONFIG_HOME/ProgramSettings/classes.ini maps a ProgID to its
// class id and a class id to the library that makes it, with the type libraries the classes
// describe themselves by. Self-registering libraries write it; containers read it.

#include "Dispatch.h"

#include <functional>
#include <string>
#include <vector>

namespace automation {

struct ClassRegistration {
    std::string classId; // "{7E779A86-...}"
    std::string progId;
    std::string userTypeName;
    std::string libraryPath;
    std::string typeLibId;
    std::string typeLibVersion;
    int flags = 0;
    int miscStatus = 0;
    std::vector<std::string> propertyPages; // class ids in tab order
};

std::string ClassStorePath();

// Type library entries; E_FAIL when the store cannot be written.
HRESULT RegisterTypeLib(const std::string& libId, const std::string& version, const std::string& libraryPath,
                        const std::string& helpFile);
HRESULT UnRegisterTypeLib(const std::string& libId, const std::string& version);
// The library path a type library was registered with; empty when there is none.
std::string TypeLibPath(const std::string& libId, const std::string& version);

// A class entry and its ProgID. Unregistering a class that is not there succeeds.
HRESULT RegisterClassEntry(const ClassRegistration& entry);
HRESULT UnregisterClassEntry(const std::string& classId, const std::string& progId);
// A class known by id only (property pages): its library path and the name it is listed by.
HRESULT RegisterClassId(const std::string& classId, const std::string& libraryPath,
                        const std::string& userTypeName = {});
HRESULT UnregisterClassId(const std::string& classId);

HRESULT CLSIDFromProgID(const std::string& progId, std::string& classId);
// The library registered for a class; empty when the class is not registered.
std::string InprocServerPath(const std::string& classId);
std::vector<std::string> PropertyPageIds(const std::string& classId);
// The name a class was registered with; empty when there is none.
std::string ClassUserTypeName(const std::string& classId);

// Why the last write of the store failed, naming the file or its folder.
std::string LastClassStoreFailure();

// While it lives, registrations go to this process's memory only and never to the store: a
// container whose store cannot be written still finds the classes of a library it knows.
class ThisRunOnly {
public:
    ThisRunOnly();
    ~ThisRunOnly();
    ThisRunOnly(const ThisRunOnly&) = delete;
    ThisRunOnly& operator=(const ThisRunOnly&) = delete;

private:
    bool previous_;
};

// Test hook: type library registration fails as on a system whose store refuses it.
void SetTypeLibRegistrationFailsForTest(bool fail);
// Test hook: called after each write of the store (a test kills its process there).
void SetAfterStoreWriteForTest(std::function<void()> hook);

} // namespace automation
