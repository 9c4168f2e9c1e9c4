#pragma once
// The record of one monster kind in the monster table.

#include <cstdint>
#include <string>

#include "state/Truth.h"

namespace mirewalk {

struct Monster {
    std::string Name;               // display name; empty until the kind is first met
    int16_t Attack = 0;             // close-range blow value, a copy of Strength
    Truth RangedOn = Truth::False;  // strikes back at range; nothing sets it
    int16_t RangedAttack = 0;       // ranged blow value; nothing sets it
    int16_t Reserved1 = 0;          // set to 0 at every roll; nothing reads it
    int16_t Reserved2 = 0;          // set to 0 at every roll; nothing reads it
    int16_t HP = 0;                 // current hit points; may fall below 0
    int16_t MaxHP = 0;
    int16_t Strength = 0;
    int16_t Defense = 0;
};

}  // namespace mirewalk
