#pragma once
// Every number handed to a platform call goes through this conversion.
#include <cstdint>

namespace forms {

// Rounds to the nearest integer, ties to even; throws Overflow() when the
// result does not fit a signed 32-bit integer (NaN and infinities included).
std::int32_t ToInt32(double value);

}  // namespace forms
