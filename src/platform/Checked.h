#pragma once
// Checked 16-bit and 32-bit arithmetic. Every sum, difference or product of a
// game value goes through here: a result outside the range of its kind is
// run-time error 6 (overflow), never a wrap-around.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "RuntimeError.h"

namespace mirewalk {

// Narrows a wide whole number to T, raising overflow when it does not fit.
template <typename T>
T checkedNarrow(long long value)
{
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        throw overflowError();
    return static_cast<T>(value);
}

inline int16_t add16(long long a, long long b) { return checkedNarrow<int16_t>(a + b); }
inline int16_t sub16(long long a, long long b) { return checkedNarrow<int16_t>(a - b); }
inline int32_t add32(long long a, long long b) { return checkedNarrow<int32_t>(a + b); }
inline int32_t sub32(long long a, long long b) { return checkedNarrow<int32_t>(a - b); }
inline int32_t mul32(long long a, long long b) { return checkedNarrow<int32_t>(a * b); }

// A 16-bit difference that stops at the lowest 16-bit value instead of
// overflowing below it (a monster's hit points fall no further); a result
// above the range is still overflow.
inline int16_t sub16Floored(long long a, long long b)
{
    return checkedNarrow<int16_t>(std::max<long long>(a - b, std::numeric_limits<int16_t>::min()));
}

// Stores a floating-point value into an integer of kind T: rounds to the
// nearest whole number, an exact half going to the even neighbour.
template <typename T>
T roundTo(double value)
{
    if (std::isnan(value))
        throw overflowError();
    const double rounded = std::nearbyint(value);  // default mode: ties to even
    if (rounded < std::numeric_limits<T>::min() || rounded > std::numeric_limits<T>::max())
        throw overflowError();
    return static_cast<T>(rounded);
}

inline int16_t round16(double value) { return roundTo<int16_t>(value); }
inline int32_t round32(double value) { return roundTo<int32_t>(value); }

}  // namespace mirewalk
