#include <gtest/gtest.h>

#include "rules/NewGame.h"

using namespace mirewalk;

TEST(NewGame, StartValuesAndTheThreeRollsInOrder)
{
    Game game;
    Random random;
    random.feed({0.0f, LargestBelowOne, 0.5f});
    startNewGame(game, random, "Arn");

    EXPECT_EQ(random.draws(), 3u);
    EXPECT_EQ(game.PlayerName, "Arn");
    EXPECT_EQ(game.MaxHP, 10);  // floor(0 * 30) + 10
    EXPECT_EQ(game.CurHP, 10);
    EXPECT_EQ(game.Strength, 12);  // floor(largest * 10) + 3
    EXPECT_EQ(game.AttackPower, 12);
    EXPECT_EQ(game.Defense, 3);  // floor(0.5 * 5) + 1
    EXPECT_EQ(game.PlayerX, 30);
    EXPECT_EQ(game.PlayerY, 52);
    EXPECT_EQ(game.SpriteWidth, 42);
    EXPECT_EQ(game.SpriteHeight, 58);
    EXPECT_EQ(game.MapNo, 1);
    EXPECT_EQ(game.EncountersOn, 1);
    EXPECT_EQ(game.Level, 1);
    EXPECT_EQ(game.Experience, 0);
    EXPECT_EQ(game.NextLevelExp, 200);
    // Untouched by the start: they keep their zero values.
    EXPECT_EQ(game.Gold, 0);
    EXPECT_EQ(game.StepCount, 0);
    EXPECT_EQ(game.LRWeaponOn, Truth::False);
    EXPECT_EQ(game.LRDamage, 0);
    EXPECT_TRUE(game.CRWeaponName.empty());
    EXPECT_TRUE(game.ArmourName.empty());
}

TEST(NewGame, EveryRunRollsTheSameHeroFromTheUnseededSource)
{
    Game game;
    Random random;
    startNewGame(game, random, "");
    EXPECT_EQ(game.MaxHP, 34);
    EXPECT_EQ(game.Strength, 4);
    EXPECT_EQ(game.Defense, 5);
}

TEST(NewGame, AnyNameIsKeptUnchanged)
{
    for (const std::string& name : {std::string(), std::string("  Sir  Wade "),
                                    std::string("Zoë 勇者 \xe2\x80\x8f"), std::string(100000, 'x')}) {
        Game game;
        Random random;
        startNewGame(game, random, name);
        EXPECT_EQ(game.PlayerName, name);
        EXPECT_EQ(game.MaxHP, 34);  // the name changes none of the rolls
    }
}
