#pragma once
// The joke lines that report a close-ranged exchange. Each routine draws one
// value, keeps its roll 1..N and stores the line of that number.

#include "platform/Random.h"
#include "state/Game.h"

namespace mirewalk {

// The monster's blow did no damage, or it did not strike: a line into MonsterMsg.
void pickMonsterMissLine(Game& game, Random& random);
// The hero's blow did no damage: a line into PlayerMsg.
void pickHeroMissLine(Game& game, Random& random);
// The hero's blow did damage: a line into PlayerMsg.
void pickHeroHitLine(Game& game, Random& random);
// The monster's blow did damage: a line into MonsterMsg.
void pickMonsterHitLine(Game& game, Random& random);

}  // namespace mirewalk
