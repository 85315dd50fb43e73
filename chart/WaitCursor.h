#pragma once
// Shows the wait cursor for the guard's lifetime, restoring the previous one on every exit path.
// Without a GUI application (tests, tools) it does nothing.

namespace chart {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown_ = false;
};

} // namespace chart
