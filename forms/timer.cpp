#include "forms/timer.h"

#include "forms/error_report.h"
#include "forms/form.h"

namespace forms {

Timer::Timer(Form& form, unsigned intervalMs, bool enabled, std::function<void()> onTimer)
    : form_(form), interval_(intervalMs), enabled_(enabled), onTimer_(std::move(onTimer)) {
    form.Attach(this);
}

void Timer::SetEnabled(bool enabled) {
    form_.Load();
    enabled_ = enabled;
    if (enabled_) {
        Start(window_);
    } else if (window_) {
        KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
    }
}

void Timer::Start(HWND window) {
    window_ = window;
    // Setting the timer again restarts its interval.
    if (enabled_ && window_) SetTimer(window_, reinterpret_cast<UINT_PTR>(this), interval_, nullptr);
}

void Timer::Stop() {
    if (window_) KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

bool Timer::Fire(UINT_PTR id) {
    if (id != reinterpret_cast<UINT_PTR>(this)) return false;
    if (!enabled_ || running_) return true;
    running_ = true;
    Guarded(onTimer_);
    running_ = false;
    return true;
}

}  // namespace forms
