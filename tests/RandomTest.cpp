#include <gtest/gtest.h>

#include <random>

#include "platform/Random.h"

using namespace mirewalk;

TEST(Random, DrawsComeFromTheUnseededTwisterInTopTwentyFourBits)
{
    Random random;
    std::mt19937 reference;  // seed 5489
    for (int i = 0; i < 1000; ++i) {
        const float expected = static_cast<float>(reference() >> 8) / 16777216.0f;
        const float r = random.next();
        ASSERT_EQ(r, expected);
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
    EXPECT_EQ(random.draws(), 1000u);
}

TEST(Random, FedValuesComeFirstThenTheGeneratorGoesOn)
{
    Random fed;
    fed.feed({0.0f, LargestBelowOne});
    EXPECT_EQ(fed.next(), 0.0f);
    EXPECT_EQ(fed.next(), LargestBelowOne);
    EXPECT_EQ(fed.pending(), 0u);
    Random fresh;
    EXPECT_EQ(fed.next(), fresh.next());
}

TEST(Random, RollCoversKToKPlusNMinusOne)
{
    Random random;
    random.feed({0.0f, LargestBelowOne, 0.5f, 0.29f});
    EXPECT_EQ(roll(random, 30, 10), 10);
    EXPECT_EQ(roll(random, 30, 10), 39);
    EXPECT_EQ(roll(random, 10, 3), 8);
    // 0.29f is a little below 0.29: floor in double gives 28, so 29.
    EXPECT_EQ(roll(random, 100, 1), 29);
}
