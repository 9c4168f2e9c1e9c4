#include <gtest/gtest.h>

#include "Draws.h"
#include "ScriptedDialogs.h"
#include "platform/RuntimeError.h"
#include "rules/Encounter.h"
#include "rules/Fight.h"
#include "rules/Messages.h"

namespace {

// A hero in a battle against kind 1 with the given values.
Game battle(int16_t attackPower, int16_t defense, int16_t curHP, int16_t monsterDefense,
            int16_t monsterHP, int16_t monsterAttack)
{
    Game game;
    game.AttackPower = attackPower;
    game.Defense = defense;
    game.CurHP = game.MaxHP = curHP;
    game.NextLevelExp = 200;
    game.MonsterIndex = 1;
    game.currentMonster().Defense = monsterDefense;
    game.currentMonster().HP = monsterHP;
    game.currentMonster().Attack = monsterAttack;
    return game;
}

using Routine = void (*)(Game&, Random&);

// The report two routines give when fed first and second, hero's line first.
std::string expectedReport(Routine one, float first, Routine two, float second)
{
    Game lines;
    Random random;
    random.feed({first, second});
    one(lines, random);
    two(lines, random);
    return lines.PlayerMsg + "         " + lines.MonsterMsg;
}

// Dialogs that note how many draws had been made when each box opened.
struct Watched : ScriptedDialogs {
    std::vector<std::size_t> drawsAtBox;
    explicit Watched(const Random& random)
    {
        onMessage = [this, &random](const std::string&) { drawsAtBox.push_back(random.draws()); };
    }
};

}  // namespace

TEST(RollMonster, EachKindRollsItsStatisticsInItsOwnOrder)
{
    struct Stats {
        int strength, defense, maxHP;
    };
    struct Row {
        int kind;
        const char* name;
        const char* file;   // none: the main window's EnemyL picture
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
            const MonsterPicture picture = RollMonster(game, random);

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
                      row.file ? MonsterPicture::Source::File : MonsterPicture::Source::EnemyL);
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
    RollMonster(game, random);
    EXPECT_EQ(game.MonsterIndex, 1);
    EXPECT_EQ(game.Monsters[1].Reserved1, 0);
    RollMonster(game, random);
    EXPECT_EQ(game.MonsterIndex, 5);
    EXPECT_EQ(game.Monsters[5].HP, 10);  // no hit points carried over
}

TEST(RollMonster, WithEncountersOffTheEntryAtTheOldIndexIsOnlyCleared)
{
    Game game;  // EncountersOn 0, MonsterIndex 0
    game.Monsters[0].Name = "ghost";
    game.Monsters[0].MaxHP = 9;
    Random random;
    EXPECT_EQ(RollMonster(game, random).source, MonsterPicture::Source::None);
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
        EXPECT_FALSE(CheckEncounter(game, random)) << steps;
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
        EXPECT_EQ(CheckEncounter(game, random), starts) << roll;
        EXPECT_EQ(game.StepCount, 0);
        EXPECT_EQ(random.draws(), 1u);
    }
}

TEST(Messages, EachTableRunsToItsLastLine)
{
    struct Row {
        Routine routine;
        int n;
        int16_t Game::*roll;
        std::string Game::*line;
        const char* last;
    };
    const Row rows[] = {
        {MonsterMissMsg, 5, &Game::MissRoll, &Game::MonsterMsg,
         "The Monster said 'Hey baby, lets get down y0!', but it didn't effect you."},
        {PlayerMissMsg, 6, &Game::MissRoll, &Game::PlayerMsg,
         "You cower in fear as the Monster looked to mean for you to attack it!"},
        {PlayerHitMsg, 6, &Game::HitRoll,
         &Game::PlayerMsg, "You lifted your arms up as the stench from your armpits makes the monster crave for stench!"},
        {MonsterHitMsg, 10, &Game::HitRoll, &Game::MonsterMsg,
         "The Monster unleashed it's true stench, nearly killing you!"},
    };
    for (const Row& row : rows) {
        Game game;
        Random random;
        random.feed({LargestBelowOne});
        row.routine(game, random);
        EXPECT_EQ(game.*row.roll, row.n);
        EXPECT_EQ(game.*row.line, row.last);
        EXPECT_EQ(random.draws(), 1u);
    }
    Game game;
    Random random;
    random.feed({drawFor(3, 5, 1), 0.0f});
    MonsterMissMsg(game, random);
    EXPECT_EQ(game.MonsterMsg, "The MOnster kicked y0 ass and you laughed.");
    PlayerMissMsg(game, random);
    EXPECT_EQ(game.MissRoll, 1);  // the two miss tables share their roll
    EXPECT_EQ(game.PlayerMsg,
              "You push all of your power into a single blow and slam your fist "
              "into the Monster's stomach... But you efforts were futile as the "
              "Monster laughs.");
}

