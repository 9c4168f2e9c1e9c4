#include <gtest/gtest.h>

#include <set>

#include "Draws.h"
#include "ScriptedDialogs.h"
#include "combat/Encounter.h"
#include "combat/Fight.h"
#include "combat/Messages.h"
#include "platform/RuntimeError.h"

namespace {

// A hero in a battle against kind 1 with the given values.
Game battle(int attackPower, int defense, int curHP, int monsterDefense, int monsterHP,
            int monsterAttack)
{
    Game game;
    game.AttackPower = static_cast<int16_t>(attackPower);
    game.Defense = static_cast<int16_t>(defense);
    game.CurHP = static_cast<int16_t>(curHP);
    game.MaxHP = game.CurHP;
    game.NextLevelExp = 200;
    game.EncountersOn = 1;
    game.MonsterIndex = 1;
    Monster& monster = game.currentMonster();
    monster.Defense = static_cast<int16_t>(monsterDefense);
    monster.HP = static_cast<int16_t>(monsterHP);
    monster.Attack = static_cast<int16_t>(monsterAttack);
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

// Runs one exchange and notes how many draws had been made at each message box.
struct Recorded {
    ScriptedDialogs dialogs;
    std::vector<std::size_t> drawsAtBox;

    Exchange exchange(Game& game, Random& random)
    {
        dialogs.onMessage = [&](const std::string&) { drawsAtBox.push_back(random.draws()); };
        return CloseRangedRound(game, random, dialogs);
    }
};

} // namespace

// --- Monsters -------------------------------------------------------------

TEST(RollMonster, EachKindRollsItsStatisticsInItsOwnOrder)
{
    struct Stats {
        int strength, defense, maxHP;
    };
    struct Row {
        int kind;
        const char* name;
        MonsterPicture::Source source;
        const char* file;
        Stats lowHighLow;  // stats fed 0, largest, 0 in draw order
        Stats highLowHigh;  // stats fed largest, 0, largest
    };
    using S = MonsterPicture::Source;
    const Row rows[] = {
        {1, "Snake", S::File, "Monsters/Snake.jpg", {1, 1, 12}, {4, 3, 3}},
        {2, "E.T", S::EnemyL, nullptr, {10, 1, 5}, {1, 4, 24}},
        {3, "Mad Shoe", S::File, "Monsters/Shoe.jpg", {0, 39, 0}, {29, 0, 19}},
        {4, "Smelly Sock", S::File, "Monsters/sock.jpg", {3, 5, 5}, {12, 1, 24}},
        {5, "Crazy Nimpho", S::File, "Monsters/nopic.jpg", {4, 7, 10}, {23, 3, 39}},
    };
    for (const Row& row : rows) {
        for (const bool lowFirst : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (lowFirst ? " low-high-low" : " high-low-high"));
            Game game;
            game.EncountersOn = 1;
            Random random;
            const float a = lowFirst ? 0.0f : LargestBelowOne;
            const float b = lowFirst ? LargestBelowOne : 0.0f;
            random.feed({drawFor(row.kind, 5, 1), a, b, a});
            const MonsterPicture picture = RollMonster(game, random);

            const Stats want = lowFirst ? row.lowHighLow : row.highLowHigh;
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
            EXPECT_EQ(monster.RangedAttack, 0);
            EXPECT_EQ(picture.source, row.source);
            if (row.file) {
                EXPECT_STREQ(picture.file, row.file);
            }
        }
    }
}

TEST(RollMonster, TheKindDrawCoversOneToFive)
{
    for (const auto& [r, kind] : {std::pair{0.0f, 1}, std::pair{LargestBelowOne, 5}}) {
        Game game;
        game.EncountersOn = 1;
        Random random;
        random.feed({r});
        RollMonster(game, random);
        EXPECT_EQ(game.MonsterIndex, kind);
    }
}

