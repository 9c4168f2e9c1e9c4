#pragma once
// The rules of items and the inventory: finding an item, filing it into the
// inventory's lists, and the three Equip actions. No window code.

#include <string>
#include <vector>

#include "platform/Random.h"
#include "state/Game.h"

namespace mirewalk {

// Finds one random item: one draw r gives ItemIndex = floor(r * 3) + 1, and
// the entry of Items at that index is written with that item. Finding it
// again rewrites the same values, so entries 0 and 4 to 100 stay empty.
void rollItem(Game& game, Random& random);

// The inventory lists a found item can be filed into.
enum class ItemList { Misc, Armour, CloseRange };

// The lists an item goes to, in the order they are appended: MISC when it is
// not equippable, ARMOUR for the kind "Armour", CR for the kind "Weapon". The
// three tests are independent, and kinds compare exactly, case included.
std::vector<ItemList> listsFor(const Item& item);

// One opening's find: the item's name and the lists it is filed into.
struct Find {
    std::string name;
    std::vector<ItemList> lists;
};

// What every opening of the inventory finds: rollItem draws the item, and the
// find says which lists get a row of its name.
Find findItem(Game& game, Random& random);

// Armour Equip: the selected row of the armour list (empty text when none is
// selected) becomes ArmourName. Nothing else changes, Defense included.
void equipArmour(Game& game, const std::string& selected);

// Close-range Equip: the selected row of the CR list becomes CRWeaponName,
// and one draw r gives AttackPower = Int(2 * Strength * r) + 5, the product
// in single precision, so a sword is worth 5 to 2 * Strength + 4 and grows
// with the hero.
void equipCloseRange(Game& game, Random& random, const std::string& selected);

// Long-range Equip: switches the long-ranged attack on and fixes its damage
// from one draw r: Int(Strength * r), the product in single precision, plus
// Experience / 1000, rounded to the nearest whole number, a half to the even
// one. A damage beyond the 16-bit range stops at 32767 instead of overflowing.
void equipLongRange(Game& game, Random& random);

}  // namespace mirewalk
