#pragma once
// The game's truth value: a 16-bit integer where True is -1 and False is 0.

#include <cstdint>

namespace mirewalk {

enum class Truth : int16_t { False = 0, True = -1 };

}  // namespace mirewalk
