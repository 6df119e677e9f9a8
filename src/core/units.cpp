#include "units.h"

#include <cmath>
#include <limits>

namespace zenpa {

namespace {

std::int32_t saturate(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

} // namespace

std::int32_t Round(double v) {
    if (std::isnan(v) || std::isinf(v))
        return saturate(v);
    double r = std::round(v); // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5)
        r = 2.0 * std::round(v / 2.0); // a tie: take the even neighbour
    return saturate(r);
}

std::int32_t Trunc(double v) { return saturate(std::trunc(v)); }

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0)
        return -1;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    std::int64_t q = num / c;
    const std::int64_t rem = num % c;
    // Round half away from zero: compare twice the remainder with the divisor.
    if (rem != 0 && 2 * (rem < 0 ? -rem : rem) >= (c < 0 ? -static_cast<std::int64_t>(c) : c))
        q += ((num < 0) != (c < 0)) ? -1 : 1;
    if (q > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (q < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(q);
}

std::int32_t MmToPixels(int mm, int resolution) {
    return Round(static_cast<double>(mm) / kMmPerInch * resolution);
}

} // namespace zenpa
