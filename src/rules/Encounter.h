#pragma once
// Random encounters and the monsters they bring: the check every fifth step
// and the roll of the monster's kind and statistics.

#include "platform/Random.h"
#include "state/Game.h"

namespace mirewalk {

// The picture of the monster rolled, shown in the battle window.
struct MonsterPicture {
    enum class Source {
        None,     // no known kind was rolled: the battle keeps the picture it shows
        File,     // a picture file, relative to the program's folder
        BuiltIn,  // the picture of E.T built into the program
    };
    Source source = Source::None;
    const char* file = nullptr;  // for Source::File, e.g. "Monsters/Snake.jpg"
};

// Counts towards the next encounter: when StepCount has reached 5 it is reset
// to 0 and a roll of 1 to 100 is made. Returns true when the roll is below 30,
// so a battle starts.
bool checkEncounter(Game& game, Random& random);

// Picks the monster's kind (while encounters are on), clears its entry, rolls
// its statistics afresh in the order of its kind and sets its HP to MaxHP.
// Returns the picture to show for it.
MonsterPicture rollMonster(Game& game, Random& random);

}  // namespace mirewalk