TEST(RollMonster, MeetingAKindAgainClearsItsEntryFirst)
{
    Game game;
    game.EncountersOn = 1;
    Monster& shoe = game.Monsters[3];
    shoe.Name = "old";
    shoe.HP = -40;
    shoe.Reserved1 = 7;
    shoe.Reserved2 = -7;
    Random random;
    // Mad Shoe with strength 29, defense 0 and no hit points at all.
    random.feed({drawFor(3, 5, 1), LargestBelowOne, 0.0f, 0.0f});
    RollMonster(game, random);
    EXPECT_EQ(shoe.Name, "Mad Shoe");
    EXPECT_EQ(shoe.MaxHP, 0);
    EXPECT_EQ(shoe.HP, 0);
    EXPECT_EQ(shoe.Attack, 29);
    EXPECT_EQ(shoe.Reserved1, 0);
    EXPECT_EQ(shoe.Reserved2, 0);
}

TEST(RollMonster, WithEncountersOffTheEntryAtTheOldIndexIsOnlyCleared)
{
    Game game;  // EncountersOn 0, MonsterIndex 0
    game.Monsters[0].Name = "ghost";
    game.Monsters[0].MaxHP = 9;
    game.Monsters[0].HP = 4;
    Random random;
    const MonsterPicture picture = RollMonster(game, random);
    EXPECT_EQ(random.draws(), 0u);
    EXPECT_EQ(game.MonsterIndex, 0);
    EXPECT_EQ(game.Monsters[0].Name, "");
    EXPECT_EQ(game.Monsters[0].MaxHP, 0);
    EXPECT_EQ(game.Monsters[0].HP, 0);
    EXPECT_EQ(picture.source, MonsterPicture::Source::None);
}

// --- Encounters -----------------------------------------------------------

TEST(CheckEncounter, OnlyTheFifthCountedStepRolls)
{
    for (int steps : {0, 1, 2, 3, 4, 6}) {
        Game game;
        game.EncountersOn = 1;
        game.StepCount = static_cast<int16_t>(steps);
        Random random;
        EXPECT_FALSE(CheckEncounter(game, random)) << steps;
        EXPECT_EQ(game.StepCount, steps);
        EXPECT_EQ(random.draws(), 0u) << steps;
    }
    Game off;
    off.StepCount = 5;  // EncountersOn 0
    Random random;
    EXPECT_FALSE(CheckEncounter(off, random));
    EXPECT_EQ(off.StepCount, 5);
    EXPECT_EQ(random.draws(), 0u);
}

TEST(CheckEncounter, RollsBelowThirtyStartABattleAndEveryRollResetsTheCount)
{
    const std::pair<float, bool> rolls[] = {
        {0.0f, true},                       // 1
        {drawFor(29, 100, 1), true},        // 29
        {drawFor(30, 100, 1), false},       // 30
        {LargestBelowOne, false},           // 100
    };
    for (const auto& [r, starts] : rolls) {
        Game game;
        game.EncountersOn = 1;
        game.StepCount = 5;
        Random random;
        random.feed({r});
        EXPECT_EQ(CheckEncounter(game, random), starts) << r;
        EXPECT_EQ(game.StepCount, 0);
        EXPECT_EQ(random.draws(), 1u);
    }
}

// --- Message tables -------------------------------------------------------

TEST(Messages, EachTableRunsFromItsFirstLineToItsLast)
{
    struct Row {
        Routine routine;
        int n;
        int16_t Game::*roll;
        std::string Game::*line;
        const char* first;
        const char* last;
    };
    const Row rows[] = {
        {MonsterMissMsg, 5, &Game::MissRoll, &Game::MonsterMsg,
         "The Monster whipped y0 ass BEITCH with it's shoe laces and you just stand there puzzled.",
         "The Monster said 'Hey baby, lets get down y0!', but it didn't effect you."},
        {PlayerMissMsg, 6, &Game::MissRoll, &Game::PlayerMsg,
         "You push all of your power into a single blow and slam your fist into the Monster's "
         "stomach... But you efforts were futile as the Monster laughs.",
         "You cower in fear as the Monster looked to mean for you to attack it!"},
        {PlayerHitMsg, 6, &Game::HitRoll, &Game::PlayerMsg,
         "You Bust the Monster's ass with the nearby stick you grabbed off of the ground!",
         "You lifted your arms up as the stench from your armpits makes the monster crave for stench!"},
        {MonsterHitMsg, 10, &Game::HitRoll, &Game::MonsterMsg,
         "The Monster slammed it's fist into your face and watches you fly into a nearby tree!",
         "The Monster unleashed it's true stench, nearly killing you!"},
    };
    for (const Row& row : rows) {
        Game game;
        Random random;
        random.feed({0.0f, LargestBelowOne});
        row.routine(game, random);
        EXPECT_EQ(game.*row.roll, 1);
        EXPECT_EQ(game.*row.line, row.first);
        row.routine(game, random);
        EXPECT_EQ(game.*row.roll, row.n);
        EXPECT_EQ(game.*row.line, row.last);
        EXPECT_EQ(random.draws(), 2u);
    }
}

