#pragma once
// The rules of a fight: the close-ranged exchange, the long-ranged shot, and
// the level the hero gains when its experience reaches the threshold. Message
// boxes and the hero's death go through the dialogs; the battle window writes
// what the rules return.

#include <string>

#include "platform/Dialogs.h"
#include "platform/Random.h"
#include "state/Game.h"

namespace mirewalk {

// What one close-ranged exchange leaves for the battle window.
struct Exchange {
    bool victory = false;  // the monster fell: return to the map
    std::string report;    // the new text of BINFO: the hero's line, nine spaces, the monster's
};

// One exchange of blows. The hero strikes the current monster; a monster
// brought below 1 HP is beaten ("VICTORY!!!", gold, experience, perhaps a
// level); a monster still standing strikes back, and a hero left below 1 HP
// dies, which ends the program. Last, two lines report the exchange.
Exchange exchangeBlows(Game& game, Random& random, Dialogs& dialogs);

// One long-ranged shot for LRDamage. Only a monster that strikes at range and
// still stands hurts the hero back; a hero left below 1 HP dies. Declares no
// victory: the monster's HP may fall to 0 and below, stopping at -32768.
void shootLongRange(Game& game, Dialogs& dialogs);

// Raises the hero one level with full health, shows "LEVEL UP!!", then sets
// the next threshold at two to three times the old one.
void levelUp(Game& game, Random& random, Dialogs& dialogs);

}  // namespace mirewalk
