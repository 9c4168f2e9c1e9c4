#pragma once
// Chosen draws for the random source's test seam.

// The draw that gives value from a roll floor(r * n) + k: the middle of its slot.
inline float drawFor(int value, int n, int k)
{
    return (static_cast<float>(value - k) + 0.5f) / static_cast<float>(n);
}
