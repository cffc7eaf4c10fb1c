#include "forms/due_points.h"

namespace forms {

std::uint32_t DuePoints::Start(std::uint64_t nowMs) {
    due_ = nowMs + interval_;
    return static_cast<std::uint32_t>(interval_);
}

std::uint32_t DuePoints::AfterTick(std::uint64_t nowMs) {
    due_ += interval_;
    if (due_ <= nowMs) due_ = nowMs + interval_;
    return static_cast<std::uint32_t>(due_ - nowMs);
}

}  // namespace forms
