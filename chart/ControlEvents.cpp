#include "ControlEvents.h"

#include "StockEvents.h"
#include "ZENTIdentifiers.h"

#include "MessageBox.h"

#include <algorithm>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zent {

using automation::Variant;

void ControlEvents::Advise(automation::IEventSink* sink) {
    if (sink != nullptr && std::find(sinks_.begin(), sinks_.end(), sink) == sinks_.end()) {
        sinks_.push_back(sink);
    }
}

void ControlEvents::Unadvise(automation::IEventSink* sink) {
    sinks_.erase(std::remove(sinks_.begin(), sinks_.end(), sink), sinks_.end());
}

void ControlEvents::Fire(automation::DISPID event, const std::vector<Variant>& args) {
    const std::vector<automation::IEventSink*> sinks = sinks_; // a sink may unadvise itself
    for (automation::IEventSink* sink : sinks) {
        sink->OnEvent(event, args);
    }
}

void ControlEvents::FireError(int number, const QString& description, QWidget* owner) {
    std::string text = description.toStdString();
    bool cancelDisplay = false;
    Fire(kError, {Variant::I2(static_cast<std::int16_t>(number)), Variant::RefStr(text),
                  Variant::I4(automation::E_FAIL), Variant::Str(kUserTypeName), Variant::Str({}),
                  Variant::I4(0), Variant::RefBool(cancelDisplay)});
    if (!cancelDisplay) {
        msgbox::MsgBox(QString::fromStdString(text), msgbox::vbExclamation,
                       QString::fromLatin1(kUserTypeName), owner);
    }
}

void ControlEvents::FireMouse(automation::DISPID event, int buttons, const QMouseEvent& mouse) {
    const QPoint at = mouse.position().toPoint();
    Fire(event, {Variant::I2(static_cast<std::int16_t>(buttons)),
                 Variant::I2(static_cast<std::int16_t>(ShiftState(mouse.modifiers()))), Variant::I4(at.x()),
                 Variant::I4(at.y())});
}

void ControlEvents::FireKey(automation::DISPID event, const QKeyEvent& key) {
    std::int16_t code = static_cast<std::int16_t>(VirtualKeyCode(key.key()));
    Fire(event, {Variant::RefI2(code), Variant::I2(static_cast<std::int16_t>(ShiftState(key.modifiers())))});
}

void ControlEvents::KeyPressed(const QKeyEvent& key) {
    FireKey(kKeyDown, key);
    const QString text = key.text();
    for (const QChar c : text) {
        if (c.unicode() < 0x100) {
            std::int16_t ascii = static_cast<std::int16_t>(c.unicode());
            Fire(kKeyPress, {Variant::RefI2(ascii)});
        }
    }
}

void ControlEvents::KeyReleased(const QKeyEvent& key) {
    if (!key.isAutoRepeat()) {
        FireKey(kKeyUp, key);
    }
}

} // namespace zent
