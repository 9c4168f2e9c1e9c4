#include "Encounter.h"

#include "platform/Table.h"

namespace mirewalk {

namespace {

// One statistic of a monster kind: the field it fills and its roll floor(r * n) + k.
struct StatRoll {
    int16_t Monster::*field;
    int n;
    int k;
};

// A monster kind: its name, its three statistics in the order they are
// rolled, and its picture file (none for E.T, whose picture is built in).
struct Kind {
    const char* name;
    StatRoll stats[3];
    const char* picture;
};

// The five kinds, by their numbers 1 to 5.
const Table<Kind, 1, 5> Kinds{{{
    {"Snake",
     {{&Monster::Defense, 3, 1}, {&Monster::MaxHP, 10, 3}, {&Monster::Strength, 4, 1}},
     "Monsters/Snake.jpg"},
    {"E.T", {{&Monster::Defense, 4, 1}, {&Monster::Strength, 10, 1}, {&Monster::MaxHP, 20, 5}}, nullptr},
    {"Mad Shoe",
     {{&Monster::Strength, 30, 0}, {&Monster::Defense, 40, 0}, {&Monster::MaxHP, 20, 0}},
     "Monsters/Shoe.jpg"},
    {"Smelly Sock",
     {{&Monster::Strength, 10, 3}, {&Monster::Defense, 5, 1}, {&Monster::MaxHP, 20, 5}},
     "Monsters/sock.jpg"},
    {"Crazy Nimpho",
     {{&Monster::Strength, 20, 4}, {&Monster::Defense, 5, 3}, {&Monster::MaxHP, 30, 10}},
     "Monsters/nopic.jpg"},
}}};

// Fills a cleared entry for its kind and gives the kind's picture.
MonsterPicture fill(Monster& monster, const Kind& kind, Random& random)
{
    monster.Name = kind.name;
    for (const StatRoll& stat : kind.stats)
        monster.*stat.field = roll(random, stat.n, stat.k);
    monster.Reserved1 = 0;
    monster.Reserved2 = 0;
    monster.Attack = monster.Strength;
    if (kind.picture == nullptr)
        return {MonsterPicture::Source::BuiltIn};
    return {MonsterPicture::Source::File, kind.picture};
}

}  // namespace

bool checkEncounter(Game& game, Random& random)
{
    if (game.EncountersOn != 1 || game.StepCount != 5)
        return false;
    game.StepCount = 0;
    return roll(random, 100, 1) < 30;
}

MonsterPicture rollMonster(Game& game, Random& random)
{
    if (game.EncountersOn == 1)
        game.MonsterIndex = roll(random, Kinds.Size, 1);
    Monster& monster = game.currentMonster();
    monster.Name.clear();
    monster.Defense = 0;
    monster.HP = 0;
    monster.MaxHP = 0;
    monster.Strength = 0;
    monster.Attack = 0;

    MonsterPicture picture;
    if (Kinds.contains(game.MonsterIndex))
        picture = fill(monster, Kinds[game.MonsterIndex], random);
    monster.HP = monster.MaxHP;
    return picture;
}

}  // namespace mirewalk
