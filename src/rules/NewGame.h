#pragma once
// The start of a new game: the hero's name, the three rolls and the start values.

#include <string>

#include "platform/Random.h"
#include "state/Game.h"

namespace mirewalk {

// Sets the start values of a game for a hero of the given name. Its three
// rolls (MaxHP, Strength, Defense) are the next three draws of random.
void startNewGame(Game& game, Random& random, const std::string& name);

}  // namespace mirewalk