TEST(Messages, EveryRollHasItsOwnLineAndTheRollVariablesAreShared)
{
    Game game;
    Random random;
    std::set<std::string> lines;
    for (int roll = 1; roll <= 10; ++roll) {
        random.feed({drawFor(roll, 10, 1)});
        MonsterHitMsg(game, random);
        lines.insert(game.MonsterMsg);
    }
    EXPECT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.count("The MOnster kicked y0 ass and you laughed."), 0u);
    random.feed({drawFor(3, 5, 1), drawFor(2, 6, 1)});
    MonsterMissMsg(game, random);
    EXPECT_EQ(game.MonsterMsg, "The MOnster kicked y0 ass and you laughed.");
    PlayerMissMsg(game, random);
    EXPECT_EQ(game.MissRoll, 2);  // the later routine's roll
}

// --- The close-ranged exchange --------------------------------------------

TEST(CloseRanged, ThePlainExchange)
{
    Game game = battle(8, 2, 20, 3, 10, 6);
    Random random;
    random.feed({0.25f, 0.75f});
    Recorded run;
    const Exchange exchange = run.exchange(game, random);

    EXPECT_FALSE(exchange.victory);
    EXPECT_EQ(game.currentMonster().HP, 5);
    EXPECT_EQ(game.CurHP, 16);
    EXPECT_EQ(game.LastDamage, 4);
    EXPECT_EQ(random.draws(), 2u);
    EXPECT_TRUE(run.dialogs.messages.empty());
    EXPECT_EQ(exchange.report, expectedReport(MonsterHitMsg, 0.25f, PlayerHitMsg, 0.75f));
    EXPECT_EQ(game.HitRoll, 5);  // PlayerHitMsg drew last: floor(0.75 * 6) + 1
}

