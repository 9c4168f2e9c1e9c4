#include <gtest/gtest.h>

#include "Draws.h"
#include "ScriptedDialogs.h"
#include "platform/RuntimeError.h"
#include "rules/Encounter.h"
#include "rules/Fight.h"
#include "rules/Messages.h"

using namespace mirewalk;

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

// The four message tables, line by line as the game words them, misspellings
// and all; line n is the one a roll of n picks.
const std::vector<std::string> MonsterMissLines{
    "The Monster whipped y0 ass BEITCH with it's shoe laces and you just stand there puzzled.",
    "The Monster tried to diss you, but you didn't understand a word the Monster said.",
    "The MOnster kicked y0 ass and you laughed.",
    "The Monster tried to fuck j00 to death, but you enjoyed it.",
    "The Monster said 'Hey baby, lets get down y0!', but it didn't effect you.",
};
const std::vector<std::string> PlayerMissLines{
    "You push all of your power into a single blow and slam your fist into the Monster's "
    "stomach... "
    "But you efforts were futile as the Monster laughs.",
    "You jump into the air and land a fly kick directly in the opponents face, but he doesn't even "
    "flinch!",
    "You spin around in a circular motion with your fists spreaded slamming your fists into the "
    "Monster's jaw several times, proving to just be a waste of energy!",
    "You dive underground and grab the Monster's leg, but he kicks you in the head.",
    "You grab a nearby stick on the ground and break it on the Monster and the Monster thanked you "
    "for the kinky attempt to impress them.",
    "You cower in fear as the Monster looked to mean for you to attack it!",
};
const std::vector<std::string> PlayerHitLines{
    "You Bust the Monster's ass with the nearby stick you grabbed off of the ground!",
    "You drop a euro on the floor and as the Monster went down to get it, you knied him in the "
    "face!",
    "You bent over as a volcano of shit flew into the Monster's face.",
    "You wore out and surprised the Monster with your Hornyness!",
    "You stoped Odrisk's apocalypse, by outscrewing the Monster!",
    "You lifted your arms up as the stench from your armpits makes the monster crave for stench!",
};
const std::vector<std::string> MonsterHitLines{
    "The Monster slammed it's fist into your face and watches you fly into a nearby tree!",
    "The Monster kicked j00 ass and it's f00t dissappeared, leaving you scarred for life!",
    "The Monster tied a rope around your dick and screwed you for 6 hours, draining your energy!",
    "The Monster's shoelaces started to glow and the Monster squeezed you like an orange!",
    "The Monster dissed you, making you cry!",
    "The Monster grabbed a nearby stick and shoved it up your ass, while hammering the other end "
    "into the ground.",
    "The Monster r0x0red j00 b0x0rz!",
    "The Monster busted j00 hiney!",
    "The Monster shizzled j00 nizzle!",
    "The Monster unleashed it's true stench, nearly killing you!",
};

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

TEST(Messages, EveryLineComesWithItsRoll)
{
    struct Row {
        Routine routine;
        const std::vector<std::string>& lines;
        int16_t Game::*roll;  // the two miss tables share MissRoll, the hit tables HitRoll
        std::string Game::*line;
    };
    const Row rows[] = {
        {pickMonsterMissLine, MonsterMissLines, &Game::MissRoll, &Game::MonsterMsg},
        {pickHeroMissLine, PlayerMissLines, &Game::MissRoll, &Game::PlayerMsg},
        {pickHeroHitLine, PlayerHitLines, &Game::HitRoll, &Game::PlayerMsg},
        {pickMonsterHitLine, MonsterHitLines, &Game::HitRoll, &Game::MonsterMsg},
    };
    for (const Row& row : rows) {
        const int n = static_cast<int>(row.lines.size());
        for (int roll = 1; roll <= n; ++roll) {
            SCOPED_TRACE(row.lines[0].substr(0, 12) + "... roll " + std::to_string(roll));
            Game game;
            Random random;
            random.feed({roll == n ? LargestBelowOne : drawFor(roll, n, 1)});
            row.routine(game, random);
            EXPECT_EQ(game.*row.roll, roll);
            EXPECT_EQ(game.*row.line, row.lines[roll - 1]);
            EXPECT_EQ(random.draws(), 1u);
        }
    }
}

