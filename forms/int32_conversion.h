#pragma once
// Every number handed to a platform call goes through this conversion.
#include <cstdint>

namespace forms {

// Rounds to the nearest integer, ties to even; throws Overflow() when the
// result does not fit a signed 32-bit integer (NaN and infinities included).
std::int32_t ToInt32(double value);

// a + b in signed 32-bit arithmetic; throws Overflow() when the sum leaves the range.
std::int32_t AddInt32(std::int32_t a, std::int32_t b);

}  // namespace forms
