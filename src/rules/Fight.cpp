#include "Fight.h"

#include <algorithm>

#include "Messages.h"
#include "platform/Checked.h"
#include "platform/RuntimeError.h"

namespace mirewalk {

namespace {

// The damage of a blow of value against defense: never below 0.
int16_t blow(int16_t value, int16_t defense) { return std::max<int16_t>(sub16(value, defense), 0); }

// The monster loses damage hit points; they fall no lower than -32768, so
// neither attack can overflow them.
void wound(Monster& monster, int16_t damage) { monster.HP = sub16Floored(monster.HP, damage); }

// The hero's death: its message, then the end of the program.
[[noreturn]] void die(Dialogs& dialogs, const char* message)
{
    dialogs.message(message);
    endProgram(0);
}

// The spoils of a victory, after its box: gold, experience, perhaps a level.
void payVictory(Game& game, Random& random, Dialogs& dialogs)
{
    dialogs.message("VICTORY!!!");
    game.Gold = round32(floorDoubleProduct(random, 20) + game.Gold + 5);
    game.Experience = round32(floorDoubleProduct(random, 100) + game.Experience + 10);
    if (game.Experience >= game.NextLevelExp)
        levelUp(game, random, dialogs);
}

// Picks the exchange's two lines, in the order that fits the two blows, and
// joins them with the hero's line first.
std::string report(Game& game, Random& random, int16_t playerDamage, int16_t monsterDamage)
{
    if (playerDamage > 0 && monsterDamage > 0) {
        pickMonsterHitLine(game, random);
        pickHeroHitLine(game, random);
    } else if (playerDamage > 0) {
        pickMonsterMissLine(game, random);
        pickHeroHitLine(game, random);
    } else if (monsterDamage > 0) {
        pickHeroMissLine(game, random);
        pickMonsterHitLine(game, random);
    } else {
        pickMonsterMissLine(game, random);
        pickHeroMissLine(game, random);
    }
    return game.PlayerMsg + "         " + game.MonsterMsg;
}

}  // namespace

Exchange exchangeBlows(Game& game, Random& random, Dialogs& dialogs)
{
    Monster& monster = game.currentMonster();
    game.LastDamage = blow(game.AttackPower, monster.Defense);
    wound(monster, game.LastDamage);
    const int16_t playerDamage = game.LastDamage;

    const bool victory = monster.HP < 1;
    if (victory)
        payVictory(game, random, dialogs);

    int16_t monsterDamage = 0;
    if (monster.HP > 0) {
        game.LastDamage = blow(monster.Attack, game.Defense);
        game.CurHP = sub16(game.CurHP, game.LastDamage);
        monsterDamage = game.LastDamage;
    }
    if (game.CurHP < 1)
        die(dialogs, "YOU WERE KILLED BY A WEAK MONSTER!!!! GOODBYE!!");

    return {victory, report(game, random, playerDamage, monsterDamage)};
}

void shootLongRange(Game& game, Dialogs& dialogs)
{
    Monster& monster = game.currentMonster();
    wound(monster, game.LRDamage);
    if (monster.RangedOn == Truth::True && monster.HP > 0) {
        game.LastDamage = blow(monster.RangedAttack, game.Defense);
        game.CurHP = sub16(game.CurHP, game.LastDamage);
    }
    if (game.CurHP < 1)
        die(dialogs, "You died while trying to fight a Monster TOO powerful for you. Game over.");
}

void levelUp(Game& game, Random& random, Dialogs& dialogs)
{
    game.Strength = add16(game.Strength, 1);
    game.Defense = add16(game.Defense, 1);
    game.MaxHP = add16(game.MaxHP, 3);
    game.Level = add16(game.Level, 1);
    game.CurHP = game.MaxHP;
    dialogs.message("LEVEL UP!!");
    const double gain = floorDoubleProduct(random, game.NextLevelExp);
    game.NextLevelExp = round32(gain + mul32(game.NextLevelExp, 2));
}

}  // namespace mirewalk
