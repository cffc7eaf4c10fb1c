#include "forms/timer.h"

#include "forms/error_report.h"
#include "forms/form.h"

namespace forms {

namespace {

// The performance counter in milliseconds: GetTickCount64 moves only in the system clock's steps.
std::uint64_t NowMs() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER perSecond{};
        QueryPerformanceFrequency(&perSecond);  // never fails from Windows XP on
        return perSecond.QuadPart;
    }();
    LARGE_INTEGER count{};
    QueryPerformanceCounter(&count);
    return CounterMilliseconds(static_cast<std::uint64_t>(count.QuadPart), static_cast<std::uint64_t>(frequency));
}

}  // namespace

Timer::Timer(Form& form, const TimerDesign& design, std::function<void()> onTimer)
    : form_(form), interval_(design.interval), enabled_(design.enabled), onTimer_(std::move(onTimer)) {
    if (design.timing == Timing::OnAverage) duePoints_.emplace(design.interval);
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
    if (!enabled_ || !window_) return;
    restarted_ = true;
    Set(duePoints_ ? duePoints_->Start(NowMs()) : interval_);
}

// Setting the timer again restarts its wait.
void Timer::Set(UINT waitMs) { SetTimer(window_, reinterpret_cast<UINT_PTR>(this), waitMs, nullptr); }

void Timer::Stop() {
    if (window_) KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

bool Timer::Fire(UINT_PTR id) {
    if (id != reinterpret_cast<UINT_PTR>(this)) return false;
    if (!enabled_ || running_) return true;
    running_ = true;
    restarted_ = false;
    Guarded(onTimer_);
    running_ = false;
    if (duePoints_ && enabled_ && window_ && !restarted_) Set(duePoints_->AfterTick(NowMs()));
    return true;
}

}  // namespace forms
