#pragma once
// The four tables of the lines that report an exchange, line by line as the
// game words them, misspellings and all; line n is the one a roll of n picks.

#include <string>
#include <vector>

namespace mirewalk {

inline const std::vector<std::string> MonsterMissLines{
    "The Monster whipped y0 ass BEITCH with it's shoe laces and you just stand there puzzled.",
    "The Monster tried to diss you, but you didn't understand a word the Monster said.",
    "The MOnster kicked y0 ass and you laughed.",
    "The Monster tried to fuck j00 to death, but you enjoyed it.",
    "The Monster said 'Hey baby, lets get down y0!', but it didn't effect you.",
};
inline const std::vector<std::string> PlayerMissLines{
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
inline const std::vector<std::string> PlayerHitLines{
    "You Bust the Monster's ass with the nearby stick you grabbed off of the ground!",
    "You drop a euro on the floor and as the Monster went down to get it, you knied him in the "
    "face!",
    "You bent over as a volcano of shit flew into the Monster's face.",
    "You wore out and surprised the Monster with your Hornyness!",
    "You stoped Odrisk's apocalypse, by outscrewing the Monster!",
    "You lifted your arms up as the stench from your armpits makes the monster crave for stench!",
};
inline const std::vector<std::string> MonsterHitLines{
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

}  // namespace mirewalk
