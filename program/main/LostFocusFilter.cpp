#include "LostFocusFilter.h"

#include <QFocusEvent>
#include <QWidget>

void LostFocusFilter::Watch(QWidget* control, std::function<void()> handler) {
    handlers_[control] = std::move(handler);
    control->installEventFilter(this);
}

bool LostFocusFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || running_)
        return false;
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    const auto found = handlers_.find(watched);
    if (found == handlers_.end())
        return false;
    running_ = true;
    found->second();
    running_ = false;
    return false;
}
