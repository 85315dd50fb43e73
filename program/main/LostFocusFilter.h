#pragma once
// "Lost focus" of a control: the control gave the focus to another control of the program. A
// window that is merely deactivated, a menu or list popping up, or the menu bar taking the focus
// while a menu is opened from the keyboard, is no loss of focus. A handler
// that moves the focus itself (a message box) does not start a second handler. Nor does the focus
// that leaves a control while its window is being destroyed: the handlers belong to the window
// (the filter's parent), which is no longer itself by then.

#include <functional>
#include <map>
#include <QObject>

class QWidget;

class LostFocusFilter : public QObject {
public:
    explicit LostFocusFilter(QObject* parent = nullptr) : QObject(parent) {}

    void Watch(QWidget* control, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OwnerAlive() const;

    std::map<QObject*, std::function<void()>> handlers_;
    const QMetaObject* ownerType_ = nullptr;
    bool running_ = false;
};
