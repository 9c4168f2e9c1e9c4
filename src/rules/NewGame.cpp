#include "NewGame.h"

namespace mirewalk {

void startNewGame(Game& game, Random& random, const std::string& name)
{
    game.PlayerName = name;
    game.SpriteHeight = 58;
    game.SpriteWidth = 42;
    game.PlayerX = 30;
    game.PlayerY = 52;
    game.MaxHP = roll(random, 30, 10);
    game.CurHP = game.MaxHP;
    game.Strength = roll(random, 10, 3);
    game.Defense = roll(random, 5, 1);
    game.AttackPower = game.Strength;
    game.NextLevelExp = 200;
    game.Experience = 0;
    game.Level = 1;
    game.EncountersOn = 1;
    game.MapNo = 1;
}

}  // namespace mirewalk
