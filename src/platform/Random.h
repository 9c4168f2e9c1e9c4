#pragma once
// The game's one random source: uniform single-precision values r, 0 <= r < 1,
// from a Mersenne Twister that is never seeded, so every run meets the same rolls.

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>

namespace mirewalk {

class Random {
public:
    // The next value r: one 32-bit output x of the generator gives (x >> 8) * 2^-24.
    float next();

    // Test seam: the given values come out first, in order, before the generator's own.
    void feed(std::initializer_list<float> values);
    // How many fed values are still waiting.
    std::size_t pending() const { return fed_.size(); }
    // How many values have been drawn since the start.
    std::size_t draws() const { return draws_; }

private:
    std::mt19937 engine_;  // default seed 5489
    std::deque<float> fed_;
    std::size_t draws_ = 0;
};

// The largest float below 1, the highest value the source can give.
inline constexpr float LargestBelowOne = 1.0f - 1.0f / 16777216.0f;

// The game's two ways of taking Int of a fresh draw r times a number: the
// largest whole number not above the product, computed in double precision
// (the rolls, gold, experience and the level threshold) or with the product
// first rounded to single precision (the two Equips). They differ where the
// product lies just below a whole number: 10 x 0.7f is 6.99999988 in double,
// exactly 7 in single precision.
double floorDoubleProduct(Random& random, double n);
double floorSingleProduct(Random& random, float m);

// A roll floor(r * n) + k, computed in double precision, from one fresh draw.
int16_t roll(Random& random, int n, int k);

}  // namespace mirewalk