TEST(CloseRanged, ThePlainExchange)
{
    Game game = battle(8, 2, 20, 3, 10, 6);
    Random random;
    random.feed({0.25f, 0.75f});
    ScriptedDialogs dialogs;
    const Exchange exchange = CloseRangedRound(game, random, dialogs);
    EXPECT_FALSE(exchange.victory);
    EXPECT_EQ(game.currentMonster().HP, 5);
    EXPECT_EQ(game.CurHP, 16);
    EXPECT_EQ(game.LastDamage, 4);
    EXPECT_EQ(random.draws(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(exchange.report, expectedReport(MonsterHitMsg, 0.25f, PlayerHitMsg, 0.75f));
}

TEST(CloseRanged, EachReportRowDrawsItsRoutinesInOrder)
{
    struct Row {
        const char* what;
        int16_t attackPower, monsterHP, monsterAttack;
        Routine first, second;
        std::size_t draws;
        int lastDamage, curHP;
    };
    const Row rows[] = {
        {"both miss", 3, 10, 2, MonsterMissMsg, PlayerMissMsg, 2, 0, 20},
        {"hero hits, monster strikes for 0", 8, 10, 1, MonsterMissMsg, PlayerHitMsg, 2, 0, 20},
        {"hero misses, monster hits", 2, 10, 6, PlayerMissMsg, MonsterHitMsg, 2, 4, 16},
        {"hero hits to exactly 0: victory", 8, 5, 6, MonsterMissMsg, PlayerHitMsg, 4, 5, 20},
        {"monster already down, blow for 0", 3, 0, 6, MonsterMissMsg, PlayerMissMsg, 4, 0, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Game game = battle(row.attackPower, 2, 20, 3, row.monsterHP, row.monsterAttack);
        Random random;
        if (row.draws == 4)
            random.feed({0.5f, 0.0f});  // gold, experience
        random.feed({0.1f, 0.9f});
        ScriptedDialogs dialogs;
        const Exchange exchange = CloseRangedRound(game, random, dialogs);
        EXPECT_EQ(exchange.victory, row.draws == 4);
        EXPECT_EQ(random.draws(), row.draws);
        EXPECT_EQ(random.pending(), 0u);
        EXPECT_EQ(game.LastDamage, row.lastDamage);
        EXPECT_EQ(game.CurHP, row.curHP);
        EXPECT_EQ(exchange.report, expectedReport(row.first, 0.1f, row.second, 0.9f));
    }
}

TEST(CloseRanged, VictoryShowsItsBoxThenPaysGoldAndExperience)
{
    Game game = battle(10, 2, 20, 1, 4, 6);
    game.Gold = 7;
    game.Experience = 40;
    Random random;
    random.feed({0.0f, LargestBelowOne, 0.5f, 0.5f});
    Watched dialogs(random);
    EXPECT_TRUE(CloseRangedRound(game, random, dialogs).victory);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"VICTORY!!!"});
    EXPECT_EQ(dialogs.drawsAtBox, std::vector<std::size_t>{0});
    EXPECT_EQ(game.Gold, 7 + 5);           // floor(0 * 20) + 5
    EXPECT_EQ(game.Experience, 40 + 109);  // floor(largest * 100) + 10: still below 200
    EXPECT_EQ(game.currentMonster().HP, -5);
    EXPECT_EQ(random.draws(), 4u);
}

TEST(CloseRanged, ReachingTheThresholdExactlyEarnsALevelAfterTheVictoryBox)
{
    for (const auto& [r, threshold] : {std::pair{0.0f, 400}, std::pair{LargestBelowOne, 599}}) {
        Game game = battle(10, 2, 1, 1, 4, 6);
        game.MaxHP = 30;
        game.Strength = 6;
        game.Level = 1;
        game.Experience = 150;
        Random random;
        random.feed({0.0f, drawFor(50, 100, 10), r, 0.0f, 0.0f});
        Watched dialogs(random);
        CloseRangedRound(game, random, dialogs);

        EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"VICTORY!!!", "LEVEL UP!!"}));
        EXPECT_EQ(dialogs.drawsAtBox, (std::vector<std::size_t>{0, 2}));
        EXPECT_EQ(random.draws(), 5u);
        EXPECT_EQ(game.Experience, 200);
        EXPECT_EQ(game.NextLevelExp, threshold);
        EXPECT_EQ(game.Level, 2);
        EXPECT_EQ(game.Strength, 7);
        EXPECT_EQ(game.Defense, 3);
        EXPECT_EQ(game.CurHP, 33);        // full health at the new MaxHP
        EXPECT_EQ(game.AttackPower, 10);  // the blow does not grow with the level
    }
    Game shortOfIt = battle(10, 2, 20, 1, 4, 6);
    shortOfIt.Experience = 149;
    Random random;
    random.feed({0.0f, drawFor(50, 100, 10)});
    ScriptedDialogs dialogs;
    CloseRangedRound(shortOfIt, random, dialogs);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(random.draws(), 4u);
}

