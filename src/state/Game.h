#pragma once
// The whole state of one game: the hero, the position on the maps, the battle
// bookkeeping and the monster and item tables. Every rule takes the Game it
// works on, so each test starts from a fresh one.

#include <cstdint>
#include <string>

#include "platform/Table.h"
#include "state/Item.h"
#include "state/Monster.h"
#include "state/Truth.h"

namespace mirewalk {

struct Game {
    std::string PlayerName;
    Truth LRWeaponOn = Truth::False;
    int16_t LRDamage = 0;
    int16_t AttackPower = 0;
    std::string CRWeaponName;
    std::string ArmourName;
    int16_t PlayerX = 0;
    int16_t PlayerY = 0;
    int16_t SpriteHeight = 0;
    int16_t SpriteWidth = 0;
    int16_t MaxHP = 0;
    int16_t CurHP = 0;
    int16_t Strength = 0;
    int16_t Defense = 0;
    int16_t MapNo = 0;
    int16_t EncountersOn = 0;
    int32_t Experience = 0;
    int16_t Level = 0;
    int32_t NextLevelExp = 0;
    int32_t Gold = 0;
    int16_t StepCount = 0;
    int16_t LastDamage = 0;
    int16_t MonsterIndex = 0;
    int16_t ItemIndex = 0;
    int16_t MissRoll = 0;
    int16_t HitRoll = 0;
    std::string PlayerMsg;   // unset until the first exchange; joins as empty text
    std::string MonsterMsg;  // unset until the first exchange; joins as empty text

    Table<Monster> Monsters;  // entries 1 to 5 are the five monster kinds
    Table<Item> Items;        // entries 1 to 3 are the three items

    // The monster of the current battle, the entry at MonsterIndex.
    Monster& currentMonster() { return Monsters[MonsterIndex]; }
    const Monster& currentMonster() const { return Monsters[MonsterIndex]; }
};

}  // namespace mirewalk
