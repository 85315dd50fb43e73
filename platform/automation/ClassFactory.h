#pragma once
// What an in-process control library hands a container: a factory per class, made reachable by
// the library's exported entry points, and the control it creates as a widget with its dispatch
// interface and its event source.

#include "Dispatch.h"
#include "PersistStreamInit.h"

class QWidget;

namespace automation {

// Registration results of a self-registering library.
constexpr HRESULT SELFREG_E_TYPELIB = static_cast<HRESULT>(0x80040200u);
constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201u);

// Where a container connects its event sink; sinks are not owned and must be unadvised before
// they go.
class IEventSource {
public:
    virtual ~IEventSource() = default;
    virtual void Advise(IEventSink* sink) = 0;
    virtual void Unadvise(IEventSink* sink) = 0;
};

// One created control: four views of the same object. The widget is owned by its parent widget
// (or by the caller when it was created without one); the others live as long as the widget.
struct ControlInstance {
    QWidget* widget = nullptr;
    IDispatch* dispatch = nullptr;
    IEventSource* events = nullptr;
    IPersistStreamInit* persist = nullptr;
};

class IClassFactory {
public:
    virtual ~IClassFactory() = default;
    virtual HRESULT CreateInstance(QWidget* parent, ControlInstance& instance) = 0;
};

// The exports of a control library (extern "C").
using DllGetClassObjectFn = HRESULT (*)(const char* classId, IClassFactory** factory);
using DllRegisterServerFn = HRESULT (*)();
using DllCanUnloadNowFn = HRESULT (*)();

} // namespace automation
