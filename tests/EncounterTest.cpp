#include <gtest/gtest.h>

#include "Draws.h"
#include "rules/Encounter.h"

using namespace mirewalk;

TEST(RollMonster, EachKindRollsItsStatisticsInItsOwnOrder)
{
    struct Stats {
        int strength, defense, maxHP;
    };
    struct Row {
        int kind;
        const char* name;
        const char* file;   // none: E.T, whose picture is built in
        Stats lowHighLow;   // the three statistic draws fed 0, largest, 0
        Stats highLowHigh;  // and fed largest, 0, largest
    };
    const Row rows[] = {
        {1, "Snake", "Monsters/Snake.jpg", {1, 1, 12}, {4, 3, 3}},
        {2, "E.T", nullptr, {10, 1, 5}, {1, 4, 24}},
        {3, "Mad Shoe", "Monsters/Shoe.jpg", {0, 39, 0}, {29, 0, 19}},
        {4, "Smelly Sock", "Monsters/sock.jpg", {3, 5, 5}, {12, 1, 24}},
        {5, "Crazy Nimpho", "Monsters/nopic.jpg", {4, 7, 10}, {23, 3, 39}},
    };
    for (const Row& row : rows) {
        for (const bool low : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (low ? " low-high-low" : " high-low-high"));
            Game game;
            game.EncountersOn = 1;
            Random random;
            const float a = low ? 0.0f : LargestBelowOne, b = low ? LargestBelowOne : 0.0f;
            random.feed({drawFor(row.kind, 5, 1), a, b, a});
            const MonsterPicture picture = rollMonster(game, random);

            const Stats want = low ? row.lowHighLow : row.highLowHigh;
            ASSERT_EQ(game.MonsterIndex, row.kind);
            const Monster& monster = game.currentMonster();
            EXPECT_EQ(random.draws(), 4u);
            EXPECT_EQ(monster.Name, row.name);
            EXPECT_EQ(monster.Strength, want.strength);
            EXPECT_EQ(monster.Defense, want.defense);
            EXPECT_EQ(monster.MaxHP, want.maxHP);
            EXPECT_EQ(monster.Attack, monster.Strength);
            EXPECT_EQ(monster.HP, monster.MaxHP);
            EXPECT_EQ(monster.RangedOn, Truth::False);
            EXPECT_EQ(picture.source,
                      row.file ? MonsterPicture::Source::File : MonsterPicture::Source::BuiltIn);
            EXPECT_STREQ(picture.file, row.file);
        }
    }
}

TEST(RollMonster, TheKindDrawReachesBothEndsAndARerollClearsTheEntry)
{
    Game game;
    game.EncountersOn = 1;
    game.Monsters[1].Reserved1 = 7;
    game.Monsters[5].HP = -40;
    Random random;
    random.feed({0.0f, 0.0f, 0.0f, 0.0f, LargestBelowOne, 0.0f, 0.0f, 0.0f});
    rollMonster(game, random);
    EXPECT_EQ(game.MonsterIndex, 1);
    EXPECT_EQ(game.Monsters[1].Reserved1, 0);
    rollMonster(game, random);
    EXPECT_EQ(game.MonsterIndex, 5);
    EXPECT_EQ(game.Monsters[5].HP, 10);  // no hit points carried over
}

TEST(RollMonster, WithEncountersOffTheEntryAtTheOldIndexIsOnlyCleared)
{
    Game game;  // EncountersOn 0, MonsterIndex 0
    game.Monsters[0].Name = "ghost";
    game.Monsters[0].MaxHP = 9;
    Random random;
    EXPECT_EQ(rollMonster(game, random).source, MonsterPicture::Source::None);
    EXPECT_EQ(random.draws(), 0u);
    EXPECT_EQ(game.Monsters[0].Name, "");
    EXPECT_EQ(game.Monsters[0].MaxHP, 0);
}

TEST(CheckEncounter, OnlyAFifthCountedStepRollsAndARollBelowThirtyStartsABattle)
{
    for (int steps : {0, 4, 6}) {
        Game game;
        game.EncountersOn = 1;
        game.StepCount = static_cast<int16_t>(steps);
        Random random;
        EXPECT_FALSE(checkEncounter(game, random)) << steps;
        EXPECT_EQ(game.StepCount, steps);
        EXPECT_EQ(random.draws(), 0u) << steps;
    }
    const std::pair<int, bool> rolls[] = {{1, true}, {29, true}, {30, false}, {100, false}};
    for (const auto& [roll, starts] : rolls) {
        Game game;
        game.EncountersOn = 1;
        game.StepCount = 5;
        Random random;
        random.feed({drawFor(roll, 100, 1)});
        EXPECT_EQ(checkEncounter(game, random), starts) << roll;
        EXPECT_EQ(game.StepCount, 0);
        EXPECT_EQ(random.draws(), 1u);
    }
}
