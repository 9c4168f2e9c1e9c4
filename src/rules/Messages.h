#pragma once
// The joke lines that report a close-ranged exchange. Each routine draws one
// value, keeps its roll 1..N and stores the line of that number.

#include "platform/Random.h"
#include "state/Game.h"

// The monster's blow did no damage, or it did not strike: a line into MonsterMsg.
void MonsterMissMsg(Game& game, Random& random);
// The hero's blow did no damage: a line into PlayerMsg.
void PlayerMissMsg(Game& game, Random& random);
// The hero's blow did damage: a line into PlayerMsg.
void PlayerHitMsg(Game& game, Random& random);
// The monster's blow did damage: a line into MonsterMsg.
void MonsterHitMsg(Game& game, Random& random);
