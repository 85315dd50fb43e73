#pragma once
// The wait (hourglass) pointer for as long as the guard lives, restored on every exit path. Without
// a GUI application (tools, window-free tests) it does nothing.

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown_ = false;
};
