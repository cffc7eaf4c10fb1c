#include "forms/int32_conversion.h"

#include <cmath>

#include "forms/run_time_error.h"

namespace forms {

std::int32_t ToInt32(double value) {
    if (!std::isfinite(value)) throw Overflow();
    // Explicit tie rule, so the result does not depend on the FPU rounding mode.
    // value - floor(value) is exact for every double.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    if (rounded < -2147483648.0 || rounded > 2147483647.0) throw Overflow();
    return static_cast<std::int32_t>(rounded);
}

std::int32_t AddInt32(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    if (sum < INT32_MIN || sum > INT32_MAX) throw Overflow();
    return static_cast<std::int32_t>(sum);
}

}  // namespace forms