// Each exchange draws its two lines in the order that fits the two blows,
// fed 0.1 then 0.9, and reports the hero's line, nine spaces, the monster's.
// (The tables count from 0: PlayerHitLines[5] is line 6.)
TEST(CloseRanged, EachReportRowDrawsItsLinesInOrder)
{
    struct Row {
        const char* what;
        int16_t attackPower, monsterHP, monsterAttack;
        const std::string &playerLine, &monsterLine;
        std::size_t draws;
        int monsterHPAfter, lastDamage, curHP;
    };
    const Row rows[] = {
        {"both hit", 8, 10, 6, PlayerHitLines[5], MonsterHitLines[1], 2, 5, 4, 16},
        {"both miss", 3, 10, 2, PlayerMissLines[5], MonsterMissLines[0], 2, 10, 0, 20},
        {"hero hits, monster strikes for 0", 8, 10, 1, PlayerHitLines[5], MonsterMissLines[0], 2, 5,
         0, 20},
        {"hero misses, monster hits", 2, 10, 6, PlayerMissLines[0], MonsterHitLines[8], 2, 10, 4, 16},
        {"hero hits to exactly 0: victory", 8, 5, 6, PlayerHitLines[5], MonsterMissLines[0], 4, 0,
         5, 20},
        {"monster at the lowest HP: it stays there, beaten", 8, -32768, 6, PlayerHitLines[5],
         MonsterMissLines[0], 4, -32768, 5, 20},
        {"monster already down, blow for 0", 3, 0, 6, PlayerMissLines[5], MonsterMissLines[0], 4, 0,
         0, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Game game = battle(row.attackPower, 2, 20, 3, row.monsterHP, row.monsterAttack);
        Random random;
        if (row.draws == 4)
            random.feed({0.5f, 0.0f});  // gold, experience
        random.feed({0.1f, 0.9f});
        ScriptedDialogs dialogs;
        const Exchange exchange = exchangeBlows(game, random, dialogs);
        EXPECT_EQ(exchange.victory, row.draws == 4);
        EXPECT_EQ(random.draws(), row.draws);
        EXPECT_EQ(random.pending(), 0u);
        EXPECT_EQ(game.currentMonster().HP, row.monsterHPAfter);
        EXPECT_EQ(game.LastDamage, row.lastDamage);
        EXPECT_EQ(game.CurHP, row.curHP);
        EXPECT_EQ(dialogs.messages.size(), row.draws == 4 ? 1u : 0u);  // VICTORY!!! only
        EXPECT_EQ(exchange.report, row.playerLine + "         " + row.monsterLine);
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
    EXPECT_TRUE(exchangeBlows(game, random, dialogs).victory);
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
        exchangeBlows(game, random, dialogs);

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
    exchangeBlows(shortOfIt, random, dialogs);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(random.draws(), 4u);
}

TEST(CloseRanged, TheHerosDeathShowsItsMessageAndEndsBeforeTheReport)
{
    Game game = battle(8, 2, 4, 3, 10, 6);
    Random random;
    ScriptedDialogs dialogs;
    EXPECT_THROW(exchangeBlows(game, random, dialogs), ProgramEnd);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"YOU WERE KILLED BY A WEAK MONSTER!!!! GOODBYE!!"});
    EXPECT_EQ(game.CurHP, 0);
    EXPECT_EQ(random.draws(), 0u);  // no report lines were picked

    Game survivor = battle(8, 2, 5, 3, 10, 6);  // left at exactly 1
    EXPECT_NO_THROW(exchangeBlows(survivor, random, dialogs));
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
        levelUp(game, random, dialogs);
        FAIL() << "expected overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

// Each shot after a close exchange that did 4 damage (LastDamage 4) at a
// monster of defense 3 that strikes at range for RangedAttack (0: it does
// not); the hero's defense is 2. A shot declares no victory.
TEST(LongRanged, OnlyAMonsterStillStandingStrikesBackAndHitPointsStopAtTheBottom)
{
    struct Row {
        const char* what;
        int16_t monsterHP, rangedAttack, lrDamage, curHP;
        int wantMonsterHP, wantCurHP, wantLastDamage;
        bool dies;
    };
    const Row rows[] = {
        {"shot below 0, no strike back", 2, 0, 3, 16, -1, 16, 4, false},
        {"a ranged monster left standing strikes", 10, 7, 4, 20, 6, 15, 5, false},
        {"a ranged monster brought to 0 cannot", 6, 7, 6, 15, 0, 15, 4, false},
        {"a shot for nothing: it strikes, the hero lives at 1", 5, 7, 0, 6, 5, 1, 5, false},
        {"its blow leaves the hero at 0", 5, 7, 0, 5, 5, 0, 5, true},
        {"hit points stop at -32768", -32760, 0, 100, 20, -32768, 20, 4, false},
        {"and stay there", -32768, 0, 100, 20, -32768, 20, 4, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Game game = battle(8, 2, row.curHP, 3, row.monsterHP, 6);
        game.LastDamage = 4;
        game.LRDamage = row.lrDamage;
        game.currentMonster().RangedOn = row.rangedAttack > 0 ? Truth::True : Truth::False;
        game.currentMonster().RangedAttack = row.rangedAttack;
        ScriptedDialogs dialogs;
        if (row.dies)
            EXPECT_THROW(shootLongRange(game, dialogs), ProgramEnd);
        else
            EXPECT_NO_THROW(shootLongRange(game, dialogs));
        EXPECT_EQ(game.currentMonster().HP, row.wantMonsterHP);
        EXPECT_EQ(game.CurHP, row.wantCurHP);
        EXPECT_EQ(game.LastDamage, row.wantLastDamage);
        EXPECT_EQ(dialogs.messages,
                  row.dies
                      ? std::vector<std::string>{"You died while trying to fight a Monster TOO "
                                                 "powerful for you. Game over."}
                      : std::vector<std::string>{});
    }
}
