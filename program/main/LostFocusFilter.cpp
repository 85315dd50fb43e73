#include "LostFocusFilter.h"

#include <QFocusEvent>
#include <QWidget>

void LostFocusFilter::Watch(QWidget* control, std::function<void()> handler) {
    if (parent())
        ownerType_ = parent()->metaObject();
    handlers_[control] = std::move(handler);
    control->installEventFilter(this);
}

// While a window's destructor runs, its type is already that of its base class.
bool LostFocusFilter::OwnerAlive() const {
    return !parent() || parent()->metaObject() == ownerType_;
}

bool LostFocusFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || running_ || !OwnerAlive())
        return false;
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // The menu bar takes the focus while the keyboard walks its menus (Alt, Alt+letter, Escape
    // out of a menu) and gives it back when they close: the box is still the one being edited.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason)
        return false;
    const auto found = handlers_.find(watched);
    if (found == handlers_.end())
        return false;
    running_ = true;
    found->second();
    running_ = false;
    return false;
}
