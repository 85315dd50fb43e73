#pragma once
// Containers reach a control through its ProgID: the class store names the library, the loader
// opens it once per process (libraries stay loaded, their widgets may outlive any container) and
// asks its DllGetClassObject for the class factory.

#include "ClassFactory.h"

#include <string>

class QWidget;

namespace automation {

// The factory of a registered class; REGDB_E_CLASSNOTREG when the store does not know it,
// CLASS_E_CLASSNOTAVAILABLE when the library cannot be opened or has no factory for it. The
// factory belongs to the library.
HRESULT CoGetClassObject(const std::string& classId, IClassFactory** factory);
HRESULT CoCreateInstance(const std::string& classId, QWidget* parent, ControlInstance& instance);
// A control by ProgID, as a child of parent.
HRESULT CreateControl(const std::string& progId, QWidget* parent, ControlInstance& instance);

// What regsvr32 does: the library's own DllRegisterServer / DllUnregisterServer;
// CLASS_E_CLASSNOTAVAILABLE when the library cannot be opened or does not register itself.
HRESULT RegisterServer(const std::string& libraryPath);
HRESULT UnregisterServer(const std::string& libraryPath);
// The library's own DllRegisterServer into this process's memory only (ThisRunOnly): its classes
// can be created in this run although the store could not take them.
HRESULT RegisterServerForThisRun(const std::string& libraryPath);
// Why the library could not be opened, when it could not.
std::string LibraryError(const std::string& libraryPath);

// The library's entry point of that name, or null: for registration tools and tests.
void* LibraryEntryPoint(const std::string& libraryPath, const char* name);

} // namespace automation
