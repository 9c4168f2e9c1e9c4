#include <gtest/gtest.h>

#include "state/NewGame.h"

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

TEST(NewGame, EveryRunRollsTheSameHeroFromTheFirstThreeDraws)
{
    Game first, second;
    Random a, b;
    startNewGame(first, a, "");
    startNewGame(second, b, "");
    EXPECT_EQ(first.MaxHP, second.MaxHP);
    EXPECT_EQ(first.Strength, second.Strength);
    EXPECT_EQ(first.Defense, second.Defense);

    Random reference;
    const float r1 = reference.next(), r2 = reference.next(), r3 = reference.next();
    EXPECT_EQ(first.MaxHP, static_cast<int>(r1 * 30.0) + 10);
    EXPECT_EQ(first.Strength, static_cast<int>(r2 * 10.0) + 3);
    EXPECT_EQ(first.Defense, static_cast<int>(r3 * 5.0) + 1);
}

TEST(NewGame, AnyNameIsKeptUnchanged)
{
    for (const std::string& name : {std::string(), std::string("  Sir  Wade "),
                                    std::string("Zoë 勇者 \xe2\x80\x8f"), std::string(100000, 'x')}) {
        Game game;
        Random random;
        startNewGame(game, random, name);
        EXPECT_EQ(game.PlayerName, name);
    }
}
