#pragma once
// A form's timer: while enabled it raises its event once per interval.
// A tick that falls due while the handler is still running (inside a yield)
// is not started inside it.
#include <windows.h>

#include <functional>

namespace forms {

class Form;

class Timer {
public:
    Timer(Form& form, unsigned intervalMs, bool enabled, std::function<void()> onTimer);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Touching a timer loads its form, as touching any control does.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // Called by the form.
    void Start(HWND window);
    void Stop();
    bool Fire(UINT_PTR id);

private:
    Form& form_;
    unsigned interval_;
    bool enabled_;
    std::function<void()> onTimer_;
    HWND window_ = nullptr;
    bool running_ = false;
};

}  // namespace forms