TEST(CloseRanged, TheHerosDeathShowsItsMessageAndEndsBeforeTheReport)
{
    Game game = battle(8, 2, 4, 3, 10, 6);
    Random random;
    ScriptedDialogs dialogs;
    EXPECT_THROW(CloseRangedRound(game, random, dialogs), ProgramEnd);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"YOU WERE KILLED BY A WEAK MONSTER!!!! GOODBYE!!"});
    EXPECT_EQ(game.CurHP, 0);
    EXPECT_EQ(random.draws(), 0u);  // no report lines were picked

    Game survivor = battle(8, 2, 5, 3, 10, 6);  // left at exactly 1
    EXPECT_NO_THROW(CloseRangedRound(survivor, random, dialogs));
    EXPECT_EQ(survivor.CurHP, 1);
}

TEST(LevelUp, AThresholdBeyondThe32BitRangeIsOverflow)
{
    ScriptedDialogs dialogs;
    Random random;
    random.feed({0.5f});
    Game game;
    game.NextLevelExp = 1000000000;  // 2N fits, 2N + Int(r * N) does not
    try {
        LevelUp(game, random, dialogs);
        FAIL() << "expected overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

TEST(LongRanged, AShotAfterACloseExchangeCostsTheHeroNothing)
{
    Game game = battle(8, 2, 20, 3, 10, 6);
    Random random;
    ScriptedDialogs dialogs;
    CloseRangedRound(game, random, dialogs);
    ASSERT_EQ(game.LastDamage, 4);
    ASSERT_EQ(game.CurHP, 16);

    game.LRDamage = 3;
    for (int shot = 0; shot < 3; ++shot)
        LongRangedRound(game, dialogs);
    EXPECT_EQ(game.CurHP, 16);
    EXPECT_EQ(game.LastDamage, 4);
    EXPECT_EQ(game.currentMonster().HP, -4);  // no victory: it can be shot below 0
    EXPECT_EQ(random.draws(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(LongRanged, OnlyAMonsterThatStillStandsStrikesBackAtRange)
{
    ScriptedDialogs dialogs;
    Game game = battle(8, 2, 20, 3, 10, 6);
    Monster& archer = game.currentMonster();
    archer.RangedOn = Truth::True;
    archer.RangedAttack = 7;
    game.LRDamage = 4;
    LongRangedRound(game, dialogs);  // 6 left: it strikes for 5
    EXPECT_EQ(game.LastDamage, 5);
    EXPECT_EQ(game.CurHP, 15);
    game.LRDamage = 6;
    LongRangedRound(game, dialogs);  // 0 left: it cannot strike
    EXPECT_EQ(game.LastDamage, 5);
    EXPECT_EQ(game.CurHP, 15);

    archer.HP = 5;
    game.CurHP = 6;
    game.LRDamage = 0;
    LongRangedRound(game, dialogs);  // a shot for nothing: the monster still strikes
    EXPECT_EQ(archer.HP, 5);
    EXPECT_EQ(game.CurHP, 1);  // the hero lives on at 1
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_THROW(LongRangedRound(game, dialogs), ProgramEnd);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{
                  "You died while trying to fight a Monster TOO powerful for you. Game over."});
}

TEST(LongRanged, HitPointsStopAtTheBottomOfTheirRangeForBothAttacks)
{
    ScriptedDialogs dialogs;
    Game game = battle(8, 2, 20, 3, -32760, 6);
    game.LRDamage = 100;
    EXPECT_NO_THROW(LongRangedRound(game, dialogs));
    EXPECT_EQ(game.currentMonster().HP, -32768);
    EXPECT_NO_THROW(LongRangedRound(game, dialogs));
    EXPECT_EQ(game.currentMonster().HP, -32768);

    // The next close-ranged blow wins the battle without an overflow.
    Random random;
    Exchange exchange;
    EXPECT_NO_THROW(exchange = CloseRangedRound(game, random, dialogs));
    EXPECT_TRUE(exchange.victory);
    EXPECT_EQ(game.currentMonster().HP, -32768);
}
