#include "Random.h"

#include <cmath>

#include "Checked.h"

namespace mirewalk {

float Random::next()
{
    ++draws_;
    if (!fed_.empty()) {
        const float r = fed_.front();
        fed_.pop_front();
        return r;
    }
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

void Random::feed(std::initializer_list<float> values)
{
    fed_.insert(fed_.end(), values.begin(), values.end());
}

double floorDoubleProduct(Random& random, double n)
{
    const double r = random.next();
    return std::floor(r * n);
}

double floorSingleProduct(Random& random, float m)
{
    const float product = m * random.next();
    return std::floor(product);
}

int16_t roll(Random& random, int n, int k) { return round16(floorDoubleProduct(random, n) + k); }

}  // namespace mirewalk
