#pragma once
// State shared by every control of the process: the engine context block (bound before engine
// work), the page counter behind page names, the control made or clicked last and the control
// whose graph last saw the mouse. The control runs on its container's GUI thread only.

#include <Kestran.h>

class CZENTCtrl;
class QObject;

namespace zent {

EngineContext& EngineContextBlock();
void BindEngine();
// Registers the engine's classes once per process; false when the engine refuses.
bool EnsureEngineRegistered();
// The number for the next page name ("ZENT0", "ZENT1", ...), counted up.
int NextGraphWindowNumber();

CZENTCtrl* CurrentControl();
void SetCurrentControl(CZENTCtrl* control);
CZENTCtrl* MouseControl();
void SetMouseControl(CZENTCtrl* control);
// A control going away is forgotten by both.
void ForgetControl(CZENTCtrl* control);

// Objects of this library that are alive (controls and pages made by its factories): the library
// may be unloaded only when there is none. A counted object is forgotten when it is destroyed.
void CountObject(QObject* object);
int LiveObjectCount();

} // namespace zent
