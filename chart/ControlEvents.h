#pragma once
// What the control tells its containers: the sinks they advised and the events sent to them, with
// the stock events' arguments formed as the platform's controls form them.

#include <Dispatch.h>

#include <QString>
#include <vector>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace zent {

// The control's own event, fired at the end of each first draw.
constexpr automation::DISPID kDrawReady = 1;

class ControlEvents {
public:
    void Advise(automation::IEventSink* sink);
    void Unadvise(automation::IEventSink* sink);
    void Fire(automation::DISPID event, const std::vector<automation::Variant>& args = {});
    // The stock Error event; unless a sink cancels the display, the description is shown in a
    // message box over `owner`.
    void FireError(int number, const QString& description, QWidget* owner);
    // A stock mouse event (Button, Shift, X, Y).
    void FireMouse(automation::DISPID event, int buttons, const QMouseEvent& mouse);
    // A held key repeats its KeyDown and KeyPress, and ends with one KeyUp.
    void KeyPressed(const QKeyEvent& key);
    void KeyReleased(const QKeyEvent& key);

private:
    void FireKey(automation::DISPID event, const QKeyEvent& key);

    std::vector<automation::IEventSink*> sinks_;
};

} // namespace zent