TEST(CloseRanged, EachReportRowDrawsItsRoutinesInOrder)
{
    struct Row {
        const char* what;
        int attackPower, monsterDefense, monsterHP, monsterAttack;
        Routine first, second;
        std::size_t draws;
        bool victory;
    };
    const Row rows[] = {
        {"both miss", 3, 3, 10, 2, MonsterMissMsg, PlayerMissMsg, 2, false},
        {"both hit", 8, 3, 10, 6, MonsterHitMsg, PlayerHitMsg, 2, false},
        {"hero hits, monster strikes for 0", 8, 3, 10, 1, MonsterMissMsg, PlayerHitMsg, 2, false},
        {"hero misses, monster hits", 2, 3, 10, 6, PlayerMissMsg, MonsterHitMsg, 2, false},
        {"hero hits to exactly 0", 8, 3, 5, 6, MonsterMissMsg, PlayerHitMsg, 4, true},
        {"monster already down, blow for 0", 3, 3, 0, 6, MonsterMissMsg, PlayerMissMsg, 4, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Game game = battle(row.attackPower, 2, 20, row.monsterDefense, row.monsterHP,
                           row.monsterAttack);
        Random random;
        if (row.victory)
            random.feed({0.5f, 0.0f});  // gold, experience
        random.feed({0.1f, 0.9f});
        Recorded run;
        const Exchange exchange = run.exchange(game, random);
        EXPECT_EQ(exchange.victory, row.victory);
        EXPECT_EQ(random.draws(), row.draws);
        EXPECT_EQ(random.pending(), 0u);
        EXPECT_EQ(exchange.report, expectedReport(row.first, 0.1f, row.second, 0.9f));
    }
}

TEST(CloseRanged, AMonsterThatCannotHurtLeavesTheHeroAndTheHerosBlowStandsAsLastDamage)
{
    Game game = battle(8, 6, 20, 3, 40, 6);
    Random random;
    Recorded run;
    run.exchange(game, random);
    EXPECT_EQ(game.CurHP, 20);
    EXPECT_EQ(game.LastDamage, 0);  // the monster's blow for 0 replaced the hero's 5
    EXPECT_EQ(game.currentMonster().HP, 35);

    Game beaten = battle(8, 2, 20, 3, 2, 6);
    random.feed({0.0f, 0.0f});
    run.exchange(beaten, random);
    EXPECT_EQ(beaten.LastDamage, 5);  // the monster did not strike
    EXPECT_EQ(beaten.currentMonster().HP, -3);
    EXPECT_EQ(beaten.CurHP, 20);
}

TEST(CloseRanged, VictoryShowsItsBoxThenPaysGoldAndExperience)
{
    Game game = battle(10, 2, 20, 1, 4, 6);
    game.Gold = 7;
    game.Experience = 40;
    Random random;
    random.feed({0.0f, LargestBelowOne, 0.5f, 0.5f});
    Recorded run;
    EXPECT_TRUE(run.exchange(game, random).victory);
    EXPECT_EQ(run.dialogs.messages, std::vector<std::string>{"VICTORY!!!"});
    EXPECT_EQ(run.drawsAtBox, std::vector<std::size_t>{0});
    EXPECT_EQ(game.Gold, 7 + 5);            // floor(0 * 20) + 5
    EXPECT_EQ(game.Experience, 40 + 109);   // floor(largest * 100) + 10
    EXPECT_EQ(game.currentMonster().HP, -5);
    EXPECT_EQ(game.Level, 0);               // 149 is below the threshold of 200
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
        random.feed({0.0f, drawFor(40, 100, 0), r, 0.0f, 0.0f});  // experience + 50
        Recorded run;
        run.exchange(game, random);

        EXPECT_EQ(run.dialogs.messages, (std::vector<std::string>{"VICTORY!!!", "LEVEL UP!!"}));
        EXPECT_EQ(run.drawsAtBox, (std::vector<std::size_t>{0, 2}));
        EXPECT_EQ(random.draws(), 5u);
        EXPECT_EQ(game.Experience, 200);
        EXPECT_EQ(game.NextLevelExp, threshold);
        EXPECT_EQ(game.Level, 2);
        EXPECT_EQ(game.Strength, 7);
        EXPECT_EQ(game.Defense, 3);
        EXPECT_EQ(game.MaxHP, 33);
        EXPECT_EQ(game.CurHP, 33);     // full health from 1 HP
        EXPECT_EQ(game.AttackPower, 10);  // the blow does not grow with the level
    }

    Game short1 = battle(10, 2, 20, 1, 4, 6);
    short1.Experience = 149;
    Random random;
    random.feed({0.0f, drawFor(40, 100, 0), 0.0f, 0.0f});
    Recorded run;
    run.exchange(short1, random);
    EXPECT_EQ(short1.Experience, 199);
    EXPECT_EQ(run.dialogs.messages.size(), 1u);
    EXPECT_EQ(random.draws(), 4u);
}

TEST(CloseRanged, TheHerosDeathShowsItsMessageAndEndsBeforeTheReport)
{
    Game game = battle(8, 2, 4, 3, 10, 6);
    game.PlayerMsg = "earlier line";
    Random random;
    ScriptedDialogs dialogs;
    try {
        CloseRangedRound(game, random, dialogs);
        FAIL() << "the hero should have died";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 0);
    }
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"YOU WERE KILLED BY A WEAK MONSTER!!!! GOODBYE!!"});
    EXPECT_EQ(game.CurHP, 0);
    EXPECT_EQ(random.draws(), 0u);  // no report lines were picked
    EXPECT_EQ(game.PlayerMsg, "earlier line");

    Game survivor = battle(8, 2, 5, 3, 10, 6);  // left at exactly 1
    random.feed({0.0f, 0.0f});
    EXPECT_NO_THROW(CloseRangedRound(survivor, random, dialogs));
    EXPECT_EQ(survivor.CurHP, 1);
}

