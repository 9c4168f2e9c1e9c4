#include <gtest/gtest.h>

#include "platform/Random.h"

using namespace mirewalk;

TEST(Random, DrawsComeFromTheUnseededTwisterInTopTwentyFourBits)
{
    // The twister's outputs 1 to 4 and 10,000 (seed 5489), each shifted right by 8.
    const std::pair<int, float> draws[] = {
        {1, 13668795}, {2, 2272926}, {3, 15196666}, {4, 14009119}, {10000, 16108046}};
    Random random;
    int drawn = 0;
    for (const auto& [number, top24] : draws) {
        float r = 0;
        while (drawn < number) {
            r = random.next();
            ++drawn;
            ASSERT_GE(r, 0.0f);
            ASSERT_LT(r, 1.0f);
        }
        EXPECT_EQ(r * 16777216.0f, top24) << "draw " << number;
    }
    EXPECT_EQ(random.draws(), 10000u);
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
