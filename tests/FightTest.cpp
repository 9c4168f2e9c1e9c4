#include <gtest/gtest.h>

#include "Draws.h"
#include "MessageLines.h"
#include "ScriptedDialogs.h"
#include "platform/RuntimeError.h"
#include "rules/Fight.h"

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

// Dialogs that note how many draws had been made when each box opened.
struct Watched : ScriptedDialogs {
    std::vector<std::size_t> drawsAtBox;
    explicit Watched(const Random& random)
    {
        onMessage = [this, &random](const std::string&) { drawsAtBox.push_back(random.draws()); };
    }
};

}  // namespace

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