TEST(CloseRanged, AMonsterIndexOutsideTheTableIsSubscriptError)
{
    Game game = battle(8, 2, 20, 3, 10, 6);
    game.MonsterIndex = 101;
    Random random;
    ScriptedDialogs dialogs;
    try {
        CloseRangedRound(game, random, dialogs);
        FAIL() << "expected run-time error 9";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 9);
    }
}

// --- Level-up -------------------------------------------------------------

TEST(LevelUp, OverflowingValuesAreRunTimeError6)
{
    ScriptedDialogs dialogs;
    Game strong;
    strong.Strength = 32767;
    Random random;
    try {
        LevelUp(strong, random, dialogs);
        FAIL() << "expected overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
    EXPECT_TRUE(dialogs.messages.empty());

    Game experienced;
    experienced.NextLevelExp = 1 << 30;  // doubling leaves the 32-bit range
    random.feed({0.0f});
    EXPECT_THROW(LevelUp(experienced, random, dialogs), RuntimeError);

    Game nearTop;
    nearTop.NextLevelExp = 1000000000;  // 2N fits, 2N + Int(r * N) does not
    random.feed({0.5f});
    EXPECT_THROW(LevelUp(nearTop, random, dialogs), RuntimeError);
}

// --- The long-ranged shot -------------------------------------------------

TEST(LongRanged, AShotAfterACloseExchangeCostsTheHeroNothing)
{
    Game game = battle(8, 2, 20, 3, 10, 6);
    Random random;
    random.feed({0.0f, 0.0f});
    ScriptedDialogs dialogs;
    CloseRangedRound(game, random, dialogs);
    ASSERT_EQ(game.LastDamage, 4);
    ASSERT_EQ(game.CurHP, 16);

    game.LRDamage = 3;
    for (int shot = 0; shot < 3; ++shot)
        LongRangedRound(game, dialogs);
    EXPECT_EQ(game.CurHP, 16);
    EXPECT_EQ(game.LastDamage, 4);
    EXPECT_EQ(game.currentMonster().HP, 5 - 9);  // no victory: it can be shot below 0
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
    LongRangedRound(game, dialogs);
    EXPECT_EQ(archer.HP, 6);
    EXPECT_EQ(game.LastDamage, 5);
    EXPECT_EQ(game.CurHP, 15);

    archer.RangedAttack = 1;  // below the hero's defense: a blow of 0
    LongRangedRound(game, dialogs);
    EXPECT_EQ(game.LastDamage, 0);
    EXPECT_EQ(game.CurHP, 15);

    archer.RangedAttack = 9;
    game.LRDamage = 2;
    archer.HP = 4;
    LongRangedRound(game, dialogs);  // 2 left: it strikes for 7
    LongRangedRound(game, dialogs);  // 0 left: it cannot strike
    EXPECT_EQ(archer.HP, 0);
    EXPECT_EQ(game.LastDamage, 7);
    EXPECT_EQ(game.CurHP, 8);

    game.LRDamage = 0;  // a shot for nothing at a standing monster
    archer.HP = 5;
    LongRangedRound(game, dialogs);
    EXPECT_EQ(archer.HP, 5);
    EXPECT_EQ(game.CurHP, 1);  // the hero lives on at 1
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(LongRanged, DeathByARangedBlowShowsItsMessageThenEnds)
{
    ScriptedDialogs dialogs;
    Game game = battle(8, 2, 5, 3, 10, 6);
    game.currentMonster().RangedOn = Truth::True;
    game.currentMonster().RangedAttack = 7;
    game.LRDamage = 1;
    EXPECT_THROW(LongRangedRound(game, dialogs), ProgramEnd);
    EXPECT_EQ(game.CurHP, 0);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{
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
    random.feed({0.0f, 0.0f, 0.0f, 0.0f});
    Exchange exchange;
    EXPECT_NO_THROW(exchange = CloseRangedRound(game, random, dialogs));
    EXPECT_TRUE(exchange.victory);
    EXPECT_EQ(game.currentMonster().HP, -32768);
    EXPECT_EQ(game.LastDamage, 5);
}
