#pragma once
// A form's timer: while enabled it raises its event once per interval.
// A tick that falls due while the handler is still running (inside a yield)
// is not started inside it.
#include <windows.h>

#include <functional>
#include <optional>

#include "forms/design.h"
#include "forms/due_points.h"

namespace forms {

class Form;

class Timer {
public:
    Timer(Form& form, const TimerDesign& design, std::function<void()> onTimer);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Enabling or disabling a timer loads its form; reading whether it is enabled does not.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // Called by the form.
    void Start(HWND window);
    void Stop();
    bool Fire(UINT_PTR id);

private:
    void Set(UINT waitMs);

    Form& form_;
    unsigned interval_;
    std::optional<DuePoints> duePoints_;
    bool restarted_ = false;  // started again during the running tick, which then leaves it as set
    bool enabled_;
    std::function<void()> onTimer_;
    HWND window_ = nullptr;
    bool running_ = false;
};

}  // namespace forms
